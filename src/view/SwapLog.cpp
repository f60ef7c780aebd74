// SwapLog.cpp -- swap times appended to the file KELPORA_SWAP_LOG names.
#include "view/SwapLog.h"

#include <chrono>
#include <cstdlib>

namespace {
constexpr int kFlushEvery = 50; // a second of frames at the designed rate
}

CSwapLog::CSwapLog()
{
    const char* path = std::getenv("KELPORA_SWAP_LOG");
    if (path != nullptr && *path != '\0')
        file = std::fopen(path, "w");
}

CSwapLog::~CSwapLog()
{
    if (file != nullptr)
        std::fclose(file);
}

void CSwapLog::Swapped()
{
    if (file == nullptr)
        return;
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    std::fprintf(file, "%lld\n",
                 static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
    if (++unflushed >= kFlushEvery) {
        std::fflush(file);
        unflushed = 0;
    }
}
