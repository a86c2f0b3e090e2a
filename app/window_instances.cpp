#include "window_instances.h"

#include <QPointer>

#include <map>
#include <string>

namespace app {
namespace {

// Guarded pointers: a closed window deletes itself and its entry reads null.
std::map<std::string, QPointer<RuntimeWindow>, std::less<>>& instances()
{
    static std::map<std::string, QPointer<RuntimeWindow>, std::less<>> windows;
    return windows;
}

}  // namespace

RuntimeWindow* openInstance(std::string_view name)
{
    const auto found = instances().find(name);
    if (found == instances().end())
        return nullptr;
    RuntimeWindow* window = found->second.data();
    // A closed window is hidden until its deferred deletion runs; it is gone already.
    return window != nullptr && window->isVisible() ? window : nullptr;
}

RuntimeWindow& showSingleInstance(std::string_view name, const WindowFactory& create)
{
    RuntimeWindow* window = openInstance(name);
    if (window == nullptr) {
        window = create().release();
        window->setAttribute(Qt::WA_DeleteOnClose);
        instances()[std::string(name)] = window;
    }
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);  // restored when minimised
    window->show();
    window->raise();
    window->activateWindow();
    return *window;
}

RuntimeWindow& showSingleInstance(const WindowDescription& description)
{
    return showSingleInstance(description.name,
                              [&description] { return std::make_unique<RuntimeWindow>(description); });
}

}  // namespace app
