// The forms whose result is their own argument, as it is (CONST) or in upper
// or lower case (UCASE, LCASE), for one line: the first form in the text
// first (the leftmost keyword of the kinds asked for), each replacement also
// replacing every identical copy, until no keyword is left.
#pragma once

#include <cstddef>
#include <functional>
#include <span>

#include "text/line.h"

namespace korvex {

enum class CaseChange { kNone, kUpper, kLower };

struct UnwrapKind {
  const char* keyword;  // five bytes
  CaseChange change;    // what the form does to its argument
};

// `step` replaces the form of kinds[kind] at byte `at` of the line's text as
// the rule says (and reports what is wrong with it). Where the form is
// followed at once by its parenthesis and too little text follows the form
// to hold a copy of it, the replacement only takes away the keyword, the
// parenthesis and its partner and changes the case of what lies between:
// that is done here, without rewriting the text, so that forms nested
// thousands deep cost about as much as their text. Every other case is
// handed to `step`. The line's text is left empty when nothing is left.
void unwrap_forms(Line& line, std::span<const UnwrapKind> kinds,
                  const std::function<void(Line&, size_t at, size_t kind)>& step);

}  // namespace korvex
