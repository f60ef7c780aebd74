// FishMotion.cpp -- how a fish cruises, wheels, climbs and dives, and turns back at its limits.
#include "fish/Fish.h"

#include "platform/Random.h"

#include <cmath>

namespace {
constexpr float kDegreesToRadians = 0.017453292f;
constexpr float kSoftWallNudge = 0.1f; // tank units per frame a soft wall moves a fish back in

bool InRange(float value, float low, float high)
{
    return value >= low && value <= high;
}

bool PointsTowardNegX(float heading)
{
    return InRange(heading, -90.0f, 90.0f) || InRange(heading, 270.0f, 360.0f) || InRange(heading, -360.0f, -270.0f);
}

bool PointsTowardPosZ(float heading)
{
    return InRange(heading, 0.0f, 180.0f) || InRange(heading, -360.0f, -180.0f);
}
} // namespace

void CFish::EaseSpeed(float step, float target)
{
    // From below a step that would overshoot is undone by the second test; from above the
    // speed falls by one step even past the target.
    if (speed < target)
        speed += step;
    if (speed > target)
        speed -= step;
    if (speed > species->speedMax)
        speed = species->speedMax;
    if (speed < species->speedMin)
        speed = species->speedMin;
}

bool CFish::InCruiseBand() const
{
    const float z = position.z;
    return (z > -90.0f && z < -75.0f) || (z > -75.0f && z < -60.0f);
}

void CFish::BoundTargetHeading()
{
    if (species->wrapsHeading) {
        if (targetHeading > 360.0f)
            targetHeading = -360.0f;
        else if (targetHeading < -360.0f)
            targetHeading = 360.0f;
        return;
    }
    if (targetHeading > 360.0f)
        targetHeading = 360.0f;
    if (targetHeading < -360.0f)
        targetHeading = -360.0f;
}

void CFish::Turn(float angle, bool flag, int mode)
{
    if (std::fabs(heading - targetHeading) > 0.1f)
        return; // a turn is still in progress
    // Modes 2 and 7 turn by a signed step: away from -x when the flag matches the heading.
    const float stepSign = (flag == towardNegX) ? -1.0f : 1.0f;
    switch (mode) {
    case 0: { // random wheel
        Rand15();
        const int r = Rand15() % 170;
        targetHeading += targetHeading > 180.0f ? -r : r;
        break;
    }
    case 1: // reverse
        targetHeading += targetHeading > 180.0f ? -180.0f : 180.0f;
        break;
    case 2: // small turn
        targetHeading += stepSign * static_cast<float>(Rand15() % species->smallTurnSpan);
        break;
    case 4: // quarter turn, only in the cruising depths
        if (!InCruiseBand())
            break;
        if (targetHeading > 0.0f)
            targetHeading += targetHeading > 180.0f ? -90.0f : 90.0f;
        else
            targetHeading += targetHeading >= -180.0f ? -90.0f : 90.0f;
        break;
    case 7: // steer by an angle
        targetHeading += stepSign * std::trunc(std::fabs(angle));
        break;
    default:
        break;
    }
    BoundTargetHeading();
}

void CFish::TurnPitch(float angle, bool flag, int mode)
{
    switch (mode) {
    case 0: { // random swing
        const int r = Rand15() % 15 + 15;
        targetPitch += targetPitch > 0.0f ? -r : r;
        break;
    }
    case 3: // mirror
        targetPitch = -targetPitch;
        break;
    case 7: { // steer by an angle, unless that would leave -90..90
        const float up = targetPitch + angle;
        const float down = targetPitch - angle;
        if (up > 90.0f || down < -90.0f)
            return;
        targetPitch = flag ? up : down;
        break;
    }
    default:
        break;
    }
    if (targetPitch > 45.0f)
        targetPitch = 45.0f;
    if (targetPitch < -45.0f)
        targetPitch = -45.0f;
}

void CFish::Wander()
{
    if (seeking)
        return; // food in sight: the cruise waits
    const int t = wanderTimer++;
    if (t <= species->wanderPeriod)
        return;
    wanderTimer = Rand15() % species->wanderResetSpan;

    const float cruise = species->cruiseSet == 1 ? 0.1f + 0.01f * static_cast<float>(Rand15() % 10)
                                                 : 0.1f * static_cast<float>(Rand15() % 4 + 1);
    EaseSpeed(species->cruiseEaseStep, cruise);

    if (std::fabs(heading - targetHeading) < 0.01f) {
        if (InCruiseBand())
            Turn(0.0f, false, 0);
        TurnPitch(0.0f, false, 0);
    }

    switch (species->gaitCall) {
    case GaitCall::RandomFlag:
        SetGait(cruise, (Rand15() & 1) != 0);
        break;
    case GaitCall::AlternatingFlag:
        SetGait(cruise, !mouthClosed);
        break;
    case GaitCall::StyleFlags:
        turnStyle = Rand15() % 5 == 0 ? 1 : 0;
        swayStyle = Rand15() % 5 == 0 ? 1 : 0;
        break;
    case GaitCall::None:
        break;
    }
}

void CFish::Move()
{
    if (heading > 360.0f)
        heading = 180.0f;
    if (heading < -360.0f)
        heading = -180.0f;

    towardNegX = PointsTowardNegX(heading);
    towardPosX = !towardNegX;
    towardPosZ = PointsTowardPosZ(heading);
    towardNegZ = !towardPosZ;
    noseUp = pitch > 0.0f;
    targetTowardNegX = PointsTowardNegX(targetHeading);
    targetTowardPosX = !targetTowardNegX;
    targetTowardPosZ = PointsTowardPosZ(targetHeading);
    targetTowardNegZ = !targetTowardPosZ;

    // Against a side wall and still wheeling about: hold still until the turn is nearly done.
    if (std::fabs(heading - targetHeading) > 15.0f && (wallHit == 1 || wallHit == 2))
        return;

    const float a = heading * kDegreesToRadians;
    const float p = targetPitch * kDegreesToRadians;
    const float alongX = std::fabs(std::cos(a)) * speed;
    const float alongZ = std::fabs(std::sin(a)) * speed;
    if (towardNegX) {
        if (wallHit != 1)
            position.x -= alongX;
    } else if (wallHit != 2) {
        position.x += alongX;
    }
    if (towardPosZ) {
        if (wallHit != 4)
            position.z += alongZ;
    } else if (wallHit != 3) {
        position.z -= alongZ;
    }
    position.y += std::sin(p) * speed;

    switch (species->wall) {
    case WallVariant::Standard:
        WallStepStandard();
        break;
    case WallVariant::Soft:
        WallStepSoft();
        break;
    case WallVariant::Crab:
        WallStepFloorDweller(true, 0.1f);
        break;
    case WallVariant::Shrimp:
        WallStepFloorDweller(false, 0.05f);
        break;
    }
}

void CFish::WallStepStandard()
{
    wallHit = 0;
    if (position.x < swimXMin && targetTowardNegX) {
        Turn(0.0f, false, 1);
        position.x = swimXMin + 2.0f;
        wallHit = 1;
    }
    if (position.x > swimXMax && targetTowardPosX) {
        Turn(0.0f, false, 1);
        position.x = swimXMax - 2.0f;
        wallHit = 2;
    }
    if (position.z < swimZFar + 10.0f)
        EaseSpeed(0.01f, 0.1f);
    if (position.z < swimZFar && targetTowardNegZ) {
        Turn(0.0f, false, 2);
        position.z = swimZFar;
        wallHit = 3;
    }
    if (position.z > swimZNear - 10.0f)
        EaseSpeed(0.01f, 0.1f);
    if (position.z > swimZNear && targetTowardPosZ) {
        Turn(0.0f, true, 2);
        position.z = swimZNear;
        wallHit = 4;
    }
    WallStepVertical(0.1f);
}

void CFish::WallStepSoft()
{
    wallHit = 0;
    if (position.x < swimXMin + 10.0f || position.x > swimXMax - 10.0f)
        EaseSpeed(0.01f, 0.1f);
    if (position.x < swimXMin && targetTowardNegX) {
        Turn(0.0f, false, 1);
        position.x += kSoftWallNudge;
        wallHit = 1;
    }
    if (position.x > swimXMax && targetTowardPosX) {
        Turn(0.0f, false, 1);
        position.x -= kSoftWallNudge;
        wallHit = 2;
    }
    if (position.z < swimZFar + 5.0f)
        EaseSpeed(0.01f, 0.1f);
    if (position.z < swimZFar && targetTowardNegZ) {
        Turn(0.0f, false, 2);
        wallHit = 3;
    }
    if (position.z > swimZNear - 5.0f)
        EaseSpeed(0.01f, 0.1f);
    if (position.z > swimZNear && targetTowardPosZ) {
        Turn(0.0f, true, 2);
        wallHit = 4;
    }
    // A fish past its far or near limit is eased back in, as it is at the side walls. Without
    // this, a fish reversing at a side wall between headings 180 and 360 swings through 270 (or
    // 90) every time and so ratchets further out of the tank with every length it swims.
    if (position.z < swimZFar)
        position.z += kSoftWallNudge;
    else if (position.z > swimZNear)
        position.z -= kSoftWallNudge;
    WallStepVertical(0.1f);
}

// The crab and the shrimp walk the front of the tank: they keep out of a band near the glass and,
// for the crab, are now and then carried from the left wall to the right one.
void CFish::WallStepFloorDweller(bool carriedAcross, float easeTarget)
{
    wallHit = 0;
    if (position.x < swimXMin + 10.0f || position.x > swimXMax - 10.0f)
        EaseSpeed(0.01f, easeTarget);
    if (position.x < swimXMin && targetTowardNegX) {
        Turn(0.0f, false, 1);
        position.x += 0.1f;
        if (carriedAcross && Rand15() % 5 == 0)
            position.x = swimXMax;
        wallHit = 1;
    }
    if (position.x > swimXMax && targetTowardPosX) {
        Turn(0.0f, false, 1);
        position.x -= 0.1f;
        wallHit = 2;
    }
    if (position.z < swimZFar + 2.0f)
        EaseSpeed(0.1f, easeTarget);
    if (position.z < swimZFar + 2.0f && targetTowardNegZ) {
        Turn(0.0f, false, 2);
        position.z = swimZFar + 2.0f;
    }
    if (position.z > -20.0f) {
        if (position.z < -8.0f)
            EaseSpeed(0.1f, easeTarget);
        if (position.z < -8.0f && targetTowardNegZ)
            Turn(0.0f, false, 2);
        if (position.z < -9.0f)
            position.z = -9.0f;
    }
    if (position.z > swimZNear - 5.0f)
        EaseSpeed(0.01f, easeTarget);
    if (position.z > swimZNear && targetTowardPosZ) {
        Turn(0.0f, true, 2);
        wallHit = 4;
    }
    WallStepVertical(easeTarget);
}

// Top and bottom of the swim box: the climb or dive is mirrored and the fish slows.
void CFish::WallStepVertical(float easeTarget)
{
    if (position.y >= swimYTop) {
        TurnPitch(0.0f, false, 3);
        position.y = swimYTop;
        wallHit = 5;
        EaseSpeed(0.1f, easeTarget);
    }
    if (position.y <= swimYBottom) {
        TurnPitch(0.0f, true, 3);
        position.y = swimYBottom;
        wallHit = 6;
        EaseSpeed(0.1f, easeTarget);
    }
}

void CFish::UpdateBodyBox()
{
    const float g = size * bodyLength * 0.5f;
    const float a = targetHeading * kDegreesToRadians;
    const float p = targetPitch * kDegreesToRadians;
    const float t = g * std::fabs(std::cos(a) * std::cos(p));
    const float h = g * std::fabs(std::sin(p));
    const float l = g * std::fabs(std::sin(a));
    headPoint.x = towardNegX ? position.x - t : position.x + t;
    headPoint.y = noseUp ? position.y + h : position.y - h;
    headPoint.z = towardNegZ ? position.z - l : position.z + l;
}
