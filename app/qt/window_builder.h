#pragma once

#include <app/window_description.h>

#include <QWidget>

#include <map>
#include <string>

// The rules by which a description becomes widgets: twips to pixels, fonts,
// opaque plain-text labels beneath the other controls and painted by one
// layer, limited text boxes, buttons that are never default, the focus order
// with the first box's text selected, and a window of fixed size.
namespace app::qt {

// Twips to device-independent pixels, rounded to the nearest pixel.
int twipsToPixels(int twips);

// Builds the description's controls as children of `window` and fixes the
// window's caption, default font and client size. Returns the controls by name.
// Throws std::invalid_argument when a control has no name or two share one.
std::map<std::string, QWidget*, std::less<>> buildControls(QWidget& window, const WindowDescription& description);

}  // namespace app::qt
