#include "ink.h"

#include <QRegion>

namespace tests {
namespace {

constexpr int inkGrey = 100;       // glyph bodies are black; the lightest background is 192
constexpr int surelyInkGrey = 64;  // well inside a glyph, whatever lies beneath its edges

}  // namespace

bool isInk(QRgb pixel)
{
    return qGray(pixel) < inkGrey;
}

int inkIn(const QImage& image, const QRect& region)
{
    int count = 0;
    const QRect inside = region & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x)
            count += isInk(image.pixel(x, y)) ? 1 : 0;
    }
    return count;
}

int inkLost(const QImage& alone, const QImage& image, const QRect& region, const QRegion& covered)
{
    int lost = 0;
    const QRect inside = region & alone.rect() & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const bool wasInk = qGray(alone.pixel(x, y)) < surelyInkGrey;
            if (wasInk && !isInk(image.pixel(x, y)) && !covered.contains(QPoint(x, y)))
                ++lost;
        }
    }
    return lost;
}

}  // namespace tests
