#pragma once

#include "byte_reader.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace resource_files {

// An icon image decoded from its BMP form (info header, palette, colour bits,
// AND mask): what a reader of .ico files and icon resources sees.
struct IconImage {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    std::vector<std::uint32_t> palette;                // 0xRRGGBB
    std::vector<std::optional<std::uint32_t>> pixels;  // top row first; empty = transparent

    const std::optional<std::uint32_t>& at(int x, int y) const
    {
        return pixels[static_cast<std::size_t>(y * width + x)];
    }
};

// Decodes an uncompressed 1-, 4- or 8-bit image; throws FormatError otherwise
// or when the sizes in the header do not match the bytes.
IconImage decodeIconImage(std::span<const std::uint8_t> bmp);

// An entry of an .ico directory (or of an icon group) and the image it points to.
struct IcoEntry {
    int width = 0;  // 0 in the file means 256
    int height = 0;
    int colourCount = 0;
    int planes = 0;
    int bitCount = 0;
    std::vector<std::uint8_t> imageBytes;
};

// Reads an .ico file's directory and the bytes of every image; throws FormatError.
std::vector<IcoEntry> readIcoFile(std::span<const std::uint8_t> ico);

}  // namespace resource_files
