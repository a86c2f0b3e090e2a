// Prints the rows the other backends' tests share, and what the notice windows
// say, as JSON for the browser tests.

#include <app/spoken_text.h>
#include <tests/support/announcements.h>
#include <ui/info/form2.h>
#include <ui/info/form3.h>

#include <iostream>
#include <string>
#include <string_view>

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
              << ", \"Form3\": " << quoted(app::noticeText(ui::info::form3Description)) << "}}\n";
}
