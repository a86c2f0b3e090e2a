#include "page.h"

#include <emscripten.h>

#include <string>
#include <vector>

// Strings cross as (pointer, byte or unit count): no terminator needed.
// clang-format off
EM_JS(void, tarvoSetDefaultFont, (const char* css, std::size_t cssSize), {
    document.documentElement.style.setProperty("--tarvo-default-font", UTF8ToString(css, cssSize));
});
EM_JS(void, tarvoCreateWindow, (int window, const char* name, std::size_t nameSize, const char* caption,
                                std::size_t captionSize, int width, int height, bool notice), {
    TarvoPage.createWindow(window, {name: UTF8ToString(name, nameSize), caption: UTF8ToString(caption, captionSize),
                                    width, height, notice});
});
EM_JS(void, tarvoDestroyWindow, (int window), { TarvoPage.destroyWindow(window); });
EM_JS(void, tarvoShowWindow, (int window), { TarvoPage.showWindow(window); });
EM_JS(void, tarvoAddLabel, (int window, const char* name, std::size_t nameSize, int left, int top, int width,
                            int height, const char* font, std::size_t fontSize, double em, const char* background,
                            std::size_t backgroundSize, bool drawnOnly, bool copyable), {
    TarvoPage.addLabel(window, {name: UTF8ToString(name, nameSize), left, top, width, height,
                                font: UTF8ToString(font, fontSize), em,
                                background: UTF8ToString(background, backgroundSize), drawnOnly, copyable});
});
EM_JS(void, tarvoAddTextBox, (int window, const char* name, std::size_t nameSize, const char* text,
                              std::size_t textSize, int left, int top, int width, int height, const char* font,
                              std::size_t fontSize, int limit, int order, const char* accessibleName,
                              std::size_t accessibleNameSize, const char* description, std::size_t descriptionSize), {
    TarvoPage.addTextBox(window, {name: UTF8ToString(name, nameSize), text: UTF8ToString(text, textSize), left, top,
                                  width, height, font: UTF8ToString(font, fontSize), limit, order,
                                  accessibleName: UTF8ToString(accessibleName, accessibleNameSize),
                                  description: UTF8ToString(description, descriptionSize)});
});
EM_JS(void, tarvoAddButton, (int window, const char* name, std::size_t nameSize, const char* caption,
                             std::size_t captionSize, int left, int top, int width, int height, const char* font,
                             std::size_t fontSize, int order), {
    TarvoPage.addButton(window, {name: UTF8ToString(name, nameSize), caption: UTF8ToString(caption, captionSize), left,
                                 top, width, height, font: UTF8ToString(font, fontSize), order});
});
EM_JS(void, tarvoAddUprightArrangement, (int window, int width, int height), {
    TarvoPage.addUprightArrangement(window, width, height);
});
EM_JS(void, tarvoPlaceUpright, (int window, const char* control, std::size_t controlSize, int left, int top), {
    TarvoPage.placeUpright(window, UTF8ToString(control, controlSize), left, top);
});
EM_JS(void, tarvoSetReadingOrder, (int window, const char* names, std::size_t namesSize), {
    TarvoPage.setReadingOrder(window, UTF8ToString(names, namesSize).split("\n"));
});
EM_JS(void, tarvoSetLabel, (int window, const char* name, std::size_t nameSize, const char16_t* caption,
                            std::size_t captionSize, const double* lines, std::size_t lineCount, const char* spoken,
                            std::size_t spokenSize, const char16_t* tooltip, std::size_t tooltipSize), {
    const units = (at, count) => String.fromCharCode(...HEAPU16.subarray(at >> 1, (at >> 1) + count));
    const laidOut = [];
    for (let line = 0; line < lineCount; ++line) {
        const [begin, end, baseline] = HEAPF64.subarray((lines >> 3) + 3 * line, (lines >> 3) + 3 * line + 3);
        laidOut.push({begin, end, baseline});
    }
    TarvoPage.setLabel(window, UTF8ToString(name, nameSize), {caption: units(caption, captionSize), lines: laidOut,
                                                              spoken: UTF8ToString(spoken, spokenSize),
                                                              tooltip: units(tooltip, tooltipSize)});
});
EM_JS(double, tarvoMeasure, (const char* font, std::size_t fontSize, const char16_t* text, std::size_t textSize), {
    return TarvoPage.measure(UTF8ToString(font, fontSize),
                             String.fromCharCode(...HEAPU16.subarray(text >> 1, (text >> 1) + textSize)));
});
EM_JS(int, tarvoTextSize, (int window, const char* box, std::size_t boxSize), {
    return TarvoPage.control(window, UTF8ToString(box, boxSize)).value.length;
});
EM_JS(void, tarvoCopyText, (int window, const char* box, std::size_t boxSize, char16_t* out), {
    const value = TarvoPage.control(window, UTF8ToString(box, boxSize)).value;
    for (let unit = 0; unit < value.length; ++unit)
        HEAPU16[(out >> 1) + unit] = value.charCodeAt(unit);
});
EM_JS(void, tarvoSetText, (int window, const char* box, std::size_t boxSize, const char* text, std::size_t textSize), {
    TarvoPage.setText(window, UTF8ToString(box, boxSize), UTF8ToString(text, textSize));
});
EM_JS(int, tarvoSelectionStart, (int window, const char* box, std::size_t boxSize), {
    return TarvoPage.control(window, UTF8ToString(box, boxSize)).selectionStart;
});
EM_JS(void, tarvoSetSelection, (int window, const char* box, std::size_t boxSize, int start, int end), {
    TarvoPage.control(window, UTF8ToString(box, boxSize)).setSelectionRange(start, end);
});
EM_JS(void, tarvoFocus, (int window, const char* control, std::size_t controlSize), {
    TarvoPage.focusControl(window, UTF8ToString(control, controlSize));
});
EM_JS(void, tarvoAnnounce, (const char* text, std::size_t textSize), {
    TarvoPage.announce(UTF8ToString(text, textSize));
});
EM_ASYNC_JS(int, tarvoModalBox, (const char* title, std::size_t titleSize, const char* text, std::size_t textSize,
                                 const char* buttons, std::size_t buttonsSize, int escape, bool errorIcon), {
    return await TarvoPage.modalBox(UTF8ToString(title, titleSize), UTF8ToString(text, textSize),
                                    UTF8ToString(buttons, buttonsSize).split("\n"), escape, errorIcon ? "error" : "");
});
// clang-format on

namespace app::web::page {
namespace {

// Names, captions: one per line, as the page splits them.
std::string lines(std::span<const std::string_view> texts)
{
    std::string joined;
    for (const std::string_view text : texts)
        joined.append(joined.empty() ? "" : "\n").append(text);
    return joined;
}

}  // namespace

void setDefaultFont(std::string_view css)
{
    tarvoSetDefaultFont(css.data(), css.size());
}

void createWindow(int window, std::string_view name, std::string_view caption, Box client, bool notice)
{
    tarvoCreateWindow(window, name.data(), name.size(), caption.data(), caption.size(), client.width, client.height,
                      notice);
}

void destroyWindow(int window)
{
    tarvoDestroyWindow(window);
}

void showWindow(int window)
{
    tarvoShowWindow(window);
}

void addLabel(int window, std::string_view name, Box box, std::string_view font, double em, std::string_view background,
              bool drawnOnly, bool copyable)
{
    tarvoAddLabel(window, name.data(), name.size(), box.left, box.top, box.width, box.height, font.data(), font.size(),
                  em, background.data(), background.size(), drawnOnly, copyable);
}

void addTextBox(int window, std::string_view name, std::string_view text, Box box, std::string_view font, int limit,
                int focusOrder, std::string_view accessibleName, std::string_view description)
{
    tarvoAddTextBox(window, name.data(), name.size(), text.data(), text.size(), box.left, box.top, box.width,
                    box.height, font.data(), font.size(), limit, focusOrder, accessibleName.data(),
                    accessibleName.size(), description.data(), description.size());
}

void addButton(int window, std::string_view name, std::string_view caption, Box box, std::string_view font,
               int focusOrder)
{
    tarvoAddButton(window, name.data(), name.size(), caption.data(), caption.size(), box.left, box.top, box.width,
                   box.height, font.data(), font.size(), focusOrder);
}

void addUprightArrangement(int window, Box client)
{
    tarvoAddUprightArrangement(window, client.width, client.height);
}

void placeUpright(int window, std::string_view control, int left, int top)
{
    tarvoPlaceUpright(window, control.data(), control.size(), left, top);
}

void setReadingOrder(int window, std::span<const std::string_view> names)
{
    const std::string joined = lines(names);
    tarvoSetReadingOrder(window, joined.data(), joined.size());
}

void setLabel(int window, std::string_view name, std::u16string_view caption, std::span<const CaptionLine> lines,
              std::string_view spoken, std::u16string_view tooltip)
{
    std::vector<double> flat;
    for (const CaptionLine& line : lines)
        flat.insert(flat.end(), {double(line.begin), double(line.end), line.baseline});
    tarvoSetLabel(window, name.data(), name.size(), caption.data(), caption.size(), flat.data(), lines.size(),
                  spoken.data(), spoken.size(), tooltip.data(), tooltip.size());
}

double measure(std::string_view font, std::u16string_view text)
{
    return tarvoMeasure(font.data(), font.size(), text.data(), text.size());
}

std::u16string text(int window, std::string_view box)
{
    std::u16string value(std::size_t(tarvoTextSize(window, box.data(), box.size())), u'\0');
    tarvoCopyText(window, box.data(), box.size(), value.data());
    return value;
}

void setText(int window, std::string_view box, std::string_view text)
{
    tarvoSetText(window, box.data(), box.size(), text.data(), text.size());
}

std::size_t selectionStart(int window, std::string_view box)
{
    return std::size_t(tarvoSelectionStart(window, box.data(), box.size()));
}

void setSelection(int window, std::string_view box, std::size_t start, std::size_t end)
{
    tarvoSetSelection(window, box.data(), box.size(), int(start), int(end));
}

void focus(int window, std::string_view control)
{
    tarvoFocus(window, control.data(), control.size());
}

void announce(std::string_view text)
{
    tarvoAnnounce(text.data(), text.size());
}

int modalBox(std::string_view title, std::string_view text, std::span<const std::string_view> buttons, int escape,
             bool errorIcon)
{
    const std::string joined = lines(buttons);
    return tarvoModalBox(title.data(), title.size(), text.data(), text.size(), joined.data(), joined.size(), escape,
                         errorIcon);
}

}  // namespace app::web::page
