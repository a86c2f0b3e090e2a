#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace icon {

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct PaletteEntry {
    char letter;  // how a design file names the colour
    Rgb colour;
};

// The classic 16-colour palette in its usual order, so 4-bit images look the
// same on every display that only has those colours.
inline constexpr std::array<PaletteEntry, 16> palette16{{
    {'k', {0x00, 0x00, 0x00}},  // black
    {'m', {0x80, 0x00, 0x00}},  // maroon
    {'g', {0x00, 0x80, 0x00}},  // green
    {'o', {0x80, 0x80, 0x00}},  // olive
    {'n', {0x00, 0x00, 0x80}},  // navy
    {'p', {0x80, 0x00, 0x80}},  // purple
    {'t', {0x00, 0x80, 0x80}},  // teal
    {'s', {0xC0, 0xC0, 0xC0}},  // silver
    {'d', {0x80, 0x80, 0x80}},  // dark grey
    {'r', {0xFF, 0x00, 0x00}},  // red
    {'l', {0x00, 0xFF, 0x00}},  // lime
    {'y', {0xFF, 0xFF, 0x00}},  // yellow
    {'b', {0x00, 0x00, 0xFF}},  // blue
    {'f', {0xFF, 0x00, 0xFF}},  // fuchsia
    {'a', {0x00, 0xFF, 0xFF}},  // aqua
    {'w', {0xFF, 0xFF, 0xFF}},  // white
}};

inline constexpr std::array<Rgb, 2> palette2{{{0x00, 0x00, 0x00}, {0xFF, 0xFF, 0xFF}}};

inline constexpr char transparentLetter = '.';

// The palette index a design letter names, or nothing for an unknown letter.
constexpr std::optional<std::uint8_t> paletteIndexOf(char letter)
{
    for (std::size_t index = 0; index < palette16.size(); ++index) {
        if (palette16[index].letter == letter)
            return static_cast<std::uint8_t>(index);
    }
    return std::nullopt;
}

// Black or white for a 16-colour index: light colours (by perceived brightness)
// become white so the symbol stays readable on a 2-colour display.
constexpr std::uint8_t monochromeIndexOf(std::uint8_t index16)
{
    const Rgb& c = palette16[index16].colour;
    const int brightness = 299 * c.red + 587 * c.green + 114 * c.blue;  // thousandths
    return brightness >= 128 * 1000 ? 1 : 0;
}

}  // namespace icon
