// The define table: command-line defines, the reserved "TRUE", and the
// DEFINE / UNDEF statements of the definition lines, in that order.
//
// A define has no value, only an on/off state. Names may repeat: UNDEF turns
// an entry off, and a later DEFINE of the same name appends a fresh entry
// rather than reviving the old one, so lookups take the first entry that is
// still on. A name of the form TRUE(...) is decided before the lookup, which
// is how an IFDEF tests an arithmetic condition.
#include "defines/define_table.h"

#include <unordered_map>
#include <vector>

#include "base/diagnostics.h"
#include "base/errors.h"
#include "expr/conditions.h"
#include "text/strings.h"

namespace korvex {
namespace {

void trace_defs(RunContext& run, const Defs& table) {
  if (!run.options.DEBUG) return;
  trace(run, "Total of " + std::to_string(table.size()) + " defs: ");
  for (size_t i = 0; i < table.size(); ++i) {
    const std::string idx = std::to_string(i);
    trace(run, (table[i].global ? "Def (global) " : "Def ") + idx + ": " + table[i].name);
  }
  trace(run, "");
}

// The key a name is looked up by: a TRUE(...) form is decided first (into
// `decided`); any other name is its own key.
const std::string& lookup_key(RunContext& run, const Line& line, const std::string& name,
                              std::string& decided) {
  if (!match(name, "TRUE(")) return name;
  decided = get_true(run, line, name, "TRUE");
  return decided;
}

// The first defined entry per name while set_defs fills the table: the
// positions of each name's entries, and how many of them have been switched
// off (an entry switched off stays off, so they are the first ones).
class Building {
 public:
  explicit Building(Defs& table) : table_(table) {}

  void add(Def d) {
    if (!d.name.empty()) by_name_[d.name].positions.push_back(static_cast<int>(table_.size()));
    table_.push_back(std::move(d));
  }

  int find(const std::string& key) {
    if (key.empty()) return -1;
    const auto it = by_name_.find(key);
    if (it == by_name_.end()) return -1;
    Entries& e = it->second;
    while (e.off < e.positions.size() && !table_[static_cast<size_t>(e.positions[e.off])].defined)
      ++e.off;
    return e.off < e.positions.size() ? e.positions[e.off] : -1;
  }

 private:
  struct Entries {
    std::vector<int> positions;
    size_t off = 0;
  };
  Defs& table_;
  std::unordered_map<std::string, Entries> by_name_;
};

}  // namespace

int set_defs(RunContext& run, const Lines& lines, Defs& table, const Defs& cmd_defs) {
  table.clear();
  Building build(table);
  for (const Def& c : cmd_defs) {
    Def d;
    d.name = c.name;
    d.global = c.global;
    build.add(std::move(d));
  }
  build.add(Def{"TRUE", false, false, true});

  const size_t cap = run.options.MAX_DEFS > 0 ? static_cast<size_t>(run.options.MAX_DEFS) : 0;
  std::string decided;
  for (const Line& line : lines) {
    if (match(line.text, "DEFINE")) {
      const std::string name = get_split(line.text, 1);
      const int at = build.find(lookup_key(run, line, name, decided));
      if (at < 0) {
        build.add(Def{name, match(line.text, "DEFINE.GLOBAL"), false, true});
        if (table.size() >= cap) generr(Err::DEFINE_TABLE_FULL, run.options.MAX_DEFS);
      } else if (!table[at].locked) {
        table[at].defined = true;
      }
    }
    if (match(line.text, "UNDEF")) {
      const int at = build.find(lookup_key(run, line, get_split(line.text, 1), decided));
      if (at >= 0 && !table[at].locked) table[at].defined = false;
    }
  }
  trace_defs(run, table);
  return static_cast<int>(table.size());
}

int get_def_index(RunContext& run, const Line& line, const std::string& name, const Defs& table) {
  std::string decided;
  const std::string& key = lookup_key(run, line, name, decided);
  // An entry without a name (a DEFINE whose name word is missing) never
  // matches and does not end the table.
  if (key.empty()) return -1;
  return table.first_defined(key);
}

}  // namespace korvex
