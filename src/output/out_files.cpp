// OUTFILE and OUTDIR statements.
#include "output/out_files.h"

#include <filesystem>

#include "base/diagnostics.h"
#include "base/errors.h"
#include "base/options.h"
#include "output/depfile.h"
#include "output/output_state.h"
#include "output/staged_file.h"
#include "text/paths.h"
#include "text/strings.h"

namespace korvex {
namespace {

// The statement's argument: everything after `keyword` + " ", blanks removed.
std::string argument_of(const std::string& text, const std::string& keyword) {
  std::string before, after;
  splitstring(text, keyword + " ", before, after);
  remove_spaces(after, "");
  return after;
}

}  // namespace

void set_outdir(Lines& lines) {
  trace("starting set_outdir");
  bool seen = false;
  for (const Line& line : lines) {
    if (!match(line.text, "OUTDIR")) continue;
    if (seen) linerr(Err::OUTDIR_TWICE, line);
    seen = true;
    output_state.outdir = argument_of(line.text, "OUTDIR");
    check_file_name(output_state.outdir);
    const std::string dir = options.outdir_base + output_state.outdir;
    if (!options.LINT && !dir_exists(dir, 1) && makedir(dir) != 0)
      linerr(Err::OUTDIR_CREATE, line, output_state.outdir);
    trace("OUTDIR: " + output_state.outdir);
    output_state.outdir += "/";
  }
  remove_lines(lines, "OUTDIR");
}

void set_outfile(Lines& lines) {
  if (!options.OUTFLAG) {
    bool seen = false;
    for (const Line& line : lines) {
      if (!match(line.text, "OUTFILE")) continue;
      if (seen) linerr(Err::OUTFILE_TWICE, line);
      seen = true;
      output_state.outname = argument_of(line.text, "OUTFILE");
      const std::string path = options.outdir_base + output_state.outdir + output_state.outname;
      check_file_name(path);
      if (options.LINT) {
        // What would make the open fail, found without opening.
        check_not_input(path);
        std::error_code ec;
        if (output_state.outname.empty() || path.back() == '/' ||
            std::filesystem::is_directory(path, ec))
          generr(Err::OUTPUT_OPEN, path);
      } else if (!options.COMP) {
        check_not_input(path);
        if (output_state.outfile.is_open()) close_output_file();
        output_state.outfile_path = path;
        if (!open_generated(output_state.outfile, path, output_state.outfile_staged))
          generr(Err::OUTPUT_OPEN, path);
        note_file_written(path);
      }
      trace("OUTFILE: " + path);
      output_state.OUT = true;
    }
    // The census saw an OUTFILE, but a dropped block or a swap took it away
    // in this build or file: its text goes where that of a file without one
    // goes, to standard output, not to the file an earlier one closed.
    if (!seen) output_state.OUT = false;
  }
  remove_lines(lines, "OUTFILE");
}

void open_deferred_output() {
  if (!output_state.outfile_deferred) return;
  output_state.outfile_deferred = false;
  check_not_input(output_state.outfile_path);
  if (!output_state.outfile_staged.open(output_state.outfile)) generr(Err::OUTPUT_OPEN, output_state.outfile_path);
}

void close_output_file() {
  // A file that a child of the run went on to read is not replaced.
  check_not_input(output_state.outfile_path);
  if (!close_generated(output_state.outfile, output_state.outfile_staged))
    generr(Err::WRITE_FAILED, output_state.outfile_path);
}

void finish_output_file() {
  open_deferred_output();
  if (output_state.outfile.is_open()) close_output_file();
}

}  // namespace korvex
