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

#include "base/diagnostics.h"
#include "base/errors.h"
#include "base/options.h"
#include "base/run_state.h"
#include "output/depfile.h"
#include "output/output_state.h"
#include "text/paths.h"
#include "text/strings.h"

namespace korvex {

std::string get_help(const Options& options) {
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
       std::to_string(options.MAX_DEFS) + ") \n";
  h += "  -max_lines lines      maximum lines per file (default is " +
       std::to_string(options.MAX_LINES) + ") \n";
  h += std::string("  -debug                print debug information to ") + kDebugFileName + "\n";
  h += "  -ver                  print version and exit \n";
  h += "  -help                 print help inforamtion and exit \n";
  return h;
}

void print_help(const Options& options) { print_msg(get_version() + "\n" + get_help(options)); }

namespace {

// The command line being read into the options, the run state (the trace)
// and the output state (the -o file, the compare report).
class FlagReader {
 public:
  FlagReader(Options& options, RunState& state, OutputState& output)
      : options(options), state(state), output(output), run{options, state} {}

  std::optional<std::string> read(int argc, const char* const* argv, std::string& source,
                                  std::string& definition, Defs& cmd_defs);

 private:
  void open_debug();
  void open_deferred_debug(const std::string& source, const std::string& definition, bool quiet);
  std::string locate(std::string& name);

  Options& options;
  RunState& state;
  OutputState& output;
  RunContext run;
};

void FlagReader::open_debug() {
  options.DEBUG = true;
  if (state.debug_deferred) return;
  // A trace that is there already may be a file of the run by another name:
  // it is emptied once the run's files are named, after the walk.
  std::error_code ec;
  if (!state.debugfile.is_open() && std::filesystem::exists(kDebugFileName, ec)) {
    state.debug_deferred = true;
    return;
  }
  // A second -debug starts the trace again; opening the open stream would
  // fail it and lose the rest of the trace.
  if (state.debugfile.is_open()) state.debugfile.close();
  state.debugfile.open(kDebugFileName, std::ios::out | std::ios::trunc | std::ios::binary);
  trace(run, get_version());
}

bool names_file(const std::string& own, const std::string& source, const std::string& definition) {
  return (!source.empty() && same_file(own, source)) ||
         (!definition.empty() && same_file(own, definition));
}

// Empties the existing trace unless it is the source or definition file:
// error 122, or with `quiet` (the run ends with another error, or the help)
// it is left as it is.
void FlagReader::open_deferred_debug(const std::string& source, const std::string& definition,
                                     bool quiet) {
  if (!state.debug_deferred) return;
  state.debug_deferred = false;
  if (names_file(kDebugFileName, source, definition)) {
    if (quiet) return;
    generr(Err::OUTPUT_IS_INPUT, kDebugFileName);
  }
  state.debugfile.open(kDebugFileName, std::ios::out | std::ios::trunc | std::ios::binary);
  trace(run, get_version());
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
std::string FlagReader::locate(std::string& name) {
  const Line none;
  name = find_path(run, none, name) + name;
  const std::string dir = extract_path(name);
  file_exists(run, none, name, false);
  if (!dir.empty()) options.incdirs.push_back(dir);
  return dir;
}

std::optional<std::string> FlagReader::read(int argc, const char* const* argv, std::string& source,
                                            std::string& definition, Defs& cmd_defs) {
  options.incdirs.push_back(get_path());
  std::string flags;
  for (int i = 1; i < argc; ++i) flags += std::string(argv[i]) + " ";

  // -lint changes what other options do (-comp, -o, -od write nothing), so
  // it counts wherever it stands on the line.
  for (int i = 1; i < argc; ++i)
    if (std::string(argv[i]) == "-lint") options.LINT = true;

  int positional = 0;
  bool report_made = false;  // "-comp" made the compare report
  // A run that ends within the walk still starts its trace, as when the
  // trace is made at once.
  struct DebugAtWalkEnd {
    FlagReader& reader;
    const std::string& source;
    const std::string& definition;
    ~DebugAtWalkEnd() { reader.open_deferred_debug(source, definition, true); }
  } debug_at_walk_end{*this, source, definition};
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
        options.incdirs.push_back(get_path());
      } else if (positional == 2) {
        definition = fix_slash(arg);
      }
    } else if (arg == "-o") {
      const std::string v = value();
      options.OUTFLAG = true;
      output.outname = fix_slash(v);
      output.OUT = v != "STDO";
    } else if (arg == "-od") {
      const std::string v = value();
      options.OUTDFLAG = true;
      options.outdir_base = v;
      check_file_name(v);
      if (!options.LINT && !dir_exists(v, 1) && makedir(v) != 0)
        generr(Err::OUTPUT_DIR_CREATE, v);
      options.outdir_base += "/";
    } else if (arg == "-I") {
      const std::string v = fix_slash(value());
      if (dir_exists(get_path() + v, 1))
        options.incdirs.push_back(get_path() + v + "/");
      else if (dir_exists(v, 1))
        options.incdirs.push_back(v + "/");
      else
        generr(Err::INCLUDE_DIR_NOT_FOUND, v);
    } else if (arg == "-depfile") {
      options.depfile = value();
    } else if (arg == "-list") {
      options.filelist = value();
    } else if (arg == "-listpath") {
      options.filelistpath = true;
    } else if (arg == "-gui") {
      options.GUI = true;
    } else if (arg == "-comp") {
      if (options.LINT) continue;  // a lint run compares nothing and makes no report
      options.COMP = true;
      // A report that is not there yet is made at once; one that is there is
      // emptied once the run's own files are named, after the walk.
      std::error_code ec;
      if (!std::filesystem::exists(kDiffFileName, ec)) {
        std::ofstream(kDiffFileName, std::ios::out | std::ios::binary);
        report_made = true;
      }
    } else if (arg == "-exit_code") {
      options.EXIT_CODE = true;
    } else if (arg == "-error_location") {
      options.ERROR_LOCATION = true;
    } else if (arg == "-line_markers") {
      options.LINE_MARKERS = true;
    } else if (arg == "-lint") {
    } else if (arg == "-header") {
      options.HEADER = true;
    } else if (arg == "-header_remark") {
      options.HEADER_REM = value();
    } else if (arg == "-d") {
      Def d;
      d.name = value();
      d.global = true;
      d.defined = true;
      cmd_defs.push_back(d);
    } else if (arg == "-max_defs") {
      options.MAX_DEFS = capacity_value(value(), Err::MAX_DEFS_NOT_NUMERIC, Err::MAX_DEFS_RANGE);
    } else if (arg == "-max_lines") {
      options.MAX_LINES =
          capacity_value(value(), Err::MAX_LINES_NOT_NUMERIC, Err::MAX_LINES_RANGE);
    } else if (arg == "-debug") {
      open_debug();
    } else if (arg == "-verbose") {
      options.VERBOSE = true;
    } else if (arg == "-ver" || arg == "--version") {
      print_msg(get_version() + "\n");
      return std::nullopt;
    } else if (arg == "-help" || arg == "--help") {
      print_help(options);
      return std::nullopt;
    } else {
      generr(Err::UNKNOWN_PARAMETER, arg);
    }
  }

  const std::string named_definition = positional >= 2 ? definition : std::string();
  open_deferred_debug(source, named_definition, false);
  if (options.COMP) {
    // The compare report is emptied once the run's files are named, so that
    // a source or definition file of that name is never truncated. One this
    // run made cannot be either.
    if (!report_made && names_file(kDiffFileName, source, named_definition))
      generr(Err::OUTPUT_IS_INPUT, kDiffFileName);
    output.cmpfile.open(kDiffFileName, std::ios::out | std::ios::trunc | std::ios::binary);
    if (output.cmpfile.is_open()) note_own_output(state.inputs, kDiffFileName);
  }
  if (state.debugfile.is_open()) note_own_output(state.inputs, kDebugFileName);

  if (positional >= 1) options.srcpath = locate(source);
  if (positional >= 2 && !definition.empty()) options.defpath = locate(definition);

  if (options.OUTFLAG) {
    const std::string path = options.outdir_base + output.outname;
    if (output.outname != "STDO" && !options.COMP) {
      check_file_name(path);
      if (positional >= 1) note_file_read(state.inputs, source);
      if (positional >= 2 && !definition.empty()) note_file_read(state.inputs, definition);
      check_not_input(state.inputs, path);
      // Only checked here, without touching the file: it is opened at its
      // first write, when every included file is known (open_deferred_output),
      // and put in place at the run's end. A lint run writes nothing to it.
      if (!options.LINT) {
        output.outfile_path = path;
        if (!output.outfile_staged.stage(path)) generr(Err::OUTPUT_OPEN, path);
        if (output.outfile_staged.in_place() && !output.outfile_staged.can_write_in_place())
          generr(Err::OUTPUT_OPEN, path);
        output.outfile_deferred = true;
        note_file_written(output, path);
      }
    }
    trace(run, "OUTFILE: " + path);
  }
  if (options.OUTDFLAG) trace(run, "OUTDIR_BASE:  " + options.outdir_base);

  if (positional == 0 || positional > 2) {
    options.GUI = true;
    print_help(options);
    return std::nullopt;
  }

  if (options.DEBUG) {
    trace(run, "");
    trace(run, "Include directories:");
    for (size_t i = 0; i < options.incdirs.size(); ++i)
      trace(run, "Dir " + std::to_string(i) + ": " + options.incdirs[i]);
  }
  return flags;
}

}  // namespace

std::optional<std::string> parse_flags(Options& options, RunState& state, OutputState& output,
                                       int argc, const char* const* argv, std::string& source,
                                       std::string& definition, Defs& cmd_defs) {
  return FlagReader(options, state, output).read(argc, argv, source, definition, cmd_defs);
}

}  // namespace korvex
