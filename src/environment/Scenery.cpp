// Scenery.cpp -- the plants' placement tables, their display lists and the order they are drawn in.
#include "environment/Scenery.h"

#include "environment/FloorAndLight.h"
#include "platform/GLHeaders.h"
#include "view/TankBounds.h"

namespace {
struct Placement
{
    PlantPoint point;
    float scale[3];
};

// The three groups, specimen 0 first. Their scales flatten every plant to a twentieth of its depth
// (the tufts to none) and set its width and height.
// clang-format off
constexpr Placement kRosettePlaces[kPlantsPerGroup] = {
    {{-40.0f, 1.64029f, -35.0f}, {1.5f, 2.0f, 0.05f}},     {{-42.0f, -1.35486f, -21.0f}, {0.45f, 0.29f, 0.05f}},
    {{-56.0f, 0.410822f, -30.0f}, {0.65f, 0.24f, 0.05f}},  {{-56.0f, -0.698706f, -17.0f}, {0.55f, 0.22f, 0.05f}},
    {{-80.0f, -0.682001f, -22.0f}, {0.5f, 0.26f, 0.05f}},  {{-61.0f, -0.208034f, -19.0f}, {0.85f, 0.24f, 0.05f}},
    {{-37.0f, -1.28765f, -30.0f}, {0.5f, 0.25f, 0.05f}},   {{-65.0f, 0.028019f, -31.0f}, {0.7f, 0.26f, 0.05f}},
    {{-48.0f, -1.1162f, -9.0f}, {0.6f, 0.26f, 0.05f}},     {{-65.0f, -0.02173f, -20.0f}, {0.8f, 0.22f, 0.05f}},
};
constexpr Placement kTuftPlaces[kPlantsPerGroup] = {
    {{31.0f, -0.321697f, -15.0f}, {1.0f, 1.0f, 0.05f}},    {{57.0f, -0.774115f, -34.0f}, {0.6f, 0.22f, 0.0f}},
    {{46.0f, -0.848809f, -25.0f}, {0.6f, 0.34f, 0.0f}},    {{70.0f, 0.413423f, -31.0f}, {0.6f, 0.2f, 0.0f}},
    {{59.0f, -1.09181f, -19.0f}, {0.6f, 0.26f, 0.0f}},     {{34.0f, -1.86447f, -33.0f}, {0.6f, 0.24f, 0.0f}},
    {{60.0f, 0.11992f, -22.0f}, {0.6f, 0.26f, 0.0f}},      {{53.0f, -0.596705f, -29.0f}, {0.6f, 0.28f, 0.0f}},
    {{54.0f, 0.048696f, -18.0f}, {0.6f, 0.36f, 0.0f}},     {{58.0f, -0.912364f, -17.0f}, {0.6f, 0.26f, 0.0f}},
};
constexpr Placement kCrossPlaces[kPlantsPerGroup] = {
    {{45.0f, 5.39818f, -34.0f}, {3.0f, 7.0f, 0.05f}},      {{-19.0f, 0.168314f, -12.0f}, {0.72f, 0.76f, 0.05f}},
    {{16.0f, 0.132147f, -7.0f}, {1.04f, 1.32f, 0.05f}},    {{11.0f, -0.719263f, -11.0f}, {0.96f, 0.6f, 0.05f}},
    {{31.0f, -1.16082f, -22.0f}, {1.04f, 0.68f, 0.05f}},   {{21.0f, 0.037879f, -26.0f}, {0.8f, 1.32f, 0.05f}},
    {{11.0f, -0.270141f, -21.0f}, {1.04f, 0.6f, 0.05f}},   {{-31.0f, -0.656353f, -20.0f}, {0.96f, 1.0f, 0.05f}},
    {{16.0f, 0.660746f, -27.0f}, {0.4f, 1.32f, 0.05f}},    {{13.0f, 0.297815f, -25.0f}, {0.56f, 0.92f, 0.05f}},
};
// clang-format on

// The two single plants stand on floor vertices.
constexpr int kStarColumn = 75, kStarRow = 20;
constexpr float kStarScale[3] = {2.0f, 2.0f, 0.05f};
constexpr int kFrondColumn = 100, kFrondRow = 15;
constexpr float kFrondScale[3] = {2.0f, 3.0f, 0.05f};

// Offsets from a plant's point to where it is drawn, besides the tank's floor (yBottom) and back
// (zBack), which every kind adds.
constexpr float kGroupShift = 10.0f; // the three groups stand this far right of their points,
constexpr float kRosetteLift = 1.0f; // the rosettes and crosses this much higher
constexpr float kCrossLift = 1.0f;
constexpr float kStarOffset[3] = {20.0f, 6.0f, 0.0f};
constexpr float kFrondOffset[3] = {20.0f, -2.0f, 0.0f}; // and turned upside down about x

// A single plant on floor vertex (column, row): a plant scaled taller than 0.95 stands 1.1 higher
// for every unit of scale beyond that. Where the floor has no such vertex (no floor was built),
// the plant stands where a flat floor would have it.
PlantPoint OnFloorVertex(const CFloorAndLight& floor, const TankBounds& bounds, int column, int row, float scaleY)
{
    PlantPoint p{static_cast<float>(column) + bounds.xMin, 0.0f, static_cast<float>(row) + bounds.zBack};
    if (floor.HasFloor() && column < floor.Columns() && row < floor.Rows() - 1) {
        const FloorVertex& v = floor.Vertex(column, row);
        p = {v.x, v.height, v.z};
    }
    p.y -= (0.95f - scaleY) * 1.1f;
    return p;
}

template <typename Plant>
void Place(const Placement (&table)[kPlantsPerGroup], Plant (&plants)[kPlantsPerGroup],
           PlantPoint (&points)[kPlantsPerGroup])
{
    for (int i = 0; i < kPlantsPerGroup; ++i) {
        points[i] = table[i].point;
        plants[i].SetScale(table[i].scale[0], table[i].scale[1], table[i].scale[2]);
    }
}

// Specimens 1 to 9 of a group compiled into a new display list, each at its point.
template <typename Plant>
uint32_t CompileGroup(Plant (&plants)[kPlantsPerGroup], const PlantPoint (&points)[kPlantsPerGroup], float lift,
                      const TankBounds& bounds)
{
    const uint32_t list = glGenLists(1);
    glNewList(list, GL_COMPILE);
    for (int i = 1; i < kPlantsPerGroup; ++i) {
        glPushMatrix();
        glTranslatef(points[i].x + kGroupShift, points[i].y + bounds.yBottom + lift, points[i].z + bounds.zBack);
        plants[i].DrawStatic();
        glPopMatrix();
    }
    glEndList();
    return list;
}
} // namespace

CScenery::CScenery()
{
    for (CRosettePlant& rosette : rosettes)
        rosette.ShareBendDirection(&rosetteBendRising);
    star.ShareBendDirection(&starBendRising);
}

void CScenery::PlaceScenery(const CFloorAndLight& floor, const TankBounds& bounds)
{
    Place(kRosettePlaces, rosettes, rosettePoints);
    Place(kTuftPlaces, tufts, tuftPoints);
    Place(kCrossPlaces, crosses, crossPoints);
    star.SetScale(kStarScale[0], kStarScale[1], kStarScale[2]);
    starPoint = OnFloorVertex(floor, bounds, kStarColumn, kStarRow, kStarScale[1]);
    frond.SetScale(kFrondScale[0], kFrondScale[1], kFrondScale[2]);
    frondPoint = OnFloorVertex(floor, bounds, kFrondColumn, kFrondRow, kFrondScale[1]);
}

void CScenery::BuildPlantLists(const TankBounds& bounds)
{
    if (rosetteList == 0)
        rosetteList = CompileGroup(rosettes, rosettePoints, kRosetteLift, bounds);
    if (tuftList == 0)
        tuftList = CompileGroup(tufts, tuftPoints, 0.0f, bounds);
    if (crossList == 0)
        crossList = CompileGroup(crosses, crossPoints, kCrossLift, bounds);
}

void CScenery::DrawScenery(const uint32_t (&plantTextures)[kPlantTextureSlots], const TankBounds& bounds)
{
    glBindTexture(GL_TEXTURE_2D, plantTextures[0]);
    const PlantPoint& r = rosettePoints[0];
    glPushMatrix();
    glTranslatef(r.x + kGroupShift, r.y + bounds.yBottom + kRosetteLift, r.z + bounds.zBack);
    rosettes[0].DrawLive();
    glPopMatrix();
    glCallList(rosetteList);

    glBindTexture(GL_TEXTURE_2D, plantTextures[1]);
    glCallList(tuftList);

    glBindTexture(GL_TEXTURE_2D, plantTextures[3]);
    glCallList(crossList);

    glBindTexture(GL_TEXTURE_2D, plantTextures[4]);
    glPushMatrix();
    glTranslatef(starPoint.x + kStarOffset[0], starPoint.y + bounds.yBottom + kStarOffset[1],
                 starPoint.z + bounds.zBack + kStarOffset[2]);
    star.DrawLive();
    glPopMatrix();

    glBindTexture(GL_TEXTURE_2D, plantTextures[5]);
    glPushMatrix();
    glTranslatef(frondPoint.x + kFrondOffset[0], bounds.yBottom + kFrondOffset[1] + frondPoint.y,
                 frondPoint.z + bounds.zBack + kFrondOffset[2]);
    glRotatef(180.0f, 1.0f, 0.0f, 0.0f);
    frond.DrawLive();
    glPopMatrix();
}
