// Formatting the hazard report.
#include "lint/lint_report.h"

#include "driver/errors.h"

namespace korvex {
namespace {

std::string counted(size_t n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

// The error text on one line: a message of several lines is joined by "; ".
std::string one_line(std::string text) {
  while (!text.empty() && text.back() == '\n') text.pop_back();
  std::string out;
  for (char c : text) {
    if (c == '\n')
      out += "; ";
    else
      out += c;
  }
  return out;
}

}  // namespace

std::string format_report(const std::vector<FileHazards>& files, const LintError& error,
                          size_t files_checked) {
  std::string out;
  size_t warnings = 0;
  int error_col = 1;
  for (const FileHazards& f : files) {
    for (const Hazard& h : f.hazards) {
      out += f.path + ":" + std::to_string(h.line) + ":" + std::to_string(h.col) +
             ": warning: " + h.text + " [" + category_name(h.category) + "]\n";
      ++warnings;
      if (error.number != 0 && f.path == error.file && h.line == error.line && error_col == 1)
        error_col = h.col;
    }
  }
  if (error.number != 0) {
    const std::string where =
        error.file.empty() ? std::string("korvex")
                           : error.file + ":" + std::to_string(error.line) + ":" +
                                 std::to_string(error_col);
    out += where + ": error: " + one_line(error.text) + " [error " +
           std::to_string(error.number) + "]\n";
  }
  out += "Korvex lint: " + counted(warnings, "warning", "warnings") + ", " +
         counted(error.number != 0 ? 1 : 0, "error", "errors") + ", " +
         counted(files_checked, "file", "files") + " checked\n";
  return out;
}

int lint_status(const std::vector<FileHazards>& files, const LintError& error) {
  if (error.number != 0) return error.number;
  for (const FileHazards& f : files)
    if (!f.hazards.empty()) return error_def(Err::LINT_HAZARDS).number;
  return 0;
}

}  // namespace korvex
