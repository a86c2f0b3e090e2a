#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>

// Reading what a window painted, robust against font hinting: ink is counted
// in regions, never compared pixel by pixel with a stored picture.
namespace tests {

// Dark enough to be a glyph's body on any of the windows' light backgrounds.
bool isInk(QRgb pixel);

// The number of ink pixels of `image` inside `region`.
int inkIn(const QImage& image, const QRect& region);

// The pixels that are ink in `alone` (one label painted by itself) but not in
// `image` (the same place in the whole window), outside `covered`.
int inkLost(const QImage& alone, const QImage& image, const QRect& region, const QRegion& covered = {});

}  // namespace tests
