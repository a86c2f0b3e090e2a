#pragma once

#include <app/text.h>

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

// The calls into page.js, the page's side of the windows. A window is known
// there by the id its WebWindow gave it, a control by its table name. Names,
// fonts and the texts of tables and handlers go in as UTF-8; captions, their
// tooltips and the texts measured go in as UTF-16, as laid out, and a box's
// text comes back as UTF-16, as the page holds it.
namespace app::web::page {

struct Box {
    int left = 0;  // CSS pixels from the client area's top-left corner
    int top = 0;
    int width = 0;
    int height = 0;
};

void setDefaultFont(std::string_view css);

// A notice is a dialog that its labels describe.
void createWindow(int window, std::string_view name, std::string_view caption, Box client, bool notice);
void destroyWindow(int window);
void showWindow(int window);

// A copyable label offers a context menu that copies its whole caption.
void addLabel(int window, std::string_view name, Box box, std::string_view font, double em, std::string_view background,
              bool drawnOnly, bool copyable);
void addTextBox(int window, std::string_view name, std::string_view text, Box box, std::string_view font, int limit,
                int focusOrder, std::string_view accessibleName, std::string_view description);
void addButton(int window, std::string_view name, std::string_view caption, Box box, std::string_view font,
               int focusOrder);

// Gives a window, once its controls are added, an upright arrangement beside
// its table's, to switch to where the viewport is taller than wide: its
// client area, and where each control stands in it.
void addUprightArrangement(int window, Box client);
void placeUpright(int window, std::string_view control, int left, int top);
// Puts the window's controls in the order a screen reader reads them.
void setReadingOrder(int window, std::span<const std::string_view> names);

// Draws `caption`'s laid-out lines; `spoken` is what a screen reader hears of
// the label, `tooltip` what hovering shows (nothing when empty).
void setLabel(int window, std::string_view name, std::u16string_view caption, std::span<const CaptionLine> lines,
              std::string_view spoken, std::u16string_view tooltip);

// The width in CSS pixels of `text` as one line in `font`.
double measure(std::string_view font, std::u16string_view text);

std::u16string text(int window, std::string_view box);
void setText(int window, std::string_view box, std::string_view text);
std::size_t selectionStart(int window, std::string_view box);
void setSelection(int window, std::string_view box, std::size_t start, std::size_t end);
void focus(int window, std::string_view control);

void announce(std::string_view text);

// Shows a box modal to the whole page and waits for the answer: the index of
// the button chosen, or `escape` for Escape and the close button.
int modalBox(std::string_view title, std::string_view text, std::span<const std::string_view> buttons, int escape,
             bool errorIcon);

}  // namespace app::web::page
