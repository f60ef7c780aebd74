// SceneFixture.h -- a scene on an offscreen context, with its settings in a private folder.
#pragma once

#include "platform/OffscreenContext.h"
#include "platform/ScratchFolder.h"
#include "view/AquariumScene.h"

#include <gtest/gtest.h>

class SceneFixture : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(context.IsOK()); }

    // The scene as on a screen of this size; the window covers the screen.
    void Initialise(int screenWidth = 1920, int screenHeight = 1080)
    {
        scene.Initialise(screenWidth, screenHeight);
        scene.Resize(screenWidth, screenHeight);
    }

    void Ticks(int count)
    {
        for (int i = 0; i < count; ++i)
            scene.Tick();
    }

    // Only these fish swim.
    void SetLiveCounts(std::initializer_list<std::pair<int, int>> counts)
    {
        for (int32_t& c : scene.Settings().fishCount)
            c = 0;
        for (auto [species, count] : counts)
            scene.Settings().fishCount[species] = count;
    }

    COffscreenContext context{320, 180};
    // The scene loads its settings from here, never from the developer's own file.
    CScratchFolder configHome;
    CBorrowedVariable configVariable{"XDG_CONFIG_HOME", configHome.path.c_str()};
    CAquariumScene scene;
};
