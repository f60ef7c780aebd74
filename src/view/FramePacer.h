// FramePacer.h -- when the next frame is due, so that a slow frame is never replayed.
//
// Frames fall due on a fixed grid of ticks, one every period, counted from Start(). After each
// frame the timer is armed for the first tick strictly after the moment the frame finished: every
// tick that fell due while the frame was drawing is dropped, never caught up. A frame that takes
// 100 ms on a 20 ms grid is followed by exactly one frame, at the next tick, not by five.
#pragma once

#include <cstdint>

class CFramePacer
{
public:
    explicit CFramePacer(int periodMs) : periodMs(periodMs) {}

    // Lays the grid of ticks from this moment on.
    void Start(int64_t nowMs) { originMs = nowMs; }

    // Milliseconds from nowMs until the next tick of the grid, 1 to the period.
    int DelayToNextTick(int64_t nowMs) const;

    int PeriodMs() const { return periodMs; }

private:
    int periodMs;
    int64_t originMs = 0;
};
