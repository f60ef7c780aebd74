// BlueTangSkin.cpp -- the blue tang's skin: body colours, markings and fin paint.
#include "art/skins/SpeciesSkins.h"

#include "art/SkinMarkings.h"

using namespace skins;

namespace {
constexpr Rgb kRoyalBlue = HexColour(0x1d4fd0);
constexpr Rgb kTangYellow = HexColour(0xffd414);
} // namespace

SkinRecipe BlueTangSkin()
{
    SkinRecipe blueTang = Body("blue tang", HexColour(0x1a44b8), kRoyalBlue, HexColour(0x3a72e6));
    blueTang.mottle = 0.05f;
    blueTang.iris = HexColour(0x101830);
    blueTang.markings = {
        // The "palette". Its upper arm leaves the eye, climbs to the back and runs under the dorsal
        // fin to the top of the tail root, leaving a thin blue line along the back above it.
        Path({{0.1f, 0.36f},
              {0.2f, 0.22f},
              {0.34f, 0.16f},
              {0.55f, 0.15f},
              {0.76f, 0.22f},
              {0.9f, 0.32f},
              {1.0f, 0.36f}},
             0.085f, kBlack),
        // A broad patch behind the eye where the arms meet.
        Path({{0.2f, 0.26f}, {0.28f, 0.3f}, {0.31f, 0.4f}}, 0.1f, kBlack),
        // The lower arm drops behind the pectoral fin and sweeps back along the lower flank to the
        // bottom of the tail root, closing a blue window on the upper rear flank.
        Path(
            {{0.3f, 0.26f}, {0.32f, 0.46f}, {0.42f, 0.6f}, {0.6f, 0.63f}, {0.8f, 0.56f}, {0.93f, 0.46f}, {1.0f, 0.42f}},
            0.065f, kBlack),
        // The stalk is dark between the arms, where they run onto the tail.
        Path({{0.94f, 0.38f}, {1.0f, 0.4f}}, 0.09f, kBlack)};
    // Yellow, with a black rim that only the tail's two corner rays reach: black horns.
    blueTang.tail = WithEdge(Fin(kTangYellow, HexColour(0xffe030), 0.2f), kBlack, 0.5f);
    // Blue out to a black band (the dorsal, anal and ventral fins end there: blue fins edged black),
    // yellow beyond it (the pectoral fins sample only that).
    blueTang.fins = WithEdge(WithBands(Fin(kRoyalBlue, HexColour(0x2a5ee0), 0.25f), 1, kBlack), kTangYellow, 0.15f);
    return blueTang;
}
