// ITER ... ENDITER expansion and CONCAT folding.
//
// Inside an ITER block each line that mentions the iterator's name is
// repeated once per value of the range, with the name replaced by the value;
// the other lines stay once. A line holding CONCAT forms is not repeated but
// folded: each CONCAT(item sep) becomes the list of the item's instances from
// the last value down to the first (CONCAT.REV: first up), joined by the
// separator. Every ITER statement of the lines gets a pass of its own over
// the whole array, in line order; a pass expands the first block of its name
// that is still there.
#include "loops/iter_expansion.h"

#include <string>
#include <vector>

#include "driver/diagnostics.h"
#include "driver/errors.h"
#include "driver/settings.h"
#include "expr/concat.h"
#include "loops/loop_table.h"
#include "text/strings.h"

namespace korvex {
namespace {

// The list of one CONCAT form: the item once per value, joined by
// " " + sep + " ".
std::string concat_list(const std::string& item, const std::string& sep, const std::string& name,
                        long long first, long long last, bool rev) {
  std::string list;
  const std::string joint = " " + sep + " ";
  const long long step = rev ? 1 : -1;
  const long long end = rev ? last + 1 : first - 1;
  for (long long v = rev ? first : last; v != end; v += step) {
    if (v != (rev ? first : last)) list += joint;
    std::string one = item;
    find_and_replace(one, name, std::to_string(v), 0);
    list += one;
  }
  return list;
}

// Folds every CONCAT and CONCAT.REV form of the text, each with its own item
// and separator, leftmost form first. A fold may bring in new forms (a
// CONCAT inside an item), so the number of items of one line is held to the
// line limit: the list stands for as many instances as a repeated line.
void fold_concats(Line& line, const std::string& name, int first, int last) {
  const long long per_form = static_cast<long long>(last) - first + 1;
  long long items = 0;
  while (match(line.text, "CONCAT")) {
    std::string whole, item, sep;
    const bool rev = get_concat(line, "CONCAT", whole, item, sep);
    // A form spoilt by substitution (no parenthesis right after the keyword)
    // is not found as written; it stays literal.
    if (!match(line.text, whole)) break;
    items += per_form;
    if (items > settings.MAX_LINES) generr(Err::ITER_INSERT_FULL, settings.MAX_LINES);
    find_and_replace(line.text, whole, concat_list(item, sep, name, first, last, rev), 0);
  }
}

// The size of the output once the block opened at `opener` is expanded, to
// reserve it at once.
unsigned long long expanded_size(const Lines& lines, size_t opener, const std::string& name,
                                 int first, int last) {
  unsigned long long repeated = 0;
  for (size_t i = opener + 1; i < lines.size(); ++i) {
    const std::string& text = lines[i].text;
    if (match(text, "ENDITER") && match(text, name)) break;
    if (match(text, name) && !match(text, "CONCAT")) ++repeated;
  }
  return lines.size() + repeated * static_cast<unsigned long long>(last - first);
}

void iter_pass(Lines& lines, const std::string& name, const Loops& table) {
  const size_t cap = static_cast<size_t>(settings.MAX_LINES);
  Lines out;
  out.reserve(lines.size());
  auto emit = [&](Line&& line) {
    line.pending = 1;
    out.push_back(std::move(line));
    if (out.size() >= cap) generr(Err::ITER_INSERT_FULL, settings.MAX_LINES);
  };

  bool inside = false;
  bool done = false;
  int first = 0;
  int last = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    Line& line = lines[i];
    const std::string& text = line.text;
    if (inside && match(text, "ENDITER") && match(text, name)) {
      inside = false;
      done = true;
      continue;
    }
    if (!done && inside && match(text, name)) {
      if (match(text, "ITER")) linerr(Err::ITER_REDEFINED, line, name);
      if (match(text, "CONCAT")) {
        Line folded = line;
        fold_concats(folded, name, first, last);
        emit(std::move(folded));
        continue;
      }
      for (long long v = first; v <= last; ++v) {
        Line copy = line;
        find_and_replace(copy.text, name, std::to_string(v), 0);
        emit(std::move(copy));
      }
      continue;
    }
    if (!done && !inside && match(text, "ITER") && match(text, name)) {
      if (count_string(text) < 3) {
        const Loop& range = table[get_loop_index(line, name, table, 0)];
        first = range.first;
        last = range.last;
      } else {
        Loop range;
        catch_loop(line, range);
        first = range.first;
        last = range.last;
      }
      if (settings.VERBOSE) {
        trace("");
        trace("Starting ITER " + name + " " + std::to_string(first) + " -> " +
              std::to_string(last));
      }
      inside = true;
      const unsigned long long need = expanded_size(lines, i, name, first, last);
      if (need < cap && need > out.capacity()) out.reserve(need);
      continue;
    }
    emit(std::move(line));
  }
  lines = std::move(out);
  if (settings.VERBOSE) print_debug(lines, "insert_iters");
}

}  // namespace

int insert_iters(Lines& lines, const Loops& table) {
  std::vector<std::string> names;
  for (const Line& line : lines)
    if (match(line.text, "ITER") && !match(line.text, "ENDITER"))
      names.push_back(extract_string(line.text, "ITER ", " "));
  for (const std::string& name : names) iter_pass(lines, name, table);
  return names.empty() ? 0 : 1;
}

}  // namespace korvex
