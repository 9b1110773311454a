// Parenthesis checks on whole statements.
//
// check_expr deletes every keyword + "(" and then looks for the keyword
// again: whatever is left is a keyword without its parenthesis. The keywords
// are taken in table order, so "CONCAT.REV(" is gone before CONCAT is looked
// for. Every occurrence is deleted, adjacent ones included, so nested forms
// such as EXPR(EXPR(1+1)*3) pass.
#include "text/paren_checks.h"

#include <algorithm>
#include <string>

#include "base/errors.h"
#include "text/keyword.h"
#include "text/strings.h"

namespace korvex {

namespace {

// Deletes every non-overlapping occurrence of `pat`, scanning the original
// text from left to right.
void delete_all(std::string& s, const std::string& pat) {
  std::string out;
  out.reserve(s.size());
  std::size_t last = 0;
  for (std::size_t pos = s.find(pat); pos != std::string::npos; pos = s.find(pat, last)) {
    out.append(s, last, pos - last);
    last = pos + pat.size();
  }
  out.append(s, last, std::string::npos);
  s.swap(out);
}

}  // namespace

void check_paren(const Line& line) {
  int depth = 0;
  for (std::size_t i = 0; i < line.text.size(); ++i) {
    if (line.text[i] == '(') {
      ++depth;
    } else if (line.text[i] == ')') {
      if (depth == 0) linerr(Err::UNOPENED_CLOSE_PAREN, line, i + 1);
      --depth;
    }
  }
  if (depth > 0) linerr(Err::MISSING_CLOSE_PAREN, line);
}

void check_expr(const Line& line) {
  std::string copy = line.text.str();
  copy.erase(std::remove(copy.begin(), copy.end(), ' '), copy.end());
  for (const Keyword& kw : paren_keywords) {
    delete_all(copy, std::string(kw.text) + "(");
    if (match(copy, kw.text)) linerr(Err::KEYWORD_NO_PAREN, line, kw.text);
  }
}

}  // namespace korvex
