#pragma once

#include <app/window_description.h>

#include <string>

// A description's font as the page names it.
namespace app::web {

// CSS pixels of `points`: 96 to the inch.
constexpr double cssPixels(double points)
{
    return points * 96.0 / 72.0;
}

// The CSS font shorthand: style, weight 700 or 400, the size in CSS pixels, and
// the families: the named face first, so that a Chinese Windows gets the real
// one; for a face of app::fontFamilies its English name, the installed
// stand-ins of its style and a generic family follow, and a face missing from
// that table stands alone.
std::string cssFont(const FontDescription& font);

}  // namespace app::web
