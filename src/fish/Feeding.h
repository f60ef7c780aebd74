// Feeding.h -- how fish notice food, steer toward it, eat it and grow.
//
// After each live fish is drawn, the frame lets it seek and then eat. Only the first three of the
// view's food drops are ever sought or eaten from; the others sink untouched. A fish sees a drop
// when its head is within 25 units of the drop's first flake in x and y (depth is not compared),
// then speeds up and steers toward one flake of the drop, chosen by its index among its species.
// A head within 3, 3 and 5 units of a flake eats it, and the fish grows.
#pragma once

#include "fish/Fish.h"
#include "fish/FoodDrop.h"
#include "platform/Vector3.h"

constexpr int kFoodDropCount = 10;  // drops the view holds
constexpr int kSoughtDropCount = 3; // drops 0 to 2 are the only ones fish seek and eat from

// The pitch step toward a flake at world (x, y): a whole number of degrees, 0 to 90 except on the
// axes (90, 180 or 270 there, which the pitch turn mostly refuses). It depends on the flake alone.
int ClimbStep(float x, float y);

// The angle, 0 to 90 degrees, between the fish's body line (position to head) and the line from
// its position to the flake, in the x-z plane.
float YawError(const Vector3& position, const Vector3& head, const Vector3& flake);

// Recomputes `seeking`; for every active sought drop whose first flake is in view, speeds the
// fish up and steers it toward flake index % 3. `index` is the fish's index in its species.
void SeekFood(CFish& fish, int index, const CFoodDrop (&drops)[kFoodDropCount]);

// Eats every present flake of the sought drops that the fish's head reaches; each makes it grow.
void EatFood(CFish& fish, CFoodDrop (&drops)[kFoodDropCount]);
