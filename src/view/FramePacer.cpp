// FramePacer.cpp -- the tick grid.
#include "view/FramePacer.h"

int CFramePacer::DelayToNextTick(int64_t nowMs) const
{
    int64_t elapsed = nowMs - originMs;
    if (elapsed < 0)
        elapsed = 0; // the clock stepped back: count from the grid's start
    const int64_t nextTick = (elapsed / periodMs + 1) * periodMs;
    return static_cast<int>(nextTick - elapsed);
}
