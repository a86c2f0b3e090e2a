#include "css_font.h"

#include <app/font_families.h>

#include <algorithm>
#include <cmath>
#include <string_view>

namespace app::web {
namespace {

// A positive length to the hundredth, written without the locale: "29", "18.67".
std::string lengthText(double value)
{
    const long long hundredths = std::llround(value * 100);
    std::string text = std::to_string(hundredths / 100);
    if (const long long fraction = hundredths % 100; fraction != 0)
        text += (fraction < 10 ? ".0" : ".") + std::to_string(fraction);
    return text;
}

std::string quoted(std::string_view family)
{
    return "\"" + std::string(family) + "\"";
}

}  // namespace

std::string cssFont(const FontDescription& font)
{
    std::string css = font.italic ? "italic " : "";
    css += font.bold ? "700 " : "400 ";
    css += lengthText(cssPixels(font.points)) + "px ";
    css += quoted(font.face);
    const auto* families = std::find_if(fontFamilies.begin(), fontFamilies.end(),
                                        [&](const FontFamilies& known) { return known.face == font.face; });
    if (families == fontFamilies.end())
        return css;
    css += ", " + quoted(families->latinName);
    for (const std::string_view standIn : families->standIns)
        css += ", " + quoted(standIn);
    return css + ", " + std::string(families->generic);
}

}  // namespace app::web
