// The make-style dependency file of -depfile: every file written in the run
// as a target, every file read (source, definition, included and child
// files) as a prerequisite, and a target without prerequisites for every
// prerequisite, so that a file renamed or deleted since does not stop make or
// ninja. Written only after a successful run.
#pragma once

#include <string>

#include "base/run_inputs.h"
#include "output/output_state.h"

namespace korvex {

void note_file_read(RunInputs& inputs, const std::string& path);

// Stops the run with general error 122 when `path` names a file that this
// run has read, by any name: an output must never overwrite an input.
void check_not_input(const RunInputs& inputs, const std::string& path);

// True when both names lead to one existing file.
bool same_file(const std::string& a, const std::string& b);

// Marks a file the run writes as it goes (the trace, the compare report):
// reading it as an input later is general error 122, naming `path`.
void note_own_output(RunInputs& inputs, const std::string& path);
// Marks a file a child will read later in the run as an input, so that no
// output written before that (the parent's own) may overwrite it; it is not
// yet a dependency.
void note_file_to_read(RunInputs& inputs, const std::string& path);
void note_file_written(OutputState& output, const std::string& path);

// Writes the dependency file `path` (complete or not at all): general error
// 123 for a name with a control character, 122 when it names an input of the
// run, 113 when it cannot be opened, 121 when writing fails.
void write_depfile(const RunInputs& inputs, const OutputState& output, const std::string& path);

}  // namespace korvex
