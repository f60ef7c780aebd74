// TurquoiseDiscusSkin.cpp -- the turquoise discus's skin: body colours, markings and fin paint.
#include "art/skins/SpeciesSkins.h"

#include "art/SkinMarkings.h"
#include "fish/species/TurquoiseDiscusLayout.h"

#include <cmath>

using namespace skins;

namespace {
constexpr float kPi = 3.14159265f;

// The body's lines: red-brown, wavy, running from the snout to the tail root, evenly spaced as
// seen from the side.
constexpr int kLines = 8;
constexpr float kLineHalfWidth = 0.021f; // in v, at the middle of the flank
constexpr float kLineWaves = 3.0f;       // waves along the body
constexpr float kLineWave = 0.020f;      // their height, a fraction of the body's height
constexpr float kLineWobble = 0.008f;    // a slower second wave, so no two lines are alike
constexpr int kLinePoints = 48;
constexpr Rgb kLineColour = HexColour(0x983c1c);

// The fraction v around the body (0 back .. 1 belly) at the fraction h of its height from the top,
// as the mesh's evenly spaced rows place it: each row r lies at height (1 - cos(pi r / (R - 1))) / 2,
// and the picture is stretched linearly between rows.
float AroundAtHeight(float h)
{
    constexpr int kBands = skin::kTurquoiseDiscusBodyRows - 1;
    float previous = 0.0f;
    for (int r = 1; r <= kBands; ++r) {
        const float rowHeight = 0.5f * (1.0f - std::cos(kPi * static_cast<float>(r) / kBands));
        if (h <= rowHeight || r == kBands)
            return (static_cast<float>(r - 1) + (h - previous) / (rowHeight - previous)) / kBands;
        previous = rowHeight;
    }
    return 1.0f;
}

std::vector<Marking> WavyBodyLines()
{
    std::vector<Marking> lines;
    for (int i = 0; i < kLines; ++i) {
        const float height = (static_cast<float>(i) + 0.5f) / kLines;
        const float phase = 2.1f * static_cast<float>(i);
        std::vector<std::pair<float, float>> points;
        for (int s = 0; s <= kLinePoints; ++s) {
            const float u = -0.02f + 1.04f * static_cast<float>(s) / kLinePoints; // past both ends
            const float h = height + kLineWave * std::sin(2.0f * kPi * kLineWaves * u + phase) +
                            kLineWobble * std::sin(2.0f * kPi * 1.3f * u + 1.7f * phase);
            points.emplace_back(u, AroundAtHeight(std::fmin(std::fmax(h, 0.0f), 1.0f)));
        }
        lines.push_back(Path(points, kLineHalfWidth, kLineColour));
    }
    return lines;
}
} // namespace

SkinRecipe TurquoiseDiscusSkin()
{
    // Turquoise-blue, a little deeper and bluer along the back, paler toward the belly.
    SkinRecipe turquoiseDiscus =
        Body("turquoise discus", HexColour(0x2496aa), HexColour(0x30b0b8), HexColour(0x5cc4c0));
    turquoiseDiscus.mottle = 0.05f;
    turquoiseDiscus.iris = HexColour(0xd81810);
    // A faint dusky bar through the eye, then the lines over everything.
    turquoiseDiscus.markings = {Bar(skin::kTurquoiseDiscusLayout.eyeAlong, 0.03f, HexColour(0x1c5866), 0.35f, 0.01f)};
    turquoiseDiscus.markings = Join(turquoiseDiscus.markings, WavyBodyLines());
    // A clear tail: pale, grey-blue and ray-lined. The other fins carry the lines on as bands
    // parallel to their edge, with a bright rim; the pectorals show only the plain, clear root.
    turquoiseDiscus.tail = Fin(HexColour(0x6aa6ac), HexColour(0x98c6ca), 0.45f);
    turquoiseDiscus.fins = WithEdge(WithBands(Fin(HexColour(0x5cb4ba), HexColour(0x34aab4), 0.2f), 3, kLineColour),
                                    HexColour(0xe8783c), 0.1f);
    return turquoiseDiscus;
}
