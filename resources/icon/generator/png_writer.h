#pragma once

#include "pixel_art.h"

#include <QImage>

#include <filesystem>

namespace icon {

// Writes `art` as an RGBA PNG of its own size. Throws std::runtime_error on failure.
void writePng(const PixelArt& art, const std::filesystem::path& file);

// Writes `image` as a PNG. Throws std::runtime_error on failure.
void writePng(const QImage& image, const std::filesystem::path& file);

}  // namespace icon
