#pragma once

#include <span>
#include <string_view>

// Who the program is: what its composition root tells the app layer and
// the backend, so that neither names the program itself.
namespace app {

struct ProgramIdentity {
    std::string_view name{};                          // the title of the error report, the window class
    std::string_view version{};                       // as users read it
    std::string_view applicationId{};                 // the desktop entry's and the themed icon's name
    std::span<const std::string_view> windowIcons{};  // image files of the window icon, small to large
};

}  // namespace app
