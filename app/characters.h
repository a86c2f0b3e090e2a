#pragma once

#include <string_view>

namespace app {

// The number of characters (code points) of a valid UTF-8 text: what the user
// counts, and what selections and the text boxes' limits are measured in.
int characterCount(std::string_view utf8);

}  // namespace app
