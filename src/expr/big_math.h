// Powers and base-2 logarithms of big integers, for the ^ and @ operators
// and for the digit sizes of the number formats.
#pragma once

#include "bignum/big_integer.h"

namespace korvex {

// base to the power exp; 1 for an exponent of 0 or less. The caller keeps the
// result within its size limit (an exponent beyond the int range is only
// computed for bases -1, 0 and 1).
BigInteger BigPower(const BigInteger& base, const BigInteger& exp);

// The exact ceiling of the base-2 logarithm, except that 1 gives 1 (not 0).
// Zero and negative values give 0; the evaluator reports them first.
BigInteger BigLog2(const BigInteger& x);
int get_log2(int n);

}  // namespace korvex
