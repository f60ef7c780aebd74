// The scene's textures after set-up: every species and plant picture of the art, at its fitted size.
#include "environment/BitmapFile.h"
#include "environment/TextureLoader.h"
#include "platform/OffscreenContext.h"
#include "view/AquariumScene.h"

#include <gtest/gtest.h>

#include <dirent.h>

namespace {
struct Size
{
    int width = 0;
    int height = 0;
};

Size TextureSize(uint32_t name)
{
    Size size;
    glBindTexture(GL_TEXTURE_2D, name);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &size.width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &size.height);
    return size;
}

// The size LoadTexture gives the raw art picture of this base name; 0 x 0 when the build made none.
Size ExpectedSize(const std::string& baseName)
{
    Size size;
#ifdef KELPORA_ART_DIR
    BitmapImage image;
    if (!ReadBitmapFile(KELPORA_ART_DIR + baseName + ".bmp", image))
        return size;
    GLint driverLimit = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &driverLimit);
    const int limit = std::min<int>(driverLimit, kMaxPlainTextureSize);
    size.width = PowerOfTwoTarget(image.width, limit);
    size.height = PowerOfTwoTarget(image.height, limit);
#else
    (void)baseName;
#endif
    return size;
}

std::vector<std::string> FilesIn(const std::string& folder)
{
    std::vector<std::string> names;
    if (DIR* listing = opendir(folder.c_str())) {
        while (dirent* entry = readdir(listing)) {
            if (entry->d_name[0] != '.')
                names.push_back(entry->d_name);
        }
        closedir(listing);
    }
    return names;
}

class SceneTextures : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(context.IsOK());
        scene.Initialise(320, 180);
    }

    COffscreenContext context{320, 180};
    std::vector<std::string> reports;
    CAquariumScene scene{[this](const std::string& text, const std::string&) { reports.push_back(text); }};
};
} // namespace

TEST_F(SceneTextures, EverySlotHasANameAndNoTemporaryFileRemains)
{
    EXPECT_NE(scene.BackdropPictureTexture(), 0u);
    for (int s = 0; s < kSpeciesCount; ++s)
        EXPECT_NE(scene.SpeciesTexture(s), 0u) << "species " << s;
    for (int slot : {0, 1, 3, 4, 5})
        EXPECT_NE(scene.PlantTexture(slot), 0u) << "plant " << slot;
    EXPECT_EQ(scene.PlantTexture(2), 0u);
    EXPECT_TRUE(FilesIn(scene.TempDirectory()).empty()) << FilesIn(scene.TempDirectory()).front();
    for (const std::string& text : reports)
        EXPECT_EQ(text.find("picture"), std::string::npos) << text;
}

TEST_F(SceneTextures, SpeciesAndPlantTexturesHaveTheSizesOfTheArt)
{
#ifndef KELPORA_ART_DIR
    GTEST_SKIP() << "this build has no art generator, so no pictures to compare with";
#endif
    int loaded = 0;
    for (int s = 0; s < kSpeciesCount; ++s) {
        const std::string baseName = "fish" + std::to_string(s);
        const Size expected = ExpectedSize(baseName);
        const Size actual = TextureSize(scene.SpeciesTexture(s));
        EXPECT_EQ(actual.width, expected.width) << baseName;
        EXPECT_EQ(actual.height, expected.height) << baseName;
        loaded += actual.width > 0;
    }
    for (int slot : {0, 1, 3, 4, 5}) {
        const std::string baseName = "cao" + std::to_string(slot);
        const Size expected = ExpectedSize(baseName);
        const Size actual = TextureSize(scene.PlantTexture(slot));
        EXPECT_EQ(actual.width, expected.width) << baseName;
        EXPECT_EQ(actual.height, expected.height) << baseName;
        loaded += actual.width > 0;
    }
    EXPECT_EQ(loaded, kSpeciesCount + 5) << "some pictures of the art were not generated";

    const Size backdrop = TextureSize(scene.BackdropPictureTexture());
    EXPECT_EQ(backdrop.width > 0, ExpectedSize("BackGround0").width > 0);
}
