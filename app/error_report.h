#pragma once

#include "error_text.h"

#include <QString>

namespace calc {
class RunTimeError;
}

// The report of an error that ended a handler: a modal box titled "Tarvo" with
// the error's number and its Chinese description, and a "确定" button. The
// program keeps running after it: the user corrects the input and tries again.
namespace app {

// The Chinese description of an error number.
QString errorDescription(int number);

// The report's text: the number and its description.
QString errorReportText(int number);

// Shows the report and waits until the user dismisses it.
void reportError(int number);
void reportRunTimeError(const calc::RunTimeError& error);

}  // namespace app
