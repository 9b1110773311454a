// Expansion of group references in the source lines.
//
// A line referring to a group becomes, for GONCAT forms and .NUM counts, one
// rewritten line, and otherwise one line per selected member, in which every
// GROUP_<name> (with its attribute) is replaced by the member's texts. The
// lines are rebuilt in one pass into a new array whose capacity is checked
// line by line, so an expansion that outgrows MAX_LINES is reported before
// anything large is built.
//
// Parameters (.PARAM) belong to the line that gives them: each line starts
// with an empty parameter list, so a line never picks up the parameters of
// an earlier line.
#include "groups/group_expansion.h"

#include <vector>

#include "base/budget.h"
#include "base/diagnostics.h"
#include "expr/concat.h"
#include "groups/group_cycles.h"
#include "groups/group_table.h"
#include "swaps/swap_table.h"
#include "text/paren.h"
#include "text/strings.h"

namespace korvex {
namespace {

// The parameters in force: those before the first one without a name.
Swaps active_params(const Swaps& params) {
  Swaps active;
  for (const Swap& p : params) {
    if (p.name.empty()) break;
    active.push_back(p);
  }
  return active;
}

std::string swapped(std::string text, const Swaps& params) {
  if (!params.empty()) group_swap(text, params);
  return text;
}

void replace_all(std::string& text, const std::string& from, const std::string& to) {
  if (match(text, from)) find_and_replace(text, from, to, 0);
}

// The text of one member's line: every attribute of the reference, then
// the reference itself, replaced by the member's texts, then the
// declaration rule.
std::string expand_member(const std::string& ref, const Group& g, int position,
                          const Swaps& params) {
  const Signl& m = g.members[static_cast<size_t>(position)];
  const std::string base = "GROUP_" + g.name;
  std::string text = ref;
  replace_all(text, base + ".IDX", std::to_string(position));
  const std::string width = swapped(m.width, params);
  replace_all(text, base + ".WIDTH", width);
  replace_all(text, base + ".DIR", swapped(m.dir, params));
  for (const Signl_son& son : m.sons)
    if (match(text, base + "." + son.name))
      find_and_replace(text, base + "." + son.name, swapped(son.value, params), 0);
  replace_all(text, base, swapped(m.name, params));
  apply_declaration(ref, text, m.dir, width);
  return text;
}

// Replaces each GONCAT form of `ref` by the list of the selected members'
// values. Each form present at the start is handled once, so member texts
// that hold GONCAT themselves cannot make the loop run on.
void insert_goncat(const Line& line, std::string& ref, const Group& g,
                   const std::vector<int>& selected, const Swaps& params) {
  const std::string base = "GROUP_" + g.name;
  int forms = count_substr(ref, "GONCAT");
  while (forms-- > 0 && match(ref, "GONCAT")) {
    Line probe = line;
    probe.text = ref;
    std::string whole, item, sep;
    const bool rev = get_concat(probe, "GONCAT", whole, item, sep);
    if (!match(ref, whole)) break;  // text between GONCAT and its parenthesis

    std::string attr;
    int son = -1;
    if (match(item, ".WIDTH")) {
      attr = ".WIDTH";
    } else if (match(item, ".DIR")) {
      attr = ".DIR";
    } else if (match(item, ".IDX")) {
      attr = ".IDX";
    } else if (!g.members.empty()) {
      const std::vector<Signl_son>& sons = g.members[0].sons;
      for (size_t i = 0; i < sons.size(); ++i) {
        if (match(item, "." + sons[i].name)) {
          attr = "." + sons[i].name;
          son = static_cast<int>(i);
          break;
        }
      }
    }
    std::string front, back;
    splitstring(item, base + attr, front, back);

    std::string list;
    const size_t n = selected.size();
    for (size_t k = 0; k < n; ++k) {
      const int position = selected[rev ? n - 1 - k : k];
      const Signl& m = g.members[static_cast<size_t>(position)];
      std::string value;
      if (attr == ".WIDTH") {
        value = m.width;
      } else if (attr == ".DIR") {
        value = m.dir;
      } else if (attr == ".IDX") {
        value = std::to_string(position);
      } else if (son >= 0) {
        // A member without a sub-member at that position gives nothing.
        if (static_cast<size_t>(son) < m.sons.size()) value = m.sons[static_cast<size_t>(son)].value;
      } else {
        value = m.name;
      }
      if (k > 0) list += " " + sep + " ";
      list += front + swapped(value, params) + back;
    }
    find_and_replace(ref, whole, list, 0);
  }
}

// A new line at the place of `from` (file, number, indentation, remark).
Line line_like(const Line& from, std::string text) {
  Line l;
  l.file = from.file;
  l.remark = from.remark;
  l.num = from.num;
  l.indent = from.indent;
  l.pending = 1;
  l.text = std::move(text);
  return l;
}

}  // namespace

void get_group_params(const Line& line, std::string& ref, Swaps& params) {
  params.clear();
  size_t at;
  while ((at = ref.find(".PARAM")) != std::string::npos) {
    const std::string after = ref.substr(at + 6);
    const std::string whole = get_paren(line, after, 0);
    std::string content = get_paren(line, after, 1);
    if (match(ref, ".PARAM" + whole)) {
      find_and_replace(ref, ".PARAM" + whole, "", 0);
    } else {
      // Text stands between .PARAM and its parenthesis: take out that span.
      ref.erase(at, 6 + after.find(whole) + whole.size());
    }
    const size_t first = content.find_first_not_of(' ');
    content.erase(0, first == std::string::npos ? content.size() : first);
    Swap p;
    splitstring(content, " ", p.name, p.value);
    params.push_back(std::move(p));
  }
}

int insert_groups(RunContext& run, Lines& lines, const Groups& table, GroupPass pass,
                  int* changed) {
  const bool quiet = pass == GroupPass::kRepeated;
  int result = -1;
  bool any_change = false;
  std::vector<int> selected;
  Swaps params;
  std::vector<char> cyclic;
  bool cycles_known = false;

  const size_t limit = static_cast<size_t>(run.options.MAX_LINES) + 1;
  // Lines before the first reference stay where they are.
  size_t first = 0;
  while (first < lines.size() && !match(lines[first].text, "GROUP_")) ++first;
  if (first == lines.size()) {
    if (run.options.VERBOSE) print_debug(run, lines, "insert_groups");
    if (changed) *changed = 0;
    return result;
  }
  // Room for the most lines this call can make, so the new array is never
  // moved while it grows; pages of the room left unused are never touched.
  // The lookups are kept for the expansion below.
  std::vector<int> found(lines.size() - first, -1);
  size_t bound = lines.size();
  for (size_t i = first; i < lines.size(); ++i) {
    if (!match(lines[i].text, "GROUP_")) continue;
    const int g = get_group_index(lines[i], get_group_name_text(lines[i].text), table, 1, 0);
    found[i - first] = g;
    if (g >= 0 && !table[static_cast<size_t>(g)].members.empty())
      bound += table[static_cast<size_t>(g)].members.size() - 1;
  }
  Lines out;
  out.reserve(bound < limit ? bound : limit);
  for (size_t i = 0; i < first; ++i) out.push_back(std::move(lines[i]));

  for (size_t i = first; i < lines.size(); ++i) {
    Line& line = lines[i];
    if (!match(line.text, "GROUP_")) {
      push_line(run.options, out, std::move(line));
      continue;
    }
    const int idx = found[i - first];
    if (idx < 0 && !quiet) get_group_index(line, get_group_name_text(line.text), table, 0, 0);
    result = idx;
    if (idx >= 0 && quiet) {
      if (!cycles_known) {
        cyclic = get_cyclic_groups(table);
        cycles_known = true;
      }
      // Expanding it would bring the reference back: leave it to the final call.
      if (cyclic[static_cast<size_t>(idx)]) {
        push_line(run.options, out, std::move(line));
        continue;
      }
    }
    if (idx < 0) {
      push_line(run.options, out, std::move(line));
      continue;
    }
    if (verbose_trace(run)) {
      trace(run, "");
      trace(run, "Starting GROUP: " + table[static_cast<size_t>(idx)].name);
    }

    std::string ref = line.text.str();
    get_group_params(line, ref, params);
    const Swaps active = active_params(params);
    int from = idx;
    const int n = get_group_members(run, line, selected, table, ref, &from);
    const Group& g = table[static_cast<size_t>(from)];

    if (match(ref, g.name + ".NUM")) {
      find_and_replace(ref, "GROUP_" + g.name + ".NUM", std::to_string(n), 0);
      if (ref != line.text) any_change = true;
      line.text = std::move(ref);
      push_line(run.options, out, std::move(line));
      continue;
    }
    if (match(ref, "GONCAT")) {
      insert_goncat(line, ref, g, selected, active);
      charge_text(run, line, ref.size());
      if (ref != line.text) any_change = true;
      line.text = std::move(ref);
      line.pending = 1;
      push_line(run.options, out, std::move(line));
      continue;
    }
    if (n != 1) any_change = true;
    for (int position : selected) {
      Line member_line = line_like(line, expand_member(ref, g, position, active));
      charge_text(run, line, member_line.text.size());
      if (member_line.text != line.text) any_change = true;
      push_line(run.options, out, std::move(member_line));
    }
  }

  lines.swap(out);
  if (run.options.VERBOSE) print_debug(run, lines, "insert_groups");
  if (changed) *changed = any_change ? 1 : 0;
  return result;
}

}  // namespace korvex
