// ControlLogic.cpp -- the window-free rules of the owner-drawn dialog controls.
#include "ui/controls/ControlLogic.h"

#include <algorithm>
#include <cstdio>

namespace controls {

Rgb IconButtonFaceColour(int step, bool hovering, bool active)
{
    const int i = std::clamp(step, 0, kIconButtonFaceSteps - 1);
    const auto a = static_cast<unsigned char>(205 - i / 3);
    const auto b = static_cast<unsigned char>(205 - i / 4);
    const auto c = static_cast<unsigned char>(205 - i / 5);
    if (hovering)
        return Rgb{b, b, active ? a : c};
    return Rgb{a, a, active ? b : c};
}

int CheckStateFromRequest(int requested)
{
    return (requested == 1 || requested == 2) ? 1 : 0;
}

std::string HyperlinkErrorText(int code)
{
    switch (code) {
    case 0:
        return "The operating system is out\nof memory or resources.";
    case 2:
        return "The specified file was not found.";
    case 3:
        return "The specified path was not found.";
    case 5:
        return "The operating system denied\naccess to the specified file.";
    case 8:
        return "There was not enough memory to complete the operation.";
    case 11:
        return "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).";
    case 26:
        return "A sharing violation occurred. ";
    case 27:
        return "The filename association is\nincomplete or invalid.";
    case 28:
        return "The DDE transaction could not\nbe completed because the request timed out.";
    case 29:
        return "The DDE transaction failed.";
    case 30:
        return "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed.";
    case 31:
        return "There is no application associated\nwith the given filename extension.";
    case 32:
        return "The specified dynamic-link library was not found.";
    default:
        break;
    }
    char text[64];
    std::snprintf(text, sizeof text, "Unknown Error (%d) occurred.", code);
    return text;
}

LinkTexts ResolveLinkTexts(const std::string& text, const std::string& address)
{
    LinkTexts result{address, text};
    if (result.address.empty())
        result.address = text;
    if (result.text.empty())
        result.text = result.address;
    return result;
}

int StepSliderValue(int value, int delta, int minValue, int maxValue)
{
    const long long moved = static_cast<long long>(value) + delta; // no overflow near INT_MAX
    return static_cast<int>(std::clamp<long long>(moved, minValue, std::max(minValue, maxValue)));
}

int SliderValueAtOffset(int offset, int length, int minValue, int maxValue)
{
    if (length <= 0 || maxValue <= minValue)
        return minValue;
    const int clamped = std::clamp(offset, 0, length);
    const long long range = static_cast<long long>(maxValue) - minValue;
    return static_cast<int>(minValue + (clamped * range + length / 2) / length);
}

int SliderOffsetOfValue(int value, int length, int minValue, int maxValue)
{
    if (length <= 0 || maxValue <= minValue)
        return 0;
    const long long range = static_cast<long long>(maxValue) - minValue;
    const long long from = std::clamp(value, minValue, maxValue) - static_cast<long long>(minValue);
    return static_cast<int>((from * length + range / 2) / range);
}

DialogFrameLayout LayoutDialogFrame(int windowWidth, int windowHeight, const DialogFrameSizes& s)
{
    DialogFrameLayout layout;
    const int captionHeight = s.captionHeight;
    layout.captionLeft = {0, 0, s.leftWidth, captionHeight};
    // The right end sits flush with the window's right edge; the middle tile fills the gap.
    const int rightX = std::max(s.leftWidth, windowWidth - s.rightWidth);
    layout.captionRight = {rightX, 0, s.rightWidth, captionHeight};
    layout.captionMiddle = {s.leftWidth, 0, rightX - s.leftWidth, captionHeight};
    // The close box is centred on the right end piece, 4 pixels in from the right edge at most.
    const int closeX = std::min(rightX + (s.rightWidth - s.closeWidth) / 2, windowWidth - s.closeWidth - 4);
    layout.closeBox = {closeX, (captionHeight - s.closeHeight) / 2, s.closeWidth, s.closeHeight};
    const int belowCaption = std::max(0, windowHeight - captionHeight);
    layout.leftBorder = {0, captionHeight, s.borderWidth, belowCaption};
    layout.rightBorder = {windowWidth - s.borderWidth, captionHeight, s.borderWidth, belowCaption};
    layout.bottomBorder = {0, windowHeight - s.borderHeight, windowWidth, s.borderHeight};
    return layout;
}

} // namespace controls
