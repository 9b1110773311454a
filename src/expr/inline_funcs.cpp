// The inline-form passes over source lines.
//
// Each form is replaced while its keyword is still in the text, and each
// replacement also replaces every identical copy of the form. A keyword that
// is not directly followed by its parenthesis would never be replaced, so a
// step that leaves the text as it was is reported as line error 313 instead
// of being repeated for ever.
#include "expr/inline_funcs.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "base/diagnostics.h"
#include "base/errors.h"
#include "expr/concat.h"
#include "expr/form_unwrap.h"
#include "expr/evaluator.h"
#include "expr/number_format.h"
#include "expr/value_guards.h"
#include "text/paren.h"
#include "text/strings.h"

namespace korvex {

namespace {

template <class Step>
void repeat_form(Line& line, const std::string& keyword, Step step) {
  while (match(line.text, keyword)) {
    std::string next = step();
    if (next == line.text) linerr(Err::KEYWORD_NO_PAREN, line, keyword);
    line.text = std::move(next);
  }
}

// Replaces the first `keyword` form (keyword + parenthesis group), and every
// identical copy, by `convert` applied to its argument.
template <class Convert>
void replace_form(Line& line, const std::string& keyword, std::size_t at, Convert convert) {
  const std::string group = get_paren(line, line.text.substr(at + keyword.size()), 0);
  std::string text = line.text.str();
  find_and_replace(text, keyword + group, convert(group.substr(1, group.size() - 2)), 0);
  if (text == line.text) linerr(Err::KEYWORD_NO_PAREN, line, keyword);
  line.text = std::move(text);
}

// Lines from this long on have their CONST, UCASE and LCASE forms taken
// apart in place.
constexpr std::size_t kLongLine = 256;

// The DUPL count; anything beyond kMaxLineBytes counts as kMaxLineBytes + 1,
// which no item but the empty one can be repeated.
std::uint64_t count_of(const std::string& digits) {
  std::uint64_t n = 0;
  for (char c : digits) {
    if (c == ' ') continue;
    n = n * 10 + static_cast<std::uint64_t>(c - '0');
    if (n > kMaxLineBytes) return kMaxLineBytes + 1;
  }
  return n;
}

}  // namespace

int line_expr(RunContext& run, Line& line) {
  const std::string original = line.text.str();
  repeat_form(line, "EXPR", [&] { return get_expr(run, line, line.text.str()); });
  repeat_form(line, "DUPL", [&] { return get_dupl(run, line); });
  for (const char* kw : {"BIN", "OCT", "HEX"}) {
    repeat_form(line, kw, [&] { return get_base(run, line, kw); });
  }
  const int changed = line.text != original ? 1 : 0;
  line.pending = changed;
  return changed;
}

int insert_expr(RunContext& run, Lines& lines) {
  if (verbose_trace(run)) {
    trace(run, "");
    trace(run, "Starting expr  insertion");
  }
  int changed = 0;
  for (Line& line : lines) changed += line_expr(run, line);
  if (run.options.VERBOSE) {
    if (changed == 0) {
      trace(run, "No expr found");
    } else {
      print_debug(run, lines, "insert_expr");
    }
  }
  return changed;
}

std::string get_dupl(RunContext& run, const Line& line) {
  std::string whole, item, count;
  get_concat(line, "DUPL", whole, item, count);
  check_numeric(line, count, "DUPL times", 0);
  const std::uint64_t n = count_of(count);
  std::string text = line.text.str();
  const std::uint64_t size = item.empty() ? 0 : item.size() * n;
  check_replace_size(run, line, text, whole, size);
  std::string copies;
  copies.reserve(size);
  for (std::uint64_t i = 0; i < n && !item.empty(); ++i) copies += item;
  find_and_replace(text, whole, copies, 0);
  return text;
}

int insert_dupl(RunContext& run, Lines& lines) {
  int changed = 0;
  for (Line& line : lines) {
    if (!match(line.text, "DUPL")) continue;
    repeat_form(line, "DUPL", [&] { return get_dupl(run, line); });
    line.pending = 1;
    changed = 1;
  }
  return changed;
}

void insert_case(Lines& lines) {
  static constexpr UnwrapKind kKinds[] = {{"UCASE", CaseChange::kUpper},
                                          {"LCASE", CaseChange::kLower}};
  auto step = [](Line& line, std::size_t at, std::size_t kind) {
    if (kind == 0) {
      replace_form(line, "UCASE", at, StringToUpper);
    } else {
      replace_form(line, "LCASE", at, StringToLower);
    }
  };
  for (Line& line : lines) {
    if (line.text.size() >= kLongLine) {
      // Each form rewritten costs the whole text: forms nested deep in a long
      // line are taken apart without it.
      if (match(line.text, "UCASE") || match(line.text, "LCASE")) unwrap_forms(line, kKinds, step);
      continue;
    }
    for (;;) {
      const std::size_t upper = line.text.find("UCASE");
      const std::size_t lower = line.text.find("LCASE");
      if (upper == std::string::npos && lower == std::string::npos) break;
      // The leftmost form first; its replacement may hold further forms.
      step(line, std::min(upper, lower), upper < lower ? 0 : 1);
    }
  }
}

void remove_const(Lines& lines) {
  static constexpr UnwrapKind kKinds[] = {{"CONST", CaseChange::kNone}};
  auto step = [](Line& line, std::size_t at, std::size_t) {
    replace_form(line, "CONST", at, [](std::string arg) { return arg; });
  };
  for (Line& line : lines) {
    if (line.text.size() >= kLongLine) {
      if (match(line.text, "CONST")) unwrap_forms(line, kKinds, step);
      continue;
    }
    for (std::size_t at = line.text.find("CONST"); at != std::string::npos;
         at = line.text.find("CONST"))
      step(line, at, 0);
  }
}

}  // namespace korvex
