// Prints the rows the other backends' tests share, what the notice windows say,
// what a screen reader hears of the main window's controls, in their focus
// order and in the window's reading order, and where each window's controls
// are read for legibility, as JSON for the browser tests.

#include <app/spoken_text.h>
#include <tests/support/announcements.h>
#include <tests/support/contrast_themes.h>
#include <tests/support/reading_order.h>
#include <ui/info/form2.h>
#include <ui/info/form3.h>
#include <ui/main/form1_description.h>

#include <algorithm>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::string quoted(std::string_view text)
{
    std::string json = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            json += '\\';
        json += c == '\n' ? std::string("\\n") : std::string(1, c);
    }
    return json + "\"";
}

std::string areaJson(const tests::Area& area)
{
    return "[" + std::to_string(area.left) + ", " + std::to_string(area.top) + ", " + std::to_string(area.width) + ", " +
           std::to_string(area.height) + "]";
}

// In twips: {window: [{control, area, covered, ownBackground}]}.
void printLegibilityProbes()
{
    const char* windowSeparator = "";
    for (const app::WindowDescription* window :
         {&ui::main::form1Description, &ui::info::form2Description, &ui::info::form3Description}) {
        std::cout << windowSeparator << quoted(window->name) << ": [";
        const char* separator = "";
        for (const tests::LegibilityProbe& probe : tests::legibilityProbes(*window)) {
            std::cout << separator << "{\"control\": " << quoted(probe.control) << ", \"area\": " << areaJson(probe.area)
                      << ", \"covered\": [";
            const char* areaSeparator = "";
            for (const tests::Area& area : probe.covered) {
                std::cout << areaSeparator << areaJson(area);
                areaSeparator = ", ";
            }
            std::cout << "], \"ownBackground\": " << (probe.ownBackground ? "true" : "false") << "}";
            separator = ", ";
        }
        std::cout << "]";
        windowSeparator = ", ";
    }
}

}  // namespace

int main()
{
    std::cout << "{\"announcements\": [";
    const char* separator = "";
    for (const tests::Announcement& row : tests::announcements) {
        std::cout << separator << "{\"name\": " << quoted(row.name) << ", \"a\": " << quoted(row.a)
                  << ", \"b\": " << quoted(row.b) << ", \"c\": " << quoted(row.c)
                  << ", \"clear\": " << (row.clear ? "true" : "false") << ", \"heard\": " << quoted(row.heard) << "}";
        separator = ", ";
    }
    std::cout << "], \"noticeTexts\": {\"Form2\": " << quoted(app::noticeText(ui::info::form2Description))
              << ", \"Form3\": " << quoted(app::noticeText(ui::info::form3Description)) << "}, \"heard\": {";
    separator = "";
    std::vector<const app::ControlDescription*> chain;
    for (const app::ControlDescription& control : ui::main::form1Controls) {
        std::cout << separator << quoted(control.name) << ": "
                  << (control.drawnOnly ? "null" : quoted(app::spokenName(control, control.text)));
        separator = ", ";
        if (control.focusOrder >= 0)
            chain.push_back(&control);
    }
    std::sort(chain.begin(), chain.end(), [](auto* one, auto* other) { return one->focusOrder < other->focusOrder; });
    std::cout << "}, \"focusChain\": [";
    separator = "";
    for (const app::ControlDescription* control : chain) {
        std::cout << separator << quoted(control->name);
        separator = ", ";
    }
    std::cout << "], \"reading\": [";
    separator = "";
    for (const char* heard : tests::form1Reading) {
        std::cout << separator << quoted(heard);
        separator = ", ";
    }
    std::cout << "], \"contrastThemes\": [";
    separator = "";
    for (const tests::ContrastTheme& theme : tests::contrastThemes) {
        std::cout << separator << "{\"name\": " << quoted(theme.name) << ", \"scheme\": " << quoted(theme.scheme) << "}";
        separator = ", ";
    }
    std::cout << "], \"legibleContrast\": " << tests::legibleContrast << ", \"legibilityProbes\": {";
    printLegibilityProbes();
    std::cout << "}}\n";
}
