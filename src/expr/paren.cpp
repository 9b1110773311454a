// The parenthesis search. A ")" met before any "(" lowers the depth below
// zero and so spoils the match, as users of the tool have always seen it.
#include "expr/paren.h"

#include "driver/errors.h"

namespace korvex {

bool find_paren(std::string_view text, std::size_t& open, std::size_t& close) {
  int depth = 0;
  open = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '(') {
      if (depth == 0) open = i;
      ++depth;
    } else if (c == ')') {
      if (depth == 1) {
        close = i;
        return true;
      }
      --depth;
    }
  }
  return false;
}

std::string get_paren(const Line& line, const std::string& text, int inner) {
  std::size_t open, close;
  if (!find_paren(text, open, close)) linerr(Err::PAREN_MISMATCH, line);
  if (inner) return text.substr(open + 1, close - open - 1);
  return text.substr(open, close - open + 1);
}

}  // namespace korvex
