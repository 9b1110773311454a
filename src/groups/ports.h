// PORTS: module port lists filled from the declarations that follow.
#pragma once

#include "text/line.h"

namespace korvex {

void insert_ports(Lines& lines);

}  // namespace korvex
