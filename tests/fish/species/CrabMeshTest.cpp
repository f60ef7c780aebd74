// Tests of the crab mesh that the catalogue-wide checks cannot make.
#include "fish/species/CrabMesh.h"

#include "fish/PartTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {
// One limb part drawn at `size` with the pose values set here.
using Frame = TestPose<kCrabPoseCount, 90, kCrabHeadings>;
} // namespace

// Every band is followed by its mirror, which negates y of the attached position: the right limb
// is the left one reflected through the body's midline, not through its own attachment.
TEST(CrabMesh, MirroredBandReflectsTheAttachedLimbThroughTheMidline)
{
    int count = 0;
    const MeshPartSpec* parts = CrabParts(count);
    ASSERT_EQ(count, kCrabPartCount);
    for (int p = 0; p < count; ++p) {
        Frame rest;
        const CRecordingSink sink = rest.Draw(parts[p], 20.0f);
        ASSERT_EQ(sink.strips.size(), 2u * (parts[p].grids[0].rows - 1)) << parts[p].name;
        for (size_t b = 0; b + 1 < sink.strips.size(); b += 2) {
            const auto& left = sink.strips[b];
            const auto& right = sink.strips[b + 1];
            ASSERT_EQ(left.size(), right.size());
            for (size_t i = 0; i < left.size(); ++i) {
                EXPECT_FLOAT_EQ(right[i][0], left[i][0]) << parts[p].name;
                EXPECT_FLOAT_EQ(right[i][1], -left[i][1]) << parts[p].name << " band " << b / 2 << " vertex " << i;
                EXPECT_FLOAT_EQ(right[i][2], left[i][2]) << parts[p].name;
                EXPECT_LE(left[i][1], kCrabLimbAttachment[1] + 1e-3f) << parts[p].name << ": inside the body";
            }
        }
    }
}

// The beats arrive already scaled by the size. Every leg steps along x by its column's beat on
// both sides; the claws swing sideways, the right one the other way, so the pair opens and closes.
TEST(CrabMesh, LegsStepTogetherWhileTheClawsSwingOppositeWays)
{
    int count = 0;
    const MeshPartSpec* parts = CrabParts(count);
    for (const float size : {20.0f, 7.0f}) {
        Frame rest, beating;
        for (int j = 0; j < kCrabPoseLengths[kCrabLegBeat]; ++j)
            beating.values[kCrabLegBeat][j] = 0.3f * (j + 1);
        for (int j = 0; j < kCrabPoseLengths[kCrabClawBeat]; ++j)
            beating.values[kCrabClawBeat][j] = 0.2f * (j + 1);
        for (int p = 0; p < count; ++p) {
            const MeshPartSpec& part = parts[p];
            const bool claws = p == kCrabLegPairs; // drawn after the legs
            const CRecordingSink still = rest.Draw(part, size);
            const CRecordingSink moved = beating.Draw(part, size);
            ASSERT_EQ(still.strips.size(), moved.strips.size());
            for (size_t s = 0; s < still.strips.size(); ++s) {
                const bool mirrored = s % 2 == 1;
                for (size_t i = 0; i < still.strips[s].size(); ++i) {
                    const int j = static_cast<int>(i / 2); // each column emits two vertices
                    const float dx = moved.strips[s][i][0] - still.strips[s][i][0];
                    const float dy = moved.strips[s][i][1] - still.strips[s][i][1];
                    const float dz = moved.strips[s][i][2] - still.strips[s][i][2];
                    const float legBeat = claws ? 0.0f : beating.values[kCrabLegBeat][j];
                    const float clawBeat = claws ? beating.values[kCrabClawBeat][j] : 0.0f;
                    EXPECT_NEAR(dx, legBeat, 1e-4f) << part.name << " size " << size << " column " << j;
                    EXPECT_NEAR(dy, mirrored ? -clawBeat : clawBeat, 1e-4f) << part.name << " size " << size;
                    EXPECT_NEAR(dz, 0.0f, 1e-4f) << part.name;
                }
            }
        }
    }
}

// The tank turns the crab's frame so that +x is ahead: the claws must reach past the front of the
// shell, and the legs stand it up, their tips below its underside.
TEST(CrabMesh, ClawsReachAheadOfTheShellAndLegsStandBelowIt)
{
    const StaticBody& body = *CrabBody();
    const int vertices = 1 + *std::max_element(body.faces, body.faces + 9 * body.faceCount);
    float bodyFront = -1e9f, bodyBottom = 1e9f;
    for (int v = 0; v < vertices; ++v) {
        bodyFront = std::max(bodyFront, 20.0f * body.positions[3 * v]);
        bodyBottom = std::min(bodyBottom, 20.0f * body.positions[3 * v + 2]);
    }
    int count = 0;
    const MeshPartSpec* parts = CrabParts(count);
    for (int p = 0; p < count; ++p) {
        float front = -1e9f, bottom = 1e9f;
        for (const auto& strip : Frame().Draw(parts[p], 20.0f).strips) {
            for (const auto& v : strip)
                front = std::max(front, v[0]), bottom = std::min(bottom, v[2]);
        }
        if (p == kCrabLegPairs)
            EXPECT_GT(front, bodyFront + 2.0f) << "the claws reach ahead";
        else
            EXPECT_LT(bottom, bodyBottom - 2.0f) << parts[p].name << " stand below the shell";
    }
}
