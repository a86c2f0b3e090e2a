#include "caption_lines.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <string_view>

namespace app {
namespace {

constexpr char32_t blank = U' ';

struct CodeRange {
    char32_t first;
    char32_t last;
};

// Chinese characters: the Han ideographs of every block, and the Chinese
// punctuation and full-width forms written among them.
constexpr std::array chineseRanges{
    CodeRange{0x2E80, 0x2FDF},    // radicals
    CodeRange{0x3000, 0x303F},    // symbols and punctuation
    CodeRange{0x3400, 0x4DBF},    // extension A
    CodeRange{0x4E00, 0x9FFF},    // unified ideographs
    CodeRange{0xF900, 0xFAFF},    // compatibility ideographs
    CodeRange{0xFE30, 0xFE4F},    // compatibility forms
    CodeRange{0xFF01, 0xFF60},    // full-width forms
    CodeRange{0xFFE0, 0xFFE6},    // full-width signs
    CodeRange{0x20000, 0x3FFFF},  // extensions B and later
};

// No line starts with a closing mark or ends with an opening one.
constexpr std::u32string_view closingMarks = U")]},.:;!?%，。、：；！？）】》」』〕〉”’…";
constexpr std::u32string_view openingMarks = U"([{（【《「『〔〈“‘";

bool isChinese(char32_t character)
{
    return std::ranges::any_of(chineseRanges, [character](const CodeRange& range) {
        return range.first <= character && character <= range.last;
    });
}

// After a run of blanks, and on either side of a Chinese character.
bool mayBreakBetween(char32_t before, char32_t after)
{
    if (before == blank)
        return after != blank;
    if (after == blank || !(isChinese(before) || isChinese(after)))
        return false;
    const bool closes = closingMarks.find(after) != std::u32string_view::npos;
    const bool opens = openingMarks.find(before) != std::u32string_view::npos;
    return !closes && !opens;
}

struct CodePoint {
    char32_t value;
    std::size_t offset;  // of its first UTF-16 unit
};

std::vector<CodePoint> codePoints(std::u16string_view text)
{
    std::vector<CodePoint> points;
    for (std::size_t i = 0; i < text.size();) {
        const char16_t unit = text[i];
        const bool pair =
            unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
        if (pair) {
            points.push_back({0x10000 + ((char32_t(unit) - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00), i});
            i += 2;
        } else {
            points.push_back({unit, i});
            ++i;
        }
    }
    return points;
}

// The offsets where a line may end, in order; the paragraph's end is the last.
std::vector<std::size_t> breakOffsets(std::u16string_view text)
{
    const std::vector<CodePoint> points = codePoints(text);
    std::vector<std::size_t> offsets;
    for (std::size_t i = 1; i < points.size(); ++i) {
        if (mayBreakBetween(points[i - 1].value, points[i].value))
            offsets.push_back(points[i].offset);
    }
    offsets.push_back(text.size());
    return offsets;
}

std::size_t endWithoutBlanks(std::u16string_view text, std::size_t begin, std::size_t end)
{
    while (end > begin && text[end - 1] == blank)
        --end;
    return end;
}

}  // namespace

std::vector<CaptionLine> breakCaptionLines(std::u16string_view paragraph, double width, const TextWidth& widthOf)
{
    const std::vector<std::size_t> offsets = breakOffsets(paragraph);
    std::vector<CaptionLine> lines;
    std::size_t begin = 0;
    auto end = offsets.begin();
    for (;;) {
        // At least the first run, then every further run that still fits.
        for (auto next = std::next(end);
             next != offsets.end() && widthOf(begin, endWithoutBlanks(paragraph, begin, *next)) <= width; ++next)
            end = next;
        lines.push_back({begin, endWithoutBlanks(paragraph, begin, *end)});
        if (*end == paragraph.size())
            return lines;
        begin = *end;
        ++end;
    }
}

}  // namespace app
