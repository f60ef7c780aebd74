// The frame allocates nothing: every scene object is made once, at set-up.
#include "platform/OffscreenContext.h"
#include "view/AquariumScene.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>

// The sanitizers bring allocators of their own, which a replacement here would fight with.
#if !defined(__SANITIZE_ADDRESS__)
#define KELPORA_COUNTS_ALLOCATIONS 1

namespace {
std::atomic<bool> countingAllocations{false};
std::atomic<long> allocationsCounted{0};

void* Allocate(std::size_t size)
{
    if (countingAllocations.load(std::memory_order_relaxed))
        allocationsCounted.fetch_add(1, std::memory_order_relaxed);
    if (void* block = std::malloc(size == 0 ? 1 : size))
        return block;
    throw std::bad_alloc();
}
} // namespace

// The test program's allocations all pass through here, so a frame that allocates is counted.
// The software rasteriser's shader compiler allocates through here too, hence the warm-up below.
void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }
#endif

TEST(FrameAllocation, AFullTankDrawsFramesWithoutAllocating)
{
#ifndef KELPORA_COUNTS_ALLOCATIONS
    GTEST_SKIP() << "allocations are not counted under the sanitizers";
#else
    COffscreenContext context(320, 180);
    ASSERT_TRUE(context.IsOK());
    auto scene = std::make_unique<CAquariumScene>();
    scene->Initialise(320, 180);
    AquariumSettings& settings = scene->Settings();
    settings.showTerra = settings.showWater = settings.showLight = 1;
    settings.backAuto = 1;
    settings.frontAuto = 1;
    settings.fogSetting = 90;
    for (int s = 0; s < kSpeciesCount; ++s)
        settings.fishCount[s] = 3;
    scene->SetMouse(160, 90);

    for (int background : {0, 1}) {
        settings.background = background;
        // Mesa compiles a shader for every new combination of GL state it meets (and allocates
        // doing so); a few hundred frames meet every combination this tank uses.
        for (int frame = 0; frame < 300; ++frame)
            scene->Tick();
        countingAllocations = true;
        for (int frame = 0; frame < 200; ++frame)
            scene->Tick();
        countingAllocations = false;
        EXPECT_EQ(allocationsCounted.load(), 0) << "background " << background;
        allocationsCounted = 0;
    }
#endif
}
