// The define table: command-line defines, the reserved "TRUE", and the
// DEFINE / UNDEF statements of the definition lines, in that order.
//
// A define has no value, only an on/off state. Names may repeat: UNDEF turns
// an entry off, and a later DEFINE of the same name appends a fresh entry
// rather than reviving the old one, so lookups take the first entry that is
// still on. A name of the form TRUE(...) is decided before the lookup, which
// is how an IFDEF tests an arithmetic condition.
#include "defines/define_table.h"

#include <utility>
#include <vector>

#include "base/diagnostics.h"
#include "base/errors.h"
#include "expr/conditions.h"
#include "text/key_map.h"
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
// entries of each name in a chain from the first one, and per name the
// first of them not yet found switched off (an entry switched off stays
// off, so the ones before it are all off).
class Building {
 public:
  explicit Building(Defs& table) : table_(table) {}

  // Entry `at`'s name, as the map asks for it.
  auto name_of() const {
    return [this](int at) -> const std::string& {
      return std::as_const(table_)[static_cast<size_t>(at)].name;
    };
  }

  void add(Def d) {
    const int at = static_cast<int>(table_.size());
    next_.push_back(-1);
    chain_.emplace_back();
    if (!d.name.empty()) {
      const int head = names_.insert(d.name, at, name_of());
      Chain& c = chain_[static_cast<size_t>(head)];
      if (head == at) {
        c.live = at;
      } else {
        next_[static_cast<size_t>(c.last)] = at;
        if (c.live < 0) c.live = at;
      }
      c.last = at;
    }
    table_.push_back(std::move(d));
  }

  int find(const std::string& key) {
    if (key.empty()) return -1;
    const int head = names_.find(key, name_of());
    if (head < 0) return -1;
    int& live = chain_[static_cast<size_t>(head)].live;
    while (live >= 0 && !std::as_const(table_)[static_cast<size_t>(live)].defined)
      live = next_[static_cast<size_t>(live)];
    return live;
  }

 private:
  // Per name, kept at its first entry: the last entry, and the first not
  // found switched off (-1: all are).
  struct Chain {
    int last = -1;
    int live = -1;
  };
  Defs& table_;
  NameMap names_;           // name -> its first entry
  std::vector<int> next_;   // per entry: the next entry of its name, or -1
  std::vector<Chain> chain_;
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
