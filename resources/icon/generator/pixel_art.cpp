#include "pixel_art.h"

#include "palette.h"

#include <string>

namespace icon {

PixelArt readPixelArt(std::istream& design, int expectedSize)
{
    PixelArt art{expectedSize, {}};
    std::string line;
    int lineNumber = 0;
    int rows = 0;
    while (std::getline(design, line)) {
        ++lineNumber;
        if (line.starts_with('#'))
            continue;
        const std::string where = "line " + std::to_string(lineNumber) + ": ";
        if (rows == expectedSize)
            throw DesignError(where + "more than " + std::to_string(expectedSize) + " rows");
        if (std::ssize(line) != expectedSize)
            throw DesignError(where + "row is not " + std::to_string(expectedSize) + " pixels wide");
        for (const char letter : line) {
            if (letter == transparentLetter) {
                art.pixels.emplace_back();
            } else if (const auto index = paletteIndexOf(letter)) {
                art.pixels.emplace_back(*index);
            } else {
                throw DesignError(where + "unknown colour letter '" + std::string(1, letter) + "'");
            }
        }
        ++rows;
    }
    if (rows != expectedSize)
        throw DesignError("only " + std::to_string(rows) + " of " + std::to_string(expectedSize) + " rows");
    return art;
}

}  // namespace icon
