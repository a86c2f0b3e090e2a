#pragma once

#include <QStringView>

#include <string_view>

namespace app::qt {

// A QString's UTF-16 units, as the shared text rules (app/text.h) read them.
inline std::u16string_view unitsOf(QStringView text)
{
    return {text.utf16(), std::size_t(text.size())};
}

}  // namespace app::qt
