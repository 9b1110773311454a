// The swap record: a named text substitution.
#pragma once

#include <string>
#include <vector>

namespace korvex {

struct Swap {
  std::string name;
  std::string value;  // "NULL" deletes the name
  bool global = false;
  bool cmd = false;   // handed down by a parent; a later SWAP does not change it
};

using Swaps = std::vector<Swap>;

}  // namespace korvex
