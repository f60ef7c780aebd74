// PartTestSupport.h -- for tests of one species' mesh: its parts looked up, drawn with zeroed pose arrays, recorded.
#pragma once

#include "fish/MeshPart.h"
#include "fish/VertexSink.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <ostream>
#include <vector>

// A position as a part sent it, read by name or by axis (0 x, 1 y, 2 z).
struct Point
{
    float x, y, z;

    float operator[](int axis) const { return axis == 0 ? x : axis == 1 ? y : z; }
    bool operator==(const Point& other) const { return x == other.x && y == other.y && z == other.z; }
};

// How a failed check prints a position.
inline void PrintTo(const Point& p, std::ostream* os)
{
    *os << "(" << p.x << ", " << p.y << ", " << p.z << ")";
}

// Every position a part sends, in order, and the same positions strip by strip.
class CRecordingSink : public CVertexSink
{
public:
    void BeginStrip() override { strips.emplace_back(); }
    void Vertex(float x, float y, float z, const MeshVertex&) override
    {
        points.push_back({x, y, z});
        strips.back().push_back({x, y, z});
    }
    void EndStrip() override {}
    void Translate(float, float, float) override {}

    std::vector<Point> points;
    std::vector<std::vector<Point>> strips;
};

// A species' pose arrays, Count of them Length long, all zero until a test fills them; array
// Headings holds the column headings.
template <int Count, int Length, int Headings> struct TestPose
{
    std::array<std::array<float, Length>, Count> values{};

    // What `part` sends at `size`, drawn from these arrays with no part rotation before it.
    CRecordingSink Draw(const MeshPartSpec& part, float size) const
    {
        std::array<const float*, Count> pointers{};
        for (int a = 0; a < Count; ++a)
            pointers[a] = values[a].data();
        float matrix[16];
        SetIdentityMatrix(matrix);
        CRecordingSink sink;
        PartContext context{size, values[Headings].data(), pointers.data(), matrix, &sink};
        DrawMeshPart(part, context);
        return sink;
    }
};

// A species' parts in draw order, as its mesh file hands them out.
using PartTable = const MeshPartSpec* (*)(int& partCount);

// The part of `table` called `name`; a failure, and the first part, where there is none.
inline const MeshPartSpec& FindPart(PartTable table, const char* name)
{
    int count = 0;
    const MeshPartSpec* parts = table(count);
    for (int p = 0; p < count; ++p) {
        if (std::strcmp(parts[p].name, name) == 0)
            return parts[p];
    }
    ADD_FAILURE() << "no part " << name;
    return parts[0];
}

// Part `index` of `table`, which is expected to hold `expectedCount` parts.
inline const MeshPartSpec& PartAtIndex(PartTable table, int index, int expectedCount)
{
    int count = 0;
    const MeshPartSpec* parts = table(count);
    EXPECT_EQ(count, expectedCount);
    return parts[index];
}
