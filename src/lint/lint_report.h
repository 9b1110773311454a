// The hazard report of -lint: one line per hazard in the format of compiler
// messages (FILE:LINE:COL: warning: TEXT [category]), so that editors and CI
// annotators jump to it, then the error the run would stop with, then one
// summary line.
#pragma once

#include <string>
#include <vector>

#include "lint/hazard_scan.h"

namespace korvex {

struct FileHazards {
  std::string path;  // as given on the command line or found in the include directories
  std::vector<Hazard> hazards;
};

// Where the run would stop, when it would.
struct LintError {
  int number = 0;  // 0: the run would succeed
  std::string file;  // the file of the line it names, "" for a general error
  int line = 0;
  std::string text;  // the message without its frame
};

// The whole report; `files_checked` counts the files scanned.
std::string format_report(const std::vector<FileHazards>& files, const LintError& error,
                          size_t files_checked);

// The status of the lint run: 0 for an empty report, the run's error number
// when it would fail, and the hazards status otherwise.
int lint_status(const std::vector<FileHazards>& files, const LintError& error);

}  // namespace korvex
