// Resetting a run: closing its streams and restoring every default, so that
// one process (a test, a fuzzer) can make several runs.
#pragma once

namespace korvex {

// Closes every open stream and restores every default.
void reset_settings();

// Flushes and closes every open stream (output file, trace, compare report);
// an output file that is not complete is removed, its old file kept.
void close_streams();

}  // namespace korvex
