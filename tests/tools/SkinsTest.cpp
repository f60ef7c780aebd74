// Tests of the species skins: one per species, markings landing where the layout puts them.
#include "ImageChecks.h"
#include "art/PaintSkins.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>

namespace {
// The picture column of a body fraction u (0 at the snout, 1 at the tail root).
int BodyColumn(float u)
{
    return static_cast<int>(u * kSkinBodyWidth);
}

const SkinRecipe& Recipe(const std::string& animal)
{
    for (const SkinRecipe& recipe : SpeciesSkins())
        if (animal == recipe.animal)
            return recipe;
    throw std::runtime_error("no recipe for " + animal);
}

// Mean brightness of column x over the middle half of the rows (clear of the back and belly).
double MidColumnBrightness(const CRgbImage& skin, int x)
{
    double sum = 0.0;
    for (int y = kSkinHeight / 4; y < 3 * kSkinHeight / 4; ++y)
        sum += Brightness(skin, x, y);
    return sum / (kSkinHeight / 2);
}
} // namespace

TEST(Skins, FifteenRecipesEachPaintingA256By128PictureTheSameWayTwice)
{
    ASSERT_EQ(SpeciesSkins().size(), 15u);
    for (size_t i = 0; i < SpeciesSkins().size(); ++i) {
        const CRgbImage first = PaintSkin(SpeciesSkins()[i], 100 + i);
        EXPECT_EQ(first.Width(), 256);
        EXPECT_EQ(first.Height(), 128);
        EXPECT_TRUE(first.Bytes() == PaintSkin(SpeciesSkins()[i], 100 + i).Bytes()) << SpeciesSkins()[i].animal;
    }
}

TEST(Skins, VerticalBarsLandAsVerticalBandsAtTheirPlaceAlongTheBody)
{
    // The angelfish's black bar at u = 0.62 is dark from back to belly, the silver between bars light.
    const CRgbImage angelfish = PaintSkin(Recipe("angelfish"), 1);
    EXPECT_LT(MidColumnBrightness(angelfish, BodyColumn(0.62f)), 150.0);
    EXPECT_GT(MidColumnBrightness(angelfish, BodyColumn(0.48f)), 450.0);

    // The clownfish's middle band is white with a black edge, on orange.
    const SkinRecipe& clownRecipe = Recipe("clownfish");
    const CRgbImage clownfish = PaintSkin(clownRecipe, 1);
    const Marking* middle = nullptr; // the edged bar nearest mid-body
    for (const Marking& m : clownRecipe.markings) {
        if (m.kind == MarkKind::Bar && m.edgeWidth > 0.0f &&
            (!middle || std::fabs(m.u - 0.5f) < std::fabs(middle->u - 0.5f)))
            middle = &m;
    }
    ASSERT_NE(middle, nullptr);
    const int band = BodyColumn(middle->u - middle->bend); // the band bows forward at mid-height
    const uint8_t* white = clownfish.Pixel(band, kSkinHeight / 2);
    EXPECT_GT(white[0], 220);
    EXPECT_GT(white[1], 220);
    EXPECT_GT(white[2], 220);
    const uint8_t* orange = clownfish.Pixel(BodyColumn(0.35f), kSkinHeight / 2);
    EXPECT_GT(orange[0], 200);
    EXPECT_LT(orange[2], 120);
}

TEST(Skins, TheFinStripCarriesTheFinColoursNotTheBodys)
{
    // The blue tang's tail (top half of the strip) is bright yellow beside a blue body.
    const CRgbImage tang = PaintSkin(Recipe("blue tang"), 1);
    const uint8_t* tail = tang.Pixel(kSkinBodyWidth + 8, kSkinHeight / 4);
    EXPECT_GT(tail[0], 200);
    EXPECT_GT(tail[1], 170);
    EXPECT_LT(tail[2], 100);
    const uint8_t* body = tang.Pixel(kSkinBodyWidth - 4, kSkinHeight * 3 / 4);
    EXPECT_GT(body[2], body[0] + 60);

    // The guppy's tail is red-orange with a blue rim at its outer edge.
    const CRgbImage guppy = PaintSkin(Recipe("guppy"), 1);
    const uint8_t* rim = guppy.Pixel(kSkinWidth - 1, 10);
    EXPECT_GT(rim[2], rim[0] + 60);
    int reddish = 0;
    for (int y = 0; y < kSkinHeight / 2; ++y) {
        const uint8_t* p = guppy.Pixel(kSkinBodyWidth + 6, y);
        reddish += p[0] > 150 && p[0] > p[1] + 40 && p[0] > p[2] + 80;
    }
    EXPECT_GT(reddish, kSkinHeight / 4);
}

TEST(Skins, EyesArePaintedWhereTheRecipeSaysAndOnlyWhereTheAnimalHasThem)
{
    for (const SkinRecipe& recipe : SpeciesSkins()) {
        const CRgbImage skin = PaintSkin(recipe, 1);
        const int x = BodyColumn(recipe.layout.eyeAlong);
        const int y = static_cast<int>(recipe.layout.eyeAround * kSkinHeight);
        if (recipe.eye)
            EXPECT_LT(Brightness(skin, x, y), 40) << recipe.animal << ": the pupil";
        else
            EXPECT_GT(Brightness(skin, x, y), 150) << recipe.animal << ": plain body colour";
    }
}
