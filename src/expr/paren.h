// The parenthesis search that every inline form uses to find its argument.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "text/line.h"

namespace korvex {

// The first balanced parenthesis group of `text`: with `inner` = 1 the text
// strictly between the parentheses, with `inner` = 0 the group including
// them. A group that does not close is line error 300 against `line`.
std::string get_paren(const Line& line, const std::string& text, int inner);

// Where that group lies: the positions of its "(" and its ")"; false when it
// does not close.
bool find_paren(std::string_view text, std::size_t& open, std::size_t& close);

}  // namespace korvex
