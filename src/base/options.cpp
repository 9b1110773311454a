#include "base/options.h"

namespace korvex {

Options options;

}  // namespace korvex
