// ControlLogicTest.cpp -- the dialog controls' rules that need no window: face colours, check
// state, link texts and errors, slider arithmetic and the frame layout.
#include "ui/controls/ControlLogic.h"

#include <gtest/gtest.h>

#include <climits>

using namespace controls;

namespace {
void ExpectRgb(Rgb actual, int red, int green, int blue)
{
    EXPECT_EQ(actual.red, red);
    EXPECT_EQ(actual.green, green);
    EXPECT_EQ(actual.blue, blue);
}
} // namespace

TEST(IconButtonFace, EndBandsForEveryHoverAndActiveCombination)
{
    // Step 63: a = 205 - 21 = 184, b = 205 - 15 = 190, c = 205 - 12 = 193.
    ExpectRgb(IconButtonFaceColour(0, false, false), 205, 205, 205);
    ExpectRgb(IconButtonFaceColour(63, false, false), 184, 184, 193);
    ExpectRgb(IconButtonFaceColour(63, false, true), 184, 184, 190);
    ExpectRgb(IconButtonFaceColour(63, true, false), 190, 190, 193);
    ExpectRgb(IconButtonFaceColour(63, true, true), 190, 190, 184);
    ExpectRgb(IconButtonFaceColour(0, true, true), 205, 205, 205);
}

TEST(IconButtonFace, DarkensMonotonicallyAndClampsOutOfRangeSteps)
{
    for (int i = 1; i < kIconButtonFaceSteps; ++i)
        EXPECT_LE(IconButtonFaceColour(i, true, true).red, IconButtonFaceColour(i - 1, true, true).red) << i;
    ExpectRgb(IconButtonFaceColour(-5, false, true), 205, 205, 205);
    ExpectRgb(IconButtonFaceColour(200, false, true), 184, 184, 190);
}

TEST(RoundCheckBox, SetCheckChecksOnOneAndTwoOnly)
{
    EXPECT_EQ(CheckStateFromRequest(1), 1);
    EXPECT_EQ(CheckStateFromRequest(2), 1);
    EXPECT_EQ(CheckStateFromRequest(3), 0);
    EXPECT_EQ(CheckStateFromRequest(0), 0);
    EXPECT_EQ(CheckStateFromRequest(-1), 0);
}

TEST(LinkLabel, FailureTextsForKnownAndUnknownCodes)
{
    EXPECT_EQ("Unable to open hyperlink:\n\n" + HyperlinkErrorText(26),
              "Unable to open hyperlink:\n\nA sharing violation occurred. ");
    EXPECT_EQ(HyperlinkErrorText(kHyperlinkNoApplication),
              "There is no application associated\nwith the given filename extension.");
    EXPECT_EQ(HyperlinkErrorText(4), "Unknown Error (4) occurred.");
    EXPECT_EQ(HyperlinkErrorText(INT_MIN), "Unknown Error (-2147483648) occurred.");
}

TEST(LinkLabel, AddressAndTextDefaultToEachOther)
{
    const LinkTexts noAddress = ResolveLinkTexts("https://example.org/", "");
    EXPECT_EQ(noAddress.address, "https://example.org/");
    EXPECT_EQ(noAddress.text, "https://example.org/");
    const LinkTexts noText = ResolveLinkTexts("", "https://example.org/a");
    EXPECT_EQ(noText.text, "https://example.org/a");
    EXPECT_EQ(noText.address, "https://example.org/a");
    const LinkTexts both = ResolveLinkTexts("Home page", "https://example.org/b");
    EXPECT_EQ(both.text, "Home page");
    EXPECT_EQ(both.address, "https://example.org/b");
}

TEST(RoundThumbSlider, StepsStayInRangeWithoutOverflow)
{
    EXPECT_EQ(StepSliderValue(95, 10, 0, 100), 100);
    EXPECT_EQ(StepSliderValue(5, -10, 0, 100), 0);
    EXPECT_EQ(StepSliderValue(INT_MAX - 1, 10, 0, INT_MAX), INT_MAX);
    EXPECT_EQ(StepSliderValue(3, 1, 5, 5), 5); // empty range pins to its one value
}

TEST(RoundThumbSlider, OffsetsAndValuesRoundTripAndClampAtTheEnds)
{
    for (int v = 0; v <= 10; ++v)
        EXPECT_EQ(SliderValueAtOffset(SliderOffsetOfValue(v, 137, 0, 10), 137, 0, 10), v) << v;
    EXPECT_EQ(SliderValueAtOffset(-40, 100, -5, 5), -5);
    EXPECT_EQ(SliderValueAtOffset(400, 100, -5, 5), 5);
    EXPECT_EQ(SliderOffsetOfValue(50, 0, 0, 100), 0); // a control too small for its thumb
}

TEST(DialogFrame, CaptionPiecesMeetAndCloseBoxSitsOnTheRightEnd)
{
    DialogFrameSizes sizes;
    sizes.closeWidth = sizes.closeHeight = 16;
    sizes.leftWidth = 40;
    sizes.captionHeight = 30;
    sizes.middleWidth = 8;
    sizes.rightWidth = 66;
    sizes.borderWidth = sizes.borderHeight = 4;
    const DialogFrameLayout layout = LayoutDialogFrame(300, 200, sizes);
    EXPECT_EQ(layout.captionMiddle.x, 40);
    EXPECT_EQ(layout.captionMiddle.x + layout.captionMiddle.width, layout.captionRight.x);
    EXPECT_EQ(layout.captionRight.x + layout.captionRight.width, 300);
    EXPECT_GE(layout.closeBox.x, layout.captionRight.x);
    EXPECT_LE(layout.closeBox.x + layout.closeBox.width, 300);
    EXPECT_TRUE(layout.closeBox.Contains(layout.closeBox.x, layout.closeBox.y));
    EXPECT_EQ(layout.rightBorder.x, 296);
    EXPECT_EQ(layout.bottomBorder.y, 196);
    EXPECT_EQ(layout.leftBorder.y, 30);
}
