#pragma once

#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

// Where a caption's paragraph breaks into lines: only after a run of blanks
// and beside Chinese characters, never before a closing mark such as "，" or
// after an opening one. A run without such a break point, such as a number,
// stays on one line however wide it is; the label cuts it off.
namespace app {

// A line as UTF-16 offsets into its paragraph: [begin, end). The blanks at a
// break belong to neither line.
struct CaptionLine {
    std::size_t begin = 0;
    std::size_t end = 0;
};

// The width of the paragraph's text from `begin` to `end`, as laid out in one line.
using TextWidth = std::function<double(std::size_t begin, std::size_t end)>;

// Fills each line with as much as fits into `width`; a line holds at least one
// unbreakable run. An empty paragraph is one empty line.
std::vector<CaptionLine> breakCaptionLines(std::u16string_view paragraph, double width, const TextWidth& widthOf);

}  // namespace app
