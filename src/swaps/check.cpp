// CHECK(name): the named swap must be defined, or the run stops. A file that
// relies on a value handed in from outside (by a parent, or by a shared
// definition file) says so with CHECK and fails with a clear message when the
// value is missing.
//
// Substitution leaves CHECK statements alone (substitution.cpp), so the name
// checked here is the one written in the statement. Every CHECK line is
// deleted once all are checked.
#include "swaps/check.h"

#include "base/errors.h"
#include "text/paren.h"
#include "swaps/swap_table.h"
#include "text/strings.h"

namespace korvex {

void check_swaps(RunContext& run, Lines& lines, const Swaps& table) {
  for (const Line& line : lines) {
    if (!match(line.text, "CHECK")) continue;
    std::string before, after;
    splitstring(line.text, "CHECK", before, after);
    const std::string name = get_paren(line, after, 1);
    if (get_swap_index(table, name) < 0) linerr(Err::SWAP_UNDEFINED, line, name);
  }
  remove_lines(run, lines, "CHECK");
}

}  // namespace korvex
