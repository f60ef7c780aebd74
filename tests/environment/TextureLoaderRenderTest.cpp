// Offscreen tests of the texture loaders: sizes, formats, colours and row order as GL stores them.
#include "environment/BitmapBuilder.h"
#include "environment/PackedResources.h"
#include "environment/TextureLoader.h"
#include "platform/OffscreenContext.h"
#include "platform/PackedCodec.h"
#include "platform/TempDirectory.h"

#include <gtest/gtest.h>

#include <dirent.h>
#include <malloc.h>
#include <random>

namespace {
struct Level
{
    GLint width = 0;
    GLint height = 0;
    GLint internalFormat = 0;
};

Level BoundLevel(int level = 0)
{
    Level l;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &l.width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_HEIGHT, &l.height);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_INTERNAL_FORMAT, &l.internalFormat);
    return l;
}

// Colour components of a level: GL reports the internal format as it was given, a count or a name.
int Components(const Level& l)
{
    switch (l.internalFormat) {
    case 3:
    case GL_RGB:
        return 3;
    case 4:
    case GL_RGBA:
        return 4;
    default:
        return 0;
    }
}

// Level 0 of the bound texture as RGBA bytes, bottom row first.
std::vector<uint8_t> BoundTexels()
{
    const Level l = BoundLevel();
    std::vector<uint8_t> texels(static_cast<size_t>(l.width) * l.height * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    return texels;
}

GLint BoundParameter(GLenum which)
{
    GLint value = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, which, &value);
    return value;
}

uint32_t Rgba(const std::vector<uint8_t>& texels, int width, int x, int y)
{
    const uint8_t* t = &texels[(static_cast<size_t>(y) * width + x) * 4];
    return static_cast<uint32_t>(t[0]) << 24 | t[1] << 16 | t[2] << 8 | t[3];
}

size_t FilesIn(const std::string& folder)
{
    size_t count = 0;
    if (DIR* listing = opendir(folder.c_str())) {
        while (dirent* entry = readdir(listing))
            count += entry->d_name[0] != '.';
        closedir(listing);
    }
    return count;
}

class TextureLoading : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(context.IsOK());
        ASSERT_FALSE(temp.Path().empty());
    }

    std::string Write(const std::string& name, const std::vector<uint8_t>& bytes)
    {
        const std::string path = temp.Path() + name;
        EXPECT_TRUE(WriteTestFile(path, bytes));
        return path;
    }

    ErrorReport Reporter()
    {
        return [this](const std::string& text, const std::string&) { reports.push_back(text); };
    }

    COffscreenContext context{64, 64};
    std::vector<std::string> reports;
    CTempDirectory temp{Reporter()};
};

// Red grows along x, green along y (y = 0 the bottom row), blue fixed: any swap or flip shows.
uint32_t Gradient(int x, int y)
{
    return static_cast<uint32_t>((x * 3) & 0xFF) << 16 | static_cast<uint32_t>((y * 5) & 0xFF) << 8 | 0x40;
}
} // namespace

TEST_F(TextureLoading, PowerOfTwoPictureGoesUpUnchangedAsBlueGreenRed)
{
    TestBitmap bmp;
    bmp.width = 64;
    bmp.height = 64;
    bmp.pixel = Gradient;
    const std::vector<uint8_t> file = bmp.Build();
    BitmapImage image;
    ASSERT_TRUE(ParseBitmapFile(file.data(), file.size(), image));
    TextureUpload upload;
    EXPECT_FALSE(FitToPowerOfTwo(image, upload));
    EXPECT_EQ(upload.format, static_cast<GLenum>(GL_BGR_EXT));
    EXPECT_EQ(upload.components, 3);
    EXPECT_TRUE(upload.pixels.empty());

    uint32_t name = 0;
    ASSERT_TRUE(LoadTexture(Write("a.bmp", file), name));
    EXPECT_NE(name, 0u);
    const Level l = BoundLevel();
    EXPECT_EQ(l.width, 64);
    EXPECT_EQ(l.height, 64);
    EXPECT_EQ(Components(l), 3);
    EXPECT_EQ(BoundParameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR);
    EXPECT_EQ(BoundParameter(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
    EXPECT_EQ(BoundParameter(GL_TEXTURE_WRAP_S), GL_REPEAT); // the default, untouched

    const std::vector<uint8_t> texels = BoundTexels();
    for (auto [x, y] : {std::pair{0, 0}, {63, 0}, {0, 63}, {17, 42}})
        EXPECT_EQ(Rgba(texels, 64, x, y), Gradient(x, y) << 8 | 0xFF) << x << "," << y;
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(TextureLoading, OtherSizesAreScaledToPowersOfTwo)
{
    GLint driverLimit = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &driverLimit);
    struct Case
    {
        int width, height, expectedWidth, expectedHeight;
    };
    std::vector<Case> cases = {{100, 60, 128, 64}, {64, 3, 64, 4}};
    if (driverLimit >= 1024)
        cases.push_back({1024, 1536, 512, 512});
    for (const Case& c : cases) {
        TestBitmap bmp;
        bmp.width = c.width;
        bmp.height = c.height;
        bmp.pixel = [](int, int) { return 0x336699u; };
        uint32_t name = 0;
        ASSERT_TRUE(LoadTexture(Write("s.bmp", bmp.Build()), name));
        const Level l = BoundLevel();
        EXPECT_EQ(l.width, c.expectedWidth) << c.width << " x " << c.height;
        EXPECT_EQ(l.height, c.expectedHeight) << c.width << " x " << c.height;
        const std::vector<uint8_t> texels = BoundTexels();
        EXPECT_EQ(Rgba(texels, l.width, l.width / 2, l.height / 2), 0x336699FFu);
    }
}

TEST_F(TextureLoading, OnePixelBecomesTwoByTwoInPaddedRows)
{
    TestBitmap bmp;
    bmp.pixel = [](int, int) { return 0x0A141Eu; };
    BitmapImage image;
    const std::vector<uint8_t> file = bmp.Build();
    ASSERT_TRUE(ParseBitmapFile(file.data(), file.size(), image));
    TextureUpload upload;
    ASSERT_TRUE(FitToPowerOfTwo(image, upload));
    EXPECT_EQ(upload.width, 2);
    EXPECT_EQ(upload.height, 2);
    // Two rows of two 3-byte pixels, each padded to 8 bytes: GLU writes and GL reads that many.
    EXPECT_GE(upload.pixels.size(), 16u);

    uint32_t name = 0;
    ASSERT_TRUE(LoadTexture(Write("one.bmp", file), name));
    const std::vector<uint8_t> texels = BoundTexels();
    ASSERT_EQ(texels.size(), 16u);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(Rgba(texels, 2, i % 2, i / 2), 0x0A141EFFu) << "texel " << i;
}

TEST_F(TextureLoading, EightBitPictureGoesThroughAFullPalette)
{
    TestBitmap bmp;
    bmp.bitCount = 8;
    bmp.width = 64;
    bmp.height = 64;
    for (int i = 0; i < 256; ++i)
        bmp.palette.insert(bmp.palette.end(), {static_cast<uint8_t>(255 - i), 0x80, static_cast<uint8_t>(i), 0});
    bmp.coloursUsed = 0;
    bmp.pixel = [](int x, int y) { return static_cast<uint32_t>(x + y * 3); };
    BitmapImage image;
    const std::vector<uint8_t> file = bmp.Build();
    ASSERT_TRUE(ParseBitmapFile(file.data(), file.size(), image));
    EXPECT_EQ(image.paletteEntries, 256);
    TextureUpload upload;
    EXPECT_TRUE(FitToPowerOfTwo(image, upload));
    EXPECT_EQ(upload.format, static_cast<GLenum>(GL_BGR_EXT));
    EXPECT_EQ(upload.width, 64);
    EXPECT_EQ(upload.height, 64);

    uint32_t name = 0;
    ASSERT_TRUE(LoadTexture(Write("p.bmp", file), name));
    EXPECT_EQ(Components(BoundLevel()), 3);
    const std::vector<uint8_t> texels = BoundTexels();
    for (auto [x, y] : {std::pair{0, 0}, {10, 20}, {63, 63}}) {
        const uint32_t i = static_cast<uint32_t>(x + y * 3) & 0xFF;
        EXPECT_EQ(Rgba(texels, 64, x, y), i << 24 | 0x80u << 16 | (255 - i) << 8 | 0xFF) << x << "," << y;
    }
}

TEST_F(TextureLoading, ThirtyTwoBitPictureKeepsItsAlpha)
{
    TestBitmap bmp;
    bmp.bitCount = 32;
    bmp.width = 16;
    bmp.height = 8;
    bmp.pixel = [](int x, int) { return x < 8 ? 0x80112233u : 0xFF445566u; };
    uint32_t name = 0;
    ASSERT_TRUE(LoadTexture(Write("alpha.bmp", bmp.Build()), name));
    EXPECT_EQ(Components(BoundLevel()), 4);
    const std::vector<uint8_t> texels = BoundTexels();
    EXPECT_EQ(Rgba(texels, 16, 0, 0), 0x11223380u);
    EXPECT_EQ(Rgba(texels, 16, 15, 7), 0x445566FFu);

    bmp.width = 12; // scaled to 16: still BGRA with four components
    bmp.pixel = [](int, int) { return 0x80112233u; };
    ASSERT_TRUE(LoadTexture(Write("alpha.bmp", bmp.Build()), name));
    EXPECT_EQ(BoundLevel().width, 16);
    EXPECT_EQ(Components(BoundLevel()), 4);
    EXPECT_EQ(Rgba(BoundTexels(), 16, 0, 0), 0x11223380u);
}

TEST_F(TextureLoading, LoadsIgnoreAndKeepTheCallersPixelStore)
{
    // One colour per row, so widening the rows keeps every texel exact; rows of 15 bytes are
    // stored padded to 16, which only an alignment of 4 and no row length reads right.
    auto rowColour = [](int, int y) { return 0x400010u | static_cast<uint32_t>(y * 50) << 8; };
    TestBitmap bmp;
    bmp.width = 5;
    bmp.height = 4;
    bmp.pixel = rowColour;
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 7);
    glPixelStorei(GL_PACK_ALIGNMENT, 8);
    uint32_t name = 0;
    ASSERT_TRUE(LoadTexture(Write("rows.bmp", bmp.Build()), name));

    GLint unpackAlignment = 0, rowLength = 0, packAlignment = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &unpackAlignment);
    glGetIntegerv(GL_UNPACK_ROW_LENGTH, &rowLength);
    glGetIntegerv(GL_PACK_ALIGNMENT, &packAlignment);
    EXPECT_EQ(unpackAlignment, 1);
    EXPECT_EQ(rowLength, 7);
    EXPECT_EQ(packAlignment, 8);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);

    ASSERT_EQ(BoundLevel().width, 8);
    const std::vector<uint8_t> texels = BoundTexels();
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(Rgba(texels, 8, x, y), rowColour(x, y) << 8 | 0xFF) << x << "," << y;
    }
}

TEST_F(TextureLoading, UnreadablePicturesLeaveANameWithoutImageOrFilters)
{
    TestBitmap bmp;
    bmp.width = 8;
    bmp.height = 8;
    std::vector<uint8_t> truncated = bmp.Build();
    truncated.resize(truncated.size() - 10);
    for (const std::string& path : {temp.Path() + "absent.bmp", Write("cut.bmp", truncated)}) {
        uint32_t name = 0;
        EXPECT_FALSE(LoadTexture(path, name));
        EXPECT_NE(name, 0u);
        EXPECT_EQ(BoundLevel().width, 0);
        EXPECT_EQ(BoundParameter(GL_TEXTURE_MIN_FILTER), GL_NEAREST_MIPMAP_LINEAR); // the default

        uint32_t mipmapped = 0;
        EXPECT_FALSE(LoadMipmappedTexture(path, mipmapped));
        EXPECT_NE(mipmapped, 0u);
        EXPECT_NE(mipmapped, name);
        EXPECT_EQ(BoundLevel().width, 0);
    }
}

TEST_F(TextureLoading, MipmappedPictureHasTransparentBlackOnly)
{
    TestBitmap bmp;
    bmp.width = 4;
    bmp.height = 4;
    bmp.pixel = [](int x, int y) { return y >= 2 ? 0x000001u : x < 2 ? 0x000000u : 0xC08040u; };
    std::vector<uint8_t> file = bmp.Build();
    TestBitmap::Put(file, 34, 0, 4); // image size 0, legal for an uncompressed picture
    uint32_t name = 0;
    ASSERT_TRUE(LoadMipmappedTexture(Write("BackGround0.bmp", file), name));
    const Level l = BoundLevel();
    EXPECT_EQ(l.width, 4);
    EXPECT_EQ(Components(l), 4);
    EXPECT_EQ(BoundLevel(2).width, 1); // mipmaps down to 1 x 1
    const std::vector<uint8_t> texels = BoundTexels();
    EXPECT_EQ(Rgba(texels, 4, 0, 0), 0x00000000u); // black: transparent
    EXPECT_EQ(Rgba(texels, 4, 3, 0), 0xC08040FFu); // red, green, blue in that order
    EXPECT_EQ(Rgba(texels, 4, 0, 3), 0x000001FFu); // (0, 0, 1): opaque
    EXPECT_EQ(BoundParameter(GL_TEXTURE_WRAP_S), GL_REPEAT);
    EXPECT_EQ(BoundParameter(GL_TEXTURE_WRAP_T), GL_REPEAT);
    EXPECT_EQ(BoundParameter(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
    EXPECT_EQ(BoundParameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_NEAREST);
}

// Never drawn (the backdrop picture in the plant scene), the chain is stored once, not level 0 twice.
TEST_F(TextureLoading, MipmappedPictureIsStoredOnceWhileNeverDrawn)
{
    TestBitmap bmp;
    bmp.width = bmp.height = 512;
    const std::string path = Write("BackGround0.bmp", bmp.Build());
    const auto allocated = [] { return mallinfo2().uordblks + mallinfo2().hblkhd; }; // mapped blocks too
    const size_t before = allocated();
    uint32_t name = 0;
    ASSERT_TRUE(LoadMipmappedTexture(path, name));
    EXPECT_LT(allocated() - before, 1.5 * 512 * 512 * 4 * 4 / 3); // RGBA, every level
}

TEST_F(TextureLoading, BlankTextureIsZeroedRgba)
{
    const uint32_t name = CreateBlankTexture();
    EXPECT_NE(name, 0u);
    const Level l = BoundLevel();
    EXPECT_EQ(l.width, 128);
    EXPECT_EQ(l.height, 128);
    EXPECT_EQ(Components(l), 4);
    EXPECT_EQ(BoundParameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR);
    const std::vector<uint8_t> texels = BoundTexels();
    EXPECT_EQ(std::count(texels.begin(), texels.end(), 0), static_cast<long>(texels.size()));
}

TEST_F(TextureLoading, PackedPictureIsUnpackedLoadedAndItsFilesDeleted)
{
    TestBitmap bmp;
    bmp.width = 32;
    bmp.height = 16;
    bmp.pixel = Gradient;
    std::vector<uint8_t> packed = bmp.Build();
    EncodePackedBytes(packed.data(), packed.size(), 0);
    std::vector<uint8_t> corrupt(packed.begin(), packed.begin() + 60); // a header and no rows
    const PackedResource entries[] = {{kPackedResourceType, 10007, packed.data(), packed.size()},
                                      {kPackedResourceType, 10008, corrupt.data(), corrupt.size()}};
    const CResourceTable table(entries, 2);

    uint32_t name = 0;
    EXPECT_TRUE(LoadPackedPicture(temp.Path(), 10007, "fish7", TextureLoaderKind::Plain, name, Reporter(), table));
    EXPECT_EQ(BoundLevel().width, 32);
    EXPECT_EQ(Rgba(BoundTexels(), 32, 5, 9), Gradient(5, 9) << 8 | 0xFF);
    EXPECT_EQ(FilesIn(temp.Path()), 0u);
    EXPECT_TRUE(reports.empty());

    // Not in the table: a name without an image, quietly.
    uint32_t missing = 0;
    EXPECT_FALSE(LoadPackedPicture(temp.Path(), 10009, "fish9", TextureLoaderKind::Plain, missing, Reporter(), table));
    EXPECT_NE(missing, 0u);
    EXPECT_EQ(BoundLevel().width, 0);
    EXPECT_TRUE(reports.empty());

    // In the table but not a picture: reported once.
    uint32_t broken = 0;
    EXPECT_FALSE(
        LoadPackedPicture(temp.Path(), 10008, "fish8", TextureLoaderKind::Mipmapped, broken, Reporter(), table));
    EXPECT_EQ(reports.size(), 1u);
    EXPECT_EQ(FilesIn(temp.Path()), 0u);
}

TEST_F(TextureLoading, MutatedPicturesLoadOrFailCleanly)
{
    std::mt19937 random(3);
    TestBitmap bmp;
    bmp.width = 6;
    bmp.height = 5;
    bmp.pixel = Gradient;
    const std::vector<uint8_t> seed = bmp.Build();
    for (int round = 0; round < 300; ++round) {
        std::vector<uint8_t> file = seed;
        switch (round % 3) {
        case 0:
            TestBitmap::Put(file, 18 + 4 * (random() % 2), random() % 12, 4); // width or height
            break;
        case 1:
            TestBitmap::Put(file, 28, random() % 2 ? 8 : 32, 2); // bit count
            break;
        default:
            file.resize(random() % file.size());
            break;
        }
        const std::string path = Write("m.bmp", file);
        uint32_t names[2] = {};
        if (LoadTexture(path, names[0])) {
            EXPECT_GT(BoundLevel().width, 0) << "round " << round;
        }
        if (LoadMipmappedTexture(path, names[1])) {
            EXPECT_GT(BoundLevel().width, 0) << "round " << round;
        }
        glDeleteTextures(2, names);
        ASSERT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << "round " << round;
    }
}
