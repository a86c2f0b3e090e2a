#include "fonts.h"

#include "dpi.h"
#include "utf16.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace app::win32 {

LOGFONTW logicalFont(const FontDescription& font, unsigned dpi)
{
    LOGFONTW logical{};
    logical.lfHeight = -pointsToPixels(font.points, dpi);  // negative: the em, not the cell
    logical.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    logical.lfItalic = font.italic ? TRUE : FALSE;
    logical.lfCharSet = chineseCharacterSet;
    logical.lfOutPrecision = OUT_TT_PRECIS;
    logical.lfQuality = CLEARTYPE_QUALITY;
    const std::wstring face = toUtf16(font.face);
    if (face.size() >= LF_FACESIZE)
        throw std::length_error("font face name too long");
    std::ranges::copy(face, logical.lfFaceName);
    return logical;
}

Font::Font(const FontDescription& font, unsigned dpi)
{
    const LOGFONTW logical = logicalFont(font, dpi);
    handle_ = CreateFontIndirectW(&logical);
    if (handle_ == nullptr)
        throw std::runtime_error("CreateFontIndirectW failed");
}

Font::Font(Font&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}

Font& Font::operator=(Font&& other) noexcept
{
    std::swap(handle_, other.handle_);
    return *this;
}

Font::~Font()
{
    if (handle_ != nullptr)
        DeleteObject(handle_);
}

}  // namespace app::win32
