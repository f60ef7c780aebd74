// Offscreen tests of food drops: sinking and switching off, GL state, and feeding in the scene.
#include "platform/GLHeaders.h"
#include "platform/OffscreenContext.h"
#include "platform/Random.h"
#include "platform/ScratchFolder.h"
#include "view/AquariumScene.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
// How many pixels are flake magenta, and their mean row from the top.
std::pair<int, double> FindMagenta(const COffscreenContext& context)
{
    int count = 0;
    double rows = 0.0;
    for (int y = 0; y < context.Height(); ++y) {
        for (int x = 0; x < context.Width(); ++x) {
            const uint32_t c = context.PixelAt(x, y);
            const bool magenta = (c & 0xFF) > 200 && ((c >> 8) & 0xFF) < 60 && ((c >> 16) & 0xFF) > 150;
            count += magenta;
            rows += magenta ? y : 0;
        }
    }
    return {count, count > 0 ? rows / count : 0.0};
}
} // namespace

TEST(FoodDropRender, ADropSwitchesOffOnTheFirstDrawAfterItsLastFlakeSank)
{
    COffscreenContext context{32, 32};
    ASSERT_TRUE(context.IsOK());
    CFoodDrop drop;
    const auto draw = [&drop] {
        glPushMatrix();
        drop.DrawAndAdvance();
        glPopMatrix();
    };
    drop.Place(0.0f, 0.0f, -70.0f);
    drop.SetActive(true);
    glColor4f(0.25f, 0.5f, 0.75f, 1.0f);
    int frames = 0;
    for (bool flakesLeft = true; flakesLeft; ++frames) {
        draw();
        ASSERT_TRUE(drop.IsActive()) << frames;
        flakesLeft = drop.PelletPresent(0) || drop.PelletPresent(1) || drop.PelletPresent(2);
        for (int i = 0; i < kPelletsPerDrop; ++i) // a flake goes only once it rests 40 below the base
            EXPECT_TRUE(drop.PelletPresent(i) || drop.Pellet(i).offset.y == -40.0f);
    }
    EXPECT_GE(frames, 4300);
    EXPECT_LE(frames, 8300);
    draw();
    EXPECT_FALSE(drop.IsActive());
    float colour[4]; // the flakes' magenta does not outlive them
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_FLOAT_EQ(colour[2], 0.75f);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
}

TEST(FoodDropRender, FishEatDropsAtTheirHeadsWhileUnsoughtDropsSinkAsMagentaFlakes)
{
    COffscreenContext context{640, 360};
    ASSERT_TRUE(context.IsOK());
    CScratchFolder configHome;
    CBorrowedVariable configVariable{"XDG_CONFIG_HOME", configHome.path.c_str()};
    ResetRand15();
    auto scene = std::make_unique<CAquariumScene>();
    scene->Initialise(640, 360);
    scene->SetMouse(320, 180); // away from the edges, so the camera stays put
    scene->Settings().fishCount[kClownfish] = 1;
    scene->RenderFrame();
    EXPECT_EQ(FindMagenta(context).first, 0);

    const Vector3 head = scene->Fish().At(kClownfish, 0).headPoint;
    scene->FoodDrop(0).Place(head.x, head.y - 0.8f, head.z); // flakes are drawn 0.8 above the base
    scene->FoodDrop(3).Place(0.0f, 10.0f, -70.0f);
    for (int d : {0, 3})
        scene->FoodDrop(d).SetActive(true);
    scene->RenderFrame();
    // All three flakes, within 1.4 units of the head, were eaten before they were ever drawn.
    EXPECT_FALSE(scene->FoodDrop(0).IsActive());
    EXPECT_EQ(scene->Fish().At(kClownfish, 0).size, 7.0f);

    const auto start = FindMagenta(context);
    for (int frame = 0; frame < 400; ++frame)
        scene->RenderFrame();
    const auto later = FindMagenta(context);
    EXPECT_GT(start.first, 5);
    EXPECT_GT(later.first, 5);
    EXPECT_GT(later.second, start.second + 10.0); // 2 to 3.8 units down, 7.5 pixels each

    const uint32_t list = scene->FoodDrop(3).FlakeList();
    EXPECT_TRUE(glIsList(list));
    scene.reset();
    EXPECT_FALSE(glIsList(list)); // freed while the context is current
}
