// BIN(...), OCT(...) and HEX(...): a decimal value turned into a sized
// Verilog literal. HEX(255 8) is 8'hFF, HEX(255 8 NOPRE) is FF.
//
// The argument is the value, the width in bits and an optional third word
// ("NOPRE" drops the width and base prefix). The literal always has
// ceil(width / bits-per-digit) digits: leading zeros stay and digits beyond
// them are dropped, so HEX(256 8) is 8'h00.
#pragma once

#include <string>

#include "bignum/big_integer.h"
#include "text/line.h"

namespace korvex {

// The line's text with its first `keyword` form ("BIN", "OCT" or "HEX"), and
// every identical copy, replaced by the literal.
std::string get_base(RunContext& run, const Line& line, const std::string& keyword);

// `width` bits of `value` as digits of `base`, after `prefix` ("" for none),
// which itself follows the width in decimal.
std::string dec2base(const BigInteger& value, int width, int base, const std::string& prefix);
std::string dec2bin(const BigInteger& value, int width, int prefix);
std::string dec2oct(const BigInteger& value, int width, int prefix);
std::string dec2hex(const BigInteger& value, int width, int prefix);

}  // namespace korvex
