#include "text.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace app {
namespace {

constexpr char32_t replacement = 0xFFFD;

bool isHighSurrogate(char32_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(char32_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

struct Character {
    char32_t code;     // a lone surrogate as itself
    std::size_t next;  // the UTF-16 offset after it
};

Character characterAt(std::u16string_view text, std::size_t at)
{
    const char32_t unit = text[at];
    if (isHighSurrogate(unit) && at + 1 < text.size() && isLowSurrogate(text[at + 1]))
        return {0x10000 + ((unit - 0xD800) << 10) + (char32_t(text[at + 1]) - 0xDC00), at + 2};
    return {unit, at + 1};
}

// ---- UTF-8

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// Decodes the sequence at `text[i]`, advancing `i` past it.
char32_t decodeUtf8(std::string_view text, std::size_t& i)
{
    const auto lead = static_cast<unsigned char>(text[i]);
    struct Form {
        unsigned char mask, bits;
        std::size_t length;
        char32_t minimum;
    };
    constexpr Form forms[] = {
        {0x80, 0x00, 1, 0}, {0xE0, 0xC0, 2, 0x80}, {0xF0, 0xE0, 3, 0x800}, {0xF8, 0xF0, 4, 0x10000}};
    for (const Form& form : forms) {
        if ((lead & form.mask) != form.bits)
            continue;
        if (text.size() - i < form.length)
            break;
        char32_t code = lead & static_cast<unsigned char>(~form.mask);
        for (std::size_t k = 1; k < form.length; ++k) {
            const auto byte = static_cast<unsigned char>(text[i + k]);
            if (!isContinuation(byte)) {
                ++i;
                return replacement;
            }
            code = code << 6 | (byte & 0x3Fu);
        }
        if (code < form.minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            break;
        i += form.length;
        return code;
    }
    ++i;
    return replacement;
}

void appendUtf8(std::string& out, char32_t code)
{
    auto put = [&out](char32_t value) { out.push_back(static_cast<char>(value)); };
    if (code < 0x80) {
        put(code);
    } else if (code < 0x800) {
        put(0xC0 | code >> 6);
        put(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        put(0xE0 | code >> 12);
        put(0x80 | (code >> 6 & 0x3F));
        put(0x80 | (code & 0x3F));
    } else {
        put(0xF0 | code >> 18);
        put(0x80 | (code >> 12 & 0x3F));
        put(0x80 | (code >> 6 & 0x3F));
        put(0x80 | (code & 0x3F));
    }
}

// ---- Where captions break

constexpr char32_t blank = U' ';
constexpr double namedFaceAscent = 0.86;    // em
constexpr double namedFaceLineStep = 1.15;  // em: their 1 em, and room for the taller substitutes

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
    return std::any_of(chineseRanges.begin(), chineseRanges.end(), [character](const CodeRange& range) {
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

// The offsets in [begin, end) of `text` where a line may end, in order; `end` is the last.
std::vector<std::size_t> breakOffsets(std::u16string_view text, std::size_t begin, std::size_t end)
{
    std::vector<std::size_t> offsets;
    if (begin < end) {
        Character before = characterAt(text, begin);
        while (before.next < end) {
            const Character after = characterAt(text, before.next);
            if (mayBreakBetween(before.code, after.code))
                offsets.push_back(before.next);
            before = after;
        }
    }
    offsets.push_back(end);
    return offsets;
}

std::size_t endWithoutBlanks(std::u16string_view text, std::size_t begin, std::size_t end)
{
    while (end > begin && text[end - 1] == blank)
        --end;
    return end;
}

struct Span {
    std::size_t begin;
    std::size_t end;
};

// Fills each line of the paragraph [begin, end) with as much as fits into
// `width`; a line holds at least one unbreakable run. An empty paragraph is one
// empty line. The blanks at a break belong to neither line.
void breakParagraph(std::u16string_view text, Span paragraph, double width, const TextWidth& widthOf,
                    std::vector<Span>& lines)
{
    const std::vector<std::size_t> offsets = breakOffsets(text, paragraph.begin, paragraph.end);
    std::size_t begin = paragraph.begin;
    auto end = offsets.begin();
    for (;;) {
        for (auto next = std::next(end);
             next != offsets.end() && widthOf(begin, endWithoutBlanks(text, begin, *next)) <= width; ++next)
            end = next;
        lines.push_back({begin, endWithoutBlanks(text, begin, *end)});
        if (*end == paragraph.end)
            return;
        begin = *end;
        ++end;
    }
}

std::vector<Span> captionLines(std::u16string_view caption, double width, const TextWidth& widthOf)
{
    std::vector<Span> lines;
    if (caption.empty())
        return lines;
    for (std::size_t begin = 0;;) {
        const std::size_t newline = std::min(caption.find(u'\n', begin), caption.size());
        const std::size_t end = newline > begin && caption[newline - 1] == u'\r' ? newline - 1 : newline;
        breakParagraph(caption, {begin, end}, width, widthOf, lines);
        if (newline == caption.size())
            return lines;
        begin = newline + 1;
    }
}

// The end of the characters of a line that start left of the label's edge.
std::size_t shownEnd(std::u16string_view caption, Span line, double width, const TextWidth& widthOf)
{
    std::size_t end = line.begin;
    while (end < line.end && widthOf(line.begin, end) < width)
        end = characterAt(caption, end).next;
    return end;
}

}  // namespace

int characterCount(std::u16string_view text)
{
    int count = 0;
    for (std::size_t at = 0; at < text.size(); at = characterAt(text, at).next)
        ++count;
    return count;
}

int characterCount(std::string_view utf8)
{
    // Continuation bytes (10xxxxxx) belong to the character before them.
    return static_cast<int>(std::count_if(utf8.begin(), utf8.end(),
                                          [](char byte) { return !isContinuation(static_cast<unsigned char>(byte)); }));
}

std::size_t unitOffset(std::u16string_view text, int characters)
{
    std::size_t offset = 0;
    for (; characters > 0 && offset < text.size(); --characters)
        offset = characterAt(text, offset).next;
    return offset;
}

std::size_t selectionEnd(std::u16string_view text, std::size_t start, int characters)
{
    const int startCharacters = characterCount(text.substr(0, std::min(start, text.size())));
    return unitOffset(text, startCharacters + characters);
}

std::u16string toUtf16(std::string_view utf8)
{
    std::u16string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t code = decodeUtf8(utf8, i);
        if (code >= 0x10000) {
            out.push_back(static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(code));
        }
    }
    return out;
}

std::string toUtf8(std::u16string_view utf16)
{
    std::string out;
    out.reserve(utf16.size() * 3);
    for (std::size_t at = 0; at < utf16.size();) {
        const Character character = characterAt(utf16, at);
        const bool lone = isHighSurrogate(character.code) || isLowSurrogate(character.code);
        appendUtf8(out, lone ? replacement : character.code);
        at = character.next;
    }
    return out;
}

std::size_t fittingUnits(std::u16string_view text, std::size_t start, std::size_t end, std::u16string_view inserted,
                         int limit)
{
    end = std::min(end, text.size());
    start = std::min(start, end);
    std::u16string edited(text.substr(0, start));
    edited.append(text.substr(end));
    std::size_t taken = 0;
    while (taken < inserted.size()) {
        const std::size_t next = characterAt(inserted, taken).next;
        edited.insert(start + taken, inserted.substr(taken, next - taken));
        if (characterCount(edited) > limit)
            break;
        taken = next;
    }
    return taken;
}

CaptionLayout layOutCaption(std::u16string_view caption, const CaptionArea& area, const TextWidth& widthOf)
{
    CaptionLayout layout;
    double top = 0;
    for (const Span line : captionLines(caption, area.width, widthOf)) {
        if (top >= area.height) {
            layout.cutOff = true;
            break;
        }
        const bool wider = widthOf(line.begin, line.end) > area.width;
        const std::size_t end = wider ? shownEnd(caption, line, area.width, widthOf) : line.end;
        const double baseline = top + namedFaceAscent * area.em;
        layout.lines.push_back({line.begin, end, baseline});
        layout.cutOff = layout.cutOff || wider || baseline > area.height;
        top += namedFaceLineStep * area.em;
    }
    return layout;
}

std::u16string_view captionTooltip(std::u16string_view caption, CaptionSource source, const CaptionLayout& layout)
{
    return source == CaptionSource::Handler && layout.cutOff ? caption : std::u16string_view();
}

}  // namespace app
