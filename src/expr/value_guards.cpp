// The size and nesting guards of the inline forms.
#include "expr/value_guards.h"

#include "base/budget.h"
#include "base/errors.h"

namespace korvex {

void check_value_bits(const Line& line, std::uint64_t bits) {
  if (bits > kMaxValueBits) linerr(Err::VALUE_TOO_LARGE, line, kMaxValueBits);
}

void check_expr_depth(const Line& line, int depth) {
  if (depth > kMaxExprDepth) linerr(Err::EXPR_TOO_DEEP, line, kMaxExprDepth);
}

void check_line_bytes(const Line& line, std::uint64_t bytes) {
  if (bytes > kMaxLineBytes) linerr(Err::LINE_TOO_LONG, line, kMaxLineBytes);
}

void check_replace_size(RunContext& run, const Line& line, std::string_view text,
                        const std::string& from, std::uint64_t to_size) {
  if (from.empty() || to_size <= from.size()) return;
  check_line_bytes(line, to_size);
  std::uint64_t count = 0;
  for (std::size_t pos = text.find(from); pos != std::string::npos;
       pos = text.find(from, pos + from.size())) {
    ++count;
  }
  // count <= text size and to_size <= kMaxLineBytes here, so nothing overflows.
  const std::uint64_t result = text.size() + count * (to_size - from.size());
  check_line_bytes(line, result);
  if (count > 0) charge_text(run, line, result);
}

}  // namespace korvex
