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

// The leading whole characters of `inserted` that fit when they replace
// [start, end) of `text`, keeping it within `limit` characters. A surrogate
// half completing a pair already in the text adds no character.
std::wstring_view fittingInsertion(std::wstring_view text, std::size_t start, std::size_t end,
                                   std::wstring_view inserted, int limit);

}  // namespace app::win32
