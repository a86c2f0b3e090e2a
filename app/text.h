#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The rules of text that every backend follows, over UTF-16 as both toolkits
// hold it: what a character is, how a box's character limit takes an edit,
// where a caption breaks into lines and where its label cuts it off, and
// which caption has a tooltip. A backend only measures and draws.
//
// A character is a code point: a surrogate pair is one character and is never
// split; a lone surrogate counts as one character too.
namespace app {

// ---- Characters and positions

// The number of characters of `text`.
int characterCount(std::u16string_view text);

// The number of characters of valid UTF-8 (the texts a handler reads).
int characterCount(std::string_view utf8);

// The UTF-16 offset of the character position `characters`, or the text's end
// beyond it; 0 for a position below 1.
std::size_t unitOffset(std::u16string_view text, int characters);

// Where a selection of `characters` characters that starts at the UTF-16
// offset `start` ends, as a UTF-16 offset.
std::size_t selectionEnd(std::u16string_view text, std::size_t start, int characters);

// ---- Encodings

// Malformed input becomes U+FFFD, one per bad byte.
std::u16string toUtf16(std::string_view utf8);

// An unpaired surrogate becomes U+FFFD.
std::string toUtf8(std::u16string_view utf16);

// ---- A text box's character limit

// How many leading UTF-16 units of `inserted` fit when they replace
// [start, end) of `text`, keeping it within `limit` characters: whole
// characters only. A surrogate half completing a pair already in the text adds
// no character.
std::size_t fittingUnits(std::u16string_view text, std::size_t start, std::size_t end, std::u16string_view inserted,
                         int limit);

// ---- Captions
//
// A caption's paragraphs end at "\n" or "\r\n". A paragraph breaks into lines
// only after a run of blanks and beside Chinese characters, never before a
// closing mark such as "，" or after an opening one; a run without such a break
// point, a number for one, stays on one line however wide it is.
//
// Lines are laid out with the metrics of the named Chinese faces, whatever face
// stands in for them: the first baseline 0.86 em below the label's top, each
// further line 1.15 em lower. A line that starts below the label's bottom is
// not shown, and one whose baseline lies below it is shown cut; a line wider
// than the label shows the characters that start inside it, the last of them
// cut at the edge.

// The width of the caption's text from UTF-16 offset `begin` to `end`, laid
// out as one line in the label's font.
using TextWidth = std::function<double(std::size_t begin, std::size_t end)>;

struct CaptionArea {
    double width = 0;  // the label's, in the units of TextWidth
    double height = 0;
    double em = 0;  // the font's size
};

struct CaptionLine {
    std::size_t begin = 0;  // UTF-16 offsets into the caption of what is drawn
    std::size_t end = 0;
    double baseline = 0;  // from the label's top
};

struct CaptionLayout {
    std::vector<CaptionLine> lines;  // only those that start inside the label
    bool cutOff = false;             // whether part of the caption is not shown
};

CaptionLayout layOutCaption(std::u16string_view caption, const CaptionArea& area, const TextWidth& widthOf);

// Who gave a label its caption: its window's table, or a handler since.
enum class CaptionSource { Table, Handler };

// What a label's tooltip shows: the whole caption when a handler set it and
// the label cuts it off; nothing otherwise.
std::u16string_view captionTooltip(std::u16string_view caption, CaptionSource source, const CaptionLayout& layout);

}  // namespace app
