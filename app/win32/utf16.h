#pragma once

#include <string>
#include <string_view>

// UTF-8 (the descriptions' texts) to UTF-16 (the Win32 API's) and back, done
// here rather than by the system so that nothing depends on the code page.
namespace app::win32 {

// Malformed input becomes U+FFFD, one per bad byte.
std::wstring toUtf16(std::string_view utf8);

// An unpaired surrogate becomes U+FFFD.
std::string toUtf8(std::wstring_view utf16);

}  // namespace app::win32
