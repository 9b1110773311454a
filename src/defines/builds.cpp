// Builds: each BUILD ... ENDBUILD block of the definition lines describes one
// variant of the design, and the file is processed once per block.
//
// set_builds turns block n into "IFDEF BUILDn" ... "ENDIF BUILDn", so that
// selecting build k is the conditional-block pass run with a table in which
// only BUILDk is defined. Blocks cannot nest.
#include "defines/builds.h"

#include "base/diagnostics.h"
#include "base/errors.h"
#include "defines/conditional_blocks.h"
#include "text/strings.h"

namespace korvex {

void set_builds(RunContext& run, Lines& lines) {
  int n = 0;
  int open = -1;  // index of the line that opened the current block
  for (size_t i = 0; i < lines.size(); ++i) {
    Line& line = lines[i];
    if (match(line.text, "ENDBUILD")) {
      if (open < 0) linerr(Err::ENDBUILD_WITHOUT_BUILD, line);
      line.text = "ENDIF BUILD" + std::to_string(n);
      ++n;
      open = -1;
    } else if (match(line.text, "BUILD") && !match(line.text, "BUILD_NUM")) {
      if (open >= 0) linerr(Err::BUILD_NESTED, line);
      line.text = "IFDEF BUILD" + std::to_string(n);
      open = static_cast<int>(i);
    }
  }
  if (open >= 0) linerr(Err::BUILD_NO_ENDBUILD, lines[open]);
  if (run.options.VERBOSE) {
    trace(run, "Set builds:");
    print_debug(run, lines, "set_builds");
  }
}

void remove_builds(RunContext& run, Lines& lines, int build) {
  Defs table;
  table.push_back(Def{"BUILD" + std::to_string(build), false, false, true});
  insert_defs(run, lines, table, Scope::kAll, Blocks::kBuildOnly);
}

}  // namespace korvex
