// The keyword table of the hazard report.
#include "lint/lint_keywords.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace korvex {
namespace {

using F = KeywordForm;
constexpr std::uint8_t kBoth = kInSource | kInDefinition;

// clang-format off
constexpr LintKeyword kKeywords[] = {
  {"REMOVE_REMARK", F::kMarker, kBoth, false, "", "",
   "holds a text Korvex uses to mark lines to delete: the line is deleted"},
  {"STARTPARSE", F::kStatement, kBoth, false, "", "",
   "read as the end of an unparsed region: the line is dropped (in a definition file the run stops, error 319)"},
  {"GONCAT.REV", F::kInline, kBoth, false, "", "", "read as a GONCAT.REV form: replaced by a list of group members"},
  {"CONCAT.REV", F::kInline, kBoth, false, "", "", "read as a CONCAT.REV form: folded into a list in an ITER block"},
  {"REMOVE_DEF", F::kMarker, kBoth, false, "", "",
   "holds a text Korvex uses to mark lines to delete: the line is deleted"},
  {"BUILD_NUM", F::kBuiltin, kBoth, false, "", "", "replaced by the built-in BUILD_NUM swap (the build number)"},
  {"ENDPARSE", F::kStatement, kBoth, false, "", "",
   "read as the start of an unparsed region: the line is dropped and the lines after it pass untouched up to a STARTPARSE (in a definition file the run stops, error 320)"},
  {"ENDBUILD", F::kStatement, kBoth, false, "", "",
   "read as an ENDBUILD statement: in a source file the run stops (error 336)"},
  {"ENDLOOP", F::kStatement, kBoth, false, "", "",
   "read as an ENDLOOP statement that does not open its line: the run stops (error 316)"},
  {"ENDITER", F::kStatement, kInSource, false, "", "",
   "read as an ENDITER statement that does not open its line: the run stops (error 316)"},
  {"INCLUDE", F::kStatement, kBoth, false, "", "",
   "read as an INCLUDE statement: the line is dropped and the file it names is read as definitions (error 300 when there is none)"},
  {"OUTFILE", F::kStatement, kBoth, false, "", "",
   "read as an OUTFILE statement: the line is dropped and the output goes to a file of that name (in a definition file the run stops, error 335)"},
  {"VERSION", F::kBuiltin, kBoth, false, "", "", "replaced by the built-in VERSION swap (1.2)"},
  {"DEFINE", F::kStatement, kInDefinition, false, "", "",
   "read as a DEFINE statement: the run stops unless it opens its line and has two words (error 316, 317)"},
  {"GONCAT", F::kInline, kBoth, false, "", "", "read as a GONCAT form: replaced by a list of group members"},
  {"CONCAT", F::kInline, kBoth, false, "", "", "read as a CONCAT form: folded into a list in an ITER block"},
  {"IFNDEF", F::kStatement, kBoth, true, "", "",
   "read as an IFNDEF block: the text before it is dropped and the lines after it up to its ENDIF depend on a define"},
  {"CREATE", F::kStatement, kInSource, false, "", "",
   "read as a CREATE statement: the line is dropped and a child file named by its second word is generated (error 300 when there is none)"},
  {"OUTDIR", F::kStatement, kInSource, false, "", "",
   "read as an OUTDIR statement: the line is dropped and the output goes to a directory of that name"},
  {"VERIFY", F::kInline, kBoth, false, "", "", "read as a VERIFY statement: the line is dropped, and the run stops when its condition fails"},
  {"GROUP_", F::kGroupRef, kBoth, false, "", "",
   "read as a group reference: the line is repeated for every member of the group (the run stops when there is no such group, error 308)"},
  {"IFNOT", F::kStatement, kBoth, true, "", "",
   "read as a one-line IFNOT statement: the text before it is dropped and the rest depends on a define"},
  {"IFDEF", F::kStatement, kBoth, false, "", "",
   "read as an IFDEF statement that does not open its line: the run stops (error 316)"},
  {"ENDIF", F::kStatement, kBoth, false, "", "",
   "read as an ENDIF statement that does not open its line: the run stops (error 316)"},
  {"UCASE", F::kInline, kBoth, false, "", "", "read as a UCASE form: its argument is put in capitals"},
  {"LCASE", F::kInline, kBoth, false, "", "", "read as an LCASE form: its argument is put in lower case"},
  {"CONST", F::kInline, kBoth, false, "", "", "read as a CONST form: the CONST( ) around its argument is removed"},
  {"STOMP", F::kStatement, kInSource, false, "", "",
   "read as a STOMP statement that does not open its line: the run stops (error 316)"},
  {"PORTS", F::kPorts, kInSource, false, "", "", "read as a PORTS statement: a port list replaces it"},
  {"CHECK", F::kStatement, kBoth, false, "", "",
   "read as a CHECK statement: the line is dropped, and the run stops unless it names a swap (error 300, 342)"},
  {"BUILD", F::kStatement, kBoth, false, "IFDEF", "BUILD_NUM",
   "read as a BUILD statement: in a source file the run stops (error 336)"},
  {"UNDEF", F::kStatement, kInDefinition, false, "", "",
   "read as an UNDEF statement: the run stops unless it opens its line and has two words (error 316, 317)"},
  {"GROUP", F::kStatement, kInDefinition, false, "", "",
   "read as a GROUP definition: the run stops unless it has the shape of one (error 316, 317, 321)"},
  {"ELSE", F::kStatement, kBoth, false, "", "",
   "read as an ELSE statement that does not open its line: the run stops (error 316)"},
  {"LOOP", F::kStatement, kBoth, false, "ENDLOOP", "",
   "read as a LOOP statement that does not open its line: the run stops (error 316)"},
  {"ITER", F::kStatement, kBoth, false, "ENDITER", "",
   "read as an ITER statement that does not open its line: the run stops (error 316; in a definition file 333)"},
  {"SWAP", F::kStatement, kInDefinition, false, "", "",
   "read as a SWAP statement: the run stops unless it opens its line (error 316, 318)"},
  {"ENUM", F::kStatement, kBoth, true, "", "", "read as an ENUM statement: the line becomes SWAP statements"},
  {"LIST", F::kStatement, kInDefinition, false, "", "",
   "read as a LIST statement: a file list of the name after it is written (error 334 when there are two)"},
  {"EXPR", F::kInline, kBoth, false, "", "", "read as an EXPR form: replaced by the value of its expression"},
  {"LOG2", F::kInline, kBoth, false, "", "", "read as a LOG2 form: replaced by a logarithm"},
  {"DUPL", F::kInline, kBoth, false, "", "", "read as a DUPL form: replaced by copies of its argument"},
  {"TRUE", F::kInline, kBoth, false, "", "", "read as a TRUE condition"},
  {"DVAL", F::kInline, kBoth, false, "", "", "read as a DVAL form: replaced by 1 or 0"},
  {"BIN", F::kInline, kBoth, false, "", "", "read as a BIN form: replaced by a binary literal"},
  {"OCT", F::kInline, kBoth, false, "", "", "read as an OCT form: replaced by an octal literal"},
  {"HEX", F::kInline, kBoth, false, "", "", "read as a HEX form: replaced by a hexadecimal literal"},
  {"IF", F::kStatement, kBoth, true, "ENDIF", "",
   "read as a one-line IF statement: the line is dropped unless the word after IF names a define"},
};
// clang-format on

}  // namespace

std::span<const LintKeyword> lint_keywords() { return kKeywords; }

bool takes_parenthesis(const LintKeyword& k) {
  // DUPL is the one inline form outside the parenthesis check: without a
  // parenthesis its pass stops the run with error 300 instead of 313.
  return k.form == KeywordForm::kInline && std::strcmp(k.word.text, "DUPL") != 0;
}

}  // namespace korvex
