#pragma once

#include <string>
#include <string_view>

// The texts of the run-time error report, shared by every backend.
namespace app {

// Error numbers of failures that are not the core's own.
inline constexpr int outOfMemoryErrorNumber = 7;
inline constexpr int internalErrorNumber = 51;

// The report's title.
inline constexpr std::string_view errorReportTitle = "Tarvo";

// The Chinese description of an error number (UTF-8).
std::string_view describeError(int number);

// The report's text (UTF-8): the number and its description.
std::string runTimeErrorReport(int number);

}  // namespace app
