// Operations on line arrays that every pass uses: copying with the capacity
// rule, deleting by pattern, and the return of unparsed lines.
//
// A line array is a std::vector<Line>; its size is its line count, so no
// text has to mark its end. An empty line holds an empty text: there is
// nothing in it for any search to find or any replacement to change, and a
// pass that empties a line leaves it so. Lines are deleted by giving them a
// marker text and calling remove_lines(RunContext& run).
#pragma once

#include <string>

#include "base/line_record.h"
#include "base/run_state.h"

namespace korvex {

// The lines a substitution pass looks at: those created or changed since
// the last substitution run (`pending`), or every line (the final run).
enum class Scope { kPending, kAll };

// Copies every field but `pending`, which becomes 1 when `mark` is non-zero
// and is copied otherwise.
void copy_line(const Line& src, Line& dst, int mark);

// Replaces `dst` by `src` (append == 0) or appends `src` to it. A result of
// more than MAX_LINES lines is general error 102.
void copy_lines(const Options& options, const Lines& src, Lines& dst, int append);

// Deletes every line whose text contains `pattern`; returns the number of
// lines kept plus one.
int remove_lines(RunContext& run, Lines& lines, const std::string& pattern);

// Deletes the empty lines of the definition stream, and with them every line
// that holds the name of an empty line; the trace shows it as the removal of
// that name.
int remove_empty_lines(RunContext& run, Lines& lines);

// Clears the pending flag of every line.
void clean_append(Lines& lines);

// Gives each "IGNOREPARSE" placeholder, in order, the text of the next line
// of `ignored`.
void insert_ignored(Lines& lines, const Lines& ignored);

// Appends one line to `dst`, reporting general error 102 when the array
// would exceed MAX_LINES lines.
void push_line(const Options& options, Lines& dst, Line line);

}  // namespace korvex
