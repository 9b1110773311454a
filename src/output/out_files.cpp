// OUTFILE and OUTDIR statements.
#include "output/out_files.h"

#include <filesystem>

#include "base/diagnostics.h"
#include "base/errors.h"
#include "output/depfile.h"
#include "output/output_state.h"
#include "output/staged_file.h"
#include "text/paths.h"
#include "text/strings.h"

namespace korvex {
namespace {

// The statement's argument: everything after `keyword` + " ", blanks removed.
std::string argument_of(std::string_view text, const std::string& keyword) {
  std::string before, after;
  splitstring(text, keyword + " ", before, after);
  remove_spaces(after, "");
  return after;
}

}  // namespace

void set_outdir(RunContext& run, OutputState& output, Lines& lines) {
  trace(run, "starting set_outdir");
  bool seen = false;
  for (const Line& line : lines) {
    if (!match(line.text, "OUTDIR")) continue;
    if (seen) linerr(Err::OUTDIR_TWICE, line);
    seen = true;
    output.outdir = argument_of(line.text, "OUTDIR");
    check_file_name(output.outdir);
    const std::string dir = run.options.outdir_base + output.outdir;
    if (!run.options.LINT && !dir_exists(dir, 1) && makedir(dir) != 0)
      linerr(Err::OUTDIR_CREATE, line, output.outdir);
    trace(run, "OUTDIR: " + output.outdir);
    output.outdir += "/";
  }
  remove_lines(run, lines, "OUTDIR");
}

void set_outfile(RunContext& run, OutputState& output, Lines& lines) {
  if (!run.options.OUTFLAG) {
    bool seen = false;
    for (const Line& line : lines) {
      if (!match(line.text, "OUTFILE")) continue;
      if (seen) linerr(Err::OUTFILE_TWICE, line);
      seen = true;
      output.outname = argument_of(line.text, "OUTFILE");
      const std::string path = run.options.outdir_base + output.outdir + output.outname;
      check_file_name(path);
      if (run.options.LINT) {
        // What would make the open fail, found without opening.
        check_not_input(run.state.inputs, path);
        std::error_code ec;
        if (output.outname.empty() || path.back() == '/' || std::filesystem::is_directory(path, ec))
          generr(Err::OUTPUT_OPEN, path);
      } else if (!run.options.COMP) {
        check_not_input(run.state.inputs, path);
        if (output.outfile.is_open()) close_output_file(run.state.inputs, output);
        output.outfile_path = path;
        if (!open_generated(output.outfile.get(), path, output.outfile_staged))
          generr(Err::OUTPUT_OPEN, path);
        note_file_written(output, path);
      }
      trace(run, "OUTFILE: " + path);
      output.OUT = true;
    }
    // The census saw an OUTFILE, but a dropped block or a swap took it away
    // in this build or file: its text goes where that of a file without one
    // goes, to standard output, not to the file an earlier one closed.
    if (!seen) output.OUT = false;
  }
  remove_lines(run, lines, "OUTFILE");
}

void open_deferred_output(const RunInputs& inputs, OutputState& output) {
  if (!output.outfile_deferred) return;
  output.outfile_deferred = false;
  check_not_input(inputs, output.outfile_path);
  if (!output.outfile_staged.open(output.outfile.get())) generr(Err::OUTPUT_OPEN, output.outfile_path);
}

void close_output_file(const RunInputs& inputs, OutputState& output) {
  // A file that a child of the run went on to read is not replaced.
  check_not_input(inputs, output.outfile_path);
  if (!close_generated(output.outfile.get(), output.outfile_staged))
    generr(Err::WRITE_FAILED, output.outfile_path);
}

void finish_output_file(const RunInputs& inputs, OutputState& output) {
  open_deferred_output(inputs, output);
  if (output.outfile.is_open()) close_output_file(inputs, output);
}

}  // namespace korvex
