// Where generated text goes: the output file being written, its name and
// directory, the compare report, and the files written so far for the lists.
#pragma once

#include <string>
#include <vector>

#include "base/lazy_stream.h"
#include "base/line_record.h"
#include "output/staged_file.h"

namespace korvex {

struct OutputState {
  bool OUT = false;  // generated text goes to outfile (else standard output)
  std::string outname;
  std::string outdir;  // ends with "/" when set
  LazyStream outfile;
  std::string outfile_path;       // the path `outfile` was opened with
  StagedFile outfile_staged;      // where `outfile` is written until it is complete
  bool outfile_deferred = false;  // -o file checked, to be opened at its first write
  LazyStream cmpfile;

  // Files written in the run (for -list) and since the last per-file list;
  // `text` is the listed name, `indent` the CREATE level.
  Lines outfiles;
  Lines local_outfiles;
  // Every file written in the run, once, for the depfile's targets.
  std::vector<std::string> files_written;
};

}  // namespace korvex
