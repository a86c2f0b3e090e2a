#pragma once

#include <string_view>

namespace app::qt {

// Shows the report of a run-time error: `text` (UTF-8) in a box titled
// `title` with a "确定" button, modal to the whole program, and waits until the
// user dismisses it.
void showErrorReport(std::string_view title, std::string_view text);

}  // namespace app::qt
