// The shared argument parser of the list-building forms.
#include "expr/concat.h"

#include "text/paren.h"
#include "text/strings.h"

namespace korvex {

bool get_concat(const Line& line, const std::string& key, std::string& whole, std::string& item,
                std::string& sep) {
  std::string before, after;
  splitstring(line.text, key, before, after);
  const bool rev = after.compare(0, 4, ".REV") == 0;
  const std::string group = get_paren(line, after, 0);
  const std::string arg = group.substr(1, group.size() - 2);
  whole = key + (rev ? ".REV" : "") + group;
  const std::vector<std::string> words = words_of(arg);
  sep = words.empty() ? std::string() : words.back();
  const size_t at = arg.find(" " + sep);
  item = at == std::string::npos ? arg : arg.substr(0, at);
  return rev;
}

}  // namespace korvex
