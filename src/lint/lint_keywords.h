// The directive keywords as the hazard report sees them: for each, the
// files Korvex acts on it in, the shape in which it is written as a
// directive, and what Korvex does with it when it is not.
//
// Korvex recognises its keywords as substrings in capitals, anywhere in a
// line. The table lists every text by which a pass recognises a line, so
// that the report can tell where plain Verilog would be read as one.
#pragma once

#include <cstdint>
#include <span>

#include "text/keyword.h"

namespace korvex {

enum class KeywordForm : std::uint8_t {
  kStatement,  // opens its statement: IFDEF, LOOP, OUTFILE, ...
  kInline,     // followed by a parenthesised argument: EXPR(, CONST(, ...
  kGroupRef,   // GROUP_name
  kPorts,      // PORTS, in a module header
  kBuiltin,    // the built-in swaps VERSION and BUILD_NUM
  kMarker,     // a text Korvex uses itself: a line holding it is deleted
};

inline constexpr std::uint8_t kInSource = 1;
inline constexpr std::uint8_t kInDefinition = 2;

struct LintKeyword {
  Keyword word;
  KeywordForm form;
  std::uint8_t files;     // kInSource | kInDefinition: where Korvex acts on it
  bool blank_after;       // acted on only when a blank follows ("IF ", "ENUM ")
  const char* unless;     // not acted on in a line holding this text ("" for none)
  const char* unless2;
  const char* effect;     // what Korvex does with it, "read as ..."
};

// Every keyword, the longer before the shorter, so that a keyword found
// inside a longer one (LOOP in ENDLOOP) is left to the longer one.
std::span<const LintKeyword> lint_keywords();

// Whether the expression check of Korvex asks `word` to be followed by a
// parenthesis (a parenthesised keyword without one stops the run, 313).
bool takes_parenthesis(const LintKeyword& k);

}  // namespace korvex
