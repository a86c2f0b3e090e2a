#pragma once

// Twips and points to pixels at a window's own DPI: 1440 / DPI twips and
// 72 / DPI points per pixel (15 twips at 96 DPI, 10 at 144).
namespace app::win32 {

inline constexpr unsigned baseDpi = 96;

// Rounded to the nearest pixel, halves away from zero.
int twipsToPixels(int twips, unsigned dpi);

// The height of a font's em in pixels, rounded likewise.
int pointsToPixels(double points, unsigned dpi);

}  // namespace app::win32
