// One whole run of Korvex: the command line, the file pipeline for the
// top-level source, the run's file list and the compare summary. Every error
// ends up here as the run's exit status.
#pragma once

namespace korvex {

// Runs Korvex with a command line as main() receives it; returns the exit
// status. Output streams are flushed and closed on every path.
// With `leave_to_exit` (the command, which ends the process after the run)
// the lines of the top-level file are left to the exit instead of freed.
int run_korvex(int argc, const char* const* argv, bool leave_to_exit = false);

}  // namespace korvex
