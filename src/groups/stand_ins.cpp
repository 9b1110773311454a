// Stand-ins for the two services of other subsystems that group expansion
// calls and that are still being built: parameter substitution in member
// texts (group_swap, swaps) and condition decisions (get_true, expressions).
// Each does nothing; the real definitions replace them at link time. This
// file goes away when both have landed.
#include "expr/conditions.h"
#include "swaps/swap_table.h"

namespace korvex {

[[gnu::weak]] void group_swap(std::string&, const Swaps&) {}
[[gnu::weak]] std::string get_true(const Line&, const std::string& text, const std::string&) {
  return text;
}

}  // namespace korvex
