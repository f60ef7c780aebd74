// Projection.cpp -- frustum from the screen size, and the edge drift.
#include "view/Projection.h"

namespace {
constexpr double kFrustumHalfSize = 0.4; // half the shorter side of the frustum at the near plane
constexpr double kNearPlane = 1.0;
constexpr double kFarPlane = 1000.0;
} // namespace

Frustum ComputeFrustum(int screenWidth, int screenHeight)
{
    const double w = screenWidth < 1 ? 1.0 : screenWidth;
    const double h = screenHeight < 1 ? 1.0 : screenHeight;
    const double s = kFrustumHalfSize;
    if (w > h) {
        const double a = w / h;
        return Frustum{-s * a, s * a, -s, s, kNearPlane, kFarPlane};
    }
    const double a = h / w;
    return Frustum{-s, s, -s * a, s * a, kNearPlane, kFarPlane};
}

void StepEdgeDrift(CameraPosition& camera, int mouseX, int screenWidth)
{
    if (mouseX <= 0 && camera.x > -kCameraDriftLimit)
        camera.x -= kCameraDriftStep;
    if (mouseX >= screenWidth - 1 && camera.x < kCameraDriftLimit)
        camera.x += kCameraDriftStep;
}
