#include "spoken_text.h"

namespace app {

std::string spokenName(const ControlDescription& label, std::string_view caption)
{
    if (label.accessibleName.empty())
        return std::string(caption);
    std::string name(label.accessibleName);
    if (label.copyable && !caption.empty())
        name.append(" ").append(caption);
    return name;
}

std::string noticeText(const WindowDescription& window)
{
    std::string text;
    for (const ControlDescription& control : window.controls) {
        std::string_view rest = control.text;
        while (!rest.empty()) {
            const std::size_t end = rest.find("\r\n");
            const std::string_view line = rest.substr(0, end);
            rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 2);
            if (line.empty())
                continue;
            if (!text.empty())
                text += '\n';
            text += line;
        }
    }
    return text;
}

}  // namespace app
