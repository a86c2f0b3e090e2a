#include "standalone_window.h"

namespace tests {
namespace {

class NoEvents final : public app::WindowEvents {
public:
    void clicked(std::string_view) override {}
    void closed() override {}
};

class NoShell final : public app::Shell {
public:
    void showWindow(std::string_view) override {}
    app::MessageBoxAnswer showMessageBox(const app::MessageBoxRequest&) override { return app::MessageBoxAnswer::No; }
};

NoEvents noEvents;
NoShell noShell;

}  // namespace

std::unique_ptr<app::qt::QtWindow> standaloneWindow(const app::WindowDescription& description)
{
    return std::make_unique<app::qt::QtWindow>(description, noEvents, noShell);
}

}  // namespace tests
