// FishGrowth.cpp -- how a fish's size changes when it eats.
#include "fish/Fish.h"

#include <cmath>

namespace {
constexpr float kSmallestSize = 3.0f;
constexpr float kLargestSize = 7.0f;
} // namespace

void CFish::Grow(float amount, bool grow)
{
    float next = grow ? size + amount : size - amount;
    if (!species->realSize)
        next = std::trunc(next);
    // A fish that started outside the range (a size-8 clownfish, a size-20 crab) is brought into
    // it by its first flake, even when that means shrinking.
    if (next > kLargestSize)
        next = kLargestSize;
    if (next < kSmallestSize)
        next = kSmallestSize;
    size = next;
}
