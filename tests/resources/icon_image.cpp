#include "icon_image.h"

namespace resource_files {
namespace {

std::size_t rowStride(int width, int bitsPerPixel)
{
    return static_cast<std::size_t>((width * bitsPerPixel + 31) / 32 * 4);
}

unsigned bitsAt(std::span<const std::uint8_t> row, int x, int bitsPerPixel)
{
    const int perByte = 8 / bitsPerPixel;
    const int shift = 8 - bitsPerPixel * (x % perByte + 1);
    return (row[static_cast<std::size_t>(x / perByte)] >> shift) & ((1u << bitsPerPixel) - 1);
}

}  // namespace

IconImage decodeIconImage(std::span<const std::uint8_t> bmp)
{
    ByteReader in(bmp);
    const std::uint32_t headerSize = in.u32();
    IconImage image;
    image.width = in.i32();
    const std::int32_t doubledHeight = in.i32();
    const std::uint16_t planes = in.u16();
    image.bitsPerPixel = in.u16();
    const std::uint32_t compression = in.u32();
    in.u32();  // image size, may be 0
    in.u32();
    in.u32();
    const std::uint32_t coloursUsed = in.u32();
    if (headerSize != 40 || planes != 1 || compression != 0)
        throw FormatError("not an uncompressed BMP info header");
    if (image.width <= 0 || image.width > 256 || doubledHeight != 2 * image.width)
        throw FormatError("not a square icon image with its mask");
    if (image.bitsPerPixel != 1 && image.bitsPerPixel != 4 && image.bitsPerPixel != 8)
        throw FormatError("not a palette image");
    image.height = image.width;
    const std::uint32_t paletteSize = coloursUsed != 0 ? coloursUsed : 1u << image.bitsPerPixel;
    in.seek(headerSize);
    for (std::uint32_t i = 0; i < paletteSize; ++i) {
        const std::uint32_t quad = in.u32();  // blue, green, red, reserved
        image.palette.push_back(quad & 0xFFFFFFu);
    }
    const std::size_t colourStride = rowStride(image.width, image.bitsPerPixel);
    const std::size_t maskStride = rowStride(image.width, 1);
    const auto colourBits = in.bytes(colourStride * static_cast<std::size_t>(image.height));
    const auto maskBits = in.bytes(maskStride * static_cast<std::size_t>(image.height));
    if (in.position() != bmp.size())
        throw FormatError("bytes after the mask");
    image.pixels.resize(static_cast<std::size_t>(image.width * image.height));
    for (int y = 0; y < image.height; ++y) {
        const auto bottomUp = static_cast<std::size_t>(image.height - 1 - y);
        const auto colourRow = colourBits.subspan(bottomUp * colourStride, colourStride);
        const auto maskRow = maskBits.subspan(bottomUp * maskStride, maskStride);
        for (int x = 0; x < image.width; ++x) {
            if (bitsAt(maskRow, x, 1) != 0)
                continue;
            const unsigned index = bitsAt(colourRow, x, image.bitsPerPixel);
            if (index >= image.palette.size())
                throw FormatError("colour index beyond the palette");
            image.pixels[static_cast<std::size_t>(y * image.width + x)] = image.palette[index];
        }
    }
    return image;
}

std::vector<IcoEntry> readIcoFile(std::span<const std::uint8_t> ico)
{
    ByteReader in(ico);
    if (in.u16() != 0 || in.u16() != 1)
        throw FormatError("not an icon file");
    const std::uint16_t count = in.u16();
    std::vector<IcoEntry> entries;
    for (std::uint16_t i = 0; i < count; ++i) {
        IcoEntry entry;
        entry.width = in.u8();
        entry.height = in.u8();
        entry.colourCount = in.u8();
        in.u8();
        entry.planes = in.u16();
        entry.bitCount = in.u16();
        const std::uint32_t size = in.u32();
        const std::uint32_t offset = in.u32();
        const auto image = ByteReader(ico, offset).bytes(size);
        entry.imageBytes.assign(image.begin(), image.end());
        entries.push_back(std::move(entry));
    }
    return entries;
}

}  // namespace resource_files
