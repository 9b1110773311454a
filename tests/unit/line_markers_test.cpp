// Line markers: which written lines get a `line directive, and its text.
#include "output/line_markers.h"

#include <gtest/gtest.h>

#include "text/paths.h"

namespace korvex {
namespace {

struct Written {
  const char* file;
  int num;
  const char* text;
  const char* marker;  // "" when the line gets none
};

// One file's lines in order: a header line (no file) and its empty last
// line, a line from a file right after it, a following line, an empty line
// from elsewhere (no marker, taken for the next line), the line after that
// one, a jump back (a repeated LOOP body), a line of another file, and a
// path with a quote and a backslash, escaped as in a Verilog string.
TEST(LineMarkers, MarksEveryLineThatDoesNotFollowThePreviousOne) {
  const std::string below = get_path() + "rtl/top.v";
  const Written lines[] = {
      {"", 0, "//-- header", ""},
      {"", 0, "", ""},
      {"top.v", 1, "module top;", "`line 1 \"top.v\" 0"},
      {"top.v", 2, "wire a;", ""},
      {"top.v", 9, "", ""},
      {"top.v", 4, "wire b;", ""},
      {"top.v", 4, "wire c;", "`line 4 \"top.v\" 0"},
      {"child.v", 5, "wire d;", "`line 5 \"child.v\" 0"},
      {"odd\"\\.v", 1, "wire e;", "`line 1 \"odd\\\"\\\\.v\" 0"},
      {below.c_str(), 7, "wire f;", "`line 7 \"rtl/top.v\" 0"},
      {"/elsewhere/top.v", 7, "wire g;", "`line 7 \"/elsewhere/top.v\" 0"},
  };
  LineMarkers markers;
  for (const Written& w : lines) {
    Line l;
    l.file = w.file;
    l.num = w.num;
    l.text = w.text;
    LineText marker;
    const bool marked = markers.get_marker(l, marker);
    EXPECT_EQ(marked ? marker.str() : std::string(), w.marker) << w.text;
  }
}

}  // namespace
}  // namespace korvex
