#include "web_toolkit.h"

#include "css_font.h"
#include "page.h"
#include "web_window.h"

#include <array>

namespace app::web {

WebToolkit::WebToolkit()
{
    page::setDefaultFont(cssFont(windowDefaultFont));
}

std::unique_ptr<NativeWindow> WebToolkit::createWindow(const WindowDescription& description, WindowEvents& events,
                                                       Shell& shell)
{
    return std::make_unique<WebWindow>(description, events, shell);
}

MessageBoxAnswer WebToolkit::showMessageBox(const MessageBoxRequest& request)
{
    constexpr std::array<std::string_view, 2> yesNo{"是", "否"};
    constexpr int no = 1;
    return page::modalBox(request.title, request.prompt, yesNo, no, false) == 0 ? MessageBoxAnswer::Yes
                                                                                : MessageBoxAnswer::No;
}

void WebToolkit::showErrorReport(std::string_view title, std::string_view text)
{
    constexpr std::array<std::string_view, 1> ok{"确定"};
    page::modalBox(title, text, ok, 0, true);
}

}  // namespace app::web
