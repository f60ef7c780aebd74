// OutlineFont.cpp -- fontconfig's choice of face, FreeType's outlines, compiled into display lists.
#include "platform/OutlineFont.h"

#include "platform/GLHeaders.h"
#include "platform/GlyphMesh.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <algorithm>
#include <memory>
#include <vector>

namespace {
// One glyph, ready to compile: its solid and its metrics, in em.
struct GlyphSolid
{
    std::vector<GlyphContour> contours;
    std::vector<GlyphPoint> triangles;
    GlyphInkSide inkSide = GlyphInkSide::Right;
    GlyphMetrics metrics;
};

void ReportNoFont(const ErrorReport& report, const std::string& problem)
{
    if (report)
        report("No outline font for the help text: " + problem + ". The aquarium runs without its help text.",
               "Help font");
}

// The file and face index fontconfig picks for a bold sans-serif with outlines; "" and a problem
// when it picks none.
std::string MatchBoldSansFace(int& faceIndex, std::string& problem)
{
    FcConfig* config = FcInitLoadConfigAndFonts();
    if (config == nullptr) {
        problem = "fontconfig could not be set up";
        return "";
    }
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>("sans-serif"));
    FcPatternAddInteger(pattern, FC_WEIGHT, FC_WEIGHT_BOLD);
    FcPatternAddBool(pattern, FC_OUTLINE, FcTrue);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);

    std::string path;
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(config, pattern, &result);
    FcChar8* file = nullptr;
    if (match != nullptr && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file != nullptr) {
        path = reinterpret_cast<const char*>(file);
        faceIndex = 0;
        FcPatternGetInteger(match, FC_INDEX, 0, &faceIndex);
    } else {
        problem = "fontconfig knows no bold sans-serif font";
    }
    if (match != nullptr)
        FcPatternDestroy(match);
    FcPatternDestroy(pattern);
    FcConfigDestroy(config);
    return path;
}

struct LibraryCloser
{
    void operator()(FT_Library library) const { FT_Done_FreeType(library); }
};
struct FaceCloser
{
    void operator()(FT_Face face) const { FT_Done_Face(face); }
};
using LibraryHandle = std::unique_ptr<FT_LibraryRec_, LibraryCloser>;
using FaceHandle = std::unique_ptr<FT_FaceRec_, FaceCloser>;

// FreeType walks an outline through these, in font units; they collect em-unit polylines.
struct OutlineWalk
{
    std::vector<GlyphContour>* contours;
    double scale; // em per font unit

    GlyphPoint At(const FT_Vector* v) const { return {v->x * scale, v->y * scale}; }
};

int MoveTo(const FT_Vector* to, void* user)
{
    auto* walk = static_cast<OutlineWalk*>(user);
    walk->contours->push_back({walk->At(to)});
    return 0;
}

int LineTo(const FT_Vector* to, void* user)
{
    auto* walk = static_cast<OutlineWalk*>(user);
    if (walk->contours->empty())
        return MoveTo(to, user);
    walk->contours->back().push_back(walk->At(to));
    return 0;
}

int ConicTo(const FT_Vector* control, const FT_Vector* to, void* user)
{
    auto* walk = static_cast<OutlineWalk*>(user);
    if (walk->contours->empty())
        return MoveTo(to, user);
    AppendQuadratic(walk->contours->back(), walk->At(control), walk->At(to));
    return 0;
}

int CubicTo(const FT_Vector* control1, const FT_Vector* control2, const FT_Vector* to, void* user)
{
    auto* walk = static_cast<OutlineWalk*>(user);
    if (walk->contours->empty())
        return MoveTo(to, user);
    AppendCubic(walk->contours->back(), walk->At(control1), walk->At(control2), walk->At(to));
    return 0;
}

bool IsControlCode(int code)
{
    return code < 0x20 || (code >= 0x7F && code < 0xA0);
}

// The glyph of one character code: its metrics, and its solid when `solid` asks for it (a code
// left without one keeps no contours). Returns false when the code has nothing to draw (a control
// code, a code the face lacks, a glyph FreeType cannot load or fill); its advance may still be set.
bool BuildGlyph(FT_Face face, int code, double scale, bool solid, GlyphSolid& glyph)
{
    const FT_UInt index = FT_Get_Char_Index(face, static_cast<FT_ULong>(code));
    if (index == 0)
        return false;
    if (FT_Load_Glyph(face, index, FT_LOAD_NO_SCALE | FT_LOAD_NO_BITMAP | FT_LOAD_NO_HINTING) != 0)
        return false;
    // With FT_LOAD_NO_SCALE the metrics are in font units.
    glyph.metrics.cellIncX = static_cast<float>(face->glyph->metrics.horiAdvance * scale);
    if (IsControlCode(code) || face->glyph->format != FT_GLYPH_FORMAT_OUTLINE)
        return false;

    FT_Outline& outline = face->glyph->outline;
    OutlineWalk walk{&glyph.contours, scale};
    FT_Outline_Funcs funcs = {};
    funcs.move_to = MoveTo;
    funcs.line_to = LineTo;
    funcs.conic_to = ConicTo;
    funcs.cubic_to = CubicTo;
    if (FT_Outline_Decompose(&outline, &funcs, &walk) != 0)
        return false;
    CleanContours(glyph.contours);
    if (glyph.contours.empty())
        return true; // a blank such as the space: it only advances

    if (solid) {
        const GlyphFillRule rule =
            (outline.flags & FT_OUTLINE_EVEN_ODD_FILL) != 0 ? GlyphFillRule::EvenOdd : GlyphFillRule::NonZero;
        glyph.inkSide = FT_Outline_Get_Orientation(&outline) == FT_ORIENTATION_POSTSCRIPT ? GlyphInkSide::Left
                                                                                          : GlyphInkSide::Right;
        if (!TessellateGlyph(glyph.contours, rule, glyph.triangles) || glyph.triangles.empty()) {
            glyph.contours.clear();
            glyph.triangles.clear();
            return false;
        }
    }

    double left = glyph.contours[0][0].x, right = left, bottom = glyph.contours[0][0].y, top = bottom;
    for (const GlyphContour& contour : glyph.contours) {
        for (const GlyphPoint& p : contour) {
            left = std::min(left, p.x);
            right = std::max(right, p.x);
            bottom = std::min(bottom, p.y);
            top = std::max(top, p.y);
        }
    }
    glyph.metrics.blackBoxX = static_cast<float>(right - left);
    glyph.metrics.blackBoxY = static_cast<float>(top - bottom);
    glyph.metrics.glyphOriginX = static_cast<float>(left);
    glyph.metrics.glyphOriginY = static_cast<float>(top);
    if (!solid)
        std::vector<GlyphContour>().swap(glyph.contours);
    return true;
}

// The metrics of every code and the solids of the codes in `solid`, or false and a problem when
// the face gives a solid for none of them.
bool ReadGlyphs(const std::string& facePath, int faceIndex, const GlyphCodes& solid, std::vector<GlyphSolid>& glyphs,
                std::string& problem)
{
    FT_Library rawLibrary = nullptr;
    if (FT_Init_FreeType(&rawLibrary) != 0) {
        problem = "FreeType could not be started";
        return false;
    }
    LibraryHandle library(rawLibrary);
    FT_Face rawFace = nullptr;
    if (FT_New_Face(library.get(), facePath.c_str(), faceIndex, &rawFace) != 0) {
        problem = "FreeType cannot read the font file " + facePath;
        return false;
    }
    FaceHandle face(rawFace);
    if (!FT_IS_SCALABLE(face.get()) || face->units_per_EM == 0) {
        problem = "the font file " + facePath + " has no outlines";
        return false;
    }
    // Latin-1 codes are Unicode code points; a face without a Unicode map keeps its own.
    FT_Select_Charmap(face.get(), FT_ENCODING_UNICODE);

    const double scale = 1.0 / face->units_per_EM;
    glyphs.assign(kFontGlyphCount, GlyphSolid{});
    int drawn = 0;
    for (int code = 0; code < kFontGlyphCount; ++code)
        drawn += BuildGlyph(face.get(), code, scale, solid[code], glyphs[code]) && !glyphs[code].triangles.empty();
    if (drawn == 0) {
        problem = "the font file " + facePath + " has no glyph for any of the Latin-1 characters asked for";
        return false;
    }
    return true;
}
} // namespace

GlyphCodes EveryGlyphCode()
{
    GlyphCodes codes;
    for (int code = 0; code < kFontGlyphCount; ++code)
        codes.set(code);
    return codes;
}

GlyphCodes GlyphCodesOf(const char* text)
{
    GlyphCodes codes;
    for (const char* c = text; c != nullptr && *c != '\0'; ++c)
        codes.set(static_cast<unsigned char>(*c));
    return codes;
}

bool COutlineFont::Create(const ErrorReport& report, const GlyphCodes& solid)
{
    if (IsOK())
        return true;
    int faceIndex = 0;
    std::string problem;
    const std::string path = MatchBoldSansFace(faceIndex, problem);
    if (path.empty()) {
        ReportNoFont(report, problem);
        return false;
    }
    return CreateFromFile(path, faceIndex, report, solid);
}

bool COutlineFont::CreateFromFile(const std::string& facePath, int faceIndex, const ErrorReport& report,
                                  const GlyphCodes& solid)
{
    if (IsOK())
        return true;
    std::vector<GlyphSolid> glyphs;
    std::string problem;
    if (!ReadGlyphs(facePath, faceIndex, solid, glyphs, problem)) {
        ReportNoFont(report, problem);
        return false;
    }
    const GLuint base = glGenLists(kFontListCount);
    if (base == 0) {
        ReportNoFont(report, "OpenGL has no display lists to spare");
        return false;
    }

    for (int code = 0; code < kFontGlyphCount; ++code) {
        const GlyphSolid& glyph = glyphs[code];
        metrics[code] = glyph.metrics;
        glNewList(base + code, GL_COMPILE);
        if (!glyph.triangles.empty())
            EmitExtrudedGlyph(glyph.contours, glyph.triangles, glyph.inkSide, kFontExtrusion);
        glTranslatef(glyph.metrics.cellIncX, 0.0f, 0.0f);
        glEndList();
    }
    glNewList(base + kFontGlyphCount, GL_COMPILE); // code 255: empty, and it does not move
    glEndList();
    metrics[kFontGlyphCount] = GlyphMetrics{};
    listBase = base;
    return true;
}

void COutlineFont::Release()
{
    if (listBase != 0)
        glDeleteLists(listBase, kFontListCount);
    listBase = 0;
}
