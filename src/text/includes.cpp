// Moving the source's INCLUDE statements.
#include "text/includes.h"

#include "base/diagnostics.h"
#include "text/strings.h"

namespace korvex {

void set_includes(Lines& lines, Lines& incl) {
  for (const Line& l : lines) {
    if (!match(l.text, "INCLUDE")) continue;
    incl.push_back(l);
    trace("source file included: " + l.text);
  }
  remove_lines(lines, "INCLUDE");
}

}  // namespace korvex
