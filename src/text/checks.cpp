// Structural checks of the statements, made before any pass changes them, so
// that the passes can rely on their form: a directive keyword opens its
// statement, the statement has the words the directive needs, every LOOP is
// closed by the ENDLOOP of the same name, and parenthesised keywords are
// balanced.
//
// Keywords are found by case-sensitive substring search anywhere in a
// statement, so a Verilog comment holding "ELSE" in capitals makes an ELSE
// statement. The LOOP / ENDLOOP pairing is found with an explicit stack, and
// every pairing found is remembered, so that deep nesting costs neither stack
// depth nor a second walk over the inner blocks.
#include "text/checks.h"

#include <bit>
#include <vector>

#include "base/errors.h"
#include "text/census.h"
#include "text/keyword.h"
#include "text/paren_checks.h"
#include "text/reader.h"
#include "text/strings.h"

namespace korvex {
namespace {

bool has_paren_keyword(const LineText& text) {
  for (uint32_t allowed = paren_keywords_allowed(text.capitals()); allowed != 0; allowed &= allowed - 1)
    if (text.find(paren_keywords[std::countr_zero(allowed)].view()) != LineText::npos) return true;
  return false;
}

std::string loop_name(std::string_view text) { return extract_string(text, "LOOP ", " "); }

// The position of the ENDLOOP that closes the LOOP whose body starts at
// `start`. Nested loops are followed on an explicit stack; when `closing` is
// given, the ENDLOOP position of every loop resolved is stored at its body
// start.
int find_endloop(const std::string& name, int start, const Lines& lines,
                 std::vector<int>* closing) {
  struct Open {
    std::string name;
    int start;
  };
  std::vector<Open> open{{name, start}};
  const int n = static_cast<int>(lines.size());
  for (int i = start < 0 ? 0 : start;; ++i) {
    if (i >= n) {
      static const Line none;
      const int at = open.back().start - 1;
      const Line& loop = at >= 0 && at < n ? lines[at] : none;
      linerr(Err::LOOP_NO_ENDLOOP, loop, open.back().name);
    }
    const LineText& text = lines[i].text;
    if (match(text, "ENDLOOP")) {
      const std::string found = extract_string(text, "ENDLOOP ", " ");
      if (found != open.back().name)
        linerr(Err::ENDLOOP_MISMATCH, lines[i], found, open.back().name);
      if (closing) (*closing)[open.back().start] = i;
      open.pop_back();
      if (open.empty()) return i;
    } else if (match(text, "LOOP") && !check_loop_param(text)) {
      open.push_back({loop_name(text), i + 1});
    }
  }
}

bool is_group_type(const std::string& w) {
  static const char* const types[] = {"is",  "joins",  "inverts",  "overrides",  "extends",
                                      "is{", "joins{", "inverts{", "overrides{", "extends{"};
  for (const char* t : types)
    if (w == t) return true;
  return false;
}

}  // namespace

void check_def(const Line& line, std::string_view keyword, int min, int max) {
  // The first word, up to a '.'.
  std::string_view first = split_view(line.text, 0);
  first = first.substr(0, first.find('.'));
  if (first != keyword) linerr(Err::DEF_KEYWORD_FIRST, line, keyword, keyword);
  const int words = count_string(line.text);
  if (words > max || words < min) {
    if (min == max) linerr(Err::DEF_WORD_COUNT, line, keyword, min);
    linerr(Err::DEF_WORD_RANGE, line, keyword, min, max);
  }
}

int check_endloop(const std::string& name, int start, const Lines& lines) {
  return find_endloop(name, start, lines, nullptr);
}

void check_lines(const Lines& lines, cntr* census) {
  // closing[k] >= 0: the LOOP whose body starts at k was already paired.
  std::vector<int> closing;
  const Line* const first = lines.data();
  const size_t n = lines.size();
  for (size_t i = 0; i < n; ++i) {
    const Line& line = first[i];
    const LineText& t = line.text;
    // Every keyword below is looked for only when its capitals occur.
    if (census) count_line(t, *census);
    if (t.capitals() == 0) continue;
    auto has = [&t](const Keyword& k) { return holds(t, k); };
    if (has_paren_keyword(t)) {
      check_expr(line);
      check_paren(line);
    }
    if (has("STOMP")) check_def(line, "STOMP", 2, 3);
    if (has("ENDITER")) check_def(line, "ENDITER", 2, 2);
    if (has("ITER") && !has("ENDITER")) check_def(line, "ITER", 2, 4);
    if (has("IFDEF")) check_def(line, "IFDEF", 2, 2);
    if (has("IFNDEF")) check_def(line, "IFNDEF", 2, 2);
    if (has("ELSE")) check_def(line, "ELSE", 2, 2);
    if (has("ENDIF")) check_def(line, "ENDIF", 2, 2);
    if (has("ENDLOOP")) check_def(line, "ENDLOOP", 2, 2);
    if (has("LOOP") && !has("ENDLOOP") && !check_loop_param(t)) {
      check_def(line, "LOOP", 2, 4);
      if (closing.empty()) closing.assign(lines.size() + 1, -1);
      if (closing[i + 1] < 0) find_endloop(loop_name(t), static_cast<int>(i) + 1, lines, &closing);
    }
  }
}

void check_def_lines(const Lines& lines) {
  int depth = 0;
  for (const Line& line : lines) {
    Line scratch = line;
    std::string t = remove_remark(scratch, depth);
    shrink_spaces(t);
    if (match(t, "GROUP") && (match(t, "{") || match(t, "inverts"))) {
      check_def(line, "GROUP", 4, 4);
      if (!is_group_type(get_split(t, 2))) linerr(Err::GROUP_TYPE, line);
    }
    if (match(t, "LOOP")) check_def(line, "LOOP", 3, 4);
    if (match(t, "ITER")) linerr(Err::ITER_IN_DEF, line);
    if (match(t, "SWAP")) check_def(line, "SWAP", 3, 1000);
    if (match(t, "DEFINE")) check_def(line, "DEFINE", 2, 2);
    if (match(t, "UNDEF")) check_def(line, "UNDEF", 2, 2);
    if (has_paren_keyword(LineText(t))) {
      check_expr(line);
      check_paren(line);
    }
  }
}

bool check_loop_param(std::string_view text) {
  std::string tight;
  tight.reserve(text.size());
  for (char c : text)
    if (c != ' ') tight += c;
  return match(tight, "DEFCMD(LOOP");
}

}  // namespace korvex
