#pragma once

#include <string>

namespace calc {

// Writes a finite double as the program shows roots: the exact binary value
// rounded (half to even) to 15 significant digits, laid out as
// formatFifteenDigits does ("0.333333333333333", "1E+15", "5E-10"). Negative
// zero is written "0". Identical to printf("%.15G") in the "C" locale for every
// other finite double. Never fails for finite values.
std::string formatReal(double value);

}  // namespace calc
