// OUTFILE and OUTDIR statements: the output file and subdirectory of a file,
// and the output file's stream from its opening to its completion.
//
// An output path is outdir_base + outdir + outname. outname, outdir and OUT
// are never reset between files and builds: a file without OUTDIR writes
// into the directory set by the last OUTDIR processed before it.
#pragma once

#include "output/output_state.h"
#include "text/line.h"

namespace korvex {

void set_outdir(RunContext& run, OutputState& output, Lines& lines);
void set_outfile(RunContext& run, OutputState& output, Lines& lines);

// Opens the -o file at the run's first write to it (or at the run's end):
// by then every file the run reads before writing is known, so an included
// file named by -o is reported (122) before anything is written for it.
void open_deferred_output(const RunInputs& inputs, OutputState& output);

// Completes the output file: general error 122 when the run has read it
// since it was opened, 121 when writing or putting it in place failed.
void close_output_file(const RunInputs& inputs, OutputState& output);

// Completes the -o file at the run's successful end: a run that wrote
// nothing to it still leaves it empty.
void finish_output_file(const RunInputs& inputs, OutputState& output);

}  // namespace korvex
