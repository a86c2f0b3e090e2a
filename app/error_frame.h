#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace calc {
class RunTimeError;
}

// The error frame of a handler: which error becomes which number, and the
// Chinese text that reports it. What a calculation error came from is the
// windows' to say, through the describer they supply.
namespace app {

// Error numbers of failures that are not the calculation's own.
inline constexpr int outOfMemoryErrorNumber = 7;
inline constexpr int internalErrorNumber = 51;
inline constexpr int invalidPropertyValueErrorNumber = 380;

struct ErrorReport {
    int number = 0;
    std::string text;                  // UTF-8: the number, the description, and what it came from
    std::string_view sourceControl{};  // the control it came from, as the window's describer names it
};

// The Chinese description of an error number; "未知错误" for one we never raise.
std::string errorDescription(int number);

// The report of an error number: "运行时错误 '13':\n\n类型不匹配".
ErrorReport errorReport(int number);

// What a window says of where a calculation error came from.
struct ErrorSource {
    std::string sentence;        // ends the report; empty: nothing to say
    std::string_view control{};  // empty: no control of the window
};

using ErrorDescriber = ErrorSource (*)(const calc::RunTimeError& error);

// The report of the error's number, then the describer's sentence on its
// source, if any. `describe` may be nullptr.
ErrorReport errorReport(const calc::RunTimeError& error, ErrorDescriber describe);

// Runs one handler to its end or to its first error, and returns the report of
// that error. A calc::RunTimeError is reported with its number and what
// `describe` says of its source; running out of memory becomes error 7, an
// InvalidPropertyValue error 380, and any other exception the internal error
// 51. The handler's locals are released on the way out; nothing escapes.
std::optional<ErrorReport> runInErrorFrame(const std::function<void()>& handler, ErrorDescriber describe) noexcept;

}  // namespace app
