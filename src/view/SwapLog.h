// SwapLog.h -- the moments the window's frames reach the screen, for measuring the real window.
//
// Off unless KELPORA_SWAP_LOG names a file: then each swap appends its time in microseconds (a
// steady clock, one line each) to that file, flushed every second's worth of frames and at the end,
// so that a benchmark can count frames per second and the spread of the frame times exactly as
// the window delivered them (bench/window_bench.sh).
#pragma once

#include <cstdio>

class CSwapLog
{
public:
    CSwapLog();
    ~CSwapLog();

    CSwapLog(const CSwapLog&) = delete;
    CSwapLog& operator=(const CSwapLog&) = delete;

    // Call right after each swap of the buffers.
    void Swapped();

private:
    std::FILE* file = nullptr; // null: not logging
    int unflushed = 0;
};
