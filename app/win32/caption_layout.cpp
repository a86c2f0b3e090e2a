#include "caption_layout.h"

#include <app/caption_lines.h>

#include <string>

namespace app::win32 {
namespace {

// The shared rule of where a caption breaks, applied to one paragraph.
void breakParagraph(std::wstring_view paragraph, int width, const MeasureText& measure,
                    std::vector<std::wstring_view>& lines)
{
    const std::u16string units(paragraph.begin(), paragraph.end());  // wchar_t holds UTF-16 here
    const auto widthOf = [&](std::size_t begin, std::size_t end) {
        return double(measure(paragraph.substr(begin, end - begin)));
    };
    for (const CaptionLine& line : breakCaptionLines(units, width, widthOf))
        lines.push_back(paragraph.substr(line.begin, line.end - line.begin));
}

}  // namespace

std::vector<std::wstring_view> breakCaption(std::wstring_view caption, int width, const MeasureText& measure)
{
    std::vector<std::wstring_view> lines;
    if (caption.empty())
        return lines;
    for (std::size_t start = 0;;) {
        const std::size_t end = caption.find(L"\r\n", start);
        breakParagraph(caption.substr(start, end - start), width, measure, lines);
        if (end == std::wstring_view::npos)
            break;
        start = end + 2;
    }
    return lines;
}

}  // namespace app::win32
