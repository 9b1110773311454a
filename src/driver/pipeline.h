// The file pipeline: one source file and its definition stream, read,
// normalised, counted, expanded by the passes in their fixed order, and
// written, once per build.
#pragma once

#include <string>

#include "defines/def.h"
#include "output/output_state.h"
#include "text/line.h"

namespace korvex {

// Processes `source` with `definition` (may be empty) and the lines handed
// down by a parent; runs every build (`build` = -1) or build `build` only.
// `parent_builds_named`: the parent's errors name its build, and so do
// this file's. Returns the number of differing lines found in compare mode.
int create(RunContext& run, OutputState& output, const std::string& flags, int level,
           const std::string& parent, std::string source, std::string definition,
           const Defs& cmd_defs, const Lines& forwarded, int build, bool parent_builds_named);

}  // namespace korvex
