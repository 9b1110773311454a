#include "output/output_state.h"

namespace korvex {

OutputState output_state;

}  // namespace korvex
