// How deep an expression will nest, found before it is evaluated.
//
// The evaluator copies the text of a form or a parenthesis group at every
// level it descends, so a line of a million nested parentheses would cost
// its length times kMaxExprDepth in memory and time before the depth check
// at the bottom could fail. Along a chain that the evaluator descends
// without any other work in between (each EXPR form the first one inside the
// one before, each group the first one inside the one before with no ")"
// between them), the error it would meet is certain: these checks find it in
// one scan of the text and raise it at once, the same error for the same
// line, so nothing else changes.
#pragma once

#include <cstddef>
#include <string_view>

#include "text/line.h"

namespace korvex {

// Before get_expr evaluates `text` at nesting `depth`: line error 349 when
// the descent through its nested EXPR forms and the groups that open the
// innermost one goes deeper than kMaxExprDepth, line error 300 when a form
// on the way does not close.
void check_expr_nesting(const Line& line, std::string_view text, int depth);

// Before calc_value at nesting `depth` evaluates the group of `e` that opens
// at `open` (and is known to close): line error 349 when the groups nested
// in it before its first ")" go deeper than kMaxExprDepth.
void check_group_nesting(const Line& line, std::string_view e, std::size_t open, int depth);

}  // namespace korvex
