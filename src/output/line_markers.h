// Line markers: with -line_markers, a generated file holds Verilog `line
// directives wherever its next line does not come from the line after the
// previous one in the same source file, so that a simulator or linter names
// the Korvex source file and line instead of the generated one.
//
// The markers are made while the lines are written (or compared), never kept
// in the line array: a marker naming a file such as "CREATE.v" must not be
// taken for a CREATE statement by the child-file pass.
#pragma once

#include <string>

#include "text/line.h"

namespace korvex {

// The directive that says the next line is line `num` of `file`:
// `line NUM "FILE" 0, the file relative to the current directory when it
// lies below it.
std::string get_line_marker(const FileName& file, int num);

// Follows the lines of one generated file in the order they are written.
class LineMarkers {
 public:
  // Sets `marker` to the directive to write before `line` and returns true
  // when one is needed: before a line with text that is not the line after
  // the previous one in the same file (the file's first line, a line after
  // a dropped block, a repeated LOOP body, an included file). An empty line
  // needs none, whatever it comes from: it is taken for the line after the
  // previous one, and a marker goes before the next line with text. A line
  // from no file (a header line) needs none either, and the next line from
  // a file gets one.
  bool get_marker(const Line& line, LineText& marker);

 private:
  FileName file_;
  int num_ = 0;
};

}  // namespace korvex
