#pragma once

#include <app/window_description.h>

#include <windows.h>

namespace app::win32 {

// GB2312_CHARSET: every font of the windows is in it.
inline constexpr BYTE chineseCharacterSet = 134;

// The logical font of a description at `dpi`: the named face, the em height
// of the exact point size, weight 700 or 400, italic.
LOGFONTW logicalFont(const FontDescription& font, unsigned dpi);

// Owns one GDI font.
class Font {
public:
    Font() = default;
    Font(const FontDescription& font, unsigned dpi);
    Font(Font&& other) noexcept;
    Font& operator=(Font&& other) noexcept;
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;
    ~Font();

    HFONT handle() const { return handle_; }

private:
    HFONT handle_ = nullptr;
};

}  // namespace app::win32
