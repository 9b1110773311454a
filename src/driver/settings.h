// The run settings: the process-wide state that every pass reads.
//
// There is exactly one instance, `settings`. The command line fills it once;
// afterwards only the output passes change outname, outdir and OUT, and the
// child-file runs push and pop the CREATE chain. reset_settings() restores
// the defaults, so that one process (a test, a fuzzer) can make several runs.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "output/staged_file.h"
#include "text/keyword.h"
#include "text/line.h"

namespace korvex {

inline constexpr const char* kVersion = "1.2";
inline constexpr const char* kDebugFileName = "korvex.dbg";
inline constexpr const char* kDiffFileName = "korvex.diff";
inline constexpr int kDefaultMaxDefs = 500;
inline constexpr int kDefaultMaxLines = 5000;

// The keywords that take a parenthesised argument, searched in this order:
// the longer keyword of each pair stands before its prefix.
inline constexpr Keyword paren_keywords[] = {
    "EXPR",   "LOG2",  "BIN",  "OCT",  "HEX",    "CONCAT.REV", "CONCAT", "GONCAT.REV",
    "GONCAT", "DVAL",  "CONST", "TRUE", "VERIFY", "LCASE",      "UCASE"};

struct Settings {
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
  // The build being processed when its file has several builds (or is the
  // child of one that has), else -1: error locations name it.
  int error_build = -1;
  std::string HEADER_REM = "//";
  bool OUTFLAG = false;   // -o given: OUTFILE statements are ignored
  bool OUT = false;       // generated text goes to outfile (else standard output)
  bool OUTDFLAG = false;  // -od given
  std::string outname;
  std::string outdir_base;  // ends with "/" when set
  std::string outdir;       // ends with "/" when set
  std::ofstream outfile;
  std::string outfile_path;  // the path `outfile` was opened with
  StagedFile outfile_staged;  // where `outfile` is written until it is complete
  bool outfile_deferred = false;  // -o file checked, to be opened at its first write
  std::ofstream cmpfile;
  std::ofstream debugfile;
  bool debug_deferred = false;  // an existing trace, emptied once the run's files are named
  std::string filelist;
  std::string depfile;  // -depfile: the dependency file written after a successful run
  bool filelistpath = false;
  std::vector<std::string> incdirs;  // include search list, each entry ends with "/"
  std::string srcpath;
  std::string defpath;

  // Files written in the run (for -list) and since the last per-file list;
  // `text` is the listed name, `indent` the CREATE level.
  Lines outfiles;
  Lines local_outfiles;

  // The CREATE chain: one entry per nesting level being processed.
  Lines create_tree;
  int create_index = 0;

  // The command itself ends the process after the run: the lines of the
  // top-level file are then left to the exit instead of freed one by one.
  // Tests and the fuzzer make many runs in one process and keep it false.
  bool leave_to_exit = false;

  // Work done so far in the run, held to the budgets of driver/budget.h.
  std::uint64_t generated_bytes = 0;
  std::uint64_t arith_work = 0;
  // Bytes of input read in the run, each file once (text/input_files.h).
  std::uint64_t input_bytes = 0;
};

extern Settings settings;

// Closes every open stream and restores every default.
void reset_settings();

// Flushes and closes every open stream (output file, trace, compare report);
// an output file that is not complete is removed, its old file kept.
void close_streams();

}  // namespace korvex
