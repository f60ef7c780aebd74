// PaintBackdrop.h -- "BackGround0", the reef picture hung on the waving sheet at the back of the tank.
//
// 1024 x 1024. A reef wall of boulders, corals, sponges and fans rises from a sandy floor into open
// water. Open water is pure black (0, 0, 0), which the mipmapped loader turns transparent so the
// tank's backdrop colour shows through; nothing painted is ever that black (the darkest paint is
// kDarkestPaint), so no hole opens in the rock.
#pragma once

#include "art/RgbImage.h"

#include <cstdint>

constexpr int kBackdropSize = 1024;
constexpr uint8_t kDarkestPaint[3] = {8, 10, 14};

CRgbImage PaintBackdrop();
