#include "caption_layout.h"

namespace app::win32 {
namespace {

// Punctuation that closes (no break before it) or opens (no break after it).
constexpr std::wstring_view closing = L"，。、：；！？）》」』】〉〕］｝”’％．,.:;!?)]}%";
constexpr std::wstring_view opening = L"（《「『【〈〔［｛“‘([{";

bool isBlank(wchar_t unit)
{
    return unit == L' ' || unit == L'\t' || unit == L'\x3000';
}

// Ideographs, kana, CJK punctuation and full-width forms; a surrogate belongs
// to the supplementary ideographs here.
bool isChinese(wchar_t unit)
{
    return (unit >= 0x2E80 && unit <= 0x9FFF) || (unit >= 0xF900 && unit <= 0xFAFF) ||
           (unit >= 0xFF00 && unit <= 0xFFEF) || (unit >= 0xD800 && unit <= 0xDFFF);
}

bool isLowSurrogate(wchar_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// May a line end between text[i - 1] and text[i]?
bool mayBreakBefore(std::wstring_view text, std::size_t i)
{
    const wchar_t before = text[i - 1];
    const wchar_t after = text[i];
    if (isLowSurrogate(after) || isBlank(after))
        return false;
    if (isBlank(before))
        return true;
    if (closing.find(after) != std::wstring_view::npos || opening.find(before) != std::wstring_view::npos)
        return false;
    return isChinese(before) || isChinese(after);
}

std::wstring_view trimBlanksAtEnd(std::wstring_view line)
{
    while (!line.empty() && isBlank(line.back()))
        line.remove_suffix(1);
    return line;
}

void breakParagraph(std::wstring_view paragraph, int width, const MeasureText& measure,
                    std::vector<std::wstring_view>& lines)
{
    std::size_t lineStart = 0;
    std::size_t lastBreak = 0;  // the latest break point after lineStart; 0: none yet
    for (std::size_t i = 1; i <= paragraph.size(); ++i) {
        const bool atEnd = i == paragraph.size();
        if (!atEnd && !mayBreakBefore(paragraph, i))
            continue;
        const std::wstring_view candidate = trimBlanksAtEnd(paragraph.substr(lineStart, i - lineStart));
        if (measure(candidate) > width && lastBreak > lineStart) {
            lines.push_back(trimBlanksAtEnd(paragraph.substr(lineStart, lastBreak - lineStart)));
            lineStart = lastBreak;
        }
        lastBreak = i;
    }
    lines.push_back(trimBlanksAtEnd(paragraph.substr(lineStart)));
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
