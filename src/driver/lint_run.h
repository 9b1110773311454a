// The -lint run: the whole run as usual but writing nothing, then a scan of
// every file the run reads for the places where Korvex would change or
// reject text not written as a directive, and a report of both.
#pragma once

#include <string>

#include "base/errors.h"
#include "base/run_state.h"
#include "defines/def.h"
#include "output/output_state.h"

namespace korvex {

// Runs the files of a parsed command line as a lint run; prints the report
// and returns the lint status.
int run_lint(RunContext& run, OutputState& output, const std::string& flags,
             const std::string& source, const std::string& definition, const Defs& cmd_defs);

// The report of a lint run that stopped before it could run the files (an
// option or a file named on the command line); returns its status.
int report_lint_error(const KorvexError& e);

}  // namespace korvex
