// Swap substitution: plain substring replacement of every swap name by its
// value, in table order, so that a name produced by an earlier swap's value
// is still caught by the entries after it.
//
// The only protection is CONST: a name written right after "CONST(" is left
// alone. A SWAP statement is never rewritten by its own name, and CHECK
// statements are not rewritten at all, so that the CHECK pass sees the name
// as it was written. The line pass finds the names present in a line with
// one scan (name_matcher.h) and only then does replacement work.
#include <algorithm>
#include <memory>
#include <optional>

#include "base/diagnostics.h"
#include "defines/conditional_blocks.h"
#include "expr/value_guards.h"
#include "swaps/name_matcher.h"
#include "swaps/swap_table.h"
#include "text/strings.h"

namespace korvex {
namespace {

// Whether `text` is the SWAP statement that declares `name`: its first word
// up to a "." is SWAP and its second word is the name.
bool declares(std::string_view text, const std::string& name) {
  const size_t start = text.find_first_not_of(" \t\n\r\v\f");
  if (start == std::string::npos || text.compare(start, 4, "SWAP") != 0) return false;
  std::string keyword = get_split(text, 0);
  const size_t dot = keyword.find('.');
  if (dot != std::string::npos) keyword.resize(dot);
  return keyword == "SWAP" && get_split(text, 1) == name;
}

// Whether inserting `value` where a name stood can make `name` occur where it
// did not: the value holds the name, the name holds the value, or they
// overlap at an end. Deleting (an empty or NULL value) joins the text on both
// sides, which can always make a new occurrence.
bool may_create(const std::string& value, const std::string& name) {
  if (value.empty() || value == "NULL") return true;
  for (size_t p = 0; p < value.size(); ++p) {
    if (value[p] != name[0]) continue;
    const size_t len = std::min(value.size() - p, name.size());
    if (value.compare(p, len, name, 0, len) == 0) return true;
  }
  for (size_t q = 0; q < name.size(); ++q) {
    if (name[q] != value[0]) continue;
    const size_t len = std::min(name.size() - q, value.size());
    if (name.compare(q, len, value, 0, len) == 0) return true;
  }
  return false;
}

// Tables up to this size work out exactly whether a value can bring a later
// name into a line (a comparison with every later name); larger ones ask
// only whether a later name holds the value's first or last byte, or starts
// with a byte of the value, which every such case does.
constexpr size_t kExactCreates = 2048;

// A build substitutes with the same table several times (the definition
// lines, then each pass over the source), and the pattern index of a table
// too large for the automaton costs more to make than a pass over the
// lines: the matcher of the last such table is kept in the run state, with
// its names, and serves again a table of the same names.
struct KeptMatcher {
  std::vector<std::string> names;
  NameMatcher matcher;
};

const NameMatcher& matcher_of(RunState& state, std::vector<std::string>&& names,
                              NameMatcher& own) {
  if (!state.swap_matcher) state.swap_matcher = std::make_shared<KeptMatcher>();
  KeptMatcher* const kept = static_cast<KeptMatcher*>(state.swap_matcher.get());
  if (names.empty() || kept->names != names) {
    set_name_matcher(own, names);
    if (own.built) return own;
    kept->matcher = std::move(own);
    kept->names = std::move(names);
  }
  return kept->matcher;
}

std::vector<std::string> names_of(const Swaps& t) {
  std::vector<std::string> names;
  names.reserve(t.size());
  for (const Swap& s : t) names.push_back(s.name);
  return names;
}

// One call's view of the table: the name automaton, and per entry whether
// its value can bring a later entry's name into a line (worked out when the
// entry first applies).
struct Substitution {
  const Swaps& table;
  NameMatcher own;  // the matcher, when the table is small enough for the automaton
  const NameMatcher& matcher;
  std::vector<signed char> creates;
  std::vector<int> found;
  std::string text;  // the text of the line being worked on
  // For large tables: the last entry whose name holds a byte, and the last
  // whose name starts with it.
  std::vector<int> last_holding, last_starting;

  Substitution(RunState& state, const Swaps& t)
      : table(t), matcher(matcher_of(state, names_of(t), own)), creates(t.size(), -1) {
    if (t.size() <= kExactCreates) return;
    last_holding.assign(256, -1);
    last_starting.assign(256, -1);
    for (size_t e = 0; e < t.size(); ++e) {
      const std::string& n = t[e].name;
      if (n.empty()) continue;
      last_starting[static_cast<unsigned char>(n[0])] = static_cast<int>(e);
      for (unsigned char c : n) last_holding[c] = static_cast<int>(e);
    }
  }

  // The trace names every entry once, in table order, while the first line
  // is worked on: each entry just before what is found of it there.
  int announced = -1;
  void announce(RunContext& run, int upto) {
    for (; announced < upto; ++announced) {
      const Swap& s = table[static_cast<size_t>(announced + 1)];
      trace(run, "Starting swap " + s.name + " -> " + s.value);
    }
  }

  bool creates_names(int e) {
    if (creates[e] < 0) creates[e] = table.size() <= kExactCreates ? exactly(e) : roughly(e);
    return creates[e] == 1;
  }

 private:
  signed char exactly(int e) const {
    for (size_t j = e + 1; j < table.size(); ++j)
      if (!table[j].name.empty() && may_create(table[e].value, table[j].name)) return 1;
    return 0;
  }

  signed char roughly(int e) const {
    const std::string& v = table[e].value;
    if (v.empty() || v == "NULL") return 1;
    if (last_holding[static_cast<unsigned char>(v.front())] > e ||
        last_holding[static_cast<unsigned char>(v.back())] > e)
      return 1;
    for (unsigned char c : v)
      if (last_starting[c] > e) return 1;
    return 0;
  }
};

// Substitutes the entries of the table whose names the line holds, in table
// order; returns whether any entry was applied.
bool swap_one_line(RunContext& run, Line& line, int index, Substitution& sub) {
  bool changed = false;
  std::vector<int>& found = sub.found;
  get_matched_names(sub.matcher, line.text, found);
  if (found.empty()) return false;
  // The replacements are made in a copy, which the line takes at the end.
  std::string& text = sub.text;
  text.assign(line.text.view());
  // Whether `found` lists exactly the names the text holds: until the first
  // replacement.
  bool exact = true;
  size_t k = 0;
  while (k < found.size()) {
    const int e = found[k++];
    const Swap& s = sub.table[e];
    // An entry found earlier may have lost its name to an earlier replacement.
    if ((!exact && !match(text, s.name)) || declares(text, s.name)) continue;
    if (verbose_trace(run)) {
      if (index == 0) sub.announce(run, e);
      trace(run, "found " + s.name + " in line " + std::to_string(index) + ": " + text);
    }
    // A value that holds its own name grows the line at every round. An
    // error about it shows the line as the replacements so far left it.
    const size_t value_size = s.value == "NULL" ? 0 : s.value.size();
    if (changed && value_size > s.name.size()) line.text = text;
    check_replace_size(run, line, text, s.name, value_size);
    swap_line_single(text, s);
    line.pending = 1;
    changed = true;
    exact = false;
    if (sub.creates_names(e)) {
      get_matched_names(sub.matcher, text, found);
      exact = true;
      k = std::upper_bound(found.begin(), found.end(), e) - found.begin();
    }
  }
  // A value of NULL may have deleted the whole text: the line stays, empty.
  if (changed) line.text = text;
  return changed;
}

}  // namespace

void swap_str(std::string& text, const Swap& swap) {
  static const std::string nothing;
  find_and_replace(text, swap.name, swap.value == "NULL" ? nothing : swap.value, 0);
}

void swap_line_single(std::string& text, const Swap& swap) {
  if (swap.name.empty()) return;
  if (!match(text, "CONST(")) {
    swap_str(text, swap);
    return;
  }
  const std::string guard = "CONST(" + swap.name;
  // The pieces between the protected "CONST(name" forms are substituted one
  // by one, so a protected form can never be touched, whatever the name.
  std::string out;
  out.reserve(text.size());
  size_t from = 0;
  for (;;) {
    const size_t at = text.find(guard, from);
    std::string piece = text.substr(from, at == std::string::npos ? std::string::npos : at - from);
    swap_str(piece, swap);
    out += piece;
    if (at == std::string::npos) break;
    out += guard;
    from = at + guard.size();
  }
  text.swap(out);
}

void swap_line(std::string& text, const Swaps& table) {
  for (const Swap& s : table)
    if (!s.name.empty() && match(text, s.name)) swap_line_single(text, s);
}

void group_swap(std::string& text, const Swaps& table) {
  for (const Swap& s : table)
    if (!s.name.empty() && match(text, s.name)) swap_str(text, s);
}

int insert_swaps(RunContext& run, Lines& lines, const Swaps& table, Scope scope) {
  const bool all = scope == Scope::kAll;
  bool any = false;
  std::optional<Substitution> sub;  // made when the first line needs it
  // Swapping changes texts, never the number of lines.
  Line* const first = lines.data();
  const size_t n = lines.size();
  for (size_t i = 0; i < n; ++i) {
    Line& line = first[i];
    if (!all && !line.pending) continue;
    if (!sub) sub.emplace(run.state, table);
    // Most lines hold no name's first byte: nothing to test further.
    if (may_hold_name(sub->matcher, line.text) && !match(line.text, "CHECK") &&
        !is_placeholder(line.text) && swap_one_line(run, line, static_cast<int>(i), *sub))
      any = true;
    if (i == 0 && verbose_trace(run)) sub->announce(run, static_cast<int>(table.size()) - 1);
  }
  if (verbose_trace(run) && !any) trace(run, "No swaps found");
  if (verbose_trace(run) && any) print_debug(run, lines, "insert_swaps");
  return any ? 1 : 0;
}

void insert_swaps_defs(RunContext& run, cntr census, Lines& lines, const Swaps& swaps,
                       const Defs& defs, Scope scope) {
  const bool final = scope == Scope::kAll;
  if (census.swap_count > 0 || final) insert_swaps(run, lines, swaps, scope);
  if (census.define_count > 0 || final) insert_defs(run, lines, defs, scope, Blocks::kEvery);
  clean_append(lines);
}

}  // namespace korvex
