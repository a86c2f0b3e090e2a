#include "ico_writer.h"

#include "palette.h"

#include <stdexcept>

namespace icon {
namespace {

constexpr std::uint32_t infoHeaderSize = 40;
constexpr std::uint32_t directoryHeaderSize = 6;
constexpr std::uint32_t directoryEntrySize = 16;

class ByteWriter {
public:
    explicit ByteWriter(std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}

    void u8(std::uint32_t value) { bytes_.push_back(static_cast<std::uint8_t>(value & 0xFFu)); }
    void u16(std::uint32_t value)
    {
        u8(value);
        u8(value >> 8);
    }
    void u32(std::uint32_t value)
    {
        u16(value & 0xFFFFu);
        u16(value >> 16);
    }
    void rgbQuad(const Rgb& colour)  // BMP palettes store blue first
    {
        u8(colour.blue);
        u8(colour.green);
        u8(colour.red);
        u8(0);
    }

private:
    std::vector<std::uint8_t>& bytes_;
};

// Rows of a BMP are padded to whole 32-bit words.
std::uint32_t rowStride(int width, int bitsPerPixel)
{
    return static_cast<std::uint32_t>((width * bitsPerPixel + 31) / 32 * 4);
}

std::uint32_t paletteSize(int bitsPerPixel)
{
    return 1u << bitsPerPixel;
}

std::uint32_t imageSize(const IcoImage& image)
{
    const auto size = static_cast<std::uint32_t>(image.art.size);
    return infoHeaderSize + paletteSize(image.bitsPerPixel) * 4 + size * rowStride(image.art.size, image.bitsPerPixel) +
           size * rowStride(image.art.size, 1);
}

std::uint8_t colourIndex(const IcoImage& image, int x, int y)
{
    const auto& pixel = image.art.at(x, y);
    if (!pixel)
        return 0;  // hidden by the mask; index 0 keeps the colour bits black
    return image.bitsPerPixel == 1 ? monochromeIndexOf(*pixel) : *pixel;
}

void writeBits(std::vector<std::uint8_t>& bytes, int width, int bitsPerPixel, auto valueAt)
{
    const std::uint32_t stride = rowStride(width, bitsPerPixel);
    const int perByte = 8 / bitsPerPixel;
    std::vector<std::uint8_t> row(stride);
    for (int x = 0; x < width; ++x) {
        const int shift = 8 - bitsPerPixel * (x % perByte + 1);
        row[static_cast<std::size_t>(x / perByte)] |= static_cast<std::uint8_t>(valueAt(x) << shift);
    }
    bytes.insert(bytes.end(), row.begin(), row.end());
}

void writeImage(std::vector<std::uint8_t>& bytes, const IcoImage& image)
{
    ByteWriter out(bytes);
    const int size = image.art.size;
    const auto colourBytes = static_cast<std::uint32_t>(size) * rowStride(size, image.bitsPerPixel);
    const auto maskBytes = static_cast<std::uint32_t>(size) * rowStride(size, 1);
    out.u32(infoHeaderSize);
    out.u32(static_cast<std::uint32_t>(size));
    out.u32(static_cast<std::uint32_t>(2 * size));  // colour rows and mask rows together
    out.u16(1);                                     // planes
    out.u16(static_cast<std::uint32_t>(image.bitsPerPixel));
    out.u32(0);  // uncompressed
    out.u32(colourBytes + maskBytes);
    out.u32(0);
    out.u32(0);
    out.u32(0);  // every palette entry is used
    out.u32(0);
    if (image.bitsPerPixel == 1) {
        for (const Rgb& colour : palette2)
            out.rgbQuad(colour);
    } else {
        for (const PaletteEntry& entry : palette16)
            out.rgbQuad(entry.colour);
    }
    for (int y = size - 1; y >= 0; --y)
        writeBits(bytes, size, image.bitsPerPixel, [&](int x) { return colourIndex(image, x, y); });
    for (int y = size - 1; y >= 0; --y)
        writeBits(bytes, size, 1, [&](int x) { return image.art.at(x, y) ? 0 : 1; });
}

}  // namespace

std::vector<std::uint8_t> encodeIco(std::span<const IcoImage> images)
{
    for (const IcoImage& image : images) {
        if (image.bitsPerPixel != 1 && image.bitsPerPixel != 4)
            throw std::invalid_argument("an icon image has 1 or 4 bits per pixel");
        if (image.art.size < 1 || image.art.size > 255)
            throw std::invalid_argument("an icon image is 1 to 255 pixels wide");
    }
    std::vector<std::uint8_t> bytes;
    ByteWriter out(bytes);
    out.u16(0);  // reserved
    out.u16(1);  // icon, not cursor
    out.u16(static_cast<std::uint32_t>(images.size()));
    auto offset = directoryHeaderSize + directoryEntrySize * static_cast<std::uint32_t>(images.size());
    for (const IcoImage& image : images) {
        out.u8(static_cast<std::uint32_t>(image.art.size));
        out.u8(static_cast<std::uint32_t>(image.art.size));
        out.u8(paletteSize(image.bitsPerPixel));
        out.u8(0);   // reserved
        out.u16(1);  // planes
        out.u16(static_cast<std::uint32_t>(image.bitsPerPixel));
        out.u32(imageSize(image));
        out.u32(offset);
        offset += imageSize(image);
    }
    for (const IcoImage& image : images)
        writeImage(bytes, image);
    return bytes;
}

}  // namespace icon
