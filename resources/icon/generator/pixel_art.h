#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <stdexcept>
#include <vector>

namespace icon {

// A square picture of palette indices; an empty optional is a transparent pixel.
struct PixelArt {
    int size = 0;
    std::vector<std::optional<std::uint8_t>> pixels;  // row by row, top row first

    const std::optional<std::uint8_t>& at(int x, int y) const { return pixels[static_cast<std::size_t>(y * size + x)]; }
};

class DesignError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads a design: lines starting with '#' are comments; every other line is
// one row of pixels, one palette letter (or '.') each. Throws DesignError,
// naming the line, unless the rows form a square of `expectedSize` pixels.
PixelArt readPixelArt(std::istream& design, int expectedSize);

}  // namespace icon
