// The swap table: the built-in BUILD_NUM and VERSION, then one entry per
// SWAP name of the lines, with names and values cross-substituted so that
// each already carries the effect of the others.
//
// A later SWAP of a name overwrites the earlier value, except for a swap
// handed down by a parent (.CMD), which the child cannot change, and for the
// built-in BUILD_NUM, which is never overwritten (a SWAP of it adds a second
// entry of that name).
#include "swaps/swap_table.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "base/diagnostics.h"
#include "base/errors.h"
#include "base/limits.h"
#include "expr/value_guards.h"
#include "text/key_map.h"
#include "text/pattern_index.h"
#include "text/strings.h"
#include "text/substring_index.h"

namespace korvex {
namespace {

// Name and value of a SWAP statement: the second word, and the third word or,
// when there are more, everything after the name with its leading blanks
// removed.
void get_name_value(std::string_view text, std::string& name, std::string& value) {
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

// Lists of ints in one pool: a list costs no allocation of its own, and
// one emptied leaves its nodes unused.
class IdLists {
 public:
  explicit IdLists(size_t lists) : head_(lists, -1) {}
  void clear(size_t list) { head_[list] = -1; }
  void add(size_t list, int value) {
    nodes_.push_back(Node{value, head_[list]});
    head_[list] = static_cast<int>(nodes_.size() - 1);
  }
  // The values of a list, the last added first.
  template <class F>
  void for_each(size_t list, F f) const {
    for (int n = head_[list]; n >= 0; n = nodes_[static_cast<size_t>(n)].next)
      f(nodes_[static_cast<size_t>(n)].value);
  }

 private:
  struct Node {
    int value;
    int next;
  };
  std::vector<int> head_;
  std::vector<Node> nodes_;
};

// Cross-substitution in the documented order: for each entry i, and inside
// for each other entry j in ascending order, (1) j into the name of i, (2) i
// into the name of j, (3) j into the value of i, (4) i into the value of j;
// later steps see the results of earlier ones. A step changes its text only
// where the text holds the other entry's name, so only the pairs where some
// step can do so are visited, in the same order: the entries whose names
// the name or value of i holds, and those whose name or value holds the
// name of i. A pair changes only the texts of its two entries, so the pairs
// still to come for i are looked for again only when the name or value of
// i has changed. A pair visited where no step changes anything changes
// nothing, so the lists may hold more than they need.
//
// Every text (2k: the name of entry k, 2k + 1: its value) is searched for
// the names (a pattern index) when it is made or changed, and filed with
// each name it holds; that answers both questions while the names stay as
// declared. A name the cross-substitution has changed is looked for with a
// substring index of all texts, made when first needed: when it changes,
// the texts that hold its new text list it among the names they hold (a
// text that held its old text may keep it in its list), and the texts that
// hold it are looked for there again when its pairs are.
//
// A value that holds its own name through another entry grows at every
// step: each step is held to the line limit (350), and the whole pass to a
// work budget (357), counted in bytes written by the steps, proportional to
// the size of the table; both errors are blamed on the SWAP statement of
// the entry that would grow.
class CrossSubstitution {
 public:
  CrossSubstitution(RunContext& run, Swaps& t, const std::vector<const Line*>& decl)
      : run_(run), t_(t), decl_(decl), holds_(2 * t.size()), holders_(t.size()) {
    const size_t count = t.size();
    std::uint64_t table_bytes = 0;
    for (size_t k = 0; k < count; ++k) {
      table_bytes += t[k].name.size() + t[k].value.size() + 1;
      names_index_.set(static_cast<int>(k), t[k].name);
    }
    const std::uint64_t per_byte = kSwapWorkPerEntryByte * (count == 0 ? 1 : count);
    budget_ = table_bytes > (UINT64_MAX - kSwapWorkFloor) / per_byte
                  ? UINT64_MAX
                  : kSwapWorkFloor + per_byte * table_bytes;
    renamed_.assign(count, 0);
    for (size_t id = 0; id < 2 * count; ++id) search(static_cast<int>(id));
  }

  void run() {
    for (size_t i = 0; i < t_.size(); ++i) {
      pairs_of(i, 0);
      for (size_t k = 0; k < pairs_.size(); ++k) {
        const size_t j = static_cast<size_t>(pairs_[k]);
        bool i_changed = false;
        if (step(i, t_[i].name, t_[j])) {
          renamed(i);
          i_changed = true;
        }
        if (step(j, t_[j].name, t_[i])) renamed(j);
        if (step(i, t_[i].value, t_[j])) {
          changed(value_id(i));
          i_changed = true;
        }
        if (step(j, t_[j].value, t_[i])) changed(value_id(j));
        if (i_changed) {
          pairs_of(i, j + 1);
          k = static_cast<size_t>(-1);
        }
      }
    }
  }

 private:
  static int name_id(size_t k) { return static_cast<int>(2 * k); }
  static int value_id(size_t k) { return static_cast<int>(2 * k + 1); }
  const std::string& text(int id) const {
    const Swap& s = t_[static_cast<size_t>(id / 2)];
    return id % 2 == 0 ? s.name : s.value;
  }

  // Finds the names text `id` holds, and files it with each of them.
  void search(int id) {
    names_index_.find_in(text(id), found_);
    holds_.clear(static_cast<size_t>(id));
    for (int k : found_) {
      holds_.add(static_cast<size_t>(id), k);
      holders_.add(static_cast<size_t>(k), id);
    }
  }

  void changed(int id) {
    search(id);
    if (texts_) texts_->set(id, text(id));
  }

  void renamed(size_t k) {
    renamed_[k] = 1;
    names_index_.set(static_cast<int>(k), t_[k].name);
    changed(name_id(k));
    if (t_[k].name.empty()) return;
    texts_with(t_[k].name, found_);
    for (int id : found_)
      if (id != name_id(k)) holds_.add(static_cast<size_t>(id), static_cast<int>(k));
  }

  // The texts that hold `name`, ascending.
  void texts_with(const std::string& name, std::vector<int>& out) {
    if (!texts_) {
      texts_.emplace();
      for (size_t id = 0; id < 2 * t_.size(); ++id)
        texts_->set(static_cast<int>(id), text(static_cast<int>(id)));
    }
    texts_->find_containing(
        name, [this](int id) -> const std::string& { return text(id); }, out);
  }

  // The entries from `from` on, other than i, that a step of the pair with i
  // can change something for, ascending.
  void pairs_of(size_t i, size_t from) {
    pairs_.clear();
    for (int id : {name_id(i), value_id(i)})
      holds_.for_each(static_cast<size_t>(id), [&](int j) { pairs_.push_back(j); });
    const std::string& name = t_[i].name;
    if (!name.empty()) {
      if (renamed_[i]) {
        texts_with(name, found_);
        for (int id : found_) pairs_.push_back(id / 2);
      } else {
        // Every text was last searched with this name as it is; a text
        // filed with it may have lost it since.
        holders_.for_each(i, [&](int id) {
          if (text(id).find(name) != std::string::npos) pairs_.push_back(id / 2);
        });
      }
    }
    std::sort(pairs_.begin(), pairs_.end());
    pairs_.erase(std::unique(pairs_.begin(), pairs_.end()), pairs_.end());
    std::erase_if(pairs_, [&](int j) {
      return static_cast<size_t>(j) < from || static_cast<size_t>(j) == i;
    });
  }

  // Replaces the name of `by` in `text`, a text of entry `a`; whether the
  // text held it.
  bool step(size_t a, std::string& text, const Swap& by) {
    if (by.name.empty() || !match(text, by.name)) return false;
    const Line& statement = *decl_[a];
    check_replace_size(run_, statement, text, by.name, by.value == "NULL" ? 0 : by.value.size());
    if (&text == &t_[a].name && !renamed_[a]) declared_.emplace(a, text);
    swap_str(text, by);
    work_ += text.size();
    if (work_ > budget_) {
      const auto it = declared_.find(a);
      linerr(Err::SWAP_WORK, statement, it == declared_.end() ? t_[a].name : it->second, budget_);
    }
    return true;
  }

  RunContext& run_;
  Swaps& t_;
  const std::vector<const Line*>& decl_;
  // The names as declared of the entries renamed, for the error.
  std::unordered_map<size_t, std::string> declared_;
  PatternIndex names_index_;  // entry k: its name
  // Per text: the names it held when searched, and those renamed since into
  // a text it held then.
  IdLists holds_;
  IdLists holders_;  // per entry: texts filed with its name
  std::vector<char> renamed_;              // per entry: its name has changed
  std::optional<SubstringIndex> texts_;
  std::uint64_t budget_ = 0;
  std::uint64_t work_ = 0;
  std::vector<int> pairs_, found_;
};

void trace_swaps(RunContext& run, const Swaps& table) {
  if (!run.options.DEBUG) return;
  trace(run, "Total of " + std::to_string(table.size()) + " swaps: ");
  for (size_t i = 0; i < table.size(); ++i) {
    const Swap& s = table[i];
    trace(run, (s.global ? "Swap (global) " : "Swap ") + std::to_string(i) + ": " + s.name +
                   " -> " + s.value);
  }
  trace(run, "");
}

}  // namespace

int set_swaps(RunContext& run, const Lines& lines, Swaps& table, int build) {
  table.clear();
  table.push_back(Swap{"BUILD_NUM", std::to_string(build), false, false});
  table.push_back(Swap{"VERSION", kVersion, false, false});
  const size_t cap = run.options.MAX_DEFS > 0 ? static_cast<size_t>(run.options.MAX_DEFS) : 0;
  std::string name, value;
  // The statement behind each entry (none for the two built in).
  static const Line kBuiltIn;
  std::vector<const Line*> decl(2, &kBuiltIn);
  // The first entry of each name (get_swap_index, without a search).
  NameMap first;
  auto name_of = [&table](int at) -> const std::string& {
    return table[static_cast<size_t>(at)].name;
  };
  first.insert(table[0].name, 0, name_of);
  first.insert(table[1].name, 1, name_of);
  for (const Line& line : lines) {
    if (!match(line.text, "SWAP")) continue;
    const bool global = match(line.text, ".GLOBAL");
    const bool cmd = match(line.text, ".CMD");
    get_name_value(line.text, name, value);
    const int at = name.empty() ? -1 : first.find(name, name_of);
    if (at <= 0) {
      if (at < 0 && !name.empty()) first.insert(name, static_cast<int>(table.size()), name_of);
      table.push_back(Swap{name, value, global, cmd});
      decl.push_back(&line);
      if (table.size() >= cap) generr(Err::SWAP_TABLE_FULL, run.options.MAX_DEFS);
    } else if (!table[at].cmd) {
      decl[static_cast<size_t>(at)] = &line;
      table[at].value = value;
      table[at].global = global;
    }
  }
  CrossSubstitution(run, table, decl).run();
  // A name emptied by the cross-substitution would match everywhere: such an
  // entry is dropped, the others stay.
  std::erase_if(table, [](const Swap& s) { return s.name.empty(); });
  trace_swaps(run, table);
  return static_cast<int>(table.size());
}

int get_swap_index(const Swaps& table, const std::string& name) {
  if (name.empty()) return -1;
  for (size_t i = 0; i < table.size(); ++i)
    if (table[i].name == name) return static_cast<int>(i);
  return -1;
}

}  // namespace korvex
