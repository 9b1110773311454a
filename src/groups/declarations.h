// The declaration rule of group expansion: a line led by port, portreg,
// revport, revportreg, input, output, inout, reg or wire becomes a complete
// declaration of each member, with its bit range, keeping the columns of
// the line where it can.
#pragma once

#include <string>

#include "groups/group.h"

namespace korvex {

// The most significant bit index of a width: width - 1 for a decimal
// width (any length; "" for zero), otherwise the width text followed by
// "-1".
std::string get_msb(const std::string& width);

// The declaration word for a line keyword and a member direction: the
// direction for port/portreg, the exchanged one for revport/revportreg,
// the keyword itself otherwise.
std::string get_declaration_word(const std::string& keyword, const std::string& dir);

// Rewrites `text`, one member's expansion of the reference text `ref`, when
// its keyword declares: the leading keyword becomes the declaration word,
// " reg " for an output of a portreg line, and the range of `width` (the
// member width after parameters). A width of 1, 0, a negative number or
// nothing gets no range.
void apply_declaration(const std::string& ref, std::string& text, const std::string& dir,
                       const std::string& width);

}  // namespace korvex
