// WrasseSkin.cpp -- the wrasse's skin: body colours, markings and fin paint.
//
// Electric blue-green flanks under a yellow-green back, and one bold black stripe from the tip of
// the snout through the eye to the tail root, narrow at the head and widening toward the tail,
// where the tail fin's dark base carries it on into the fan.
#include "art/skins/SpeciesSkins.h"

#include "art/SkinMarkings.h"
#include "fish/species/WrasseLayout.h"

#include <algorithm>
#include <cmath>
#include <vector>

using namespace skins;

namespace {
constexpr Rgb kBack = HexColour(0xa8cc38);    // yellow-green
constexpr Rgb kFlank = HexColour(0x2fb8c8);   // electric blue-green
constexpr Rgb kBelly = HexColour(0x9ae0ea);   // pale blue-green
constexpr Rgb kStripe = HexColour(0x101216);  // near black
constexpr Rgb kSheen = HexColour(0x58e4f4);   // the bright line along each edge of the stripe
constexpr Rgb kFinBlue = HexColour(0x2468d0); // fins darken to it toward their edges

// The stripe's centre line (u along the body, v around it): from the snout tip up through the eye,
// back down to the flank's middle behind the head and along it to the tail root.
constexpr float kSnoutV = 0.47f;
constexpr float kNapeU = 0.3f;
constexpr float kNapeV = 0.45f;
constexpr float kTailV = 0.5f;
// Its half-width, in body heights: at the snout and at the tail root.
constexpr float kHeadHalfWidth = 0.06f;
constexpr float kTailHalfWidth = 0.17f;
constexpr int kStripeSteps = 16; // round-capped strokes it is drawn with, each a little wider

float StripeV(float u)
{
    const skin::SpeciesLayout& eye = skin::kWrasseLayout;
    if (u <= eye.eyeAlong)
        return kSnoutV + (eye.eyeAround - kSnoutV) * u / eye.eyeAlong;
    if (u <= kNapeU)
        return eye.eyeAround + (kNapeV - eye.eyeAround) * (u - eye.eyeAlong) / (kNapeU - eye.eyeAlong);
    return kNapeV + (kTailV - kNapeV) * (u - kNapeU) / (1.0f - kNapeU);
}

// A band along the stripe's centre line, its half-width growing from head to tail (narrow over the
// head, opening over the rear half). The strokes break at the eye and the nape, so the band bends
// exactly where its centre line does.
std::vector<Marking> AlongStripe(float headHalfWidth, float tailHalfWidth, Rgb colour)
{
    std::vector<float> breaks;
    for (int i = 0; i <= kStripeSteps; ++i)
        breaks.push_back(static_cast<float>(i) / kStripeSteps);
    breaks.push_back(skin::kWrasseLayout.eyeAlong);
    breaks.push_back(kNapeU);
    std::sort(breaks.begin(), breaks.end());
    std::vector<Marking> strokes;
    for (size_t i = 0; i + 1 < breaks.size(); ++i) {
        const float u0 = breaks[i], u1 = breaks[i + 1];
        if (u1 - u0 < 1e-3f)
            continue;
        const float w = headHalfWidth + (tailHalfWidth - headHalfWidth) * std::pow(0.5f * (u0 + u1), 2.0f);
        strokes.push_back(Path({{u0, StripeV(u0)}, {u1, StripeV(u1)}}, w, colour));
    }
    return strokes;
}
} // namespace

SkinRecipe WrasseSkin()
{
    SkinRecipe wrasse = Body("wrasse", kBack, kFlank, kBelly);
    wrasse.mottle = 0.04f;
    wrasse.iris = HexColour(0xe05020);
    // The back holds its yellow-green well down the flank before the blue-green takes over.
    wrasse.markings = {Stripe(0.06f, 0.2f, kBack, 0.85f)};
    wrasse.markings = Join(wrasse.markings, AlongStripe(kHeadHalfWidth + 0.02f, kTailHalfWidth + 0.025f, kSheen));
    wrasse.markings = Join(wrasse.markings, AlongStripe(kHeadHalfWidth, kTailHalfWidth, kStripe));
    wrasse.tail = WithEdge(Fin(kStripe, HexColour(0x1c8ca0), 0.3f), kSheen, 0.1f);
    wrasse.fins = WithEdge(Fin(HexColour(0x3cbcc8), kFinBlue, 0.3f), kStripe, 0.14f);
    return wrasse;
}
