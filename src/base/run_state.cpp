#include "base/run_state.h"

namespace korvex {

RunState run_state;

}  // namespace korvex
