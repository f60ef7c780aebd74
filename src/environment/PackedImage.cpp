// PackedImage.cpp -- one packed BMP to a top-down RGBA image.
#include "environment/PackedImage.h"

#include "environment/BitmapFile.h"
#include "platform/PackedCodec.h"

bool LoadPackedImage(const CResourceTable& table, const char* type, int id, int maxSide, PackedImage& out)
{
    out = PackedImage();
    const PackedResource* resource = table.Find(type, id);
    if (resource == nullptr)
        return false;

    // Unscrambled in a copy: the linked bytes are read-only.
    std::vector<uint8_t> bytes(resource->bytes, resource->bytes + resource->size);
    DecodePackedBytes(bytes.data(), bytes.size(), 0);
    BitmapImage bitmap;
    if (!ParseBitmapFile(bytes.data(), bytes.size(), bitmap) || (bitmap.bitCount != 24 && bitmap.bitCount != 32) ||
        bitmap.width > maxSide || bitmap.height > maxSide)
        return false;

    // Stored blue, green, red (and alpha), bottom row first; 24-bit rows are padded to 4 bytes.
    const int inBytes = bitmap.bitCount / 8;
    const size_t inStride = BitmapRowStride(bitmap.bitCount, bitmap.width);
    const size_t outStride = static_cast<size_t>(bitmap.width) * 4;
    out.rgba.resize(outStride * static_cast<size_t>(bitmap.height));
    for (int y = 0; y < bitmap.height; ++y) {
        const uint8_t* in = bitmap.Bits() + inStride * static_cast<size_t>(bitmap.height - 1 - y);
        uint8_t* pixel = out.rgba.data() + outStride * static_cast<size_t>(y);
        for (int x = 0; x < bitmap.width; ++x, in += inBytes, pixel += 4) {
            pixel[0] = in[2];
            pixel[1] = in[1];
            pixel[2] = in[0];
            pixel[3] = inBytes == 4 ? in[3] : 255;
        }
    }
    out.width = bitmap.width;
    out.height = bitmap.height;
    out.hasAlpha = inBytes == 4;
    return true;
}
