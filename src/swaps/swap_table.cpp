// The swap table: the built-in BUILD_NUM and VERSION, then one entry per
// SWAP name of the lines, with names and values cross-substituted so that
// each already carries the effect of the others.
//
// A later SWAP of a name overwrites the earlier value, except for a swap
// handed down by a parent (.CMD), which the child cannot change, and for the
// built-in BUILD_NUM, which is never overwritten (a SWAP of it adds a second
// entry of that name).
#include "swaps/swap_table.h"

#include <cstdint>
#include <string>
#include <vector>

#include "driver/diagnostics.h"
#include "driver/errors.h"
#include "driver/limits.h"
#include "driver/settings.h"
#include "expr/limits.h"
#include "text/strings.h"

namespace korvex {
namespace {

// Name and value of a SWAP statement: the second word, and the third word or,
// when there are more, everything after the name with its leading blanks
// removed.
void get_name_value(const std::string& text, std::string& name, std::string& value) {
  name.clear();
  value.clear();
  const size_t n = text.size();
  size_t i = 0;
  size_t name_end = n;
  int words = 0;
  while (i < n) {
    while (i < n && is_space(text[i])) ++i;
    if (i == n) break;
    const size_t start = i;
    while (i < n && !is_space(text[i])) ++i;
    ++words;
    if (words == 2) {
      name = text.substr(start, i - start);
      name_end = i;
    } else if (words == 3) {
      value = text.substr(start, i - start);
    }
  }
  if (words > 3) {
    size_t v = name_end;
    while (v < n && text[v] == ' ') ++v;
    value = text.substr(v);
  }
}

// Each step is taken only where one string contains the other; later steps
// see the results of earlier ones. A value that holds its own name through
// another entry grows at every step: each step is held to the line limit
// (350), and the whole pass to a work budget (357) proportional to what it
// costs when nothing grows, since the texts are examined 4 times per pair of
// entries and even lines within the limit would take minutes. Both errors
// are blamed on the SWAP statement of the entry that would grow.
void cross_substitute(Swaps& t, const Lines& decl) {
  const size_t count = t.size();
  std::uint64_t table_bytes = 0;
  std::vector<std::string> names;  // as declared, for the error
  names.reserve(count);
  for (const Swap& s : t) {
    table_bytes += s.name.size() + s.value.size() + 1;
    names.push_back(s.name);
  }
  const std::uint64_t per_byte = kSwapWorkPerEntryByte * count;
  const std::uint64_t budget =
      table_bytes > (UINT64_MAX - kSwapWorkFloor) / per_byte
          ? UINT64_MAX
          : kSwapWorkFloor + per_byte * table_bytes;
  std::uint64_t work = 0;
  auto contains = [&](const std::string& a, const std::string& b) {
    work += a.size() + b.size();
    return strcmp(a, b);
  };
  auto step = [&](size_t a, std::string& text, const Swap& by) {
    check_replace_size(decl[a], text, by.name, by.value == "NULL" ? 0 : by.value.size());
    swap_str(text, by);
    work += text.size();
    if (work > budget) linerr(Err::SWAP_WORK, decl[a], names[a], budget);
  };
  for (size_t i = 0; i < count; ++i) {
    for (size_t j = 0; j < count; ++j) {
      if (i == j) continue;
      if (contains(t[i].name, t[j].name)) step(i, t[i].name, t[j]);
      if (contains(t[j].name, t[i].name)) step(j, t[j].name, t[i]);
      if (contains(t[i].value, t[j].name)) step(i, t[i].value, t[j]);
      if (contains(t[j].value, t[i].name)) step(j, t[j].value, t[i]);
    }
  }
}

void trace_swaps(const Swaps& table) {
  if (!settings.DEBUG) return;
  trace("Total of " + std::to_string(table.size()) + " swaps: ");
  for (size_t i = 0; i < table.size(); ++i) {
    const Swap& s = table[i];
    trace((s.global ? "Swap (global) " : "Swap ") + std::to_string(i) + ": " + s.name + " -> " +
          s.value);
  }
  trace("");
}

}  // namespace

int set_swaps(const Lines& lines, Swaps& table, int build) {
  table.clear();
  table.push_back(Swap{"BUILD_NUM", std::to_string(build), false, false});
  table.push_back(Swap{"VERSION", kVersion, false, false});
  const size_t cap = settings.MAX_DEFS > 0 ? static_cast<size_t>(settings.MAX_DEFS) : 0;
  std::string name, value;
  Lines decl(2);  // the statement behind each entry (none for the two built in)
  for (const Line& line : lines) {
    if (!match(line.text, "SWAP")) continue;
    const bool global = match(line.text, ".GLOBAL");
    const bool cmd = match(line.text, ".CMD");
    get_name_value(line.text, name, value);
    const int at = get_swap_index(table, name);
    if (at <= 0) {
      table.push_back(Swap{name, value, global, cmd});
      decl.push_back(line);
      if (table.size() >= cap) generr(Err::SWAP_TABLE_FULL, settings.MAX_DEFS);
    } else if (!table[at].cmd) {
      decl[static_cast<size_t>(at)] = line;
      table[at].value = value;
      table[at].global = global;
    }
  }
  cross_substitute(table, decl);
  // A name emptied by the cross-substitution would match everywhere: such an
  // entry is dropped, the others stay.
  std::erase_if(table, [](const Swap& s) { return s.name.empty(); });
  trace_swaps(table);
  return static_cast<int>(table.size());
}

int get_swap_index(const Swaps& table, const std::string& name) {
  if (name.empty()) return -1;
  for (size_t i = 0; i < table.size(); ++i)
    if (table[i].name == name) return static_cast<int>(i);
  return -1;
}

}  // namespace korvex
