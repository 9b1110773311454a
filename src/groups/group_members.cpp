// Member lines, group lines and inverted copies.
//
// The letters SON are reserved on member lines: each occurrence opens a
// sub-member, whose parenthesised part holds its name and value. Reading
// removes the parts it has read, so that the rest of the line gives name,
// width and direction.
#include "groups/group_members.h"

#include "text/paren.h"
#include "groups/group_table.h"
#include "text/strings.h"

namespace korvex {
namespace {

// The text after the first `key` up to the next blank ("" when absent).
std::string word_after(std::string_view text, const std::string& key) {
  const size_t at = text.find(key);
  if (at == std::string::npos) return "";
  const size_t from = at + key.size();
  const size_t blank = text.find(' ', from);
  return std::string(blank == std::string::npos ? text.substr(from) : text.substr(from, blank - from));
}

}  // namespace

std::string get_header_name(std::string_view text) { return word_after(text, "GROUP "); }

void isolate_close(std::string& text) {
  if (!match(text, "}")) return;
  const size_t b = text.find_first_not_of(' ');
  if (b == std::string::npos) {
    text.clear();
    return;
  }
  const size_t e = text.find_last_not_of(' ');
  text = text.substr(b, e - b + 1);
}

int build_group_Signl(const Line& line, Signl& member) {
  member = Signl();
  std::string text = line.text.str();
  while (match(text, "SON ")) find_and_replace(text, "SON ", "SON", 0);
  member.build_array(count_substr(text, "SON"));

  size_t next = 0;
  size_t at;
  while ((at = text.find("SON")) != std::string::npos) {
    const std::string after = text.substr(at + 3);
    const std::string whole = get_paren(line, after, 0);
    const std::string content = get_paren(line, after, 1);
    if (next < member.sons.size()) {
      Signl_son& son = member.sons[next];
      splitstring(content, " ", son.name, son.value);
    }
    ++next;
    const std::string part = "SON" + whole;
    const size_t before = text.size();
    find_and_replace(text, part, "", 0);
    if (text.size() == before) {
      // Text stands between SON and its parenthesis: drop that span so the
      // reading always moves on.
      const size_t close = after.find(whole) + whole.size();
      text.erase(at, 3 + close);
    }
  }

  member.name = get_split(text, 0);
  member.width = get_split(text, 1);
  member.dir = get_split(text, 2);
  if (member.width == "0") {
    member.name.clear();
    return 0;
  }
  return 1;
}

int add_Signls(RunContext& run, const Line& line, int position, const Groups& table,
               std::vector<Signl>& work) {
  std::string text = line.text.str();
  shrink_spaces(text);
  find_and_replace(text, "GROUP ", "GROUP_", 0);
  const int g = get_group_index(line, get_group_name_text(text), table, 0, 0);
  std::vector<int> selected;
  const int n = get_group_members(run, line, selected, table, text);
  const std::string prefix = word_after(text, "prefix_");
  const std::string suffix = word_after(text, "suffix_");
  if (position < 0) position = 0;
  const size_t need = static_cast<size_t>(position) + static_cast<size_t>(n);
  if (work.size() < need) work.resize(need);
  const std::vector<Signl>& members = table[static_cast<size_t>(g)].members;
  for (int k = 0; k < n; ++k) {
    const Signl& src = members[static_cast<size_t>(selected[static_cast<size_t>(k)])];
    Signl m;
    m.name = prefix + src.name + suffix;
    m.width = src.width;
    m.dir = src.dir;
    m.sons = src.sons;
    m.son_count = static_cast<int>(m.sons.size());
    work[static_cast<size_t>(position + k)] = std::move(m);
  }
  return n;
}

void set_invert_group(const Line& line, int index, Groups& table) {
  if (index < 0) return;
  if (static_cast<size_t>(index) >= table.size()) table.resize(static_cast<size_t>(index) + 1);
  Group& g = table[static_cast<size_t>(index)];
  g.name = get_header_name(line.text);
  g.member_count = 0;
  g.members.clear();
  std::string before, source_name;
  splitstring(line.text, "inverts", before, source_name);
  const int source = get_group_index(line, source_name, table, 0, 0);
  copy_Signls(source, index, table);
  for (Signl& m : table[static_cast<size_t>(index)].members) {
    if (either_contains(m.dir, "input"))
      m.dir = "output";
    else if (either_contains(m.dir, "output"))
      m.dir = "input";
  }
}

}  // namespace korvex
