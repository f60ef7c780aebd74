// TextureLoader.cpp -- uploading BMP pictures: power-of-two fitting, mipmaps, the blank texture.
#include "environment/TextureLoader.h"

#include "platform/UnpackedFiles.h"

namespace {
constexpr int kBlankTextureSize = 128;

// Pixel rows here are padded to 4 bytes, as BMP stores them; pin the pixel-store state to that
// for the duration of a load and give the caller's back afterwards.
class CTightPixelStore
{
public:
    CTightPixelStore()
    {
        glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
        for (GLenum alignment : {GL_UNPACK_ALIGNMENT, GL_PACK_ALIGNMENT})
            glPixelStorei(alignment, 4);
        for (GLenum zero : {GL_UNPACK_ROW_LENGTH, GL_UNPACK_SKIP_ROWS, GL_UNPACK_SKIP_PIXELS, GL_PACK_ROW_LENGTH,
                            GL_PACK_SKIP_ROWS, GL_PACK_SKIP_PIXELS})
            glPixelStorei(zero, 0);
    }
    ~CTightPixelStore() { glPopClientAttrib(); }

    CTightPixelStore(const CTightPixelStore&) = delete;
    CTightPixelStore& operator=(const CTightPixelStore&) = delete;
};

GLuint GenerateAndBind()
{
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    return name;
}
} // namespace

bool FitToPowerOfTwo(const BitmapImage& image, TextureUpload& upload)
{
    GLint driverLimit = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &driverLimit);
    const int limit = driverLimit > kMaxPlainTextureSize ? kMaxPlainTextureSize : driverLimit;
    const int width = PowerOfTwoTarget(image.width, limit);
    const int height = PowerOfTwoTarget(image.height, limit);

    const bool withAlpha = image.bitCount == 32;
    upload.format = withAlpha ? GL_BGRA_EXT : GL_BGR_EXT;
    upload.components = withAlpha ? 4 : 3;
    upload.pixels.clear();
    if (width == image.width && height == image.height && image.bitCount != 8) {
        upload.width = image.width;
        upload.height = image.height;
        return false;
    }

    std::vector<uint8_t> expanded;
    const uint8_t* source = image.Bits();
    if (image.bitCount == 8) {
        expanded = ExpandPaletteTo24Bit(image);
        source = expanded.data();
    }
    // gluScaleImage writes rows padded to the pack alignment of 4: a row of two 3-byte pixels
    // takes 8 bytes, so the block is sized by padded rows, not by pixels alone.
    const size_t targetStride = BitmapRowStride(8 * upload.components, width);
    upload.pixels.assign(targetStride * static_cast<size_t>(height), 0);
    // The format only tells GLU the component count; the bytes keep their blue-green-red order.
    const GLenum scaleFormat = withAlpha ? GL_BGRA_EXT : GL_RGB;
    CTightPixelStore pixelStore;
    gluScaleImage(scaleFormat, image.width, image.height, GL_UNSIGNED_BYTE, source, width, height, GL_UNSIGNED_BYTE,
                  upload.pixels.data());
    upload.width = width;
    upload.height = height;
    return true;
}

bool LoadTexture(const std::string& path, uint32_t& name)
{
    name = GenerateAndBind();
    BitmapImage image;
    if (!ReadBitmapFile(path, image))
        return false;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);

    CTightPixelStore pixelStore;
    TextureUpload upload;
    const bool converted = FitToPowerOfTwo(image, upload);
    glTexImage2D(GL_TEXTURE_2D, 0, upload.components, upload.width, upload.height, 0, upload.format, GL_UNSIGNED_BYTE,
                 converted ? upload.pixels.data() : image.Bits());
    return true;
}

bool LoadMipmappedTexture(const std::string& path, uint32_t& name)
{
    name = GenerateAndBind();
    std::vector<uint8_t> bytes;
    RgbaPicture picture;
    if (!ReadPrivateFile(path, bytes) || !DecodeBitmapToRgba(bytes.data(), bytes.size(), picture))
        return false;

    // The mipmap filter goes on before the levels go up. Under the default filter Mesa guesses
    // that no mipmaps will follow level 0 and gives it a block of its own; the levels after it
    // then get a second block holding the whole chain, and level 0 is copied over only when the
    // texture is first drawn. The plant scene never draws the backdrop picture, so that first
    // block (4 MB for the 1024 x 1024 picture) would stay for the whole run.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    CTightPixelStore pixelStore;
    gluBuild2DMipmaps(GL_TEXTURE_2D, 4, picture.width, picture.height, GL_RGBA, GL_UNSIGNED_BYTE,
                      picture.pixels.data());
    return true;
}

uint32_t CreateBlankTexture()
{
    const std::vector<uint8_t> zeros(static_cast<size_t>(kBlankTextureSize) * kBlankTextureSize * 4, 0);
    const GLuint name = GenerateAndBind();
    glTexImage2D(GL_TEXTURE_2D, 0, 4, kBlankTextureSize, kBlankTextureSize, 0, GL_RGBA, GL_UNSIGNED_BYTE, zeros.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    return name;
}
