#include "spoken_text.h"

#include <algorithm>
#include <stdexcept>

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

std::vector<const ControlDescription*> inReadingOrder(const WindowDescription& window)
{
    std::vector<const ControlDescription*> ordered;
    for (const ControlDescription& control : window.controls)
        ordered.push_back(&control);
    if (window.readingOrder.empty())
        return ordered;
    if (!isReadingOrder(window.controls, window.readingOrder))
        throw std::invalid_argument(std::string(window.name) + ": a reading order that is not one of its controls");
    for (std::size_t i = 0; i < ordered.size(); ++i)
        ordered[i] = &*std::find_if(window.controls.begin(), window.controls.end(),
                                    [&](const ControlDescription& control) { return control.name == window.readingOrder[i]; });
    return ordered;
}

}  // namespace app
