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

std::wstring_view fittingInsertion(std::wstring_view text, std::size_t start, std::size_t end,
                                   std::wstring_view inserted, int limit)
{
    end = std::min(end, text.size());
    start = std::min(start, end);
    std::wstring edited(text.substr(0, start));
    const std::size_t insertAt = edited.size();
    edited.append(text.substr(end));
    std::size_t taken = 0;
    while (taken < inserted.size()) {
        const std::size_t next = taken + (isPairAt(inserted, taken) ? 2 : 1);
        edited.insert(insertAt + taken, inserted.substr(taken, next - taken));
        if (characterCount(edited) > limit)
            break;
        taken = next;
    }
    return inserted.substr(0, taken);
}

}  // namespace app::win32
