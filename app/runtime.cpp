#include "runtime.h"

#include "error_frame.h"

#include <stdexcept>

namespace app {

class Runtime::Instance final : public WindowEvents {
public:
    Instance(Runtime& runtime, const WindowClass& windowClass)
        : runtime_(runtime),
          class_(windowClass),
          window_(runtime.toolkit_.createWindow(*windowClass.description, *this, runtime))
    {
    }

    NativeWindow& window() const { return *window_; }
    const WindowClass& windowClass() const { return class_; }

    void clicked(std::string_view control) override
    {
        for (const ClickBinding& binding : class_.clicks) {
            if (binding.control == control)
                runtime_.runHandler(*this, binding.handler);
        }
    }

    // Destroys this instance: nothing may follow the call.
    void closed() override { runtime_.discard(class_.description->name); }

private:
    Runtime& runtime_;
    const WindowClass& class_;
    std::unique_ptr<NativeWindow> window_;
};

Runtime::Runtime(Toolkit& toolkit, std::span<const WindowClass> windows, std::string_view programName)
    : toolkit_(toolkit), programName_(programName)
{
    for (const WindowClass& windowClass : windows) {
        const std::string_view name = windowClass.description->name;
        if (!classes_.emplace(std::string(name), &windowClass).second)
            throw std::invalid_argument("two windows are named " + std::string(name));
    }
}

Runtime::~Runtime() = default;

void Runtime::showWindow(std::string_view windowName)
{
    auto open = instances_.find(windowName);
    if (open == instances_.end()) {
        const auto found = classes_.find(windowName);
        if (found == classes_.end())
            throw std::out_of_range("no window is named " + std::string(windowName));
        open = instances_.emplace(found->first, std::make_unique<Instance>(*this, *found->second)).first;
    }
    open->second->window().show();
}

MessageBoxAnswer Runtime::showMessageBox(const MessageBoxRequest& request)
{
    return toolkit_.showMessageBox(request);
}

NativeWindow* Runtime::openWindow(std::string_view windowName) const
{
    const auto open = instances_.find(windowName);
    return open == instances_.end() ? nullptr : &open->second->window();
}

void Runtime::runHandler(Instance& instance, ClickHandler handler)
{
    const auto report =
        runInErrorFrame([&] { handler(instance.window()); }, instance.windowClass().describeCause);
    if (!report)
        return;
    toolkit_.showErrorReport(programName_, report->text);
    if (const ErrorFollowUp followUp = instance.windowClass().afterErrorReport)
        followUp(instance.window(), *report);
}

void Runtime::discard(std::string_view windowName)
{
    const auto open = instances_.find(windowName);
    if (open == instances_.end())
        return;
    const std::unique_ptr<Instance> closing = std::move(open->second);
    instances_.erase(open);
    if (instances_.empty())
        toolkit_.quit();
}

}  // namespace app
