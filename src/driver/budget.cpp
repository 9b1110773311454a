#include "driver/budget.h"

#include <algorithm>

#include "driver/errors.h"
#include "driver/limits.h"
#include "driver/settings.h"

namespace korvex {

void charge_text(const Line& line, std::uint64_t bytes) {
  const std::uint64_t per_lines =
      kGeneratedTextPerLine * static_cast<std::uint64_t>(std::max(settings.MAX_LINES, 0));
  const std::uint64_t limit = std::max(kGeneratedTextFloor, per_lines);
  settings.generated_bytes += bytes;
  if (settings.generated_bytes > limit) linerr(Err::GENERATED_TEXT, line, limit);
}

void charge_arith(const Line& line, std::uint64_t units) {
  // Saturates instead of wrapping: a single charge may be huge.
  settings.arith_work = units > kMaxArithWork ? kMaxArithWork + 1
                                              : std::min(settings.arith_work + units,
                                                         kMaxArithWork + 1);
  if (settings.arith_work > kMaxArithWork) linerr(Err::ARITHMETIC_WORK, line, kMaxArithWork);
}

}  // namespace korvex
