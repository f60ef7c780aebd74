// Tests of frame pacing: frames fall on a 20 ms grid and a slow frame is never caught up.
#include "view/FramePacer.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
// Runs frames of the given durations back to back as the view does (draw, then arm the timer for
// the delay the pacer gives) and returns the moment each frame started.
std::vector<int64_t> FrameStarts(const std::vector<int>& durationsMs, int64_t originMs = 0)
{
    CFramePacer pacer(20);
    pacer.Start(originMs);
    std::vector<int64_t> starts;
    int64_t now = originMs + pacer.DelayToNextTick(originMs);
    for (int duration : durationsMs) {
        starts.push_back(now);
        now += duration;
        now += pacer.DelayToNextTick(now);
    }
    return starts;
}
} // namespace

TEST(FramePacer, QuickFramesFallOnTheTwentyMillisecondGrid)
{
    EXPECT_EQ(FrameStarts({3, 5, 19, 1}), (std::vector<int64_t>{20, 40, 60, 80, }));
    EXPECT_EQ(FrameStarts({3, 5}, 1000), (std::vector<int64_t>{1020, 1040}));
}

TEST(FramePacer, SlowFrameIsFollowedByOneFrameAtTheNextTickNotABurst)
{
    // A 100 ms frame from tick 20 ends at 120, when the tick of 120 is already due: the ticks at
    // 40..120 are dropped and the next frame starts at 140.
    EXPECT_EQ(FrameStarts({100, 2, 2}), (std::vector<int64_t>{20, 140, 160}));
    // One that ends between ticks waits for the next one.
    EXPECT_EQ(FrameStarts({95, 2}), (std::vector<int64_t>{20, 120}));
}

TEST(FramePacer, DelayIsAlwaysWithinOnePeriod)
{
    CFramePacer pacer(20);
    pacer.Start(500);
    EXPECT_EQ(pacer.DelayToNextTick(500), 20);
    EXPECT_EQ(pacer.DelayToNextTick(519), 1);
    EXPECT_EQ(pacer.DelayToNextTick(520), 20);
    EXPECT_EQ(pacer.DelayToNextTick(400), 20); // a clock that stepped back never gives 0 or less
}
