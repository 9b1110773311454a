// CONST removal for one line: every CONST form is replaced by its argument,
// the first one in the text first, each replacement also replacing every
// identical copy, until no "CONST" is left.
#pragma once

#include <functional>

#include "text/line.h"

namespace korvex {

// `step` replaces the first CONST form of the line's text as the rule says
// (and reports what is wrong with it). Where the form is followed at once
// by its parenthesis and too little text follows the form to hold a copy of
// it, the replacement only takes away the keyword, the parenthesis and its
// partner: that is done here, without rewriting the text, so that a form
// nested thousands deep costs as much as its text. Every other case is
// handed to `step`.
void remove_const_forms(Line& line, const std::function<void(Line&, size_t at)>& step);

}  // namespace korvex
