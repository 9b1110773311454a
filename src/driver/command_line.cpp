// The command line.
//
// Options are recognised only by exact comparison of the whole argument, an
// option that takes a value always consumes the next argument, and options
// and file names may come in any order: everything that depends on several
// of them happens after the whole line has been read.
#include "driver/command_line.h"

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "driver/diagnostics.h"
#include "driver/errors.h"
#include "driver/settings.h"
#include "output/depfile.h"
#include "text/paths.h"
#include "text/strings.h"

namespace korvex {

std::string get_version() { return std::string("Korvex version ") + kVersion; }

std::string get_help() {
  std::string h;
  h += "Usage:  \n";
  h += "korvex.exe";
  h += " source_file [definition_file] [-o outputfile] [-od outputdir] [-I includedir] [-list "
       "filename] [-listpath] [-gui] [-comp] [-header] [-header_remark remark] [-d define] "
       "[-max_defs defs] [-max_lines lines] [-debug] [-ver] \n\n";
  h += "  source_file           name of Korvex source file \n";
  h += "  definition_file       name of Korvex definition file (default is null) \n";
  h += "  -o outputfile         name of output file (default is standard output) \n";
  h += "  -od outputdir         name of directory for output files (default is current) \n";
  h += "  -I includedir         name of directory to search included files \n";
  h += "  -list filename        name of output file for file list \n";
  h += "  -listpath             create file list with full path (default is without) \n";
  h += "  -comp                 compare to existing files \n";
  h += "  -header               add header to output files (default is off) \n";
  h += "  -header_remark        header remark string (default is // ) \n";
  h += "  -d define             add Korvex define \n";
  h += "  -max_defs defs        maximum definitions per type (default is " +
       std::to_string(settings.MAX_DEFS) + ") \n";
  h += "  -max_lines lines      maximum lines per file (default is " +
       std::to_string(settings.MAX_LINES) + ") \n";
  h += std::string("  -debug                print debug information to ") + kDebugFileName + "\n";
  h += "  -ver                  print version and exit \n";
  h += "  -help                 print help inforamtion and exit \n";
  return h;
}

void print_help() { print_msg(get_version() + "\n" + get_help()); }

void open_debug() {
  settings.DEBUG = true;
  if (settings.debug_deferred) return;
  // A trace that is there already may be a file of the run by another name:
  // it is emptied once the run's files are named, after the walk.
  std::error_code ec;
  if (!settings.debugfile.is_open() && std::filesystem::exists(kDebugFileName, ec)) {
    settings.debug_deferred = true;
    return;
  }
  // A second -debug starts the trace again; opening the open stream would
  // fail it and lose the rest of the trace.
  if (settings.debugfile.is_open()) settings.debugfile.close();
  settings.debugfile.open(kDebugFileName, std::ios::out | std::ios::trunc | std::ios::binary);
  trace(get_version());
}

namespace {

bool names_file(const std::string& own, const std::string& source, const std::string& definition) {
  return (!source.empty() && same_file(own, source)) ||
         (!definition.empty() && same_file(own, definition));
}

// Empties the existing trace unless it is the source or definition file:
// error 122, or with `quiet` (the run ends with another error, or the help)
// it is left as it is.
void open_deferred_debug(const std::string& source, const std::string& definition, bool quiet) {
  if (!settings.debug_deferred) return;
  settings.debug_deferred = false;
  if (names_file(kDebugFileName, source, definition)) {
    if (quiet) return;
    generr(Err::OUTPUT_IS_INPUT, kDebugFileName);
  }
  settings.debugfile.open(kDebugFileName, std::ios::out | std::ios::trunc | std::ios::binary);
  trace(get_version());
}

// A capacity given on the command line: digits only (an empty value passes
// the digit test), and room for at least one entry and its end.
int capacity_value(const std::string& v, Err not_numeric, Err range) {
  if (!is_number(v)) generr(not_numeric);
  long long n = 0;
  for (char c : v) {
    n = n * 10 + (c - '0');
    if (n > INT_MAX) generr(range, v);
  }
  if (n < 2) generr(range, v);
  return static_cast<int>(n);
}

// Locates a file named on the command line in the include directories and
// returns its directory part.
std::string locate(std::string& name) {
  const Line none;
  name = find_path(none, name) + name;
  const std::string dir = extract_path(name);
  file_exists(none, name, 0, 0);
  if (!dir.empty()) settings.incdirs.push_back(dir);
  return dir;
}

}  // namespace

std::optional<std::string> parse_flags(int argc, const char* const* argv, std::string& source,
                                       std::string& definition, Defs& cmd_defs) {
  settings.incdirs.push_back(get_path());
  std::string flags;
  for (int i = 1; i < argc; ++i) flags += std::string(argv[i]) + " ";

  // -lint changes what other options do (-comp, -o, -od write nothing), so
  // it counts wherever it stands on the line.
  for (int i = 1; i < argc; ++i)
    if (std::string(argv[i]) == "-lint") settings.LINT = true;

  int positional = 0;
  bool report_made = false;  // "-comp" made the compare report
  // A run that ends within the walk still starts its trace, as when the
  // trace is made at once.
  struct DebugAtWalkEnd {
    const std::string& source;
    const std::string& definition;
    ~DebugAtWalkEnd() { open_deferred_debug(source, definition, true); }
  } debug_at_walk_end{source, definition};
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    auto value = [&]() -> std::string {
      if (i + 1 >= argc) generr(Err::MISSING_VALUE, arg);
      return argv[++i];
    };
    if (arg.empty() || arg[0] != '-') {
      ++positional;
      if (positional == 1) {
        source = fix_slash(arg);
        definition.clear();
        settings.incdirs.push_back(get_path());
      } else if (positional == 2) {
        definition = fix_slash(arg);
      }
    } else if (arg == "-o") {
      const std::string v = value();
      settings.OUTFLAG = true;
      settings.outname = fix_slash(v);
      settings.OUT = v != "STDO";
    } else if (arg == "-od") {
      const std::string v = value();
      settings.OUTDFLAG = true;
      settings.outdir_base = v;
      check_file_name(v);
      if (!settings.LINT && !dir_exists(v, 1) && makedir(v) != 0)
        generr(Err::OUTPUT_DIR_CREATE, v);
      settings.outdir_base += "/";
    } else if (arg == "-I") {
      const std::string v = fix_slash(value());
      if (dir_exists(get_path() + v, 1))
        settings.incdirs.push_back(get_path() + v + "/");
      else if (dir_exists(v, 1))
        settings.incdirs.push_back(v + "/");
      else
        generr(Err::INCLUDE_DIR_NOT_FOUND, v);
    } else if (arg == "-depfile") {
      settings.depfile = value();
    } else if (arg == "-list") {
      settings.filelist = value();
    } else if (arg == "-listpath") {
      settings.filelistpath = true;
    } else if (arg == "-gui") {
      settings.GUI = true;
    } else if (arg == "-comp") {
      if (settings.LINT) continue;  // a lint run compares nothing and makes no report
      settings.COMP = true;
      // A report that is not there yet is made at once; one that is there is
      // emptied once the run's own files are named, after the walk.
      std::error_code ec;
      if (!std::filesystem::exists(kDiffFileName, ec)) {
        std::ofstream(kDiffFileName, std::ios::out | std::ios::binary);
        report_made = true;
      }
    } else if (arg == "-exit_code") {
      settings.EXIT_CODE = true;
    } else if (arg == "-error_location") {
      settings.ERROR_LOCATION = true;
    } else if (arg == "-line_markers") {
      settings.LINE_MARKERS = true;
    } else if (arg == "-lint") {
    } else if (arg == "-header") {
      settings.HEADER = true;
    } else if (arg == "-header_remark") {
      settings.HEADER_REM = value();
    } else if (arg == "-d") {
      Def d;
      d.name = value();
      d.global = true;
      d.defined = true;
      cmd_defs.push_back(d);
    } else if (arg == "-max_defs") {
      settings.MAX_DEFS = capacity_value(value(), Err::MAX_DEFS_NOT_NUMERIC, Err::MAX_DEFS_RANGE);
    } else if (arg == "-max_lines") {
      settings.MAX_LINES =
          capacity_value(value(), Err::MAX_LINES_NOT_NUMERIC, Err::MAX_LINES_RANGE);
    } else if (arg == "-debug") {
      open_debug();
    } else if (arg == "-verbose") {
      settings.VERBOSE = true;
    } else if (arg == "-ver" || arg == "--version") {
      print_msg(get_version() + "\n");
      return std::nullopt;
    } else if (arg == "-help" || arg == "--help") {
      print_help();
      return std::nullopt;
    } else {
      generr(Err::UNKNOWN_PARAMETER, arg);
    }
  }

  const std::string named_definition = positional >= 2 ? definition : std::string();
  open_deferred_debug(source, named_definition, false);
  if (settings.COMP) {
    // The compare report is emptied once the run's files are named, so that
    // a source or definition file of that name is never truncated. One this
    // run made cannot be either.
    if (!report_made && names_file(kDiffFileName, source, named_definition))
      generr(Err::OUTPUT_IS_INPUT, kDiffFileName);
    settings.cmpfile.open(kDiffFileName, std::ios::out | std::ios::trunc | std::ios::binary);
    if (settings.cmpfile.is_open()) note_own_output(kDiffFileName);
  }
  if (settings.debugfile.is_open()) note_own_output(kDebugFileName);

  if (positional >= 1) settings.srcpath = locate(source);
  if (positional >= 2 && !definition.empty()) settings.defpath = locate(definition);

  if (settings.OUTFLAG) {
    const std::string path = settings.outdir_base + settings.outname;
    if (settings.outname != "STDO" && !settings.COMP) {
      check_file_name(path);
      if (positional >= 1) note_file_read(source);
      if (positional >= 2 && !definition.empty()) note_file_read(definition);
      check_not_input(path);
      // Only checked here, without touching the file: it is opened at its
      // first write, when every included file is known (open_deferred_output),
      // and put in place at the run's end. A lint run writes nothing to it.
      if (!settings.LINT) {
        settings.outfile_path = path;
        if (!settings.outfile_staged.stage(path)) generr(Err::OUTPUT_OPEN, path);
        if (settings.outfile_staged.in_place() && !settings.outfile_staged.can_write_in_place())
          generr(Err::OUTPUT_OPEN, path);
        settings.outfile_deferred = true;
        note_file_written(path);
      }
    }
    trace("OUTFILE: " + path);
  }
  if (settings.OUTDFLAG) trace("OUTDIR_BASE:  " + settings.outdir_base);

  if (positional == 0 || positional > 2) {
    settings.GUI = true;
    print_help();
    return std::nullopt;
  }

  if (settings.DEBUG) {
    trace("");
    trace("Include directories:");
    for (size_t i = 0; i < settings.incdirs.size(); ++i)
      trace("Dir " + std::to_string(i) + ": " + settings.incdirs[i]);
  }
  return flags;
}

}  // namespace korvex
