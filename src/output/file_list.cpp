// File lists.
#include "output/file_list.h"

#include <fstream>

#include "base/diagnostics.h"
#include "base/errors.h"
#include "output/depfile.h"
#include "output/output_state.h"
#include "output/staged_file.h"
#include "text/paths.h"
#include "text/strings.h"

namespace korvex {

std::string set_filelist(RunContext& run, Lines& lines) {
  std::string name;
  bool seen = false;
  for (const Line& line : lines) {
    if (!match(line.text, "LIST")) continue;
    if (seen) linerr(Err::LIST_TWICE, line);
    seen = true;
    std::string before;
    splitstring(line.text, "LIST ", before, name);
    remove_spaces(name, "");
    trace(run, "FILELIST: " + name);
  }
  remove_lines(run, lines, "LIST");
  return name;
}

void print_filelist(RunContext& run, OutputState& output, std::string& name, Lines& entries,
                    bool clear) {
  if (name.empty() || output.outname == "STDO") return;
  check_file_name(name);
  check_not_input(run.state.inputs, name);
  // A list that cannot be written is a failure like any other output's: a
  // build reading it would otherwise go on with a stale one.
  std::ofstream out;
  StagedFile staged;
  if (!open_generated(out, name, staged)) generr(Err::WRITE_FAILED, name);
  note_file_written(output, name);
  for (const Line& e : entries) {
    out << std::string(static_cast<size_t>(2 * (e.indent > 0 ? e.indent : 0)), ' ')
        << (run.options.filelistpath ? run.options.outdir_base : std::string()) << e.text.view()
        << '\n';
  }
  if (!close_generated(out, staged)) generr(Err::WRITE_FAILED, name);
  if (clear) {
    entries.clear();
    name.clear();
  }
}

}  // namespace korvex
