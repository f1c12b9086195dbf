// Decimal text to double without the C library or std::from_chars: the C library reads
// by the process's locale (a comma where a point is meant), and not every standard
// library has a floating-point from_chars.
#ifndef KESTRUNE_DECIMAL_NUMBER_H
#define KESTRUNE_DECIMAL_NUMBER_H

#include <cstddef>

// Longest text DecimalValue accepts; the value of any such text is a finite, normal
// double (or zero), so the reading never overflows or underflows.
constexpr size_t kDecimalNumberMaxChars = 300;

// The double nearest to digits[0..length) (ties to even), which holds decimal digits and
// at most one '.', with at least one digit; "12", "12.5", ".5" and "7." are all numbers.
// Anything else, or a longer text, gives 0.
double DecimalValue(const char* digits, size_t length);

#endif
