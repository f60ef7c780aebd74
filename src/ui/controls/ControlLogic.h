// ControlLogic.h -- the window-free rules of the owner-drawn dialog controls.
//
// Everything here is plain arithmetic and text so that it can be checked without a display: the
// icon button's face colours, the round check box's check-state rule, the link label's address and
// text defaulting and error texts, the slider's value arithmetic and the dialog frame's geometry.
#pragma once

#include <string>

namespace controls {

struct Rgb
{
    unsigned char red;
    unsigned char green;
    unsigned char blue;
};

constexpr int kIconButtonFaceSteps = 64; // solid bands of the icon button's face, top to bottom

// Colour of face band `step` (0 at the top edge, 63 at the bottom). `active` means focused,
// pressed or the default button. Steps outside 0..63 are clamped.
Rgb IconButtonFaceColour(int step, bool hovering, bool active);

// The check box's state from a set-check request: 1 and 2 check, anything else unchecks.
int CheckStateFromRequest(int requested);

// Text for a result code of opening a hyperlink; unknown codes read "Unknown Error (<code>) occurred.".
std::string HyperlinkErrorText(int code);

// Code reported when no program could be started for an address (the "no application" text).
constexpr int kHyperlinkNoApplication = 31;

// What a link label opens and what it shows: the address defaults to the text and the text to
// the address, so a label given only one of them still works.
struct LinkTexts
{
    std::string address;
    std::string text;
};
LinkTexts ResolveLinkTexts(const std::string& text, const std::string& address);

// A slider value moved by `delta`, kept within [minValue, maxValue].
int StepSliderValue(int value, int delta, int minValue, int maxValue);
// The value whose thumb centre lies `offset` pixels along a channel of `length` pixels (rounded
// to the nearest value, clamped to the range).
int SliderValueAtOffset(int offset, int length, int minValue, int maxValue);
// Offset in pixels of the thumb centre for `value` along a channel of `length` pixels.
int SliderOffsetOfValue(int value, int length, int minValue, int maxValue);

// Pixel rectangle (x, y, width, height).
struct PixelRect
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool Contains(int px, int py) const { return px >= x && py >= y && px < x + width && py < y + height; }
};

// Sizes of the five frame bitmaps, in pixels.
struct DialogFrameSizes
{
    int closeWidth = 0, closeHeight = 0;   // close box picture
    int leftWidth = 0, captionHeight = 0;  // caption left end; its height is the strip's height
    int middleWidth = 0;                   // caption middle tile
    int rightWidth = 0;                    // caption right end
    int borderWidth = 0, borderHeight = 0; // border tile
};

// Where the frame painter puts its pieces in a window of windowWidth x windowHeight.
struct DialogFrameLayout
{
    PixelRect captionLeft;
    PixelRect captionMiddle; // the span the middle tile repeats over
    PixelRect captionRight;
    PixelRect closeBox;
    PixelRect leftBorder;
    PixelRect rightBorder;
    PixelRect bottomBorder;
};
DialogFrameLayout LayoutDialogFrame(int windowWidth, int windowHeight, const DialogFrameSizes& sizes);

} // namespace controls
