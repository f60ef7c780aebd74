// Feeding.cpp -- seeking, eating and the angles a fish steers by toward a flake.
#include "fish/Feeding.h"

#include "fish/SpeciesCatalogue.h"

#include <cmath>

namespace {
constexpr float kPi = 3.1415925f;
constexpr float kRadiansToDegrees = 180.0f / kPi;
constexpr float kTiny = 0.0001f;          // below this a coordinate or denominator counts as 0
constexpr float kNearInfinite = 10000.0f; // multiplies in place of dividing by a near-zero value

constexpr float kSightRange = 25.0f; // x and y distance from the head to a drop's first flake
constexpr float kSlowRange = 3.0f;   // x and y distance at which a seeking fish slows down
constexpr float kBiteXY = 3.0f;      // x and y reach of the head for eating
constexpr float kBiteZ = 5.0f;       // z reach of the head for eating
constexpr float kGrowthPerFlake = 2.0f;
constexpr float kSeekSpeedStep = 0.1f;
constexpr float kNearFoodSpeed = 0.1f;

constexpr int kSteerByAngle = 7; // the steering mode of Turn and TurnPitch

// dz / dx, with a near-zero run standing for a very steep line.
float Slope(float dz, float dx)
{
    return std::fabs(dx) > kTiny ? dz / dx : dz * kNearInfinite;
}

// The speed a seeking fish eases toward: the angelfish and the grouper hurry less.
float SeekSpeed(int species)
{
    return species == kAngelfish || species == kSpottedGrouper ? 0.2f : 0.3f;
}
} // namespace

int ClimbStep(float x, float y)
{
    if (x == 0.0f && y == 0.0f)
        return 0;
    if (std::fabs(y) < kTiny) {
        if (x < 0.0f)
            return 270;
        if (x > 0.0f)
            return 90;
    }
    if (std::fabs(x) < kTiny)
        return y > 0.0f ? 0 : 180;

    int e = static_cast<int>(std::atan(std::fabs(x / y)) * kRadiansToDegrees);
    if (y > 0.0f && x < 0.0f)
        e += 270;
    else if (y < 0.0f && x > 0.0f)
        e += 90;
    else if (y < 0.0f && x < 0.0f)
        e += 180;

    // Fold the compass angle back into a quarter turn.
    if (e < 90)
        return e;
    if (e < 180)
        return 180 - e;
    if (e < 270)
        return 270 - e;
    return 360 - e;
}

float YawError(const Vector3& position, const Vector3& head, const Vector3& flake)
{
    const float body = Slope(head.z - position.z, head.x - position.x);
    const float toFlake = Slope(position.z - flake.z, position.x - flake.x);
    const float q = 1.0f + body * toFlake;
    const float t =
        std::fabs(q) > kTiny ? std::fabs((toFlake - body) / q) : std::fabs((toFlake - body) * kNearInfinite);
    return std::atan(t) * kRadiansToDegrees;
}

void SeekFood(CFish& fish, int index, const CFoodDrop (&drops)[kFoodDropCount])
{
    const int aim = index % kPelletsPerDrop;
    const Vector3& head = fish.headPoint;
    fish.SetSeeking(false);
    for (int d = 0; d < kSoughtDropCount; ++d) {
        const CFoodDrop& drop = drops[d];
        if (!drop.IsActive())
            continue;
        // The drop is in view by its first flake's last drawn place, eaten or not.
        const Vector3& first = drop.PelletWorld(0);
        const Vector3& flake = drop.PelletWorld(aim);
        if (std::fabs(head.x - first.x) < kSightRange && std::fabs(head.y - first.y) < kSightRange) {
            fish.SetSeeking(true);
            fish.EaseSpeed(kSeekSpeedStep, SeekSpeed(fish.SpeciesId()));
            const int climb = ClimbStep(flake.x, flake.y);
            const float yaw = YawError(fish.position, head, flake);
            if (yaw < 1.0f) {
                fish.TurnPitch(static_cast<float>(climb), head.y <= flake.y, kSteerByAngle);
            } else {
                const bool ahead = (fish.towardNegX && head.x > flake.x) || (fish.towardPosX && head.x < flake.x);
                const bool behind = (fish.towardNegX && head.x < flake.x) || (fish.towardPosX && head.x > flake.x);
                if (ahead)
                    fish.Turn(yaw, head.z > flake.z, kSteerByAngle);
                if (behind)
                    fish.Turn(180.0f - yaw, true, kSteerByAngle);
            }
        }
        if (std::fabs(head.x - first.x) < kSlowRange && std::fabs(head.y - first.y) < kSlowRange)
            fish.EaseSpeed(kSeekSpeedStep, kNearFoodSpeed);
    }
}

void EatFood(CFish& fish, CFoodDrop (&drops)[kFoodDropCount])
{
    const Vector3& head = fish.headPoint;
    for (int d = 0; d < kSoughtDropCount; ++d) {
        CFoodDrop& drop = drops[d];
        if (!drop.IsActive())
            continue;
        for (int j = 0; j < kPelletsPerDrop; ++j) {
            const Vector3& flake = drop.PelletWorld(j);
            if (std::fabs(head.x - flake.x) < kBiteXY && std::fabs(head.y - flake.y) < kBiteXY &&
                std::fabs(head.z - flake.z) < kBiteZ && drop.PelletPresent(j)) {
                drop.ClearPellet(j);
                fish.Grow(kGrowthPerFlake, true);
            }
        }
    }
}
