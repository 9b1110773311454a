// GROUP definitions: is, overrides, extends, joins and inverts.
#pragma once

#include "groups/group.h"
#include "text/line.h"

namespace korvex {

void set_groups(Lines& lines, Groups& table);

}  // namespace korvex
