#include "character_limit.h"

#include <algorithm>

namespace app::win32 {
namespace {

bool isHigh(wchar_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLow(wchar_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

bool isPairAt(std::wstring_view text, std::size_t index)
{
    return index + 1 < text.size() && isHigh(text[index]) && isLow(text[index + 1]);
}

// The start of the character that ends at `end`.
std::size_t previousCharacter(std::wstring_view text, std::size_t end)
{
    return end >= 2 && isPairAt(text, end - 2) ? end - 2 : end - 1;
}

}  // namespace

int characterCount(std::wstring_view text)
{
    int count = 0;
    for (std::size_t i = 0; i < text.size(); i += isPairAt(text, i) ? 2 : 1)
        ++count;
    return count;
}

std::size_t offsetAfterCharacters(std::wstring_view text, int characters)
{
    std::size_t offset = 0;
    for (; characters > 0 && offset < text.size(); --characters)
        offset += isPairAt(text, offset) ? 2 : 1;
    return offset;
}

LimitedText limitCharacters(std::wstring_view text, std::size_t caret, int limit)
{
    LimitedText result{std::wstring(text), std::min(caret, text.size())};
    int excess = characterCount(text) - limit;
    if (excess <= 0)
        return result;
    std::size_t end = result.caret;
    if (end > 0 && end < text.size() && isPairAt(text, end - 1))
        ++end;  // the caret sits inside a pair: keep the pair whole
    std::size_t start = end;
    for (; excess > 0 && start > 0; --excess)
        start = previousCharacter(text, start);
    result.text.erase(start, end - start);
    result.caret = start;
    std::size_t cut = result.text.size();
    for (; excess > 0 && cut > 0; --excess)
        cut = previousCharacter(result.text, cut);
    result.text.resize(cut);
    result.caret = std::min(result.caret, cut);
    return result;
}

}  // namespace app::win32
