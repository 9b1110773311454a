// GROUP definitions, read from the definition lines in four passes.
//
// Headers and kinds are recognised by substring tests, as everywhere in the
// directive language: the header GROUP isr_bus joins { contains " is" and so
// is read as an is header by pass 1. Group and member counts are held below
// MAX_DEFS in every pass, not only in pass 1, so no definition kind can grow
// the table or a member list past its capacity.
#include "groups/group_definitions.h"

#include <unordered_set>

#include "base/diagnostics.h"
#include "base/errors.h"
#include "groups/group_table.h"
#include "text/strings.h"

namespace korvex {
namespace {

// The state of one definition pass.
struct PassState {
  bool open = false;
  int index = -1;  // the group being defined, -1 for a new one
  std::string name;
  size_t header = 0;  // line of the open header, for the not-closed error
  std::vector<Signl> work;
  int count = 0;  // working member count
};

void start_trace(RunContext& run, int pass) {
  if (verbose_trace(run))
    trace(run, "Starting set groups pass " + std::to_string(pass));
}

void name_entry(Groups& table, int count, const std::string& name) {
  if (table.size() <= static_cast<size_t>(count)) table.resize(static_cast<size_t>(count) + 1);
  table[static_cast<size_t>(count)].name = name;
}

void count_group(RunContext& run, int& count) {
  ++count;
  if (count >= run.options.MAX_DEFS) generr(Err::GROUP_TABLE_FULL, run.options.MAX_DEFS);
}

void check_members(RunContext& run, const PassState& st) {
  if (st.count >= run.options.MAX_DEFS)
    generr(Err::GROUP_MEMBERS_FULL, st.name, run.options.MAX_DEFS);
}

void check_not_open(const PassState& st, const Lines& lines) {
  if (st.open) linerr(Err::GROUP_NOT_CLOSED, lines[st.header]);
}

void open_definition(PassState& st, size_t header, const std::string& name, int index) {
  st.open = true;
  st.header = header;
  st.name = name;
  st.index = index;
  st.count = 0;
}

// Collapses the blanks of a body line; false for a line that holds nothing.
bool body_text(std::string& text) {
  shrink_spaces(text);
  return text != " " && !text.empty();
}

// A member line (or, where allowed, a group line) of an open definition.
void add_body_line(RunContext& run, PassState& st, const Line& line, std::string text,
                   const Groups& table, bool group_lines) {
  if (!body_text(text)) return;
  Line body = line;
  body.text = std::move(text);
  if (group_lines && match(body.text, "GROUP ")) {
    st.count += add_Signls(run, body, st.count, table, st.work);
  } else {
    if (st.work.size() <= static_cast<size_t>(st.count))
      st.work.resize(static_cast<size_t>(st.count) + 1);
    st.count += build_group_Signl(body, st.work[static_cast<size_t>(st.count)]);
  }
  check_members(run, st);
}

}  // namespace

void set_groups_pass0(RunContext& run, Lines& lines) {
  start_trace(run, 0);
  std::unordered_set<std::string> overridden;
  for (const Line& l : lines)
    if (match(l.text, "GROUP ") && match(l.text, "overrides"))
      overridden.insert(get_header_name(l.text));
  if (overridden.empty()) return;

  for (size_t i = 0; i < lines.size(); ++i) {
    const LineText& t = lines[i].text;
    if (!match(t, "GROUP ")) continue;
    if (!(match(t, "is") || match(t, "joins") || match(t, "extends") || match(t, "inverts")))
      continue;
    // Only other definitions' headers go: the overriding ones stay, and a
    // body line naming a group is no header.
    if (match(t, "overrides") || !(match(t, "{") || match(t, "inverts"))) continue;
    if (!overridden.count(get_header_name(t))) continue;
    const bool one_line = match(t, "inverts") && !match(t, "{");
    const size_t header = i;
    const Line header_line = lines[i];
    lines[i].text.clear();
    if (one_line) continue;
    size_t j = i + 1;
    while (j < lines.size() && lines[j].text != "}") ++j;
    if (j == lines.size()) linerr(Err::GROUP_NOT_CLOSED, header_line);
    for (size_t k = header + 1; k <= j; ++k) lines[k].text.clear();
    i = j;
  }
}

int set_groups_pass1(RunContext& run, int count, const Lines& lines, Groups& table) {
  start_trace(run, 1);
  PassState st;
  for (size_t i = 0; i < lines.size(); ++i) {
    const Line& line = lines[i];
    std::string text = line.text.str();
    if (st.open) isolate_close(text);
    if (match(text, "GROUP ") && (match(text, " is") || match(text, " overrides"))) {
      check_not_open(st, lines);
      const std::string name = get_header_name(text);
      if (get_group_index(line, name, table, 1, 1) >= 0)
        linerr(Err::GROUP_REDEFINED, line, name);
      name_entry(table, count, name);
      open_definition(st, i, name, -1);
    } else if (st.open && text == "}") {
      st.open = false;
      if (st.index < 0) {
        set_group(count, st.count, st.work, table);
        count_group(run, count);
      } else {
        set_group(st.index, st.count, st.work, table);
      }
    } else if (st.open) {
      std::string body = text;
      if (!body_text(body)) continue;
      if (match(body, "GROUP ")) linerr(Err::GROUP_MEMBER_GROUP, line, st.name);
      add_body_line(run, st, line, text, table, false);
    }
  }
  check_not_open(st, lines);
  return count;
}

int set_groups_pass2(RunContext& run, int count, const Lines& lines, Groups& table) {
  start_trace(run, 2);
  PassState st;
  for (size_t i = 0; i < lines.size(); ++i) {
    const Line& line = lines[i];
    const LineText& text = line.text;
    if (match(text, "GROUP ") && match(text, "extends")) {
      check_not_open(st, lines);
      const std::string name = get_header_name(text);
      const int index = get_group_index(line, name, table, 1, 1);
      if (index < 0) linerr(Err::GROUP_EXTEND_UNDEFINED, line, name);
      open_definition(st, i, name, index);
      st.count = add_Signls(run, line, 0, table, st.work);
      check_members(run, st);
    } else if (st.open && match(text, "}")) {
      st.open = false;
      set_group(st.index, st.count, st.work, table);
    } else if (st.open) {
      add_body_line(run, st, line, text.str(), table, true);
    }
  }
  check_not_open(st, lines);
  return count;
}

int set_groups_pass3(RunContext& run, int count, const Lines& lines, Groups& table) {
  start_trace(run, 3);
  PassState st;
  for (size_t i = 0; i < lines.size(); ++i) {
    const Line& line = lines[i];
    const LineText& text = line.text;
    if (match(text, "GROUP ") && match(text, " inverts")) {
      // A new definition inside an open one would take the open one's
      // table entry: report the open one as not closed instead.
      check_not_open(st, lines);
      set_invert_group(line, count, table);
      count_group(run, count);
    } else if (match(text, "GROUP ") && match(text, " joins")) {
      check_not_open(st, lines);
      const std::string name = get_header_name(text);
      const int index = get_group_index(line, name, table, 1, 1);
      if (index < 0) name_entry(table, count, name);
      open_definition(st, i, name, index);
    } else if (st.open && match(text, "}")) {
      st.open = false;
      if (st.index < 0) {
        set_group(count, st.count, st.work, table);
        count_group(run, count);
      } else {
        set_group(st.index, st.count, st.work, table);
      }
    } else if (st.open) {
      add_body_line(run, st, line, text.str(), table, true);
    }
  }
  check_not_open(st, lines);
  return count;
}

void set_groups(RunContext& run, Lines& lines, Groups& table) {
  table.clear();
  set_groups_pass0(run, lines);
  int n = set_groups_pass1(run, 0, lines, table);
  n = set_groups_pass2(run, n, lines, table);
  n = set_groups_pass3(run, n, lines, table);
  table.resize(static_cast<size_t>(n));
  print_debug_groups(run, table, n);
}

}  // namespace korvex
