// The input files of a run, each opened and read once.
//
// A run tests whether its files can be opened while it looks for them in the
// include directories, then reads them, and reads the source, the definition
// and every included file again for each build after the first; a child file
// may be created several times. A pipe or a device can be read only once (a
// FIFO's writer is gone once its first reader has closed it), so the first
// test or read of a file reads all of it and keeps the bytes to the end of
// the run: later tests and reads of the same file, under whatever name, use
// them. Reading stops at the limits of base/limits.h on one line and on the
// input of the run, and after the newline that makes a file longer than
// MAX_LINES lines can be; the reader reports a limit where it meets the cut.
#pragma once

#include <cstdint>
#include <string>

#include "base/run_state.h"

namespace korvex {

// The file `path` names, read at the first call for it in the run; nullptr
// when it cannot be opened for reading (it does not exist, is a directory,
// or open fails). Nothing is kept for a file that cannot be opened.
const InputFile* input_file(RunContext& run, const std::string& path);

// The limits in force, raised with MAX_LINES.
std::uint64_t input_line_limit(const Options& options);
std::uint64_t input_total_limit(const Options& options);

}  // namespace korvex
