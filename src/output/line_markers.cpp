// Line markers for the generated files.
#include "output/line_markers.h"

#include "text/paths.h"

namespace korvex {

std::string get_line_marker(const FileName& file, int num) {
  // A quote or backslash in a path would end or change the directive's
  // string: both are escaped as in a Verilog string.
  std::string name;
  for (char c : relative_to_cwd(file.str())) {
    if (c == '"' || c == '\\') name += '\\';
    name += c;
  }
  return "`line " + std::to_string(num) + " \"" + name + "\" 0";
}

bool LineMarkers::get_marker(const Line& line, LineText& marker) {
  // file_ and num_ are where the reader of the file takes the last line to
  // come from; an empty file_ is the generated file itself.
  const bool follows = !file_.empty() && line.file == file_ && line.num == num_ + 1;
  if (follows || writes_empty(line.text)) {
    ++num_;
    return false;
  }
  file_ = line.file;
  num_ = line.num;
  if (line.file.empty()) return false;
  marker = get_line_marker(line.file, line.num);
  return true;
}

}  // namespace korvex
