// The define record: a named on/off switch.
#pragma once

#include <string>
#include <vector>

namespace korvex {

struct Def {
  std::string name;
  bool global = false;   // DEFINE.GLOBAL or -d: forwarded to child files
  bool locked = false;   // never set by any statement; kept for the record's shape
  bool defined = true;   // lookups see only defined entries
};

using Defs = std::vector<Def>;

}  // namespace korvex
