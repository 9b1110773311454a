// Decimal text of big integers.
//
// stringToBigInteger reads an optional sign and decimal digits (leading zeros
// allowed, nothing else); the empty text, a sign alone and minus zero give
// zero. bigIntegerToString writes the signed decimal form with no plus sign
// and no leading zeros. Both work nine digits at a time.
#pragma once

#include <string>

#include "bignum/big_integer.h"

namespace korvex {

// Throws BigIntegerError on a character that is not a letter or digit, and on
// a letter (a digit too large for base 10).
BigInteger stringToBigInteger(const std::string& text);

std::string bigIntegerToString(const BigInteger& value);

}  // namespace korvex
