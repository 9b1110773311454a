// Declarations made from group members.
//
// Only the keyword that leads the line is replaced: a member whose name
// holds the keyword's letters (a wire named wire_en) keeps its name.
#include "groups/declarations.h"

#include "text/strings.h"

namespace korvex {
namespace {

bool is_declaration_word(const std::string& w) {
  return w == "input" || w == "output" || w == "reg" || w == "wire" || w == "inout";
}

// A decimal number that is zero or negative: no bit range can be made of it.
bool is_non_positive(const std::string& width) {
  if (width.empty()) return true;
  if (is_neg_number(width)) return true;
  return is_number(width) && width.find_first_not_of('0') == std::string::npos;
}

}  // namespace

std::string get_msb(const std::string& width) {
  if (!is_number(width)) return width + "-1";
  const size_t first = width.find_first_not_of('0');
  // Zero (or no digits at all) has no bit index: the integer conversion
  // writes nothing for -1.
  if (first == std::string::npos) return "";
  std::string n = width.substr(first);
  size_t i = n.size();
  while (i > 0 && n[i - 1] == '0') n[--i] = '9';
  --n[i - 1];
  if (n.size() > 1 && n[0] == '0') n.erase(0, 1);
  return n;
}

std::string get_declaration_word(const std::string& keyword, const std::string& dir) {
  if (keyword == "port" || keyword == "portreg") return dir;
  if (keyword == "revport" || keyword == "revportreg") {
    if (dir == "input") return "output";
    if (dir == "output") return "input";
    return dir;
  }
  return keyword;
}

void apply_declaration(const std::string& ref, std::string& text, const std::string& dir,
                       const std::string& width) {
  const std::string keyword = ref.substr(0, ref.find(' '));
  const std::string word = get_declaration_word(keyword, dir);
  if (!is_declaration_word(word)) return;
  if (text.compare(0, keyword.size(), keyword) != 0) return;

  const std::string msb = get_msb(width);
  const bool ranged = msb != "0" && !is_non_positive(width);
  const std::string range = ranged ? "[" + msb + ":0] " : "";
  const bool reg = word == "output" && match(ref, "portreg");
  const std::string decl = word + (reg ? " reg " : " ") + range;

  size_t replaced = keyword.size();
  std::string with = decl;
  if (decl.size() <= keyword.size()) {
    with.append(keyword.size() - decl.size(), ' ');
  } else {
    const size_t d = decl.size() - keyword.size();
    if (text.compare(keyword.size(), d, std::string(d, ' ')) == 0) replaced += d;
  }
  text.replace(0, replaced, with);
}

}  // namespace korvex
