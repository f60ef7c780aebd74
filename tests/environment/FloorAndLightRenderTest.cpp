// Offscreen tests of the tank floor and the sheets behind it.
#include "environment/FloorAndLight.h"
#include "platform/GLHeaders.h"
#include "platform/OffscreenContext.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
class FloorAndLight : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(context.IsOK());
        floor.Setup(180, 50, 1, [](int, const char*) { return 0u; }, [this](const std::string& text, const std::string&) {
            reports.push_back(text);
        });
    }

    COffscreenContext context{64, 64};
    CFloorAndLight floor;
    std::vector<std::string> reports;
};
} // namespace

TEST_F(FloorAndLight, FloorVerticesUndulateDiagonally)
{
    ASSERT_TRUE(floor.HasFloor());
    EXPECT_TRUE(reports.empty());
    const FloorVertex& a = floor.Vertex(75, 20);
    EXPECT_FLOAT_EQ(a.x, -15.0f);
    EXPECT_NEAR(a.height, -1.1966f, 1e-4);
    EXPECT_FLOAT_EQ(a.z, -30.0f);
    const FloorVertex& b = floor.Vertex(100, 15);
    EXPECT_FLOAT_EQ(b.x, 10.0f);
    EXPECT_NEAR(b.height, 0.6766f, 1e-4);
    EXPECT_FLOAT_EQ(b.z, -35.0f);
    const FloorVertex& corner = floor.Vertex(179, 48);
    EXPECT_FLOAT_EQ(corner.x, 89.0f);
    EXPECT_FLOAT_EQ(corner.z, -2.0f);
}

TEST_F(FloorAndLight, OversizedFloorIsReportedAndNotBuilt)
{
    CFloorAndLight huge;
    std::vector<std::string> seen;
    huge.Setup(2000, 1000, 1, [](int, const char*) { return 0u; },
               [&](const std::string& text, const std::string&) { seen.push_back(text); });
    EXPECT_FALSE(huge.HasFloor());
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0], "MAP SIZE ERROR");
    huge.Draw(1, 1, 1, 0); // draws the sheets without a floor, and does not crash
    EXPECT_GT(huge.WaterScroll(), 0.0f);
}

TEST_F(FloorAndLight, SheetsAnimateOnlyWhenShownAndOnlyForBackgroundsZeroAndOne)
{
    floor.Draw(1, 1, 1, 2);
    EXPECT_EQ(floor.WaterScroll(), 0.0f);
    EXPECT_EQ(floor.RayTilt(), 0.0f);
    floor.Draw(0, 1, 0, 1);
    EXPECT_EQ(floor.WaterScroll(), 0.0f);
    EXPECT_NEAR(floor.RayScroll(), 0.001f, 1e-6);
    EXPECT_NEAR(floor.RayTilt(), 0.1f, 1e-6);

    // The ray sheet turns at its first value past 0.1 and then at the first past -0.1.
    float highest = 0.0f, lowest = 0.0f;
    for (int i = 0; i < 400; ++i) {
        floor.Draw(0, 1, 0, 0);
        highest = std::max(highest, floor.RayScroll());
        lowest = std::min(lowest, floor.RayScroll());
    }
    EXPECT_GT(highest, 0.1f);
    EXPECT_LT(highest, 0.1011f);
    EXPECT_LT(lowest, -0.1f);
    EXPECT_GT(lowest, -0.1011f);

    for (int i = 0; i < 20000; ++i)
        floor.Draw(1, 0, 0, 0);
    EXPECT_LT(floor.WaterScroll(), 0.1f); // wrapped to 0 after passing 10
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
