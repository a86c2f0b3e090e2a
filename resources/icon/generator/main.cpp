// Makes the program's icon: tarvo.ico with the 32×32 2-colour, 32×32
// 16-colour and 16×16 16-colour images of its pixel designs, and PNGs for
// desktop themes (the two designs at their sizes, and the same picture drawn
// smooth at 64, 128, 192, 256 and 512 pixels).
//
// Usage: tarvo_icon_generator DESIGN_16 DESIGN_32 OUTPUT_DIRECTORY

#include "ico_writer.h"
#include "pixel_art.h"
#include "png_writer.h"
#include "vector_icon.h"

#include <array>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

icon::PixelArt readDesign(const std::filesystem::path& file, int size)
{
    std::ifstream design(file);
    if (!design)
        throw std::runtime_error("cannot read " + file.string());
    try {
        return icon::readPixelArt(design, size);
    } catch (const icon::DesignError& error) {
        throw std::runtime_error(file.string() + ": " + error.what());
    }
}

void writeFile(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fputs("usage: tarvo_icon_generator DESIGN_16 DESIGN_32 OUTPUT_DIRECTORY\n", stderr);
        return 2;
    }
    try {
        const icon::PixelArt small = readDesign(argv[1], 16);
        const icon::PixelArt large = readDesign(argv[2], 32);
        const std::filesystem::path output = argv[3];
        std::filesystem::create_directories(output);

        const std::array<icon::IcoImage, 3> images{{{large, 1}, {large, 4}, {small, 4}}};
        writeFile(output / "tarvo.ico", icon::encodeIco(images));

        icon::writePng(small, output / "tarvo-16.png");
        icon::writePng(large, output / "tarvo-32.png");
        for (const int size : {64, 128, 192, 256, 512})
            icon::writePng(icon::drawVectorIcon(size), output / ("tarvo-" + std::to_string(size) + ".png"));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "tarvo_icon_generator: %s\n", error.what());
        return 1;
    }
    return 0;
}
