// The line record and the operations on line arrays that every pass uses.
//
// A line array is a std::vector<Line>; its size is its line count. No line in
// an array has an empty text: an empty line is held as "__EMPTY_LINE__", so a
// pass that empties a text must store that marker instead. Lines are deleted
// by giving them a marker text and calling remove_lines().
#pragma once

#include <string>
#include <vector>

namespace korvex {

inline constexpr const char* kEmptyLine = "__EMPTY_LINE__";
inline constexpr const char* kRemoveRemark = "REMOVE_REMARK";
inline constexpr const char* kIgnoreParse = "IGNOREPARSE";

// The texts that stand for an empty line and for an unparsed line. They are
// Korvex's own markers, not text of the user: no substitution may change them
// (a swap or loop named N would otherwise turn an empty line into
// "__EMPTY_LI4E__").
inline bool is_marker_text(const std::string& text) {
  return text == kEmptyLine || text == kIgnoreParse;
}

struct Line {
  std::string file;    // the path the line was read from
  std::string text;    // the statement
  std::string remark;  // the line remark cut off by reading ("##" onwards)
  int num = 0;         // 1-based physical line number in `file`
  int pending = 0;     // created or changed since the last substitution run
  int indent = 0;      // leading blanks removed by normalisation
};

using Lines = std::vector<Line>;

// Copies every field but `pending`, which becomes 1 when `mark` is non-zero
// and is copied otherwise.
void copy_line(const Line& src, Line& dst, int mark);

// Replaces `dst` by `src` (append == 0) or appends `src` to it. A result of
// more than MAX_LINES lines is general error 102.
void copy_lines(const Lines& src, Lines& dst, int append);

// Deletes every line whose text contains `pattern`; returns the number of
// lines kept plus one.
int remove_lines(Lines& lines, const std::string& pattern);

// Clears the pending flag of every line.
void clean_append(Lines& lines);

// Gives each "IGNOREPARSE" placeholder, in order, the text of the next line
// of `ignored`.
void insert_ignored(Lines& lines, const Lines& ignored);

// Appends one line to `dst`, reporting general error 102 when the array
// would exceed MAX_LINES lines.
void push_line(Lines& dst, Line line);

}  // namespace korvex
