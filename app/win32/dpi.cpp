#include "dpi.h"

#include <cmath>

namespace app::win32 {

int twipsToPixels(int twips, unsigned dpi)
{
    return static_cast<int>(std::lround(twips * static_cast<double>(dpi) / 1440.0));
}

int pointsToPixels(double points, unsigned dpi)
{
    return static_cast<int>(std::lround(points * static_cast<double>(dpi) / 72.0));
}

}  // namespace app::win32
