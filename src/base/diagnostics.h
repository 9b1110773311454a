// Console messages, the frame of error messages, and the debug trace.
//
// Messages go to standard output, the stream that also receives generated
// text, so an error appears after the text already written. Nothing is ever
// written to standard error. The trace file korvex.dbg is written only with
// -debug; passes add their line dumps to it with print_debug().
#pragma once

#include <string>

#include "base/line_record.h"
#include "base/run_state.h"

namespace korvex {

// Writes a line break, then `text` (no line break after it), to standard output.
void print_msg(const std::string& text);

// Writes raw text to standard output; false when the write has met a
// closed pipe (EPIPE): nothing more can reach the reader.
bool write_stdout(const std::string& text);
void flush_stdout();

// The CREATE-chain block of an error message raised in the chain `state`
// holds now, and one line of it.
std::string create_chain_block(const RunState& state);
std::string create_chain_line(const RunState& state, int index);

// Location and text of a line error without its chain block:
// "File <name>: line <n>: <text>\n<msg>\n".
std::string line_error_body(const Line& line, const std::string& text);

// Whether the trace shows the steps of every pass (-debug with -verbose).
inline bool verbose_trace(const RunContext& run) {
  return run.options.VERBOSE && run.options.DEBUG;
}

// Writes `text` and a line break to the trace when -debug is on.
void trace(RunContext& run, std::string_view text);

// Dumps a line array to the trace when -debug is on; an empty line, or one
// that is the name of an empty line, shows as an empty trace line.
void print_debug(RunContext& run, const Lines& lines, const std::string& title);

}  // namespace korvex
