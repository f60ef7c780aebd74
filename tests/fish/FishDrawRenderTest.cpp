// Offscreen tests of the draw routine's GL side: part rotations as glRotate makes them, pitch.
#include "fish/FishTestSupport.h"
#include "fish/SpeciesCatalogue.h"
#include "fish/VertexSink.h"
#include "platform/GLHeaders.h"
#include "platform/OffscreenContext.h"

#include <gtest/gtest.h>

namespace {
class CNullSink final : public CVertexSink
{
public:
    void BeginStrip() override {}
    void Vertex(float, float, float, const MeshVertex&) override {}
    void EndStrip() override {}
    void Translate(float, float, float) override {}
};
} // namespace

TEST(FishDraw, PartRotationEqualsTheMatrixGlRotateBuilds)
{
    COffscreenContext context(8, 8);
    ASSERT_TRUE(context.IsOK());
    const float axes[][3] = {{0, 0, 1}, {1, 2, 3}, {-0.5f, 0.25f, 0}, {0, -4, 0}};
    for (const auto& axis : axes) {
        for (float degrees : {-135.0f, -10.0f, 33.0f, 90.0f, 400.0f}) {
            glMatrixMode(GL_MODELVIEW);
            glLoadIdentity();
            glRotatef(degrees, axis[0], axis[1], axis[2]);
            float expected[16], built[16];
            glGetFloatv(GL_MODELVIEW_MATRIX, expected);
            BuildRotationMatrix(built, degrees * 0.017453292519943295f, axis[0], axis[1], axis[2]);
            for (int i = 0; i < 16; ++i)
                EXPECT_NEAR(built[i], expected[i], 1e-5) << degrees << " degrees, element " << i;
        }
    }
}

TEST(FishDraw, PitchEasesOneDegreePerFrameAndSettlesBelowAnOddTarget)
{
    COffscreenContext context(8, 8);
    ASSERT_TRUE(context.IsOK());
    CNullSink sink;
    CFish fish = MakeTestFish(kAngelfish);
    fish.position = {0.0f, 0.0f, -80.0f};
    fish.SetSeeking(true); // no wander: nothing else changes the target pitch
    fish.targetPitch = 5.0f;
    fish.pitch = 4.5f;
    fish.Draw(sink);
    EXPECT_FLOAT_EQ(fish.pitch, 4.5f);

    fish.pitch = 7.3f;
    for (float expected : {6.3f, 5.3f, 4.3f, 4.3f, 4.3f}) {
        fish.Draw(sink);
        EXPECT_FLOAT_EQ(fish.pitch, expected);
    }
    GLint depth = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    EXPECT_EQ(depth, 1); // the draw routine leaves the matrix stack as it found it
}
