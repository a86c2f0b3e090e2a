#pragma once

#include <QString>

namespace calc {
class RunTimeError;
}

// The report of an error that ended a handler: a modal box titled "Tarvo" with
// the error's number and its Chinese description, where known what it came
// from, and a "确定" button. The program keeps running after it: the user
// corrects the input and tries again.
namespace app {

// Error numbers of failures that are not the core's own.
inline constexpr int outOfMemoryErrorNumber = 7;
inline constexpr int internalErrorNumber = 51;

// The Chinese description of an error number.
QString errorDescription(int number);

// The report's text: the number and its description.
QString errorReportText(int number);

// The same, and then the coefficient whose text failed, or the discriminant
// that overflowed.
QString errorReportText(const calc::RunTimeError& error);

// Show the report and wait until the user dismisses it.
void reportError(int number);
void reportRunTimeError(const calc::RunTimeError& error);

}  // namespace app
