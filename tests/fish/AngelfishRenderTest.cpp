// Offscreen tests of the angelfish as drawn through GL: its silhouette from the side and above.
#include "fish/AngelfishMesh.h"
#include "fish/VertexSink.h"
#include "platform/GLHeaders.h"
#include "platform/OffscreenContext.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {
constexpr int kPixels = 200;
constexpr float kHalfView = 0.6f; // mesh units either side of the centre

struct Silhouette
{
    int left = kPixels, right = -1, top = kPixels, bottom = -1;
    int snoutRow = -1;    // the row of the left-most covered pixel
    int crownColumn = -1; // the column of the top-most covered pixel
};

class AngelfishDrawn : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(context.IsOK()); }

    // Draws the fish at rest, white on black, the way the tank orients it (model z up, model y
    // away from the viewer), after turning the world by `angle` about (ax, 0, az).
    Silhouette Draw(float angle, float ax, float az)
    {
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-kHalfView, kHalfView, -kHalfView, kHalfView, -5.0, 5.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glRotatef(angle, ax, 0.0f, az);
        glRotatef(-90.0f, 1.0f, 0.0f, 0.0f);
        glColor3f(1.0f, 1.0f, 1.0f);

        const float zeros[16] = {};
        const float* pose[kAngelPoseCount];
        for (const float*& array : pose)
            array = zeros;
        float matrix[16];
        SetIdentityMatrix(matrix);
        CGlVertexSink sink;
        PartContext part{1.0f, false, zeros, pose, matrix, &sink};
        int count = 0;
        const MeshPartSpec* parts = AngelfishParts(count);
        for (int i = 0; i < count; ++i)
            DrawMeshPart(parts[i], part);
        glFinish();

        Silhouette s;
        for (int y = 0; y < kPixels; ++y) {
            for (int x = 0; x < kPixels; ++x) {
                if ((context.PixelAt(x, y) & 0xFF) < 128)
                    continue;
                if (x < s.left)
                    s.left = x, s.snoutRow = y;
                if (y < s.top)
                    s.top = y, s.crownColumn = x;
                s.right = std::max(s.right, x);
                s.bottom = std::max(s.bottom, y);
            }
        }
        return s;
    }

    bool Covered(int x, int y) const { return (context.PixelAt(x, y) & 0xFF) >= 128; }

    COffscreenContext context{kPixels, kPixels};
};
} // namespace

TEST_F(AngelfishDrawn, FromTheSideATallTriangleHeadingLeft)
{
    const Silhouette side = Draw(0.0f, 1.0f, 0.0f);
    ASSERT_GE(side.right, 0) << "nothing drawn";
    EXPECT_GT(side.bottom - side.top, side.right - side.left); // taller than long
    // The snout is the left-most point, near mid-height; the dorsal point is swept back, right of
    // the middle; the body is solid where the two halves meet.
    EXPECT_NEAR(side.snoutRow, kPixels / 2, kPixels / 10);
    EXPECT_GT(side.crownColumn, kPixels / 2 + kPixels / 10);
    for (int x = kPixels / 2 - 20; x <= kPixels / 2 + 20; ++x)
        EXPECT_TRUE(Covered(x, kPixels / 2)) << x;
}

TEST_F(AngelfishDrawn, FromAboveThinAndClosedAlongTheMidline)
{
    const Silhouette above = Draw(90.0f, 1.0f, 0.0f);
    ASSERT_GE(above.right, 0) << "nothing drawn";
    EXPECT_LT(above.bottom - above.top, 0.3f * (above.right - above.left));
    // Seen from above the body's two halves join along the middle row from snout to tail root.
    const int snout = above.left + 3;
    const int tailRoot = kPixels / 2 + static_cast<int>(0.18f / kHalfView * kPixels / 2);
    for (int x = snout; x <= tailRoot; ++x)
        EXPECT_TRUE(Covered(x, kPixels / 2)) << x;
}
