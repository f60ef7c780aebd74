// Projection.h -- the frame's perspective and the camera's slide at the screen edges.
#pragma once

// Near and far planes and the four sides at the near plane, as glFrustum takes them.
struct Frustum
{
    double left, right, bottom, top, nearPlane, farPlane;
};

// The frame's frustum for a screen of this size. The longer side is widened by the aspect ratio,
// so landscape screens grow left and right, portrait screens up and down. Sizes below 1 count as 1.
Frustum ComputeFrustum(int screenWidth, int screenHeight);

// Where the camera stands; only x ever changes, by the edge drift.
struct CameraPosition
{
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};

constexpr float kCameraDriftLimit = 40.0f; // the camera slides at most this far either way
constexpr float kCameraDriftStep = 1.0f;   // tank units per frame

// One frame of edge drift: with the pointer on the left edge (mouseX <= 0) the camera slides left,
// on the right edge (mouseX >= screenWidth - 1) right, one step per frame, up to the limit.
void StepEdgeDrift(CameraPosition& camera, int mouseX, int screenWidth);
