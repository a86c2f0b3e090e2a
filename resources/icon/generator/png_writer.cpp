#include "png_writer.h"

#include "palette.h"

#include <QImage>
#include <QString>

#include <stdexcept>

namespace icon {

void writePng(const PixelArt& art, int size, const std::filesystem::path& file)
{
    if (size % art.size != 0)
        throw std::invalid_argument("a PNG size must be a multiple of the design size");
    const int scale = size / art.size;
    QImage image(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const auto& pixel = art.at(x / scale, y / scale);
            if (!pixel) {
                image.setPixel(x, y, qRgba(0, 0, 0, 0));
                continue;
            }
            const Rgb& c = kPalette16[*pixel].colour;
            image.setPixel(x, y, qRgb(c.red, c.green, c.blue));
        }
    }
    if (!image.save(QString::fromStdString(file.string()), "PNG"))
        throw std::runtime_error("cannot write " + file.string());
}

}  // namespace icon
