// The define table: command-line defines, the reserved "TRUE", and the
// DEFINE / UNDEF statements of the definition lines, in that order.
//
// A define has no value, only an on/off state. Names may repeat: UNDEF turns
// an entry off, and a later DEFINE of the same name appends a fresh entry
// rather than reviving the old one, so lookups take the first entry that is
// still on. A name of the form TRUE(...) is decided before the lookup, which
// is how an IFDEF tests an arithmetic condition.
#include "defines/define_table.h"

#include "driver/diagnostics.h"
#include "driver/errors.h"
#include "driver/settings.h"
#include "expr/conditions.h"
#include "text/strings.h"

namespace korvex {
namespace {

void trace_defs(const Defs& table) {
  if (!settings.DEBUG) return;
  trace("Total of " + std::to_string(table.size()) + " defs: ");
  for (size_t i = 0; i < table.size(); ++i) {
    const std::string idx = std::to_string(i);
    trace((table[i].global ? "Def (global) " : "Def ") + idx + ": " + table[i].name);
  }
  trace("");
}

}  // namespace

int set_defs(const Lines& lines, Defs& table, const Defs& cmd_defs) {
  table.clear();
  for (const Def& c : cmd_defs) {
    Def d;
    d.name = c.name;
    d.global = c.global;
    table.push_back(d);
  }
  table.push_back(Def{"TRUE", false, false, true});

  const size_t cap = settings.MAX_DEFS > 0 ? static_cast<size_t>(settings.MAX_DEFS) : 0;
  for (const Line& line : lines) {
    if (match(line.text, "DEFINE")) {
      const std::string name = get_split(line.text, 1);
      const int at = get_def_index(line, name, table);
      if (at < 0) {
        table.push_back(Def{name, match(line.text, "DEFINE.GLOBAL"), false, true});
        if (table.size() >= cap) generr(Err::DEFINE_TABLE_FULL, settings.MAX_DEFS);
      } else if (!table[at].locked) {
        table[at].defined = true;
      }
    }
    if (match(line.text, "UNDEF")) {
      const int at = get_def_index(line, get_split(line.text, 1), table);
      if (at >= 0 && !table[at].locked) table[at].defined = false;
    }
  }
  trace_defs(table);
  return static_cast<int>(table.size());
}

int get_def_index(const Line& line, const std::string& name, const Defs& table) {
  // Only a TRUE(...) form is decided first; any other name is its own key.
  std::string decided;
  const std::string* key = &name;
  if (match(name, "TRUE(")) {
    decided = get_true(line, name, "TRUE");
    key = &decided;
  }
  if (key->empty()) return -1;
  const char last = key->back();
  for (size_t i = 0; i < table.size(); ++i) {
    // An entry without a name (a DEFINE whose name word is missing) never
    // matches and does not end the table. Names of one length mostly differ
    // in their last character: that is compared first.
    const std::string& n = table[i].name;
    if (table[i].defined && n.size() == key->size() && n.back() == last && n == *key)
      return static_cast<int>(i);
  }
  return -1;
}

}  // namespace korvex
