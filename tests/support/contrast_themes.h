#pragma once

#include <app/window_description.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

// Contrast themes, the same on every backend: in a dark and in a light one,
// each label, box and button of a window is legible, read from its pixels.
namespace tests {

// Between a control's ink and its background, as the contrast guidelines for
// body text ask.
inline constexpr double legibleContrast = 4.5;

struct SystemColour {
    std::string_view name;  // its value name under Control Panel\Colors
    app::Rgb colour;
};

// A whole scheme, in the order of the system's colour numbers (COLOR_SCROLLBAR
// is 0): what Windows' contrast themes set, and what the page's browser
// chooses for itself under forced colours in the `scheme` named.
struct ContrastTheme {
    std::string_view name;
    std::string_view scheme;  // prefers-color-scheme
    std::array<SystemColour, 31> colours;

    constexpr app::Rgb operator[](std::string_view colourName) const
    {
        for (const SystemColour& entry : colours) {
            if (entry.name == colourName)
                return entry.colour;
        }
        throw "no such system colour";
    }
};

// clang-format off
inline constexpr std::array contrastThemes{
    ContrastTheme{"dark", "dark", {{
        {"Scrollbar", {0, 0, 0}}, {"Background", {0, 0, 0}}, {"ActiveTitle", {0, 0, 0}},
        {"InactiveTitle", {0, 0, 0}}, {"Menu", {0, 0, 0}}, {"Window", {0, 0, 0}},
        {"WindowFrame", {255, 255, 255}}, {"MenuText", {255, 255, 255}}, {"WindowText", {255, 255, 255}},
        {"TitleText", {255, 255, 255}}, {"ActiveBorder", {128, 128, 128}}, {"InactiveBorder", {128, 128, 128}},
        {"AppWorkspace", {0, 0, 0}}, {"Hilight", {26, 235, 255}}, {"HilightText", {0, 0, 0}},
        {"ButtonFace", {0, 0, 0}}, {"ButtonShadow", {128, 128, 128}}, {"GrayText", {63, 242, 63}},
        {"ButtonText", {255, 255, 255}}, {"InactiveTitleText", {63, 242, 63}}, {"ButtonHilight", {255, 255, 255}},
        {"ButtonDkShadow", {255, 255, 255}}, {"ButtonLight", {192, 192, 192}}, {"InfoText", {255, 255, 255}},
        {"InfoWindow", {0, 0, 0}}, {"ButtonAlternateFace", {192, 192, 192}}, {"HotTrackingColor", {255, 255, 0}},
        {"GradientActiveTitle", {0, 0, 0}}, {"GradientInactiveTitle", {0, 0, 0}}, {"MenuHilight", {26, 235, 255}},
        {"MenuBar", {0, 0, 0}}}}},
    ContrastTheme{"light", "light", {{
        {"Scrollbar", {255, 255, 255}}, {"Background", {255, 255, 255}}, {"ActiveTitle", {255, 255, 255}},
        {"InactiveTitle", {255, 255, 255}}, {"Menu", {255, 255, 255}}, {"Window", {255, 255, 255}},
        {"WindowFrame", {0, 0, 0}}, {"MenuText", {0, 0, 0}}, {"WindowText", {0, 0, 0}},
        {"TitleText", {0, 0, 0}}, {"ActiveBorder", {128, 128, 128}}, {"InactiveBorder", {128, 128, 128}},
        {"AppWorkspace", {255, 255, 255}}, {"Hilight", {55, 0, 110}}, {"HilightText", {255, 255, 255}},
        {"ButtonFace", {255, 255, 255}}, {"ButtonShadow", {128, 128, 128}}, {"GrayText", {96, 0, 0}},
        {"ButtonText", {0, 0, 0}}, {"InactiveTitleText", {96, 0, 0}}, {"ButtonHilight", {0, 0, 0}},
        {"ButtonDkShadow", {0, 0, 0}}, {"ButtonLight", {192, 192, 192}}, {"InfoText", {0, 0, 0}},
        {"InfoWindow", {255, 255, 255}}, {"ButtonAlternateFace", {192, 192, 192}}, {"HotTrackingColor", {0, 0, 159}},
        {"GradientActiveTitle", {255, 255, 255}}, {"GradientInactiveTitle", {255, 255, 255}}, {"MenuHilight", {55, 0, 110}},
        {"MenuBar", {255, 255, 255}}}}},
};
// clang-format on

inline double relativeLuminance(app::Rgb colour)
{
    const auto linear = [](std::uint8_t channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) + 0.0722 * linear(colour.blue);
}

inline double contrastRatio(app::Rgb one, app::Rgb other)
{
    const auto [dark, light] = std::minmax(relativeLuminance(one), relativeLuminance(other));
    return (light + 0.05) / (dark + 0.05);
}

// Where a control's ink and background are measured, in twips: its own area,
// less the frame of a box or a button, and less what boxes, buttons and
// coloured slots paint over it with backgrounds of their own.
struct Area {
    int left, top, width, height;

    constexpr bool contains(double x, double y) const
    {
        return x >= left && x < left + width && y >= top && y < top + height;
    }
};

struct LegibilityProbe {
    std::string_view control;
    Area area;
    std::vector<Area> covered;
    bool ownBackground;  // a coloured slot, which stays distinct from the face
};

inline constexpr int frameInset = 90;  // twips: a box's or button's border and focus mark

inline std::vector<LegibilityProbe> legibilityProbes(const app::WindowDescription& window)
{
    const auto paintsBackground = [](const app::ControlDescription& control) {
        return control.kind != app::ControlKind::Label || control.backColour.has_value();
    };
    std::vector<LegibilityProbe> probes;
    for (const app::ControlDescription& control : window.controls) {
        const int inset = control.kind == app::ControlKind::Label ? 0 : frameInset;
        LegibilityProbe probe{control.name,
                              {control.left + inset, control.top + inset, control.width - 2 * inset,
                               control.height - 2 * inset},
                              {},
                              control.backColour.has_value()};
        for (const app::ControlDescription& other : window.controls) {
            if (&other != &control && paintsBackground(other))
                probe.covered.push_back({other.left, other.top, other.width, other.height});
        }
        probes.push_back(std::move(probe));
    }
    return probes;
}

struct Legibility {
    double contrast;     // of the ink against the background
    app::Rgb background;  // the commonest colour
};

// `pixelAt(x, y)` gives the colour of a window's client pixel; `pixelsPerTwip`
// its scale. The ink is whichever colour stands out most from the background.
template <typename PixelAt>
Legibility measureLegibility(const LegibilityProbe& probe, double pixelsPerTwip, PixelAt pixelAt)
{
    std::map<std::tuple<int, int, int>, int> counts;
    const Area& area = probe.area;
    for (int y = int(std::ceil(area.top * pixelsPerTwip)); y < int((area.top + area.height) * pixelsPerTwip); ++y) {
        for (int x = int(std::ceil(area.left * pixelsPerTwip)); x < int((area.left + area.width) * pixelsPerTwip);
             ++x) {
            const auto coveredHere = [&](const Area& other) {
                return other.contains((x + 0.5) / pixelsPerTwip, (y + 0.5) / pixelsPerTwip);
            };
            if (std::none_of(probe.covered.begin(), probe.covered.end(), coveredHere)) {
                const app::Rgb colour = pixelAt(x, y);
                ++counts[{colour.red, colour.green, colour.blue}];
            }
        }
    }
    const auto rgb = [](const std::tuple<int, int, int>& key) {
        return app::Rgb{std::uint8_t(std::get<0>(key)), std::uint8_t(std::get<1>(key)), std::uint8_t(std::get<2>(key))};
    };
    const auto commonest = std::max_element(counts.begin(), counts.end(),
                                            [](const auto& one, const auto& other) { return one.second < other.second; });
    if (commonest == counts.end())
        return {1.0, {}};
    Legibility result{1.0, rgb(commonest->first)};
    for (const auto& [key, count] : counts)
        result.contrast = std::max(result.contrast, contrastRatio(rgb(key), result.background));
    return result;
}

// What of a window painted under `theme` is not legible, one "; " after each
// control; empty when all of it is.
template <typename PixelAt>
std::string illegibleControls(const app::WindowDescription& window, const ContrastTheme& theme, double pixelsPerTwip,
                              PixelAt pixelAt)
{
    const app::Rgb face = theme["ButtonFace"];
    std::string found;
    for (const LegibilityProbe& probe : legibilityProbes(window)) {
        const Legibility seen = measureLegibility(probe, pixelsPerTwip, pixelAt);
        const std::string where = std::string(window.name) + " " + std::string(probe.control);
        if (seen.contrast < legibleContrast)
            found += where + " at " + std::to_string(seen.contrast) + ":1; ";
        const app::Rgb& back = seen.background;
        if (probe.ownBackground && back.red == face.red && back.green == face.green && back.blue == face.blue)
            found += where + " in the face colour; ";
    }
    return found;
}

}  // namespace tests
