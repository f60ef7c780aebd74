// Render tests of the crab: its rigid body compiled at spawn, its limbs drawn every frame.
#include "fish/species/CrabMesh.h"

#include "fish/Fish.h"
#include "fish/PartTestSupport.h"
#include "fish/SpeciesCatalogue.h"
#include "platform/GLHeaders.h"
#include "platform/OffscreenContext.h"
#include "platform/Random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {
// What the crab sends: its limbs strip by strip, and the display lists it calls for its body.
class CListRecordingSink : public CRecordingSink
{
public:
    void CallList(uint32_t list) override { lists.push_back(list); }

    std::vector<uint32_t> lists;
};

// A crab of the given size at spawn, the random sequence restarted so that two of them match.
CFish SpawnedCrab(float size)
{
    ResetRand15();
    CFish crab;
    crab.Initialise(kCrab);
    crab.size = size;
    crab.Spawn(-90.0f, 90.0f, 10.0f, -22.0f, -50.0f, -10.0f);
    return crab;
}

// One frame of the crab as its parts send it, with the same random draws every time.
CListRecordingSink DrawOneFrame(CFish& crab)
{
    CListRecordingSink sink;
    ResetRand15();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    crab.Draw(sink);
    return sink;
}

// The width of a display list's geometry in model units, read back through GL feedback.
float ListWidth(uint32_t list)
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-50.0, 50.0, -50.0, 50.0, -50.0, 50.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glViewport(0, 0, 100, 100); // one window unit per model unit
    std::vector<GLfloat> buffer(1 << 20);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D, buffer.data());
    glRenderMode(GL_FEEDBACK);
    glCallList(list);
    const GLint used = glRenderMode(GL_RENDER);
    float lo = 1e9f, hi = -1e9f;
    for (GLint i = 0; i < used; i += 2 + 3 * static_cast<int>(buffer[i + 1])) {
        EXPECT_EQ(buffer[i], GL_POLYGON_TOKEN); // a list of triangles gives nothing else
        for (int c = 0; c < static_cast<int>(buffer[i + 1]); ++c)
            lo = std::min(lo, buffer[i + 2 + 3 * c]), hi = std::max(hi, buffer[i + 2 + 3 * c]);
    }
    return hi - lo;
}
} // namespace

// The first pellet a large crab eats sets its size to 7: its body keeps the list compiled at spawn,
// at the size of that moment, while its limbs are drawn at the new size, exactly as a crab spawned
// at 7 draws them.
TEST(CrabRender, ASizeChangeAfterSpawnKeepsTheBodyListAndRescalesTheLimbs)
{
    COffscreenContext context(100, 100);
    ASSERT_TRUE(context.IsOK());
    CFish grown = SpawnedCrab(20.0f);
    const uint32_t list = grown.bodyList;
    ASSERT_NE(list, 0u);
    const float spawnWidth = ListWidth(list);
    EXPECT_GT(spawnWidth, 10.0f); // a shell of about 19 units at size 20

    CFish before = grown; // the same crab, drawn once more at its spawn size
    const CListRecordingSink large = DrawOneFrame(before);
    grown.size = 7.0f;
    const CListRecordingSink shrunk = DrawOneFrame(grown);
    CFish small = SpawnedCrab(7.0f);
    const CListRecordingSink reference = DrawOneFrame(small);

    EXPECT_EQ(grown.bodyList, list);
    EXPECT_EQ(shrunk.lists, std::vector<uint32_t>{list});
    EXPECT_FLOAT_EQ(ListWidth(list), spawnWidth);
    EXPECT_NEAR(ListWidth(small.bodyList) * 20.0f / 7.0f, spawnWidth, 0.05f);

    // Limbs: as a crab spawned at 7, and the same shape as before the change, 7/20 as far out from
    // the attachment (its mirror on the right).
    ASSERT_EQ(shrunk.strips.size(), reference.strips.size());
    ASSERT_EQ(shrunk.strips.size(), large.strips.size());
    ASSERT_FALSE(shrunk.strips.empty());
    for (size_t s = 0; s < shrunk.strips.size(); ++s) {
        const float side = s % 2 == 0 ? 1.0f : -1.0f; // every band, then its mirror
        ASSERT_EQ(shrunk.strips[s].size(), large.strips[s].size());
        for (size_t i = 0; i < shrunk.strips[s].size(); ++i) {
            for (int k = 0; k < 3; ++k) {
                const float attachment = (k == 1 ? side : 1.0f) * kCrabLimbAttachment[k];
                EXPECT_FLOAT_EQ(shrunk.strips[s][i][k], reference.strips[s][i][k]);
                EXPECT_NEAR((shrunk.strips[s][i][k] - attachment) * 20.0f / 7.0f, large.strips[s][i][k] - attachment,
                            1e-3f)
                    << "strip " << s << " vertex " << i << " axis " << k;
            }
        }
    }
}
