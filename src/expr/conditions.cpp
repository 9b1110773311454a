// TRUE(...) and VERIFY(...) conditions, and the VERIFY statement.
//
// A condition is decided only once it is numeric: one that still holds a
// letter (a name not yet substituted) is "FALSE" without any report, so the
// conditional-block pass can leave it for a later round. A numeric condition
// is "TRUE" only when it evaluates to exactly 1.
#include "expr/conditions.h"

#include "base/diagnostics.h"
#include "base/errors.h"
#include "expr/evaluator.h"
#include "text/paren.h"
#include "text/strings.h"

namespace korvex {

std::string get_true(RunContext& run, const Line& line, const std::string& text,
                     const std::string& key) {
  if (!match(text, key + "(")) return text;
  std::string before, after;
  splitstring(text, key, before, after);
  const std::string arg = get_paren(line, after, 1);
  if (check_alpha(arg)) return "FALSE";
  return get_expr(run, line, "EXPR(" + arg + ")") == "1" ? "TRUE" : "FALSE";
}

void check_verify(RunContext& run, Lines& lines) {
  int failures = 0;
  std::string report;
  for (const Line& line : lines) {
    if (!match(line.text, "VERIFY")) continue;
    std::string condition, message;
    splitstring(line.text, "else", condition, message);
    if (get_true(run, line, condition, "VERIFY") != "TRUE") {
      ++failures;
      report += create_chain_block(run.state) + line_error_body(line, message);
    }
  }
  remove_lines(run, lines, "VERIFY");
  if (failures > 0) generr(Err::VERIFY_FAILED, report);
}

}  // namespace korvex
