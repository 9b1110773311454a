// Paths and files.
#include "text/paths.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>

#include "base/errors.h"
#include "text/input_files.h"
#include "text/strings.h"

namespace korvex {

bool dir_exists(std::string p, int quiet) {
  remove_last_spaces(p);
  if (!p.empty() && p.back() == '/') p.pop_back();
  struct stat st;
  if (stat(p.c_str(), &st) == 0) return true;
  if (!quiet) generr(Err::DIR_NOT_FOUND, p);
  return false;
}

std::string real_path(const std::string& p) {
  char buf[PATH_MAX];
  if (realpath(p.c_str(), buf) == nullptr) return "";
  return buf;
}

std::string canonical_path(std::string name) {
  remove_last_spaces(name);
  std::string real = real_path(name);
  return real.empty() ? name : real;
}

int makedir(const std::string& p) { return mkdir(p.c_str(), 0777) == 0 ? 0 : -1; }

namespace {
bool is_control(unsigned char c) { return c < 0x20 || c == 0x7f; }
}  // namespace

bool holds_control_char(const std::string& name) {
  for (const char c : name)
    if (is_control(static_cast<unsigned char>(c))) return true;
  return false;
}

void check_file_name(const std::string& name) {
  if (!holds_control_char(name)) return;
  std::string shown;
  for (const char ch : name) {
    const auto c = static_cast<unsigned char>(ch);
    if (!is_control(c)) {
      shown += ch;
      continue;
    }
    // Shown as \xNN: the raw byte would not show, or would end the message.
    static const char kHex[] = "0123456789abcdef";
    shown += "\\x";
    shown += kHex[c >> 4];
    shown += kHex[c & 15];
  }
  generr(Err::NAME_CONTROL_CHAR, shown);
}

std::string find_path(RunContext& run, const Line& line, const std::string& name) {
  check_file_name(name);
  for (const std::string& d : run.options.incdirs)
    if (file_exists(run, line, d + name, true)) return d;
  file_exists(run, line, name, false);
  return "";
}

bool file_exists(RunContext& run, const Line& line, std::string name, bool quiet) {
  remove_last_spaces(name);
  // The test reads the file, once for the run: a pipe has nothing left for
  // a second open (text/input_files.h). A directory is not a file.
  if (input_file(run, name) != nullptr) return true;
  if (quiet) return false;
  if (!is_no_line(line)) linerr(Err::FILE_NOT_FOUND, line, name);
  generr(Err::CMDLINE_FILE_OPEN, get_path() + name);
}

}  // namespace korvex
