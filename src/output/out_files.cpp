// OUTFILE and OUTDIR statements.
#include "output/out_files.h"

#include <filesystem>

#include "driver/diagnostics.h"
#include "driver/errors.h"
#include "driver/settings.h"
#include "output/depfile.h"
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
    settings.outdir = argument_of(line.text, "OUTDIR");
    check_file_name(settings.outdir);
    const std::string dir = settings.outdir_base + settings.outdir;
    if (!settings.LINT && !dir_exists(dir, 1) && makedir(dir) != 0)
      linerr(Err::OUTDIR_CREATE, line, settings.outdir);
    trace("OUTDIR: " + settings.outdir);
    settings.outdir += "/";
  }
  remove_lines(lines, "OUTDIR");
}

void set_outfile(Lines& lines) {
  if (!settings.OUTFLAG) {
    bool seen = false;
    for (const Line& line : lines) {
      if (!match(line.text, "OUTFILE")) continue;
      if (seen) linerr(Err::OUTFILE_TWICE, line);
      seen = true;
      settings.outname = argument_of(line.text, "OUTFILE");
      const std::string path = settings.outdir_base + settings.outdir + settings.outname;
      check_file_name(path);
      if (settings.LINT) {
        // What would make the open fail, found without opening.
        check_not_input(path);
        std::error_code ec;
        if (settings.outname.empty() || path.back() == '/' ||
            std::filesystem::is_directory(path, ec))
          generr(Err::OUTPUT_OPEN, path);
      } else if (!settings.COMP) {
        check_not_input(path);
        if (settings.outfile.is_open()) close_output_file();
        settings.outfile_path = path;
        if (!open_generated(settings.outfile, path, settings.outfile_staged))
          generr(Err::OUTPUT_OPEN, path);
        note_file_written(path);
      }
      trace("OUTFILE: " + path);
      settings.OUT = true;
    }
    // The census saw an OUTFILE, but a dropped block or a swap took it away
    // in this build or file: its text goes where that of a file without one
    // goes, to standard output, not to the file an earlier one closed.
    if (!seen) settings.OUT = false;
  }
  remove_lines(lines, "OUTFILE");
}

void open_deferred_output() {
  if (!settings.outfile_deferred) return;
  settings.outfile_deferred = false;
  check_not_input(settings.outfile_path);
  if (!settings.outfile_staged.open(settings.outfile)) generr(Err::OUTPUT_OPEN, settings.outfile_path);
}

void close_output_file() {
  // A file that a child of the run went on to read is not replaced.
  check_not_input(settings.outfile_path);
  if (!close_generated(settings.outfile, settings.outfile_staged))
    generr(Err::WRITE_FAILED, settings.outfile_path);
}

void finish_output_file() {
  open_deferred_output();
  if (settings.outfile.is_open()) close_output_file();
}

}  // namespace korvex
