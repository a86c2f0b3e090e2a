#pragma once

#include <functional>
#include <string_view>
#include <vector>

// How a label's caption breaks into lines: at "\r\n", then within each
// paragraph by the rule every backend shares (app/caption_lines.h). A run
// without a break point stays whole and is cut off at the label's edge.
namespace app::win32 {

// The width in pixels of a piece of text in the label's font.
using MeasureText = std::function<int(std::wstring_view)>;

// The caption's lines for a label `width` pixels wide: views into `caption`,
// without the line breaks and without the blanks at which a line was broken.
std::vector<std::wstring_view> breakCaption(std::wstring_view caption, int width, const MeasureText& measure);

}  // namespace app::win32
