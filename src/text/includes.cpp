// Moving the source's INCLUDE statements.
#include "text/includes.h"

#include "base/diagnostics.h"
#include "text/strings.h"

namespace korvex {

void set_includes(RunContext& run, Lines& lines, Lines& incl) {
  for (const Line& l : lines) {
    if (!match(l.text, "INCLUDE")) continue;
    incl.push_back(l);
    trace(run, "source file included: " + l.text);
  }
  remove_lines(run, lines, "INCLUDE");
}

}  // namespace korvex
