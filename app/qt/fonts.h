#pragma once

#include <app/window_description.h>

#include <QFont>

// Fonts of the windows. The descriptions name "黑体", "宋体" and "微软雅黑";
// where those faces are missing, the nearest installed CJK face of the same
// style stands in (registered once by registerFontSubstitutes), and fonts name
// that stand-in itself: for a name fontconfig does not know, Qt would search
// every installed font for fallbacks, per family, style and script.
namespace app::qt {

// Registers, for each named face, the installed faces that support Simplified
// Chinese in order of likeness. Call once after the QGuiApplication exists and
// before the first window is built; calling again changes nothing.
void registerFontSubstitutes();

// The QFont for a description's font: the face's registered stand-in (the face
// itself when none is installed), the size in points as given, weight 700 when
// bold and 400 otherwise, italic.
QFont toQFont(const FontDescription& description);

}  // namespace app::qt
