// GlyphMesh.cpp -- curve flattening, the GLU tessellation of a glyph's faces, and its extrusion.
#include "platform/GlyphMesh.h"

#include "platform/GLHeaders.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <deque>
#include <utility>

namespace {
constexpr int kMaxCurvePieces = 64;
constexpr double kSamePointSquared = 1e-14; // em squared: closer points are one point
constexpr double kSliverArea = 1e-12;       // em squared: thinner triangles are dropped

double Length(double x, double y)
{
    return std::sqrt(x * x + y * y);
}

// Pieces needed so that a curve whose second derivative never exceeds maxSecondDerivative stays
// within kGlyphFlatness of its chords: a piece of parameter length h strays at most |B''| h^2 / 8.
int PiecesFor(double maxSecondDerivative)
{
    const double pieces = std::ceil(std::sqrt(maxSecondDerivative / (8.0 * kGlyphFlatness)));
    return std::clamp(static_cast<int>(pieces), 1, kMaxCurvePieces);
}

// What the tessellator's callbacks fill in while one glyph is tessellated.
struct TessellationRun
{
    std::vector<GlyphPoint> corners;            // three per triangle, as the tessellator gives them
    std::deque<std::array<double, 3>> combined; // crossing points; a deque never moves its elements
    bool failed = false;
};

void GLAPIENTRY OnBegin(GLenum, void*) {}
// Registering an edge-flag callback makes the tessellator give independent triangles only.
void GLAPIENTRY OnEdgeFlag(GLboolean, void*) {}
void GLAPIENTRY OnEnd(void*) {}

void GLAPIENTRY OnVertex(void* vertex, void* runData)
{
    const auto* xyz = static_cast<const double*>(vertex);
    static_cast<TessellationRun*>(runData)->corners.push_back({xyz[0], xyz[1]});
}

// Where contours cross or touch, the tessellator needs a new vertex; it must live until the
// polygon has ended, so it goes into the run's deque.
void GLAPIENTRY OnCombine(GLdouble coords[3], void* [4], GLfloat[4], void** outData, void* runData)
{
    auto* run = static_cast<TessellationRun*>(runData);
    run->combined.push_back({coords[0], coords[1], coords[2]});
    *outData = run->combined.back().data();
}

void GLAPIENTRY OnError(GLenum, void* runData)
{
    static_cast<TessellationRun*>(runData)->failed = true;
}

template <typename Callback> void SetCallback(GLUtesselator* tess, GLenum which, Callback callback)
{
    gluTessCallback(tess, which, reinterpret_cast<_GLUfuncptr>(callback));
}
} // namespace

void AppendQuadratic(GlyphContour& contour, GlyphPoint control, GlyphPoint end)
{
    const GlyphPoint start = contour.empty() ? control : contour.back();
    // B''(t) = 2 (start - 2 control + end), the same all along.
    const double bend = 2.0 * Length(start.x - 2.0 * control.x + end.x, start.y - 2.0 * control.y + end.y);
    const int pieces = PiecesFor(bend);
    for (int i = 1; i < pieces; ++i) {
        const double t = static_cast<double>(i) / pieces, u = 1.0 - t;
        contour.push_back({u * u * start.x + 2.0 * u * t * control.x + t * t * end.x,
                           u * u * start.y + 2.0 * u * t * control.y + t * t * end.y});
    }
    contour.push_back(end);
}

void AppendCubic(GlyphContour& contour, GlyphPoint control1, GlyphPoint control2, GlyphPoint end)
{
    const GlyphPoint start = contour.empty() ? control1 : contour.back();
    // |B''(t)| is at most 6 times the larger second difference of the control polygon.
    const double bend =
        6.0 * std::max(Length(start.x - 2.0 * control1.x + control2.x, start.y - 2.0 * control1.y + control2.y),
                       Length(control1.x - 2.0 * control2.x + end.x, control1.y - 2.0 * control2.y + end.y));
    const int pieces = PiecesFor(bend);
    for (int i = 1; i < pieces; ++i) {
        const double t = static_cast<double>(i) / pieces, u = 1.0 - t;
        const double a = u * u * u, b = 3.0 * u * u * t, c = 3.0 * u * t * t, d = t * t * t;
        contour.push_back({a * start.x + b * control1.x + c * control2.x + d * end.x,
                           a * start.y + b * control1.y + c * control2.y + d * end.y});
    }
    contour.push_back(end);
}

void CleanContours(std::vector<GlyphContour>& contours)
{
    auto same = [](const GlyphPoint& a, const GlyphPoint& b) {
        const double dx = a.x - b.x, dy = a.y - b.y;
        return dx * dx + dy * dy < kSamePointSquared;
    };
    for (GlyphContour& contour : contours) {
        contour.erase(std::unique(contour.begin(), contour.end(), same), contour.end());
        while (contour.size() > 1 && same(contour.front(), contour.back()))
            contour.pop_back();
    }
    contours.erase(std::remove_if(contours.begin(), contours.end(),
                                  [](const GlyphContour& contour) { return contour.size() < 3; }),
                   contours.end());
}

bool TessellateGlyph(const std::vector<GlyphContour>& contours, GlyphFillRule rule, std::vector<GlyphPoint>& triangles)
{
    triangles.clear();
    GLUtesselator* tess = gluNewTess();
    if (tess == nullptr)
        return false;

    // The tessellator keeps pointers to the coordinates until the polygon ends: fill this first,
    // and never grow it while the tessellator runs.
    std::vector<std::array<double, 3>> coords;
    for (const GlyphContour& contour : contours)
        for (const GlyphPoint& p : contour)
            coords.push_back({p.x, p.y, 0.0});

    TessellationRun run;
    SetCallback(tess, GLU_TESS_BEGIN_DATA, OnBegin);
    SetCallback(tess, GLU_TESS_EDGE_FLAG_DATA, OnEdgeFlag);
    SetCallback(tess, GLU_TESS_VERTEX_DATA, OnVertex);
    SetCallback(tess, GLU_TESS_END_DATA, OnEnd);
    SetCallback(tess, GLU_TESS_COMBINE_DATA, OnCombine);
    SetCallback(tess, GLU_TESS_ERROR_DATA, OnError);
    gluTessProperty(tess, GLU_TESS_WINDING_RULE,
                    rule == GlyphFillRule::NonZero ? GLU_TESS_WINDING_NONZERO : GLU_TESS_WINDING_ODD);
    gluTessNormal(tess, 0.0, 0.0, 1.0);

    gluTessBeginPolygon(tess, &run);
    size_t next = 0;
    for (const GlyphContour& contour : contours) {
        gluTessBeginContour(tess);
        for (size_t i = 0; i < contour.size(); ++i, ++next)
            gluTessVertex(tess, coords[next].data(), coords[next].data());
        gluTessEndContour(tess);
    }
    gluTessEndPolygon(tess);
    gluDeleteTess(tess);

    if (run.failed || run.corners.size() % 3 != 0)
        return false;
    // Whatever order the tessellator chose, every triangle leaves here counter-clockwise.
    for (size_t i = 0; i < run.corners.size(); i += 3) {
        const GlyphPoint &a = run.corners[i], &b = run.corners[i + 1], &c = run.corners[i + 2];
        const double twiceArea = (b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y);
        if (std::fabs(twiceArea) < 2.0 * kSliverArea)
            continue;
        triangles.push_back(a);
        if (twiceArea > 0.0) {
            triangles.push_back(b);
            triangles.push_back(c);
        } else {
            triangles.push_back(c);
            triangles.push_back(b);
        }
    }
    return true;
}

void EmitExtrudedGlyph(const std::vector<GlyphContour>& contours, const std::vector<GlyphPoint>& triangles,
                       GlyphInkSide inkSide, double depth)
{
    glBegin(GL_TRIANGLES);
    glNormal3d(0.0, 0.0, 1.0);
    for (const GlyphPoint& p : triangles)
        glVertex3d(p.x, p.y, 0.0);
    // The back face: the same triangles in reverse order, so they turn towards -z.
    glNormal3d(0.0, 0.0, -1.0);
    for (auto p = triangles.rbegin(); p != triangles.rend(); ++p)
        glVertex3d(p->x, p->y, -depth);

    // The walls, two triangles per segment, in the same batch: a wall from p to q is the quad
    // p, q, q', p' (primes at the back), counter-clockwise seen from outside when the ink lies on
    // the right of the travel from p to q. One batch because Mesa leaves a second primitive of a
    // compiled list out of feedback (seen with OSMesa: GL_QUADS after GL_TRIANGLES went missing).
    for (const GlyphContour& contour : contours) {
        for (size_t i = 0; i < contour.size(); ++i) {
            GlyphPoint p = contour[i];
            GlyphPoint q = contour[(i + 1) % contour.size()];
            if (inkSide == GlyphInkSide::Left)
                std::swap(p, q);
            const double dx = q.x - p.x, dy = q.y - p.y, length = Length(dx, dy);
            if (length == 0.0)
                continue;
            // Seen along the travel from p to q, (-dy, dx) points left: away from the ink.
            glNormal3d(-dy / length, dx / length, 0.0);
            glVertex3d(p.x, p.y, 0.0);
            glVertex3d(q.x, q.y, 0.0);
            glVertex3d(q.x, q.y, -depth);
            glVertex3d(p.x, p.y, 0.0);
            glVertex3d(q.x, q.y, -depth);
            glVertex3d(p.x, p.y, -depth);
        }
    }
    glEnd();
}
