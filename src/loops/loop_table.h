// The loop table: named ranges, the LOOP / ITER statement parser and the
// lookup by name.
#pragma once

#include <string>

#include "loops/loop.h"
#include "text/line.h"

namespace korvex {

// Reads a LOOP statement (name, range, .GLOBAL) into `loop`.
void parse_loop_statement(RunContext& run, const Line& line, Loop& loop);
void set_loops(RunContext& run, const Lines& lines, Loops& table);
int get_loop_index(const Line& line, const std::string& name, const Loops& table, int exact);

}  // namespace korvex
