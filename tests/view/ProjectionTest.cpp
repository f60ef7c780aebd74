// Tests of the frame's frustum and the camera's edge drift.
#include "view/Projection.h"

#include <gtest/gtest.h>

TEST(Projection, LandscapeScreenWidensLeftAndRight)
{
    const Frustum f = ComputeFrustum(1920, 1080);
    const double aspect = 1920.0 / 1080.0;
    EXPECT_DOUBLE_EQ(f.left, -0.4 * aspect);
    EXPECT_DOUBLE_EQ(f.right, 0.4 * aspect);
    EXPECT_DOUBLE_EQ(f.bottom, -0.4);
    EXPECT_DOUBLE_EQ(f.top, 0.4);
    EXPECT_DOUBLE_EQ(f.nearPlane, 1.0);
    EXPECT_DOUBLE_EQ(f.farPlane, 1000.0);
}

TEST(Projection, PortraitAndSquareScreensWidenUpAndDown)
{
    const Frustum portrait = ComputeFrustum(1080, 1920);
    const double aspect = 1920.0 / 1080.0;
    EXPECT_DOUBLE_EQ(portrait.left, -0.4);
    EXPECT_DOUBLE_EQ(portrait.right, 0.4);
    EXPECT_DOUBLE_EQ(portrait.bottom, -0.4 * aspect);
    EXPECT_DOUBLE_EQ(portrait.top, 0.4 * aspect);

    const Frustum square = ComputeFrustum(800, 800);
    EXPECT_DOUBLE_EQ(square.left, -0.4);
    EXPECT_DOUBLE_EQ(square.top, 0.4);
}

TEST(Projection, DegenerateScreenSizesStayFinite)
{
    const Frustum f = ComputeFrustum(1920, 0);
    EXPECT_DOUBLE_EQ(f.right, 0.4 * 1920.0);
    const Frustum g = ComputeFrustum(0, 0);
    EXPECT_DOUBLE_EQ(g.top, 0.4);
}

TEST(CameraDrift, LeftEdgeSlidesOneUnitPerFrameAndStopsAtForty)
{
    CameraPosition camera;
    for (int frame = 1; frame <= 60; ++frame) {
        StepEdgeDrift(camera, 0, 1920);
        if (frame == 39) {
            EXPECT_FLOAT_EQ(camera.x, -39.0f);
        }
        if (frame == 40) {
            EXPECT_FLOAT_EQ(camera.x, -40.0f);
        }
    }
    EXPECT_FLOAT_EQ(camera.x, -40.0f);
    EXPECT_FLOAT_EQ(camera.y, 0.0f);
    EXPECT_FLOAT_EQ(camera.z, 0.0f);
}

TEST(CameraDrift, RightEdgeSlidesBackAcrossToPlusForty)
{
    CameraPosition camera;
    camera.x = -40.0f;
    for (int frame = 0; frame < 100; ++frame)
        StepEdgeDrift(camera, 1919, 1920);
    EXPECT_FLOAT_EQ(camera.x, 40.0f);
    StepEdgeDrift(camera, 5000, 1920); // past the edge counts as the edge
    EXPECT_FLOAT_EQ(camera.x, 40.0f);
}

TEST(CameraDrift, PointerAwayFromTheEdgesLeavesTheCamera)
{
    CameraPosition camera;
    camera.x = 12.0f;
    for (int x : {1, 960, 1918})
        StepEdgeDrift(camera, x, 1920);
    EXPECT_FLOAT_EQ(camera.x, 12.0f);
    StepEdgeDrift(camera, -3, 1920); // left of the screen counts as the left edge
    EXPECT_FLOAT_EQ(camera.x, 11.0f);
}
