// Offscreen tests of the scenery: placement, the display lists, what a frame draws and in which
// order, and where the plants stand.
#include "environment/FloorAndLight.h"
#include "environment/Scenery.h"
#include "platform/GLHeaders.h"
#include "platform/OffscreenContext.h"
#include "platform/ScratchFolder.h"
#include "view/AquariumScene.h"
#include "view/TankBounds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {
constexpr TankBounds kTank = TankBounds::Aquarium();

class SceneryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(context.IsOK());
        floor.Setup(
            180, 50, 1, [](int, const char*) { return 0u; }, [](const std::string&, const std::string&) {});
        scenery.PlaceScenery(floor, kTank);
    }

    // The floor's height under a tank point as drawn: the floor stands at yBottom, 40 further back.
    float FloorHeightAt(float x, float z) const
    {
        return kTank.yBottom +
               floor.Vertex(static_cast<int>(std::lround(x)) + 90, static_cast<int>(std::lround(z)) + 90).height;
    }

    COffscreenContext context{64, 64};
    CFloorAndLight floor;
    CScenery scenery;
    const uint32_t textures[kPlantTextureSlots] = {11, 12, 0, 13, 14, 15}; // names, never images
};

// Where each specimen is drawn, in the order DrawScenery draws them, and its kind's place in that
// order: 0 the live rosette, 1 the rosette list, 2 tufts, 3 crosses, 4 the star, 5 the frond.
struct Specimen
{
    float x, z;
    int order;
};

std::vector<Specimen> DrawnSpecimens(const CScenery& scenery)
{
    std::vector<Specimen> specimens;
    specimens.push_back({scenery.RosettePoint(0).x + 10, scenery.RosettePoint(0).z + kTank.zBack, 0});
    for (int i = 1; i < kPlantsPerGroup; ++i) {
        specimens.push_back({scenery.RosettePoint(i).x + 10, scenery.RosettePoint(i).z + kTank.zBack, 1});
        specimens.push_back({scenery.TuftPoint(i).x + 10, scenery.TuftPoint(i).z + kTank.zBack, 2});
        specimens.push_back({scenery.CrossPoint(i).x + 10, scenery.CrossPoint(i).z + kTank.zBack, 3});
    }
    specimens.push_back({scenery.StarPoint().x + 20, scenery.StarPoint().z + kTank.zBack, 4});
    specimens.push_back({scenery.FrondPoint().x + 20, scenery.FrondPoint().z + kTank.zBack, 5});
    return specimens;
}

// Polygons sent to GL in feedback mode, each as its vertices in tank units, under a front-on
// orthographic view of the whole tank with the identity model-view matrix.
using Polygon = std::vector<std::array<float, 3>>;

template <typename Draw> std::vector<Polygon> Feedback(Draw draw)
{
    constexpr float left = -100, right = 100, bottom = -40, top = 60, depth = 200;
    constexpr int width = 2000, height = 1000;
    std::vector<float> buffer(4000000);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D, buffer.data());
    glRenderMode(GL_FEEDBACK);
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(left, right, bottom, top, 0, depth);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    draw();
    const GLint values = glRenderMode(GL_RENDER);
    EXPECT_GT(values, 0) << "feedback buffer overflowed or nothing was drawn";
    std::vector<Polygon> polygons;
    for (GLint i = 0; i < values;) {
        const auto token = static_cast<GLenum>(buffer[i++]);
        int count = 0;
        if (token == GL_POLYGON_TOKEN)
            count = static_cast<int>(buffer[i++]);
        else if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN)
            count = 2;
        else if (token == GL_POINT_TOKEN || token == GL_BITMAP_TOKEN || token == GL_DRAW_PIXEL_TOKEN ||
                 token == GL_COPY_PIXEL_TOKEN)
            count = 1;
        else if (token == GL_PASS_THROUGH_TOKEN) {
            ++i;
            continue;
        }
        Polygon polygon;
        for (int k = 0; k < count; ++k, i += 3)
            polygon.push_back({left + buffer[i] * (right - left) / width,
                               bottom + buffer[i + 1] * (top - bottom) / height, -buffer[i + 2] * depth});
        if (token == GL_POLYGON_TOKEN)
            polygons.push_back(polygon);
    }
    return polygons;
}

// The specimen a vertex belongs to: plants are flattened, each to its own depth.
int SpecimenOf(const std::vector<Specimen>& specimens, const std::array<float, 3>& v)
{
    int best = -1;
    for (int s = 0; s < static_cast<int>(specimens.size()); ++s) {
        if (std::fabs(v[2] - specimens[s].z) > 0.6f || std::fabs(v[0] - specimens[s].x) > 20.0f)
            continue;
        if (best < 0 || std::fabs(v[0] - specimens[s].x) < std::fabs(v[0] - specimens[best].x))
            best = s;
    }
    return best;
}
} // namespace

TEST_F(SceneryTest, GroupsArePlacedFromTheirTablesAndSinglesOnFloorVertices)
{
    EXPECT_FLOAT_EQ(scenery.RosettePoint(0).x, -40.0f);
    EXPECT_FLOAT_EQ(scenery.RosettePoint(0).y, 1.64029f);
    EXPECT_FLOAT_EQ(scenery.Rosette(0).Scale()[1], 2.0f);
    EXPECT_FLOAT_EQ(scenery.TuftPoint(9).z, -17.0f);
    EXPECT_EQ(scenery.Tuft(1).Scale()[2], 0.0f); // tufts are flattened to no depth at all
    EXPECT_FLOAT_EQ(scenery.CrossPoint(3).y, -0.719263f);
    EXPECT_FLOAT_EQ(scenery.Cross(8).Scale()[0], 0.4f);

    // Floor vertices (75, 20) and (100, 15), lifted by 1.1 per unit of scale above 0.95.
    EXPECT_NEAR(scenery.StarPoint().x, -15.0f, 1e-5);
    EXPECT_NEAR(scenery.StarPoint().y, -0.0416f, 1e-4);
    EXPECT_NEAR(scenery.StarPoint().z, -30.0f, 1e-5);
    EXPECT_NEAR(scenery.FrondPoint().x, 10.0f, 1e-5);
    EXPECT_NEAR(scenery.FrondPoint().y, 2.9316f, 1e-4);
    EXPECT_NEAR(scenery.FrondPoint().z, -35.0f, 1e-5);
    EXPECT_FLOAT_EQ(scenery.Frond().Scale()[1], 3.0f);

    // With no floor (an oversized one is refused) the singles stand on a flat one, and nothing
    // reads past the missing vertices.
    CFloorAndLight noFloor;
    noFloor.Setup(
        2000, 1000, 1, [](int, const char*) { return 0u; }, [](const std::string&, const std::string&) {});
    CScenery flat;
    flat.PlaceScenery(noFloor, kTank);
    EXPECT_FLOAT_EQ(flat.StarPoint().x, -15.0f);
    EXPECT_NEAR(flat.StarPoint().y, 1.155f, 1e-5);
    EXPECT_FLOAT_EQ(flat.FrondPoint().z, -35.0f);
}

TEST_F(SceneryTest, DisplayListsAreBuiltOnceAndKept)
{
    EXPECT_EQ(scenery.RosetteList(), 0u);
    scenery.BuildPlantLists(kTank);
    const uint32_t lists[3] = {scenery.RosetteList(), scenery.TuftList(), scenery.CrossList()};
    for (uint32_t list : lists)
        EXPECT_TRUE(glIsList(list));
    EXPECT_NE(lists[0], lists[1]);
    EXPECT_NE(lists[1], lists[2]);
    scenery.BuildPlantLists(kTank);
    EXPECT_EQ(scenery.RosetteList(), lists[0]);
    EXPECT_EQ(scenery.TuftList(), lists[1]);
    EXPECT_EQ(scenery.CrossList(), lists[2]);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(SceneryTest, DrawsKindByKindInOrderAndEveryPlantStandsOnTheFloor)
{
    scenery.BuildPlantLists(kTank);
    const std::vector<Specimen> specimens = DrawnSpecimens(scenery);
    const std::vector<Polygon> polygons = Feedback([&] { scenery.DrawScenery(textures, kTank); });

    std::vector<float> lowest(specimens.size(), 1e9f);
    int lastOrder = 0;
    std::vector<int> seen(6, 0);
    for (const Polygon& polygon : polygons) {
        int specimen = -1;
        for (const auto& v : polygon) {
            const int s = SpecimenOf(specimens, v);
            ASSERT_GE(s, 0) << "a vertex at (" << v[0] << ", " << v[1] << ", " << v[2] << ") belongs to no plant";
            if (specimen < 0)
                specimen = s;
            lowest[s] = std::min(lowest[s], v[1]);
        }
        const int order = specimens[specimen].order;
        ASSERT_GE(order, lastOrder) << "a kind drawn out of order";
        lastOrder = order;
        ++seen[order];
    }
    for (int order = 0; order < 6; ++order)
        EXPECT_GT(seen[order], 0) << "kind " << order << " was not drawn";

    // Each plant's foot is near the floor under its point: within the table's own leeway, which
    // puts some plants up to 1.6 above the floor and some up to 2.3 into it (hidden by it).
    for (size_t s = 0; s < specimens.size(); ++s) {
        const float above = lowest[s] - FloorHeightAt(specimens[s].x, specimens[s].z);
        EXPECT_LT(above, 1.6f) << "specimen " << s << " floats";
        EXPECT_GT(above, -2.3f) << "specimen " << s << " is buried";
    }
}

TEST_F(SceneryTest, DrawingAnimatesOnlyTheLivePlantsAndLeavesTheStackAsFound)
{
    scenery.BuildPlantLists(kTank);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(1.0f, 2.0f, 3.0f);
    GLint depthBefore = 0, depthAfter = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthBefore);
    float before[16], after[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, before);

    scenery.DrawScenery(textures, kTank);

    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthAfter);
    glGetFloatv(GL_MODELVIEW_MATRIX, after);
    EXPECT_EQ(depthAfter, depthBefore);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(after[i], before[i]);
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(static_cast<uint32_t>(bound), textures[5]);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    EXPECT_EQ(scenery.Rosette(0).SwayTick(), 1);
    EXPECT_EQ(scenery.Rosette(0).BendTick(), 0); // three bend calls: the third stepped the bend
    EXPECT_EQ(scenery.Rosette(1).SwayTick(), 0);
    EXPECT_EQ(scenery.Star().SwayTick(), 1);
    EXPECT_EQ(scenery.Star().BendTick(), 1);
    EXPECT_EQ(scenery.Frond().SwayTick(), 2); // the frond wave counts twice a frame
}

TEST_F(SceneryTest, LiveBendsWalkTowardTheirLimits)
{
    // The rosette's bend moves once a frame against its innermost ring's 45 degrees; the star's
    // once every three frames against 10.
    scenery.BuildPlantLists(kTank);
    const float rosetteStart = scenery.Rosette(0).Bend(), starStart = scenery.Star().Bend();
    const float rosetteSpeed = scenery.Rosette(0).BendSpeed(), starSpeed = scenery.Star().BendSpeed();
    for (int frame = 1; frame <= 6; ++frame) {
        scenery.DrawScenery(textures, kTank);
        EXPECT_NEAR(scenery.Rosette(0).Bend(), rosetteStart + frame * rosetteSpeed, 1e-4) << "frame " << frame;
        EXPECT_NEAR(scenery.Star().Bend(), std::min(10.0f, starStart + (frame / 3) * starSpeed), 1e-4);
    }
    float highest = -100.0f, lowestBend = 100.0f;
    for (int frame = 0; frame < 2000; ++frame) {
        scenery.DrawScenery(textures, kTank);
        highest = std::max(highest, scenery.Rosette(0).Bend());
        lowestBend = std::min(lowestBend, scenery.Rosette(0).Bend());
    }
    EXPECT_LE(highest, 45.0f);
    EXPECT_GT(highest, 44.0f);
    EXPECT_FLOAT_EQ(lowestBend, -45.0f);
}

namespace {
class SceneryInFrame : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(context.IsOK());
        scene.Initialise(320, 180);
        scene.ToggleHelp(); // F1: the help text would stand over the plants
        AquariumSettings& s = scene.Settings();
        s.background = 0;
        s.showTerra = 1;
        s.showWater = 0;
        s.showLight = 0;
        s.bubbleSetting = 200; // no bubbles
        s.fogSetting = 100;
        s.lightSetting = 0;
        for (int32_t& count : s.fishCount)
            count = 0;
    }

    // Pixels of the lower half that are neither the pure green floor nor the black behind it.
    int LeafPixelsBelowTheMiddle() const
    {
        int leaves = 0;
        for (int y = context.Height() / 2; y < context.Height(); ++y) {
            for (int x = 0; x < context.Width(); ++x) {
                const uint32_t c = context.PixelAt(x, y);
                const int red = c & 0xFF, green = (c >> 8) & 0xFF;
                leaves += red > 25 && green > 15;
            }
        }
        return leaves;
    }

    COffscreenContext context{320, 180};
    CScratchFolder configHome;
    CBorrowedVariable configVariable{"XDG_CONFIG_HOME", configHome.path.c_str()};
    CAquariumScene scene;
};
} // namespace

TEST_F(SceneryInFrame, PlantsShowOnTheFloorOnlyWithShowTerraAndWithoutThePicture)
{
    ASSERT_NE(scene.Scenery().RosetteList(), 0u); // the population compiled the lists
    scene.RenderFrame();
    EXPECT_GT(LeafPixelsBelowTheMiddle(), 1000);
    EXPECT_EQ(scene.Scenery().Rosette(0).SwayTick(), 1);

    scene.Settings().showTerra = 0; // neither floor nor plants, and the plants stand still
    scene.RenderFrame();
    EXPECT_EQ(LeafPixelsBelowTheMiddle(), 0);
    EXPECT_EQ(scene.Scenery().Rosette(0).SwayTick(), 1);
    EXPECT_EQ(scene.Scenery().Frond().SwayTick(), 2);

    scene.Settings().showTerra = 1; // the picture backdrop instead of the plants
    scene.Settings().background = 1;
    scene.RenderFrame();
    EXPECT_EQ(scene.Scenery().Rosette(0).SwayTick(), 1);
    EXPECT_EQ(scene.Scenery().Star().SwayTick(), 1);

    scene.Settings().background = 0;
    scene.RenderFrame();
    EXPECT_EQ(scene.Scenery().Rosette(0).SwayTick(), 2);
}
