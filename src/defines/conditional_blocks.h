// Conditional blocks: IFDEF / ELSE / ENDIF resolution and DVAL.
#pragma once

#include "defines/def.h"
#include "text/line.h"

namespace korvex {

void insert_defs(Lines& lines, const Defs& table, int all, int build_only);
int mark_defs(int a0, Lines& lines, const Defs& table, bool removing, int all);
void remove_ifdef_true(Lines& lines, Lines& aside);

}  // namespace korvex
