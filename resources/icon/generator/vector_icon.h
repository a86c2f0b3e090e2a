#pragma once

#include <QImage>

namespace icon {

// The icon's picture as shapes on the 32-unit grid of the 32×32 design (a
// white radical sign over a yellow x on a blue tile), drawn smooth at `size`
// pixels for the large theme icons.
QImage drawVectorIcon(int size);

}  // namespace icon
