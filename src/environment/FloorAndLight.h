// FloorAndLight.h -- the tank floor, and the water glow and light rays that play behind the tank.
//
// The floor is a gently undulating height field compiled once into a display list; its vertices
// are also the ground on which fish start, plants stand and bubbles rise. Behind the tank hang
// three additive sheets: a sideways-scrolling water glow and two light-ray sheets, one swaying
// and one tilting back and forth.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "environment/SheetProgram.h"
#include "platform/ErrorReport.h"

// Loads picture `baseName` from resource `resourceId` into a new texture and returns its name;
// the texture exists without an image when the picture cannot be loaded.
using LoadPictureFunction = std::function<uint32_t(int resourceId, const char* baseName)>;

// Faster ways to draw the sheets; each gives the picture the plain way gives, and each falls back
// to the plain way by itself where the GL state does not let it.
struct SheetLevers
{
    // The flat ray sheet lies exactly at the glow's depth and never passes the depth test where
    // the glow was drawn: while the glow is shown it is not sent. Its animation steps all the same.
    bool skipCoveredRaySheet = false;
    // The glow (or the flat ray sheet) and the tilted rays in one pass of a fragment program (see
    // CSheetProgram), where the GL has one and the sheets are lit white all over.
    bool sheetProgram = false;
};

struct FloorVertex
{
    float x;      // tank units, column - cols / 2
    float height; // the undulation
    float z;      // row - rows
};

class CFloorAndLight
{
public:
    // The floor may hold at most this many vertices (columns x rows).
    static constexpr int kMaxFloorVertices = 1000000;

    // Loads the glow and ray pictures, fills the floor vertices and compiles the floor. A floor
    // larger than kMaxFloorVertices is reported as "MAP SIZE ERROR" and not built.
    void Setup(int cols, int rows, int heightScale, const LoadPictureFunction& loadPicture, const ErrorReport& report);

    // Draws what the settings switch on. The caller has translated to the floor's place.
    void Draw(int showWater, int showLight, int showTerra, int background, const SheetLevers& levers = {});

    // Vertex (column, row) of the floor; column 0..Columns()-1, row 0..Rows()-2.
    const FloorVertex& Vertex(int column, int row) const { return floorVertices[column * rowStride + row]; }
    int Columns() const { return cols; }
    int Rows() const { return rows; }
    bool HasFloor() const { return !floorVertices.empty(); }

    // Animation state, exposed for tests.
    float WaterScroll() const { return waterScroll; }
    float RayScroll() const { return rayScroll; }
    float RayTilt() const { return rayTilt; }
    // Whether the last Draw added its sheets in one program pass.
    bool SheetsInOnePass() const { return sheetsInOnePass; }

private:
    void CompileFloor();
    void DrawWaterGlow();
    void DrawRaySheet();
    void DrawTiltedRays();
    bool DrawSheetsInOnePass(bool glowShown);

    int cols = 1;
    int rows = 1;
    int heightScale = 1;
    uint32_t floorTexture = 0; // never loaded: the floor is drawn untextured
    uint32_t waterTexture = 0;
    uint32_t rayTexture = 0;
    uint32_t floorList = 0;

    // [column][row], rows - 1 used rows per column: only what the floor uses is stored.
    std::vector<FloorVertex> floorVertices;
    int rowStride = 0;

    float waterScroll = 0.0f;   // texture u of the glow, +0.0005 per frame, back to 0 past 10
    float rayScroll = 0.0f;     // texture u of the ray sheet, swinging between about -0.1 and 0.1
    bool rayScrollRising = true;
    float rayTilt = 0.0f;       // degrees, swinging between about -5 and 5
    bool rayTiltRising = true;

    CSheetProgram sheetProgram; // made on first use; lives as long as the context, as floorList does
    bool sheetsInOnePass = false;
};
