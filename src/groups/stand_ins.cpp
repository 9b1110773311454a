// Stand-in for the parameter substitution of member texts (group_swap),
// which the swap subsystem provides and which is still being built. It does
// nothing; the real definition replaces it at link time. This file goes away
// when the swap subsystem has landed.
#include "swaps/swap_table.h"

namespace korvex {

[[gnu::weak]] void group_swap(std::string&, const Swaps&) {}

}  // namespace korvex
