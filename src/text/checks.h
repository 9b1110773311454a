// Structural checks of source and definition statements.
#pragma once

#include <string>

#include "text/line.h"

namespace korvex {

struct cntr;

// Checks the source statements. With `census`, also adds their counts to it
// (as count() would) in the same walk.
void check_lines(const Lines& lines, cntr* census = nullptr);
void check_def_lines(const Lines& lines);
void check_def(const Line& line, std::string_view keyword, int min, int max);
int check_endloop(const std::string& name, int start, const Lines& lines);

// Whether a LOOP statement is the DEFCMD(LOOP ...) of a CREATE, not a loop.
bool check_loop_param(std::string_view text);

}  // namespace korvex
