// The comparison-sign finder. The longer signs are tested first, so "a<=b"
// gives "<=" and not "<".
#include "base/errors.h"
#include "expr/conditions.h"
#include "text/strings.h"

namespace korvex {

std::string get_true_op(const Line& line, const std::string& text) {
  static const char* const kSigns[] = {"<=", ">=", "<", ">", "!=", "==", "="};
  for (const char* sign : kSigns)
    if (match(text, sign)) return sign;
  linerr(Err::NO_COMPARISON_SIGN, line);
}

}  // namespace korvex
