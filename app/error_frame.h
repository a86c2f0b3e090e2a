#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace calc {
class RunTimeError;
}

// The error frame of a handler: which error becomes which number, and the
// Chinese text that reports it. What caused a calculation error is the
// windows' to say, through the describer they supply.
namespace app {

// The failures the frame reports that are not the calculation's own: their
// numbers and what the user is told they mean.
struct FrameError {
    int number;
    std::string_view description;  // UTF-8
};

inline constexpr FrameError outOfMemory{7, "内存不足"};
inline constexpr FrameError internalError{51, "内部错误"};
inline constexpr FrameError invalidPropertyValue{380, "无效的属性值"};

struct ErrorReport {
    int number = 0;
    std::string text;                 // UTF-8: the number, the description, and what caused it
    std::string_view causeControl{};  // the control of its cause, as the window's describer names it
};

// What a window says of what caused a calculation error.
struct CauseNote {
    std::string sentence;        // ends the report; empty: nothing to say
    std::string_view control{};  // empty: no control of the window
};

using CauseDescriber = CauseNote (*)(const calc::RunTimeError& error);

// The report of the error's number and description, then the describer's
// sentence on its cause, if any: "运行时错误 '13':\n\n类型不匹配\n\n…".
// `describe` may be nullptr.
ErrorReport errorReport(const calc::RunTimeError& error, CauseDescriber describe);

// Runs one handler to its end or to its first error, and returns the report of
// that error. A calc::RunTimeError is reported with its number and what
// `describe` says of its cause; running out of memory, an InvalidPropertyValue
// and any other exception become the frame's own errors above. The handler's
// locals are released on the way out; nothing escapes.
std::optional<ErrorReport> runInErrorFrame(const std::function<void()>& handler, CauseDescriber describe) noexcept;

}  // namespace app
