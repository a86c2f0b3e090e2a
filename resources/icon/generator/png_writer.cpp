#include "png_writer.h"

#include "palette.h"

#include <QString>

#include <stdexcept>

namespace icon {

void writePng(const PixelArt& art, const std::filesystem::path& file)
{
    QImage image(art.size, art.size, QImage::Format_ARGB32);
    for (int y = 0; y < art.size; ++y) {
        for (int x = 0; x < art.size; ++x) {
            const auto& pixel = art.at(x, y);
            if (!pixel) {
                image.setPixel(x, y, qRgba(0, 0, 0, 0));
                continue;
            }
            const Rgb& c = palette16[*pixel].colour;
            image.setPixel(x, y, qRgb(c.red, c.green, c.blue));
        }
    }
    writePng(image, file);
}

void writePng(const QImage& image, const std::filesystem::path& file)
{
    if (!image.save(QString::fromStdString(file.string()), "PNG"))
        throw std::runtime_error("cannot write " + file.string());
}

}  // namespace icon
