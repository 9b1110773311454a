// Conditional blocks: IFDEF / ELSE / ENDIF resolution and DVAL.
#pragma once

#include "defines/def.h"
#include "text/line.h"

namespace korvex {

// The blocks a define pass resolves: every block, or only those of BUILD names
// (the build selection of the definition file).
enum class Blocks { kEvery, kBuildOnly };

void insert_defs(RunContext& run, Lines& lines, const Defs& table, Scope scope, Blocks blocks);
int mark_defs(RunContext& run, int a0, Lines& lines, const Defs& table, bool removing, int all);
void remove_ifdef_true(RunContext& run, Lines& lines, Lines& aside);

}  // namespace korvex
