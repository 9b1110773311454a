// The parenthesis search. A ")" met before any "(" lowers the depth below
// zero and so spoils the match, as users of the tool have always seen it.
#include "expr/paren.h"

#include "driver/errors.h"

namespace korvex {

std::string get_paren(const Line& line, const std::string& text, int inner) {
  int depth = 0;
  size_t open = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '(') {
      if (depth == 0) open = i;
      ++depth;
    } else if (c == ')') {
      if (depth == 1) {
        if (inner) return text.substr(open + 1, i - open - 1);
        return text.substr(open, i - open + 1);
      }
      --depth;
    }
  }
  linerr(Err::PAREN_MISMATCH, line);
}

}  // namespace korvex
