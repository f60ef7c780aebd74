// OutlineFont.h -- an extruded 3D font compiled into 256 display lists, one per character code.
//
// fontconfig chooses a bold sans-serif face and FreeType reads its outlines; every character code
// 0 to 254, taken as Latin-1 (the code is the Unicode code point), becomes a solid glyph in list
// ListBase() + code. The glyphs are sized so that one em is one unit:
//
//   front face  z = 0, facing +z (the eye of a camera looking down -z reads it)
//   back face   z = -kFontExtrusion
//   side walls  joining the two, lit by their own normals
//
// Each list draws its glyph at the current origin and then moves the origin by the glyph's
// advance, so glCallLists over a string sets a line of text. Control codes and codes the face has
// no glyph for draw nothing; they move by the face's advance where it gives one, else not at all.
// List ListBase() + 255 stays empty.
//
// The solids of all of Latin-1 take about 2 MB of the GL's memory for as long as the lists live,
// and a caller that prints a few fixed lines needs a fraction of them (the help text's 39 codes
// take half of that: the GL keeps list geometry in blocks of its own size). So Create takes the
// codes that get a solid; every other code keeps its list, its metrics and its advance, but its
// list only moves the origin: text made of the given codes draws exactly as with the full set.
//
// The lists belong to the GL context that was current at Create. The destructor never calls GL,
// because that context may be gone by then: the owner calls Release while it is still current,
// or leaves the lists to die with the context.
#pragma once

#include "platform/ErrorReport.h"

#include <bitset>
#include <cstdint>
#include <string>

constexpr int kFontListCount = 256;    // one request for this many lists
constexpr int kFontGlyphCount = 255;   // codes 0 to 254 carry glyphs
constexpr float kFontExtrusion = 0.2f; // depth of the solid glyphs, em

// Where a glyph's ink lies and how far it moves the origin, in em, y up.
struct GlyphMetrics
{
    float blackBoxX = 0.0f;    // width of the smallest box around the ink
    float blackBoxY = 0.0f;    // its height
    float glyphOriginX = 0.0f; // its upper-left corner, from the glyph's origin
    float glyphOriginY = 0.0f;
    float cellIncX = 0.0f; // the advance: what the list adds to the origin
    float cellIncY = 0.0f; // always 0: lines run horizontally
};

// A set of character codes, code c at bit c.
using GlyphCodes = std::bitset<kFontListCount>;

// Codes 0 to 254, every code that can carry a glyph.
GlyphCodes EveryGlyphCode();
// The codes of the characters of a zero-terminated text, taken as unsigned.
GlyphCodes GlyphCodesOf(const char* text);

class COutlineFont
{
public:
    COutlineFont() = default;
    ~COutlineFont() = default; // leaves GL alone; see Release

    COutlineFont(const COutlineFont&) = delete;
    COutlineFont& operator=(const COutlineFont&) = delete;

    // Builds the lists with the face fontconfig matches to a bold sans-serif, with a GL context
    // current; the codes in `solid` get their glyphs, the others only their advances. Without a
    // usable face (no match, a file FreeType cannot read, no glyph for any code in `solid`) the
    // failure is reported once, no list is allocated and the result is false. A font that is
    // already built keeps its lists and answers true.
    bool Create(const ErrorReport& report, const GlyphCodes& solid = EveryGlyphCode());
    // The same with the face at index faceIndex of a given font file.
    bool CreateFromFile(const std::string& facePath, int faceIndex, const ErrorReport& report,
                        const GlyphCodes& solid = EveryGlyphCode());

    bool IsOK() const { return listBase != 0; }
    // The first of the 256 list names; 0 while the font is not built.
    uint32_t ListBase() const { return listBase; }
    const GlyphMetrics& Metrics(unsigned char code) const { return metrics[code]; }

    // Deletes the lists; call with the context that built them current. Safe to call twice.
    void Release();

private:
    uint32_t listBase = 0;
    GlyphMetrics metrics[kFontListCount] = {};
};
