#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

// A window as data: what a toolkit backend turns into a window and its controls.
// Texts are UTF-8; a caption's lines are separated by "\r\n".
namespace app {

// Positions and sizes are in twips, 1/1440 inch: 15 twips make one
// device-independent pixel, which each backend scales to the screen's density.
inline constexpr int twipsPerPixel = 15;

enum class ControlKind {
    Label,    // plain text, never takes focus
    TextBox,  // single line
    Button,   // push button, never a default button
};

struct FontDescription {
    std::string_view face{};  // the face the window names; where it is missing, see font_families.h
    double points = 9.0;      // fractional sizes such as 21.75 are kept
    bool bold = false;        // weight 700, otherwise 400
    bool italic = false;
};

// The font of controls without one of their own (buttons, fraction bars, help
// texts), in every backend.
inline constexpr FontDescription windowDefaultFont{.face = "宋体", .points = 9.0};

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

struct ControlDescription {
    ControlKind kind = ControlKind::Label;
    std::string_view name{};  // unique in its window, e.g. "Command1" or "Label3(4)"
    std::string_view text{};  // a label's caption, a text box's text or a button's caption
    int left = 0;             // twips from the client area's top-left corner
    int top = 0;
    int width = 0;
    int height = 0;
    std::optional<FontDescription> font{};     // none: the window's default font
    std::optional<Rgb> backColour{};           // labels; none: the window's face colour
    bool copyable = false;                     // labels: a context menu copies the whole caption
    int maxLength = 0;                         // text boxes: most characters (code points); 0: no limit
    int focusOrder = -1;                       // place in the Tab chain, counted from 0; -1: not placed
    std::string_view accessibleName{};         // what a screen reader calls it; empty: a label's caption
    std::string_view accessibleDescription{};  // the control's role for screen readers
    bool drawnOnly = false;                    // labels: ink that says nothing aloud, hidden from screen readers
};

// How far a control moves in another arrangement of its window, in twips.
struct Offset {
    int right = 0;
    int down = 0;
};

struct ControlMove {
    std::string_view name{};
    Offset by{};
};

// The same controls, moved in blocks into a client area of another size;
// sizes, and so captions' lines, stay the table's.
struct Arrangement {
    int clientWidth = 0;  // twips
    int clientHeight = 0;
    std::span<const ControlMove> moves{};  // one per control
};

struct WindowDescription {
    std::string_view name{};     // the window's identity for its single instance
    std::string_view caption{};  // the title bar's text
    int clientWidth = 0;         // twips; the window is fixed at this size
    int clientHeight = 0;
    std::span<const ControlDescription> controls{};  // stacked in this order, labels beneath the rest
    // For a screen taller than wide, where the table's arrangement would be
    // drawn too small: the page's alone; the desktop programs keep the table's.
    std::optional<Arrangement> upright{};
    // The control names in the order a screen reader reads the window; empty:
    // the table's order. Stacking and the Tab chain stay the table's.
    std::span<const std::string_view> readingOrder{};
};

// A window that only says something: no control takes the focus. A screen
// reader reads all of it when it opens, and Escape closes it.
constexpr bool isNotice(const WindowDescription& window)
{
    for (const ControlDescription& control : window.controls) {
        if (control.focusOrder >= 0)
            return false;
    }
    return true;
}

// Whether every control has a name and no two share one: a builder refuses a
// table that fails this, and tables check it when they compile.
constexpr bool hasUniqueNonEmptyNames(std::span<const ControlDescription> controls)
{
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].name.empty())
            return false;
        for (std::size_t j = 0; j < i; ++j) {
            if (controls[j].name == controls[i].name)
                return false;
        }
    }
    return true;
}

// Whether `arrangement` moves each control exactly once and keeps every moved
// control inside its client area: tables check it when they compile.
constexpr bool arrangesEachControlOnce(std::span<const ControlDescription> controls, const Arrangement& arrangement)
{
    if (arrangement.moves.size() != controls.size())
        return false;
    for (const ControlDescription& control : controls) {
        int found = 0;
        for (const ControlMove& move : arrangement.moves) {
            if (move.name != control.name)
                continue;
            ++found;
            const int left = control.left + move.by.right;
            const int top = control.top + move.by.down;
            if (left < 0 || top < 0 || left + control.width > arrangement.clientWidth ||
                top + control.height > arrangement.clientHeight)
                return false;
        }
        if (found != 1)
            return false;
    }
    return true;
}

// Whether `order` names every control once, and the focusable ones in their
// Tab order: a backend whose Tab follows its children's order (Win32's dialog
// keys) can then read in this order and still tab in the table's.
constexpr bool isReadingOrder(std::span<const ControlDescription> controls, std::span<const std::string_view> order)
{
    if (order.size() != controls.size())
        return false;
    int lastFocusOrder = -1;
    for (std::size_t i = 0; i < order.size(); ++i) {
        const ControlDescription* named = nullptr;
        for (const ControlDescription& control : controls) {
            if (control.name == order[i])
                named = &control;
        }
        for (std::size_t j = 0; j < i; ++j) {
            if (order[j] == order[i])
                return false;
        }
        if (named == nullptr)
            return false;
        if (named->focusOrder >= 0) {
            if (named->focusOrder < lastFocusOrder)
                return false;
            lastFocusOrder = named->focusOrder;
        }
    }
    return true;
}

}  // namespace app
