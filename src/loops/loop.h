// The loop record: a named integer range, both ends included.
#pragma once

#include <string>
#include <vector>

namespace korvex {

struct Loop {
  std::string name;
  int first = 0;
  int last = 0;
  bool global = false;
};

using Loops = std::vector<Loop>;

}  // namespace korvex
