// One whole run of Korvex: the command line, the file pipeline for the
// top-level source, the run's file list and the compare summary. Every error
// ends up here as the run's exit status.
#pragma once

namespace korvex {

// Runs Korvex with a command line as main() receives it; returns the exit
// status. Output streams are flushed and closed on every path.
int run_korvex(int argc, const char* const* argv);

}  // namespace korvex
