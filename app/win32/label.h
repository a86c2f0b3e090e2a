#pragma once

#include <app/window_description.h>

#include <windows.h>

#include <optional>

// A label: an owner-drawn STATIC control that draws its caption left-aligned
// from the top-left corner, broken at blanks and between Chinese characters
// and cut off at its edges, on its back colour or the window's face colour.
// A label with a back colour is a slot the handlers fill: when its caption is
// cut off, a tooltip shows the whole of it. A copyable label's context menu
// copies its whole caption.
//
// Lines are laid out with the metrics of the named Chinese faces, as in the
// Qt backend: the first baseline 0.86 em below the top, each further line
// 1.15 em lower, whatever face stands in for the named one.
namespace app::win32 {

class Label {
public:
    // Creates the control as a child of `parent`; the window draws it by
    // calling paint() from WM_DRAWITEM.
    Label(HWND parent, int id, const ControlDescription& description);
    Label(const Label&) = delete;
    Label& operator=(const Label&) = delete;
    ~Label();

    HWND handle() const { return handle_; }

    // The label's font changed (WM_SETFONT) or its size: the cut-off state may too.
    void refresh();

    void paint(const DRAWITEMSTRUCT& item) const;

    // Whether the caption, laid out at the current size and font, is cut off.
    bool isCutOff() const;

private:
    static LRESULT CALLBACK subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR self);
    void updateTooltip();
    void showCopyMenu(LPARAM at) const;

    HWND handle_ = nullptr;
    const ControlDescription& description_;
    std::optional<Rgb> backColour_;
    HWND tooltip_ = nullptr;  // made on the first cut-off caption
};

}  // namespace app::win32
