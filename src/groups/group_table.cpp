// The group table: member lists, lookup by name, member selection and the
// debug listing.
//
// Selection never reads outside a list: an index selector that is negative
// or not a number, a .SON condition that does not read "attr op value", and
// a member without a sub-member at the tested position all select nothing.
#include "groups/group_table.h"

#include <climits>

#include "base/diagnostics.h"
#include "base/errors.h"
#include "expr/conditions.h"
#include "text/paren.h"
#include "text/strings.h"

namespace korvex {
namespace {

// The number of members a group really holds.
int members_of(const Group& g) {
  const int n = static_cast<int>(g.members.size());
  return g.member_count < n ? g.member_count : n;
}

// Reads an index selector's content as a decimal integer: leading blanks,
// an optional sign, then the leading digits; what follows them is not read,
// and no digits give 0 (so [i] is member 0 and [2-1] member 2).
long long read_index(const std::string& s) {
  size_t i = 0;
  while (i < s.size() && is_space(s[i])) ++i;
  bool neg = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) neg = s[i++] == '-';
  long long v = 0;
  for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i)
    if (v < INT_MAX) v = v * 10 + (s[i] - '0');
  if (v > INT_MAX) v = INT_MAX;
  return neg ? -v : v;
}

}  // namespace

std::string get_group_name_text(std::string_view text) {
  const size_t at = text.find("GROUP_");
  if (at == std::string::npos) return "";
  const size_t from = at + 6;
  const size_t blank = text.find(' ', from);
  return std::string(blank == std::string::npos ? text.substr(from) : text.substr(from, blank - from));
}

void set_group(int index, int n, const std::vector<Signl>& work, Groups& table) {
  if (index < 0) return;
  if (static_cast<size_t>(index) >= table.size()) table.resize(static_cast<size_t>(index) + 1);
  if (n < 0) n = 0;
  if (static_cast<size_t>(n) > work.size()) n = static_cast<int>(work.size());
  Group& g = table[static_cast<size_t>(index)];
  std::vector<Signl> members(work.begin(), work.begin() + n);
  for (Signl& m : members) m.son_count = static_cast<int>(m.sons.size());
  g.members = std::move(members);
  g.member_count = n;
}

void copy_Signls(int source, int target, Groups& table) {
  if (source < 0 || target < 0 || static_cast<size_t>(source) >= table.size()) return;
  if (static_cast<size_t>(target) >= table.size()) table.resize(static_cast<size_t>(target) + 1);
  const Group& src = table[static_cast<size_t>(source)];
  std::vector<Signl> members;
  members.reserve(src.members.size());
  for (const Signl& m : src.members) {
    Signl c;
    c.name = m.name;
    c.width = m.width;
    c.dir = m.dir;
    members.push_back(std::move(c));
  }
  const int added = members_of(src);
  members.resize(static_cast<size_t>(added));
  Group& dst = table[static_cast<size_t>(target)];
  dst.members = std::move(members);
  dst.member_count += added;
}

int get_group_index(const Line& line, std::string name, const Groups& table, int quiet,
                    int exact) {
  std::string text;
  text.reserve(name.size());
  for (char c : name)
    if (c != ' ') text += c;
  int best = -1;
  size_t best_diff = 0;
  for (size_t i = 0; i < table.size() && !table[i].name.empty(); ++i) {
    const std::string& n = table[i].name;
    const bool candidate = exact ? n == text : text.compare(0, n.size(), n) == 0;
    if (!candidate) continue;
    const size_t diff = text.size() - n.size();
    if (diff == 0) return static_cast<int>(i);
    if (best < 0 || diff < best_diff) {
      best = static_cast<int>(i);
      best_diff = diff;
    }
  }
  if (best < 0 && !quiet) linerr(Err::GROUP_NOT_DECLARED, line, text);
  return best;
}

SonTest get_son_index(const Line& line, const Group& group) {
  SonTest son;
  const size_t at = line.text.find(".SON");
  if (at == std::string::npos) return son;
  const std::string after = line.text.substr(at + 4);
  const std::string whole = get_paren(line, after, 0);
  std::string cond = get_paren(line, after, 1);
  const std::string op = get_true_op(line, cond);
  find_and_replace(cond, op, " " + op + " ", 0);
  const std::string attr = get_split(cond, 0);
  const std::string sign = get_split(cond, 1);
  const std::string value = get_split(cond, 2);
  son.selector = ".SON" + whole;
  son.test = sign + value;
  son.fits = !value.empty() && sign == op;
  if (group.members.empty()) return son;
  const std::vector<Signl_son>& sons = group.members[0].sons;
  for (size_t i = 0; i < sons.size(); ++i) {
    if (sons[i].name == attr) {
      son.index = static_cast<int>(i);
      break;
    }
  }
  return son;
}

bool get_member_index(const Line& line, const Group& group, const std::string& ref, long long& k,
                      std::string& selector) {
  const std::string open = group.name + "[";
  if (!match(ref, open)) return false;
  std::string before, after;
  splitstring(line.text, open, before, after);
  after = "(" + after;
  find_and_replace(after, "]", ")", 0);
  const std::string content = get_paren(line, after, 1);
  selector = open + content + "]";
  k = read_index(content);  // a negative index selects nothing
  const int count = members_of(group);
  if (k >= count) linerr(Err::GROUP_INDEX, line, k, group.member_count);
  return true;
}

int get_group_members(RunContext& run, const Line& line, std::vector<int>& result,
                      const Groups& table, std::string& ref, int* group) {
  result.clear();
  const bool in = match(ref, ".IN");
  const bool out = match(ref, ".OUT");
  const int idx = get_group_index(line, get_group_name_text(ref), table, 0, 0);
  if (group) *group = idx;
  if (idx < 0) return 0;
  const Group& g = table[static_cast<size_t>(idx)];
  const int count = members_of(g);

  SonTest son;
  if (count > 0) son = get_son_index(line, g);

  long long k = 0;
  std::string index_selector;
  const bool indexed = get_member_index(line, g, ref, k, index_selector);
  int first = 0;
  int last = count;  // one past
  if (indexed) {
    if (k < 0) {
      first = last = 0;
    } else {
      first = static_cast<int>(k);
      last = first + 1;
    }
  }
  if (!son.fits) first = last = 0;

  for (int m = first; m < last; ++m) {
    const Signl& member = g.members[static_cast<size_t>(m)];
    if (son.index >= 0) {
      if (static_cast<size_t>(son.index) >= member.sons.size()) continue;
      const std::string cond =
          "SON(" + member.sons[static_cast<size_t>(son.index)].value + son.test + ")";
      if (get_true(run, line, cond, "SON") != "TRUE") continue;
    }
    if (in && member.dir == "output") continue;
    if (out && member.dir == "input") continue;
    result.push_back(m);
  }

  find_and_replace(ref, ".IN", "", 0);
  find_and_replace(ref, ".OUT", "", 0);
  if (son.index >= 0 || !son.fits) find_and_replace(ref, son.selector, "", 0);
  if (indexed) find_and_replace(ref, index_selector, g.name, 0);
  return static_cast<int>(result.size());
}

void print_debug_groups(RunContext& run, const Groups& table, int n) {
  if (!run.options.DEBUG) return;
  trace(run, "Total of " + std::to_string(n) + " groups: ");
  for (int i = 0; i < n && static_cast<size_t>(i) < table.size(); ++i) {
    const Group& g = table[static_cast<size_t>(i)];
    trace(run, "Group " + std::to_string(i) + ": " + g.name + ":");
    for (const Signl& m : g.members) {
      std::string s = "   " + m.name + "  " + m.width + "  " + m.dir + " ";
      for (const Signl_son& son : m.sons) s += "." + son.name + "=" + son.value + " ";
      trace(run, s);
    }
  }
  trace(run, "");
}

}  // namespace korvex
