#pragma once

#include "dpi.h"
#include "fonts.h"

#include <app/text.h>
#include <app/window_description.h>

#include <windows.h>

#include <optional>
#include <vector>

// A label: an owner-drawn STATIC control that draws its caption from the
// top-left corner, laid out by the shared rules of app/text.h, on its back
// colour or the window's face colour. The caption is laid out in the label's
// described size with the unhinted advances of its font, and each character is
// drawn where they put it at the window's DPI: hinting cannot push a line over
// the edge, and the caption breaks into the same lines at every DPI. A caption that a handler sets shows
// whole in a tooltip while the label cuts it off. A copyable label's context
// menu copies its whole caption.
//
// The window's children lie in its reading order, not in the table's
// stacking: a label leaves unpainted, and lets the mouse through, where a
// control that the table stacks above it lies.
namespace app::win32 {

class Label {
public:
    // Creates the control as a child of `parent`; the window draws it by
    // calling paint() from WM_DRAWITEM.
    Label(HWND parent, int id, const ControlDescription& description);
    Label(const Label&) = delete;
    Label& operator=(const Label&) = delete;
    ~Label();

    // The Label that made the control `handle`.
    static const Label& of(HWND handle);

    HWND handle() const { return handle_; }

    // The DPI the window is laid out at, before its fonts are set.
    void setDpi(unsigned dpi) { dpi_ = dpi; }

    // The label's font changed (WM_SETFONT) or its size: the cut-off state may too.
    void refresh();

    // The controls that lie above this label where they overlap it.
    void setCoveredBy(std::vector<HWND> controls) { coveredBy_ = std::move(controls); }

    void paint(const DRAWITEMSTRUCT& item) const;

    // The caption laid out in pixels at baseDpi.
    CaptionLayout layOut() const;

private:
    static LRESULT CALLBACK subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR self);
    void updateTooltip();
    void showCopyMenu(LPARAM at) const;
    bool isCoveredAt(POINT onScreen) const;

    HWND handle_ = nullptr;
    const ControlDescription& description_;
    FontDescription font_;
    Font measuringFont_;
    unsigned dpi_ = baseDpi;
    std::optional<Rgb> backColour_;
    CaptionSource source_ = CaptionSource::Table;
    HWND tooltip_ = nullptr;  // made on the first cut-off caption
    std::vector<HWND> coveredBy_;
};

}  // namespace app::win32
