#include "utf16.h"

namespace app::win32 {
namespace {

constexpr char32_t replacement = 0xFFFD;

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// Decodes the sequence at `text[i]`, advancing `i` past it.
char32_t decodeUtf8(std::string_view text, std::size_t& i)
{
    const auto lead = static_cast<unsigned char>(text[i]);
    struct Form {
        unsigned char mask, bits;
        int length;
        char32_t minimum;
    };
    constexpr Form forms[] = {
        {0x80, 0x00, 1, 0}, {0xE0, 0xC0, 2, 0x80}, {0xF0, 0xE0, 3, 0x800}, {0xF8, 0xF0, 4, 0x10000}};
    for (const Form& form : forms) {
        if ((lead & form.mask) != form.bits)
            continue;
        const auto length = static_cast<std::size_t>(form.length);
        if (text.size() - i < length)
            break;
        char32_t code = lead & static_cast<unsigned char>(~form.mask);
        for (std::size_t k = 1; k < length; ++k) {
            const auto byte = static_cast<unsigned char>(text[i + k]);
            if (!isContinuation(byte)) {
                ++i;
                return replacement;
            }
            code = code << 6 | (byte & 0x3Fu);
        }
        if (code < form.minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            break;
        i += length;
        return code;
    }
    ++i;
    return replacement;
}

void appendUtf8(std::string& out, char32_t code)
{
    auto put = [&out](char32_t value) { out.push_back(static_cast<char>(value)); };
    if (code < 0x80) {
        put(code);
    } else if (code < 0x800) {
        put(0xC0 | code >> 6);
        put(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        put(0xE0 | code >> 12);
        put(0x80 | (code >> 6 & 0x3F));
        put(0x80 | (code & 0x3F));
    } else {
        put(0xF0 | code >> 18);
        put(0x80 | (code >> 12 & 0x3F));
        put(0x80 | (code >> 6 & 0x3F));
        put(0x80 | (code & 0x3F));
    }
}

}  // namespace

std::wstring toUtf16(std::string_view utf8)
{
    std::wstring out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t code = decodeUtf8(utf8, i);
        if (code >= 0x10000) {
            out.push_back(static_cast<wchar_t>(0xD800 + ((code - 0x10000) >> 10)));
            out.push_back(static_cast<wchar_t>(0xDC00 + ((code - 0x10000) & 0x3FF)));
        } else {
            out.push_back(static_cast<wchar_t>(code));
        }
    }
    return out;
}

std::string toUtf8(std::wstring_view utf16)
{
    std::string out;
    out.reserve(utf16.size() * 3);
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        const char32_t unit = static_cast<char16_t>(utf16[i]);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < utf16.size()) {
            const char32_t low = static_cast<char16_t>(utf16[i + 1]);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                appendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                ++i;
                continue;
            }
        }
        appendUtf8(out, unit >= 0xD800 && unit <= 0xDFFF ? replacement : unit);
    }
    return out;
}

}  // namespace app::win32
