#include "base/budget.h"

#include <algorithm>

#include "base/errors.h"
#include "base/limits.h"
#include "base/run_state.h"

namespace korvex {

void charge_text(RunContext& run, const Line& line, std::uint64_t bytes) {
  const std::uint64_t per_lines =
      kGeneratedTextPerLine * static_cast<std::uint64_t>(std::max(run.options.MAX_LINES, 0));
  const std::uint64_t limit = std::max(kGeneratedTextFloor, per_lines);
  run.state.generated_bytes += bytes;
  if (run.state.generated_bytes > limit) linerr(Err::GENERATED_TEXT, line, limit);
}

void charge_arith(RunContext& run, const Line& line, std::uint64_t units) {
  // Saturates instead of wrapping: a single charge may be huge.
  run.state.arith_work = units > kMaxArithWork
                             ? kMaxArithWork + 1
                             : std::min(run.state.arith_work + units, kMaxArithWork + 1);
  if (run.state.arith_work > kMaxArithWork) linerr(Err::ARITHMETIC_WORK, line, kMaxArithWork);
}

}  // namespace korvex
