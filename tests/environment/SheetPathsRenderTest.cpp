// Offscreen tests of the sheets' faster paths against the plain one: the same picture, the same state.
#include "environment/FloorAndLight.h"
#include "platform/GLHeaders.h"
#include "platform/GlFunctions.h"
#include "platform/OffscreenContext.h"

#include <GL/osmesa.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
constexpr int kWidth = 320;
constexpr int kHeight = 180;
constexpr int kRayResource = 164;
constexpr SheetLevers kPlain{false, false};
constexpr SheetLevers kSkip{true, false};
constexpr SheetLevers kOnePass{false, true};

// How the frame stands when the sheets are drawn.
struct Look
{
    float cameraX;               // the edge drift, -40 to 40
    float zoom;                  // the camera dolly, 0 to -20
    float light;                 // GL_LIGHT1's ambient and diffuse grey
    float fogDensity;            // 0: fog off
    std::array<float, 3> lamp;   // GL_LIGHT1 in eye coordinates
    std::array<float, 3> normal; // the current normal, as a fish left it
    bool white = true;           // the sheets are lit white all over, and the one pass draws them
};
constexpr std::array<float, 3> kSceneLamp{1000.0f, -1000.0f, 1000.0f};
// Close to the sheets, the lamp lights them far from evenly: how each quad is cut into triangles shows.
constexpr std::array<float, 3> kNearLamp{30.0f, 20.0f, -120.0f};
constexpr std::array<float, 3> kLampward{0.2f, -0.6f, 0.77f};
constexpr std::array<float, 3> kAway{-0.5f, 0.6f, -0.6f}; // unlit but for the ambient light: one colour all over

using Picture = std::vector<uint8_t>;

// A picture with detail at every scale and an alpha up to one half (two sheets rarely saturate),
// so that any slip in where or how strongly a sheet is sampled shows.
uint32_t MakePicture(unsigned seed)
{
    constexpr int kSide = 64;
    std::vector<uint8_t> texels(kSide * kSide * 4);
    for (uint8_t& texel : texels) {
        seed = seed * 1103515245u + 12345u;
        texel = static_cast<uint8_t>(seed >> 17);
    }
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, kSide, kSide, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
    return name;
}

// The largest difference in any colour channel, and the mean over all of them.
std::pair<int, double> Compare(const Picture& a, const Picture& b)
{
    int largest = 0;
    double sum = 0.0;
    for (size_t i = 0; i < a.size(); ++i) {
        if (i % 4 == 3)
            continue;
        const int d = std::abs(a[i] - b[i]);
        largest = std::max(largest, d);
        sum += d;
    }
    return {largest, sum / static_cast<double>(a.size() / 4 * 3)};
}

class SheetPaths : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(context.IsOK());
        water = MakePicture(1);
        rays = MakePicture(2);
        SetUpFloor(plain, water, rays);
        SetUpFloor(fast, water, rays);
    }

    static void SetUpFloor(CFloorAndLight& floor, uint32_t waterPicture, uint32_t rayPicture)
    {
        floor.Setup(
            180, 50, 1, [=](int id, const char*) { return id == kRayResource ? rayPicture : waterPicture; },
            [](const std::string&, const std::string&) {});
    }

    // The frame up to the sheets, as the scene has it: projection and camera, light, a backdrop
    // that writes depth (unfogged, so that fogged sheets do not saturate), fog, the floor's place.
    static void BeginFrame(const Look& look)
    {
        glClearColor(0.0f, 0.0f, 0.0f, 0.5f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glEnable(GL_DEPTH_TEST);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glEnable(GL_COLOR_MATERIAL);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glFrustum(-0.4 * 16 / 9, 0.4 * 16 / 9, -0.4, 0.4, 1.0, 1000.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        const float grey[4] = {look.light, look.light, look.light, 1.0f};
        const float lamp[4] = {look.lamp[0], look.lamp[1], look.lamp[2], 1.0f};
        const float none[4] = {0.0f, 0.0f, 0.0f, 1.0f};
        glLightfv(GL_LIGHT1, GL_AMBIENT, grey);
        glLightfv(GL_LIGHT1, GL_DIFFUSE, grey);
        glLightfv(GL_LIGHT1, GL_POSITION, lamp);
        glLightModelfv(GL_LIGHT_MODEL_AMBIENT, none);
        glEnable(GL_LIGHT1);
        glEnable(GL_LIGHTING);
        gluLookAt(look.cameraX, 0.0, look.zoom, 0.0, 0.0, -500.0, 0.0, 1.0, 0.0);
        glNormal3f(look.normal[0], look.normal[1], look.normal[2]);

        glDisable(GL_FOG);
        glDisable(GL_TEXTURE_2D);
        glBegin(GL_QUADS);
        glColor3f(0.05f, 0.15f, 0.25f);
        glVertex3f(-180.0f, -66.0f, -150.0f);
        glVertex3f(180.0f, -66.0f, -150.0f);
        glColor3f(0.2f, 0.1f, 0.05f);
        glVertex3f(180.0f, 90.0f, -150.0f);
        glVertex3f(-180.0f, 90.0f, -150.0f);
        glEnd();
        glColor3f(1.0f, 1.0f, 1.0f);
        glEnable(GL_TEXTURE_2D);

        const float white[4] = {1.0f, 1.0f, 1.0f, 1.0f};
        glFogi(GL_FOG_MODE, GL_EXP);
        glFogfv(GL_FOG_COLOR, white);
        glFogf(GL_FOG_DENSITY, look.fogDensity);
        if (look.fogDensity > 0.0f)
            glEnable(GL_FOG);
        glTranslatef(0.0f, -22.0f, -40.0f);
    }

    // One frame of the floor and the sheets with the rays shown, and the picture it leaves.
    static Picture Frame(CFloorAndLight& floor, const Look& look, int showWater, const SheetLevers& levers)
    {
        BeginFrame(look);
        floor.Draw(showWater, 1, 1, 0, levers);
        Picture picture(kWidth * kHeight * 4);
        glReadPixels(0, 0, kWidth, kHeight, GL_RGBA, GL_UNSIGNED_BYTE, picture.data());
        return picture;
    }

    // The same frame drawn the plain way by `reference` and with `levers` by `other`, which has
    // stepped alike: pictures within `largest` and `mean`, and both animations still alike.
    static void ExpectSamePicture(CFloorAndLight& reference, CFloorAndLight& other, const Look& look, int showWater,
                                  const SheetLevers& levers, int largest, double mean)
    {
        const auto [seenLargest, seenMean] =
            Compare(Frame(reference, look, showWater, kPlain), Frame(other, look, showWater, levers));
        EXPECT_LE(seenLargest, largest) << "camera " << look.cameraX << ", fog " << look.fogDensity;
        EXPECT_LT(seenMean, mean) << "camera " << look.cameraX << ", fog " << look.fogDensity;
        EXPECT_EQ(reference.RayScroll(), other.RayScroll());
        EXPECT_EQ(reference.RayTilt(), other.RayTilt());
        EXPECT_EQ(reference.WaterScroll(), other.WaterScroll());
    }

    // Steps both floors' animations without filling pixels.
    void Advance(int frames)
    {
        glViewport(0, 0, 1, 1);
        for (int i = 0; i < frames; ++i) {
            plain.Draw(1, 1, 1, 0);
            fast.Draw(1, 1, 1, 0);
        }
        glViewport(0, 0, kWidth, kHeight);
    }

    COffscreenContext context{kWidth, kHeight};
    uint32_t water = 0;
    uint32_t rays = 0;
    CFloorAndLight plain;
    CFloorAndLight fast;
};
} // namespace

// Fog off and fog settings 0, 60 and 90; the camera centred, drifted (an edge of a sheet shows) and
// dollied; the rays upright and tilted; the glow shown and hidden (the flat ray sheet then shows).
// Sheets lit other than white, across them or all over, are left to the plain path.
TEST_F(SheetPaths, OnePassMatchesTheSheetsDrawnOneByOne)
{
    const Look looks[] = {
        {0.0f, 0.0f, 1.0f, 0.0f, kSceneLamp, kLampward},      {40.0f, 0.0f, 1.0f, 0.05f, kSceneLamp, kLampward},
        {-40.0f, 0.0f, 0.8f, 0.0f, kSceneLamp, kLampward},    {25.0f, -20.0f, 0.7f, 0.02f, kSceneLamp, kLampward},
        {0.0f, -9.0f, 1.0f, 0.005f, kSceneLamp, kLampward},   {40.0f, -7.0f, 0.5f, 0.0f, kNearLamp, kLampward, false},
        {-40.0f, 0.0f, 0.6f, 0.02f, kSceneLamp, kAway, false}};
    for (int tilted : {0, 1}) {
        Advance(tilted * 40);
        for (const Look& look : looks) {
            for (int showWater : {1, 0}) {
                ExpectSamePicture(plain, fast, look, showWater, kOnePass, look.white ? 2 : 0, look.white ? 0.5 : 1e-9);
                EXPECT_EQ(fast.SheetsInOnePass(), look.white);
            }
        }
    }
    EXPECT_GT(plain.RayTilt(), 3.0f); // the second round stood tilted
}

TEST_F(SheetPaths, SkippingTheCoveredRaySheetKeepsThePictureAndTheSwing)
{
    const Look look{30.0f, -5.0f, 0.6f, 0.02f, kSceneLamp, kLampward};
    for (int showWater : {1, 0})
        ExpectSamePicture(plain, fast, look, showWater, kSkip, 0, 1e-9);
    // Where the glow would not hide it, the sheet is sent.
    glDepthFunc(GL_LEQUAL);
    ExpectSamePicture(plain, fast, look, 1, kSkip, 0, 1e-9);
    glDepthFunc(GL_LESS);
}

TEST_F(SheetPaths, OnePassLeavesTheStateTheSheetsLeave)
{
    const auto state = [](CFloorAndLight& floor, const SheetLevers& levers) {
        glActiveTexture(GL_TEXTURE1);
        glBindTexture(GL_TEXTURE_2D, 7);
        glActiveTexture(GL_TEXTURE0);
        BeginFrame({10.0f, 0.0f, 0.7f, 0.02f, kSceneLamp, kLampward});
        floor.Draw(1, 1, 1, 0, levers);
        std::vector<float> values(32);
        float* v = values.data();
        glGetFloatv(GL_TEXTURE_BINDING_2D, v++);
        glGetFloatv(GL_BLEND_SRC, v++);
        glGetFloatv(GL_BLEND_DST, v++);
        glGetFloatv(GL_CURRENT_PROGRAM, v++);
        glGetFloatv(GL_ACTIVE_TEXTURE, v++);
        glGetFloatv(GL_MODELVIEW_STACK_DEPTH, v++);
        glGetFloatv(GL_FOG_DENSITY, v++);
        *v++ = glIsEnabled(GL_FOG);
        glGetFloatv(GL_CURRENT_COLOR, v);
        glGetFloatv(GL_CURRENT_TEXTURE_COORDS, v + 4);
        glGetFloatv(GL_CURRENT_NORMAL, v + 8);
        glActiveTexture(GL_TEXTURE1);
        glGetFloatv(GL_TEXTURE_BINDING_2D, v + 11);
        glActiveTexture(GL_TEXTURE0);
        return values;
    };
    EXPECT_EQ(state(plain, kPlain), state(fast, kOnePass));
    EXPECT_TRUE(fast.SheetsInOnePass());
}

// Without the entry points, for fog the pass does not reproduce, for a sheet without a picture
// and without the depth test that hides the flat ray sheet, the sheets are drawn the plain way.
TEST_F(SheetPaths, OnePassFallsBackToThePlainPath)
{
    const Look look{-15.0f, 0.0f, 0.6f, 0.0f, kSceneLamp, kLampward};
    RegisterGlProcLookup(nullptr);
    ExpectSamePicture(plain, fast, look, 1, kOnePass, 0, 1e-9);
    EXPECT_FALSE(fast.SheetsInOnePass());
    RegisterGlProcLookup(OSMesaGetProcAddress);

    CFloorAndLight reference;
    CFloorAndLight other;
    SetUpFloor(reference, water, rays);
    SetUpFloor(other, water, rays);
    ExpectSamePicture(reference, other, look, 1, kOnePass, 2, 0.5);
    EXPECT_TRUE(other.SheetsInOnePass());
    glFogi(GL_FOG_MODE, GL_LINEAR);
    glEnable(GL_FOG);
    other.Draw(1, 1, 1, 0, kOnePass);
    EXPECT_FALSE(other.SheetsInOnePass());
    glDepthFunc(GL_LEQUAL);
    reference.Draw(1, 1, 1, 0, kPlain);
    ExpectSamePicture(reference, other, look, 1, kOnePass, 0, 1e-9);
    EXPECT_FALSE(other.SheetsInOnePass());
    glDepthFunc(GL_LESS);

    CFloorAndLight unpictured;
    SetUpFloor(unpictured, 0, rays);
    unpictured.Draw(1, 1, 1, 0, kOnePass);
    EXPECT_FALSE(unpictured.SheetsInOnePass());
}
