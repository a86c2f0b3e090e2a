#pragma once

#include <string>
#include <string_view>

// The Win32 API's wide strings and the shared text rules' UTF-16 (app/text.h):
// the same units, copied across, since the two types may not alias.
namespace app::win32 {

std::u16string unitsOf(std::wstring_view text);
std::wstring wideOf(std::u16string_view units);

// UTF-8 (the descriptions' texts) to wide and back, by the shared rules, so
// that nothing depends on the code page.
std::wstring toUtf16(std::string_view utf8);
std::string toUtf8(std::wstring_view utf16);

}  // namespace app::win32
