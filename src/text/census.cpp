// The directive census. Every test is a case-sensitive substring test; the
// blanks in the keywords are part of them, so "ENDLOOP i" is no loop and
// "SWAP.CMD W 8" no swap.
#include "text/census.h"

#include "text/strings.h"

namespace korvex {

void count(const Lines& lines, cntr& c) {
  for (const Line& line : lines) count_line(line.text, c);
}

void count_line(const LineText& line_text, cntr& c) {
  ++c.line_count;
  // Every keyword is in capitals: a line without any counts for nothing
  // else, and a keyword with a capital the line lacks is not looked for.
  if (line_text.capitals() == 0) return;
  const LineText* text = &line_text;
  LineText t;
  if (match(line_text, ".GLOBAL")) {
    t = line_text;
    find_and_replace(t, ".GLOBAL", "", 0);
    text = &t;
  }
  auto has = [text](const Keyword& k) { return holds(*text, k); };
  if (has("INCLUDE")) ++c.include_count;
  if (has("GROUP_") ||
      (has("GROUP ") && (has(" is") || has(" inverts") || has(" joins") || has(" extends") ||
                         has(" overrides"))))
    ++c.group_count;
  if (has("LOOP ") && !has("ENDLOOP")) ++c.loop_count;
  if (has("ITER ") && !has("ENDITER")) ++c.iter_count;
  if (has("SWAP ")) ++c.swap_count;
  if (has("IFDEF ") || has("IFNDEF ") || has("UNDEF ") || has("DEFINE ") || has("DVAL"))
    ++c.define_count;
  if (has("IFDEF ") && has("TRUE")) ++c.true_ifdef_count;
  if (has("EXPR") || has("LOG2") || has("BIN") || has("OCT") || has("HEX")) ++c.expr_count;
  if (has("DUPL")) ++c.dupl_count;
  if (has("STOMP")) ++c.stomp_count;
  if (has("OUTFILE")) ++c.outfile_count;
  if (has("OUTDIR")) ++c.outdir_count;
  if (has("LIST")) ++c.list_count;
  if (has("BUILD") && !has("ENDBUILD") && !has("BUILD_NUM")) ++c.build_count;
  if (has("VERIFY")) ++c.verify_count;
  if (has("CREATE")) ++c.create_count;
  if (has("CONST")) ++c.const_count;
  if (has("CHECK")) ++c.check_count;
  if (has("PORTS")) ++c.ports_count;
  if (has("UCASE") || has("LCASE")) ++c.case_count;
}

}  // namespace korvex
