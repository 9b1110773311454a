// The loop table: parsing LOOP and ITER statements into ranges, building the
// table of named ranges from the definition lines, and finding a range by
// name.
//
// A statement gives its range as a count (0 to count - 1) or as first and
// last value, both included, after its EXPR forms have been evaluated. A
// source statement that names no range refers to one declared in the
// definition; that lookup is lenient ("near" mode): the declared name that
// contains the given one, or is contained in it, and is closest in length.
#include "loops/loop_table.h"

#include <climits>
#include <cstdlib>
#include <string>

#include "base/diagnostics.h"
#include "base/errors.h"
#include "expr/evaluator.h"
#include "text/key_map.h"
#include "text/strings.h"

namespace korvex {
namespace {

// A loop bound must fit the range record; `digits` is all digits.
long long bound_value(const Line& line, const std::string& digits) {
  size_t i = 0;
  while (i + 1 < digits.size() && digits[i] == '0') ++i;
  const std::string v = digits.substr(i);
  if (v.size() > 10) linerr(Err::LOOP_PARAM_TOO_LARGE, line, digits);
  return v.empty() ? 0 : std::strtoll(v.c_str(), nullptr, 10);
}

}  // namespace

void parse_loop_statement(RunContext& run, const Line& line, Loop& loop) {
  std::string text = line.text.str();
  loop.global = match(text, ".GLOBAL");
  if (loop.global) find_and_replace(text, ".GLOBAL", "", 0);

  // Every EXPR form becomes its value; a form that cannot be evaluated stays
  // as written and is then reported as a non-numeric parameter.
  while (match(text, "EXPR")) {
    std::string next = get_expr(run, line, text);
    if (next == text) break;
    text.swap(next);
  }

  const int n = count_string(text);
  const char* keyword = match(text, "ITER") ? "ITER" : "LOOP";
  std::string before, after;
  if (match(text, "ITER"))
    splitstring(text, "ITER", before, after);
  else if (match(text, "LOOP"))
    splitstring(text, "LOOP", before, after);
  else
    splitstring(text, " ", before, after);
  std::string name, p1, p2;
  first_three_words(after, name, p1, p2);
  loop.name = name;

  if (n > 4) linerr(Err::LOOP_TOO_MANY_WORDS, line, keyword);
  if (n < 3) linerr(Err::LOOP_TOO_FEW_WORDS, line, keyword);
  if (n == 3) p2.assign(1, '0');

  if (is_neg_number(p1) || is_neg_number(p2)) linerr(Err::LOOP_PARAM_NEGATIVE, line);
  if (!is_number(p1)) linerr(Err::LOOP_PARAM_NOT_NUMERIC, line, p1);
  if (!is_number(p2)) linerr(Err::LOOP_PARAM_NOT_NUMERIC, line, p2);

  long long first = 0;
  long long last = 0;
  if (n == 3) {
    last = bound_value(line, p1) - 1;
  } else {
    first = bound_value(line, p1);
    last = bound_value(line, p2);
  }
  if (first > INT_MAX) linerr(Err::LOOP_PARAM_TOO_LARGE, line, p1);
  if (last > INT_MAX) linerr(Err::LOOP_PARAM_TOO_LARGE, line, n == 3 ? p1 : p2);
  if (last < first) linerr(Err::LOOP_DECREMENTING, line);
  loop.first = static_cast<int>(first);
  loop.last = static_cast<int>(last);
}

void set_loops(RunContext& run, const Lines& lines, Loops& table) {
  table.clear();
  NameMap positions;
  auto name_of = [&table](int at) -> const std::string& { return table[static_cast<size_t>(at)].name; };
  for (const Line& line : lines) {
    if (!match(line.text, "LOOP")) continue;
    Loop scratch;
    parse_loop_statement(run, line, scratch);
    // The entry of this name (get_loop_index in exact mode, without a search
    // of a table that grows at every statement).
    const int at = positions.insert(scratch.name, static_cast<int>(table.size()), name_of);
    if (at == static_cast<int>(table.size())) {
      table.push_back(scratch);
      if (table.size() >= static_cast<size_t>(run.options.MAX_DEFS))
        generr(Err::LOOP_TABLE_FULL, run.options.MAX_DEFS);
    } else {
      // A later definition of a name wins.
      table.set_range(static_cast<size_t>(at), scratch.first, scratch.last, scratch.global);
    }
  }
  if (!run.options.DEBUG) return;
  trace(run, "Total of " + std::to_string(table.size()) + " loops: ");
  for (size_t i = 0; i < table.size(); ++i) {
    const Loop& l = table[i];
    trace(run, std::string(l.global ? "Loop (global) " : "Loop ") + std::to_string(i) + ": " +
                   l.name + "  " + std::to_string(l.first) + " - " + std::to_string(l.last));
  }
  trace(run, "");
}

int get_loop_index(const Line& line, const std::string& name, const Loops& table, int exact) {
  if (exact) return table.find(name);
  const int best = table.find_near(name);
  if (best < 0) linerr(Err::LOOP_NOT_DECLARED, line, name);
  return best;
}

}  // namespace korvex
