#pragma once

#include "pixel_art.h"

#include <cstdint>
#include <span>
#include <vector>

namespace icon {

// One image of an .ico file: a design drawn at 1 bit (black and white) or
// 4 bits (the 16-colour palette) per pixel.
struct IcoImage {
    const PixelArt& art;
    int bitsPerPixel;  // 1 or 4
};

// The bytes of an .ico file holding `images` in the given order: for each, a
// BMP info header, its full palette, the bottom-up colour rows and the AND
// mask that marks transparent pixels.
std::vector<std::uint8_t> encodeIco(std::span<const IcoImage> images);

}  // namespace icon
