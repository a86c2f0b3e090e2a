#include "utf16.h"

#include <app/text.h>

namespace app::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Win32 wide strings are UTF-16");

std::u16string unitsOf(std::wstring_view text)
{
    return std::u16string(text.begin(), text.end());
}

std::wstring wideOf(std::u16string_view units)
{
    return std::wstring(units.begin(), units.end());
}

std::wstring toUtf16(std::string_view utf8)
{
    return wideOf(app::toUtf16(utf8));
}

std::string toUtf8(std::wstring_view utf16)
{
    return app::toUtf8(unitsOf(utf16));
}

}  // namespace app::win32
