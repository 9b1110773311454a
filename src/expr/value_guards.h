// The guards that keep hostile expressions from running for hours or
// exhausting memory.
//
// Every value the evaluator or the number formats produce is held to
// kMaxValueBits, every line an inline form rewrites to kMaxLineBytes, and
// parenthesis and EXPR nesting to kMaxExprDepth (all in base/limits.h).
// Each guard is checked before the work it protects and names its limit in
// the error it reports (line errors 349 and 350).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "base/limits.h"
#include "bignum/big_integer.h"
#include "text/line.h"

namespace korvex {


// Line error 349 unless `bits` is within kMaxValueBits.
void check_value_bits(const Line& line, std::uint64_t bits);
inline void check_value(const Line& line, const BigInteger& v) {
  check_value_bits(line, v.bitLength());
}

// Line error 349 when expressions nest deeper than kMaxExprDepth.
void check_expr_depth(const Line& line, int depth);

// Line error 350 unless `bytes` is within kMaxLineBytes.
void check_line_bytes(const Line& line, std::uint64_t bytes);

// Line error 350 when replacing every occurrence of `from` in `text` by a
// text of `to_size` bytes would make the text too long.
void check_replace_size(RunContext& run, const Line& line, std::string_view text,
                        const std::string& from, std::uint64_t to_size);

}  // namespace korvex
