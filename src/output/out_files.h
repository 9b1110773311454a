// OUTFILE and OUTDIR statements: the output file and subdirectory of a file.
//
// An output path is outdir_base + outdir + outname. outname, outdir and OUT
// are never reset between files and builds: a file without OUTDIR writes
// into the directory set by the last OUTDIR processed before it.
#pragma once

#include "text/line.h"

namespace korvex {

void set_outdir(Lines& lines);
void set_outfile(Lines& lines);

// Opens the -o file, truncating it, at the run's first write to it (or at
// the run's end): by then every file the run reads before writing is known,
// so an included file named by -o is reported (122), not emptied.
void open_deferred_output();

}  // namespace korvex
