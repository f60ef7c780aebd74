// BodySurface.cpp -- the lofted body: outline, sections, normals and surface coordinates.
#include "fish/model/BodySurface.h"

#include <algorithm>

namespace {
constexpr float kPi = 3.14159265f;
}

float Lobe(float t, float start, float peak, float peakAt, float end, float riseShape, float fallShape)
{
    if (t <= peakAt)
        return start + (peak - start) * std::pow(std::sin(0.5f * kPi * t / peakAt), riseShape);
    const float c = std::cos(0.5f * kPi * (t - peakAt) / (1.0f - peakAt));
    return end + (peak - end) * std::pow(std::max(c, 0.0f), fallShape);
}

CBodySurface::Section CBodySurface::At(float t) const
{
    const BodyShape& s = shape;
    return {s.headX + (s.tailRootX - s.headX) * t,
            Lobe(t, s.snoutZ + s.snoutHalfHeight, s.backZ, s.backAt, s.peduncleZ + s.peduncleHalfHeight,
                 s.foreheadShape, s.rearShape),
            Lobe(t, s.snoutZ - s.snoutHalfHeight, s.bellyZ, s.bellyAt, s.peduncleZ - s.peduncleHalfHeight,
                 s.foreheadShape, s.rearShape),
            Lobe(t, s.snoutHalfThickness, s.halfThickness, s.thickestAt, s.peduncleHalfThickness, s.thicknessRise,
                 s.thicknessFall)};
}

Vector3 CBodySurface::Point(float t, float around) const
{
    const Section s = At(t);
    const float angle = kPi * around;
    const float mid = 0.5f * (s.top + s.bottom);
    const float half = 0.5f * (s.top - s.bottom);
    const float y = (around <= 0.0f || around >= 1.0f)
                        ? 0.0f
                        : -s.halfThickness * std::pow(std::max(std::sin(angle), 0.0f), shape.sectionShape);
    return {s.x, y, mid + half * std::cos(angle)};
}

Vector3 CBodySurface::Normal(float t, float around) const
{
    constexpr float h = 1e-3f;
    t = std::clamp(t, h, 1.0f - h);
    around = std::clamp(around, h, 1.0f - h);
    const Vector3 alongBody = Point(t + h, around) - Point(t - h, around);
    const Vector3 aroundBody = Point(t, around + h) - Point(t, around - h);
    return Normalised(Cross(aroundBody, alongBody));
}

void CBodySurface::Coordinates(float x, float z, float& t, float& around) const
{
    t = std::clamp((x - shape.headX) / (shape.tailRootX - shape.headX), 0.0f, 1.0f);
    const Section s = At(t);
    const float half = 0.5f * (s.top - s.bottom);
    const float c = half > 0.0f ? (z - 0.5f * (s.top + s.bottom)) / half : 0.0f;
    around = std::acos(std::clamp(c, -1.0f, 1.0f)) / kPi;
}

float CBodySurface::FlankY(float x, float z) const
{
    float t, around;
    Coordinates(x, z, t, around);
    return Point(t, around).y;
}

float CBodySurface::Aspect() const
{
    constexpr int kSections = 16, kSteps = 24;
    float girth = 0.0f;
    for (int i = 0; i < kSections; ++i) {
        const float t = (i + 0.5f) / kSections;
        for (int k = 0; k < kSteps; ++k)
            girth += ::Length(Point(t, (k + 1.0f) / kSteps) - Point(t, static_cast<float>(k) / kSteps));
    }
    return Length() / (girth / kSections);
}
