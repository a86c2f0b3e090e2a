#include "web_window.h"

#include "css_font.h"
#include "page.h"

#include <app/form.h>
#include <app/spoken_text.h>
#include <app/text.h>

#include <algorithm>
#include <stdexcept>
#include <unordered_map>
#include <vector>

namespace app::web {
namespace {

std::unordered_map<int, WebWindow*>& openWindows()
{
    static std::unordered_map<int, WebWindow*> windows;
    return windows;
}

int nextId()
{
    static int last = 0;
    return ++last;
}

constexpr int pixels(int twips)
{
    return twips / twipsPerPixel;
}

page::Box boxOf(const ControlDescription& control)
{
    return {pixels(control.left), pixels(control.top), pixels(control.width), pixels(control.height)};
}

const FontDescription& fontOf(const ControlDescription& control)
{
    return control.font ? *control.font : windowDefaultFont;
}

std::string cssColour(const std::optional<Rgb>& colour)
{
    if (!colour)
        return {};
    return "rgb(" + std::to_string(colour->red) + "," + std::to_string(colour->green) + "," +
           std::to_string(colour->blue) + ")";
}

}  // namespace

WebWindow::WebWindow(const WindowDescription& description, WindowEvents& events, Shell& shell)
    : description_(description), events_(events), shell_(shell), id_(nextId())
{
    page::createWindow(id_, description.name, description.caption,
                       {0, 0, pixels(description.clientWidth), pixels(description.clientHeight)},
                       isNotice(description));
    // Known to the page's events only once whole; a window that fails to be
    // built leaves nothing behind on the page.
    try {
        addControls();
        openWindows().emplace(id_, this);
    } catch (...) {
        page::destroyWindow(id_);
        throw;
    }
}

void WebWindow::addControls()
{
    for (const ControlDescription& control : description_.controls) {
        const std::string font = cssFont(fontOf(control));
        switch (control.kind) {
        case ControlKind::Label:
            page::addLabel(id_, control.name, boxOf(control), font, cssPixels(fontOf(control).points),
                           cssColour(control.backColour), control.drawnOnly, control.copyable);
            drawCaption(control, control.text, CaptionSource::Table);
            break;
        case ControlKind::TextBox:
            page::addTextBox(id_, control.name, control.text, boxOf(control), font, control.maxLength,
                             control.focusOrder, control.accessibleName, control.accessibleDescription);
            break;
        case ControlKind::Button:
            page::addButton(id_, control.name, control.text, boxOf(control), font, control.focusOrder);
            break;
        }
    }
    if (description_.upright) {
        const Arrangement& upright = *description_.upright;
        page::addUprightArrangement(id_, {0, 0, pixels(upright.clientWidth), pixels(upright.clientHeight)});
        for (const ControlMove& move : upright.moves) {
            const ControlDescription& moved = control(move.name);
            page::placeUpright(id_, move.name, pixels(moved.left + move.by.right), pixels(moved.top + move.by.down));
        }
    }
    std::vector<std::string_view> reading;
    for (const ControlDescription* control : inReadingOrder(description_))
        reading.push_back(control->name);
    page::setReadingOrder(id_, reading);
}

WebWindow::~WebWindow()
{
    openWindows().erase(id_);
    page::destroyWindow(id_);
}

WebWindow* WebWindow::withId(int id)
{
    const auto found = openWindows().find(id);
    return found == openWindows().end() ? nullptr : found->second;
}

const ControlDescription& WebWindow::control(std::string_view name) const
{
    const auto found = std::find_if(description_.controls.begin(), description_.controls.end(),
                                    [name](const ControlDescription& control) { return control.name == name; });
    if (found == description_.controls.end())
        throw std::out_of_range(std::string(description_.name) + " has no control " + std::string(name));
    return *found;
}

void WebWindow::drawCaption(const ControlDescription& label, std::string_view caption, CaptionSource source)
{
    const std::u16string units = toUtf16(caption);
    const std::string font = cssFont(fontOf(label));
    const auto widthOf = [&](std::size_t begin, std::size_t end) {
        return page::measure(font, std::u16string_view(units).substr(begin, end - begin));
    };
    const page::Box box = boxOf(label);
    const CaptionLayout layout =
        layOutCaption(units, {double(box.width), double(box.height), cssPixels(fontOf(label).points)}, widthOf);
    page::setLabel(id_, label.name, units, layout.lines, spokenName(label, caption),
                   captionTooltip(units, source, layout));
}

std::string WebWindow::text(TextBoxRef box) const
{
    return toUtf8(page::text(id_, box.name));
}

void WebWindow::setText(TextBoxRef box, std::string_view text)
{
    page::setText(id_, box.name, text);
}

void WebWindow::setSelStart(TextBoxRef box, int start)
{
    if (start < 0)
        throw InvalidPropertyValue("a selection cannot start before the text");
    const std::size_t offset = unitOffset(page::text(id_, box.name), start);
    page::setSelection(id_, box.name, offset, offset);
}

void WebWindow::setSelLength(TextBoxRef box, int length)
{
    if (length < 0)
        throw InvalidPropertyValue("a selection cannot have a negative length");
    const std::size_t start = page::selectionStart(id_, box.name);
    page::setSelection(id_, box.name, start, selectionEnd(page::text(id_, box.name), start, length));
}

void WebWindow::setCaption(LabelRef label, std::string_view caption)
{
    drawCaption(control(label.name), caption, CaptionSource::Handler);
}

void WebWindow::announce(std::string_view text)
{
    page::announce(text);
}

void WebWindow::show()
{
    page::showWindow(id_);
}

void WebWindow::focus(TextBoxRef box)
{
    page::focus(id_, box.name);
}

}  // namespace app::web
