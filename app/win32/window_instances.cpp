#include "window_instances.h"

#include <map>
#include <string>

namespace app::win32 {
namespace {

std::map<std::string, Window*, std::less<>>& instances()
{
    static std::map<std::string, Window*, std::less<>> windows;
    return windows;
}

}  // namespace

Window* openInstance(std::string_view name)
{
    const auto found = instances().find(name);
    return found == instances().end() ? nullptr : found->second;
}

Window& showSingleInstance(const WindowDescription& description, const std::function<void(Window&)>& bind)
{
    Window* window = openInstance(description.name);
    if (window == nullptr) {
        window = &Window::create(description);
        const std::string name(description.name);
        window->onClose([name] { instances().erase(name); });
        instances()[name] = window;
        if (bind)
            bind(*window);
    }
    window->show();
    return *window;
}

}  // namespace app::win32
