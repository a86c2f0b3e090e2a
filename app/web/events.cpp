// What page.js calls in the module: the clicks and closes it reports, one
// handler at a time through Module.ccall, and the limit of a box it asks about.

#include "web_window.h"

#include <app/text.h>

#include <emscripten.h>

#include <algorithm>
#include <cstddef>
#include <string_view>

extern "C" {

// A button was clicked, or a text box once the click has placed the caret.
EMSCRIPTEN_KEEPALIVE void tarvo_clicked(int window, const char* control)
{
    if (app::web::WebWindow* open = app::web::WebWindow::withId(window))
        open->events().clicked(control);
}

// The user closed a window inside the page.
EMSCRIPTEN_KEEPALIVE void tarvo_closed(int window)
{
    if (app::web::WebWindow* open = app::web::WebWindow::withId(window))
        open->events().closed();
}

// app::fittingUnits over UTF-16 the page wrote into the module's memory.
EMSCRIPTEN_KEEPALIVE int tarvo_fitting_units(const char16_t* text, int textSize, int start, int end,
                                             const char16_t* inserted, int insertedSize, int limit)
{
    const std::u16string_view units(text, std::size_t(textSize));
    const auto clampedEnd = std::min(std::size_t(end), units.size());
    const auto clampedStart = std::min(std::size_t(start), clampedEnd);
    return int(app::fittingUnits(units, clampedStart, clampedEnd, {inserted, std::size_t(insertedSize)}, limit));
}
}
