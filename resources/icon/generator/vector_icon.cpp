#include "vector_icon.h"

#include "palette.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <array>
#include <span>

namespace icon {
namespace {

constexpr double gridUnits = 32.0;

struct Stroke {
    std::span<const QPointF> points;
    char colour;   // a palette letter, as in the designs
    double width;  // grid units
};

// Pixel centres of the 32×32 design, traced.
constexpr std::array radicalSign{QPointF{2.5, 17.0}, QPointF{7.0, 17.0}, QPointF{10.5, 24.5}, QPointF{15.5, 7.0},
                                 QPointF{27.5, 7.0}};
constexpr std::array xFalling{QPointF{18.5, 11.5}, QPointF{25.0, 22.0}};
constexpr std::array xRising{QPointF{24.5, 11.5}, QPointF{18.0, 22.0}};

constexpr std::array strokes{
    Stroke{radicalSign, 'w', 2.0},
    Stroke{xFalling, 'y', 2.0},
    Stroke{xRising, 'y', 2.0},
};

constexpr QRectF tile{1.5, 1.5, 29.0, 29.0};
constexpr double tileCornerRadius = 3.5;
constexpr double tileBorderWidth = 1.0;

QColor colourOf(char letter)
{
    const Rgb& rgb = palette16[*paletteIndexOf(letter)].colour;
    return {rgb.red, rgb.green, rgb.blue};
}

}  // namespace

QImage drawVectorIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / gridUnits, size / gridUnits);

    painter.setPen(QPen(colourOf('n'), tileBorderWidth));
    painter.setBrush(colourOf('b'));
    painter.drawRoundedRect(tile, tileCornerRadius, tileCornerRadius);

    painter.setBrush(Qt::NoBrush);
    for (const Stroke& stroke : strokes) {
        painter.setPen(QPen(colourOf(stroke.colour), stroke.width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        painter.drawPolyline(stroke.points.data(), int(stroke.points.size()));
    }
    return image;
}

}  // namespace icon
