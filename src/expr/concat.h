// The argument parser shared by DVAL, DUPL, CONCAT and GONCAT: a keyword, an
// optional ".REV", and a parenthesised argument whose last word is the
// separator (or count) and whose text before it is the item.
#pragma once

#include <string>

#include "text/line.h"

namespace korvex {

// Parses the first `key` form of the line's text. Returns whether it is the
// ".REV" form; `whole` receives the whole form, `item` and `sep` its parts.
bool get_concat(const Line& line, const std::string& key, std::string& whole, std::string& item,
                std::string& sep);

}  // namespace korvex
