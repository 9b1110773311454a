// File lists.
#include "output/file_list.h"

#include <fstream>

#include "driver/diagnostics.h"
#include "driver/errors.h"
#include "driver/settings.h"
#include "output/depfile.h"
#include "text/strings.h"

namespace korvex {

std::string set_filelist(Lines& lines) {
  std::string name;
  bool seen = false;
  for (const Line& line : lines) {
    if (!match(line.text, "LIST")) continue;
    if (seen) linerr(Err::LIST_TWICE, line);
    seen = true;
    std::string before;
    splitstring(line.text, "LIST ", before, name);
    remove_spaces(name, "");
    trace("FILELIST: " + name);
  }
  remove_lines(lines, "LIST");
  return name;
}

void print_filelist(std::string& name, Lines& entries, bool clear) {
  if (name.empty() || settings.outname == "STDO") return;
  check_not_input(name);
  std::ofstream out(name, std::ios::out | std::ios::trunc | std::ios::binary);
  if (out.is_open()) note_file_written(name);
  for (const Line& e : entries) {
    if (!out.is_open()) break;
    out << std::string(static_cast<size_t>(2 * (e.indent > 0 ? e.indent : 0)), ' ')
        << (settings.filelistpath ? settings.outdir_base : std::string()) << e.text << '\n';
  }
  if (out.is_open()) {
    out.close();
    if (out.fail()) generr(Err::WRITE_FAILED, name);
  }
  if (clear) {
    entries.clear();
    name.clear();
  }
}

}  // namespace korvex
