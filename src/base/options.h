// The options of a run: what the command line asked for. The command line
// fills them once; from then on every pass only reads them.
#pragma once

#include <string>
#include <vector>

namespace korvex {

inline constexpr const char* kVersion = "1.2";
inline constexpr const char* kDebugFileName = "korvex.dbg";
inline constexpr const char* kDiffFileName = "korvex.diff";
inline constexpr int kDefaultMaxDefs = 500;
inline constexpr int kDefaultMaxLines = 5000;

// "Korvex version N.M", as -ver and the header print it.
inline std::string get_version() { return std::string("Korvex version ") + kVersion; }

struct Options {
  int MAX_DEFS = kDefaultMaxDefs;    // capacity of every define/swap/loop/group table
  int MAX_LINES = kDefaultMaxLines;  // capacity of every line array
  bool STOP_ON_GENERR = true;
  bool STOP_ON_LINERR = true;
  bool DEBUG = false;
  bool VERBOSE = false;
  bool GUI = false;
  bool COMP = false;
  bool HEADER = false;
  // -lint: the run reads and processes everything but writes no generated
  // text, makes no output file or directory and no per-file list; the
  // hazard report is printed instead.
  bool LINT = false;
  // -exit_code: a compare that found differences ends with status 133.
  bool EXIT_CODE = false;
  // -error_location: every error message starts with a line
  // "FILE:LINE: error NNN: text" that editors and CI annotators read.
  bool ERROR_LOCATION = false;
  // -line_markers: every generated file holds `line directives that name
  // the source file and line each of its lines comes from.
  bool LINE_MARKERS = false;
  std::string HEADER_REM = "//";
  bool OUTFLAG = false;     // -o given: OUTFILE statements are ignored
  bool OUTDFLAG = false;    // -od given
  std::string outdir_base;  // -od, ends with "/" when set
  std::string filelist;     // -list
  std::string depfile;      // -depfile: the dependency file written after a successful run
  bool filelistpath = false;
  std::vector<std::string> incdirs;  // include search list, each entry ends with "/"
  std::string srcpath;
  std::string defpath;
  // The command itself ends the process after the run: the lines of the
  // top-level file are then left to the exit instead of freed one by one.
  // Tests and the fuzzer make many runs in one process and keep it false.
  bool leave_to_exit = false;
};

}  // namespace korvex
