#pragma once

#include "pixel_art.h"

#include <filesystem>

namespace icon {

// Writes `art` as an RGBA PNG of `size`×`size` pixels, each design pixel
// enlarged to a square block so the drawing stays crisp. `size` must be a
// whole multiple of the design's size. Throws std::runtime_error on failure.
void writePng(const PixelArt& art, int size, const std::filesystem::path& file);

}  // namespace icon
