#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The character limit of a text box, counted in characters: a surrogate pair
// is one character and is never split.
namespace app::win32 {

// The number of characters of `text`; a lone surrogate counts as one.
int characterCount(std::wstring_view text);

// The code-unit offset after the first `characters` characters of `text`, or its end.
std::size_t offsetAfterCharacters(std::wstring_view text, int characters);

struct LimitedText {
    std::wstring text;
    std::size_t caret = 0;  // in code units
};

// Holds `text` to `limit` characters after an edit that left the caret at
// `caret`: the excess is removed just before the caret, where typed or pasted
// text ends, and from the end when the caret is too near the start.
LimitedText limitCharacters(std::wstring_view text, std::size_t caret, int limit);

}  // namespace app::win32
