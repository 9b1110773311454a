// Compare mode: the report entries and the end-of-run summary.
#include "output/compare.h"

#include <fstream>

#include "base/diagnostics.h"
#include "base/errors.h"
#include "output/output_state.h"

namespace korvex {
namespace {

std::string plain(std::string_view text) { return writes_empty(text) ? std::string() : std::string(text); }

void report(OutputState& output, const Line& existing, const std::string& old,
            const std::string& now) {
  if (output.cmpfile.is_open()) {
    output.cmpfile.get() << "File " << existing.file.str() << " line " << existing.num << ":\n"
                   << "<-" << old << "\n"
                   << "->" << now << "\n"
                   << "\n";
  }
}

}  // namespace

int compare_lines(OutputState& output, const Line& generated, const Line& existing) {
  const std::string now = plain(generated.text);
  const std::string old = plain(existing.text);
  if (now == old) return 0;
  report(output, existing, old, now);
  return 1;
}

int compare_extra_line(OutputState& output, const Line& existing) {
  report(output, existing, plain(existing.text), std::string());
  return 1;
}

void print_comp(OutputState& output, int differences) {
  std::string msg;
  if (differences == 0) {
    msg = "Korvex compare succeeded! \n";
  } else {
    // A report that could not be opened for writing holds none of this run's
    // entries: whatever the path holds (an old report, a directory) is not
    // shown as if it were the report.
    const bool written = output.cmpfile.is_open();
    if (written) {
      output.cmpfile.close();
      if (output.cmpfile.fail()) generr(Err::WRITE_FAILED, kDiffFileName);
    }
    msg = "Korvex compare failed! \n\nCompare errors:\n";
    std::ifstream in(kDiffFileName, std::ios::binary);
    if (!written || !in.is_open()) generr(Err::FILE_OPEN, kDiffFileName);
    std::string line;
    // At most the first 20 report lines (five entries); a read that meets
    // the end of a shorter report adds one more empty line.
    for (int n = 0; in.good() && n < 20; ++n) {
      std::getline(in, line);
      msg += line + "\n";
    }
    msg += std::string("\nComplete diff report printed to file ") + kDiffFileName + "\n";
  }
  print_msg(msg);
}

}  // namespace korvex
