// The nesting checks made before evaluation.
//
// check_expr_nesting follows get_expr down its chain of nested forms: frame
// f looks for the first "EXPR" in its text (the whole text, or the inside
// of the form of frame f - 1), then for the "(" that get_paren takes after
// it, and descends when the inside of that group holds "EXPR" again. The
// running parenthesis level of the text tells where each group closes:
// get_paren's group ends at the first ")" that brings the level back to the
// one before its "(". Once the chain ends, calc_value takes the innermost
// form's group, and then the groups that open in a row inside it.
#include "expr/nesting.h"

#include <vector>

#include "driver/errors.h"
#include "driver/limits.h"

namespace korvex {
namespace {

[[noreturn]] void too_deep(const Line& line) { linerr(Err::EXPR_TOO_DEEP, line, kMaxExprDepth); }

// The groups that calc_value at `depth` enters, one inside the other, when
// it takes the group opening at `open`: that group and every "(" after it
// before the first ")". True when the last one is evaluated deeper than the
// limit.
bool row_too_deep(std::string_view e, std::size_t open, long long depth) {
  long long reached = depth + 1;
  for (std::size_t i = open + 1; i < e.size() && e[i] != ')' && reached <= kMaxExprDepth; ++i)
    reached += e[i] == '(';
  return reached > kMaxExprDepth;
}

// The descent ends in too deep a level unless a form it passed through does
// not close, which stops it first with line error 300. `open_levels` holds
// the parenthesis level before each such form's "(", outermost first; the
// rest of the text, from `from` at `level`, closes them innermost first.
[[noreturn]] void end_of_descent(const Line& line, std::string_view t, std::size_t from,
                                 long long level, std::vector<long long>& open_levels) {
  for (std::size_t i = from; i < t.size() && !open_levels.empty(); ++i) {
    if (t[i] == '(') {
      ++level;
    } else if (t[i] == ')') {
      --level;
      if (level == open_levels.back()) open_levels.pop_back();
    }
  }
  if (!open_levels.empty()) linerr(Err::PAREN_MISMATCH, line);
  too_deep(line);
}

}  // namespace

void check_expr_nesting(const Line& line, std::string_view t, int depth) {
  std::vector<long long> forms;  // the level before each form's "(", outermost first
  long long level = 0;           // of the text up to i
  bool seek_open = false;        // the frame has its "EXPR" and looks for its "("
  long long paren_depth = 0;     // get_paren's depth while it looks for the "("
  long long in_a_row = 0;        // "(" after the innermost form's "(" before any ")"
  bool row_open = true;
  std::size_t i = 0;
  while (i < t.size()) {
    if (seek_open) {
      const char c = t[i++];
      if (c == '(') {
        if (paren_depth == 0) {
          forms.push_back(level);
          seek_open = false;
          in_a_row = 0;
          row_open = true;
        } else {
          ++paren_depth;
        }
        ++level;
      } else if (c == ')') {
        --paren_depth;
        --level;
        // The form's text ends before its "(": get_paren finds no group.
        if (!forms.empty() && level == forms.back()) linerr(Err::PAREN_MISMATCH, line);
      }
      continue;
    }
    if (t.compare(i, 4, "EXPR") == 0) {
      // The inside of the innermost form holds "EXPR": one frame deeper.
      if (depth + static_cast<long long>(forms.size()) > kMaxExprDepth)
        end_of_descent(line, t, i, level, forms);
      seek_open = true;
      paren_depth = 0;
      i += 4;
      continue;
    }
    const char c = t[i++];
    if (c == '(') {
      ++level;
      if (row_open) ++in_a_row;
    } else if (c == ')') {
      --level;
      row_open = false;
      if (!forms.empty() && level == forms.back()) {
        // The innermost form closes with no "EXPR" inside: calc_value, one
        // frame deeper, takes its group and the groups in a row inside it.
        const long long frame = depth + static_cast<long long>(forms.size());
        if (frame + 1 + in_a_row <= kMaxExprDepth) return;
        forms.pop_back();
        end_of_descent(line, t, i, level, forms);
      }
    }
  }
  // The text ends inside a form, or before the "(" of one.
  linerr(Err::PAREN_MISMATCH, line);
}

void check_group_nesting(const Line& line, std::string_view e, std::size_t open, int depth) {
  if (row_too_deep(e, open, depth)) too_deep(line);
}

}  // namespace korvex
