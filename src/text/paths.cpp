// Paths and files.
#include "text/paths.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>

#include "driver/errors.h"
#include "driver/settings.h"
#include "text/input_files.h"
#include "text/strings.h"

namespace korvex {

std::string get_pwd() {
  char buf[4096];
  if (getcwd(buf, sizeof buf) == nullptr) return "";
  return buf;
}

std::string get_path() { return fix_slash(get_pwd() + "/"); }

std::string relative_to_cwd(const std::string& p) {
  const std::string cwd = get_path();
  if (p.size() > cwd.size() && p.compare(0, cwd.size(), cwd) == 0) return p.substr(cwd.size());
  return p;
}

std::string fix_slash(const std::string& p) {
  if (get_pwd().find('\\') == std::string::npos) return p;
  std::string out = p;
  for (char& c : out)
    if (c == '\\') c = '/';
  return out;
}

namespace {
// Position of the last "/" that is not the final character, or npos.
size_t last_inner_slash(const std::string& p) {
  if (p.size() < 2) return std::string::npos;
  return p.rfind('/', p.size() - 2);
}
}  // namespace

std::string extract_path(const std::string& p) {
  const size_t i = last_inner_slash(p);
  if (i == std::string::npos) return "";
  std::string r = p.substr(0, i + 1);
  remove_last_spaces(r);
  return r;
}

std::string extract_name(const std::string& p) {
  const size_t i = last_inner_slash(p);
  std::string r = i == std::string::npos ? p : p.substr(i + 1);
  remove_last_spaces(r);
  return r;
}

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

std::string find_path(const Line& line, const std::string& name) {
  check_file_name(name);
  for (const std::string& d : settings.incdirs)
    if (file_exists(line, d + name, 0, 1)) return d;
  file_exists(line, name, 0, 0);
  return "";
}

bool file_exists(const Line& line, std::string name, int, int quiet) {
  remove_last_spaces(name);
  // The test reads the file, once for the run: a pipe has nothing left for
  // a second open (text/input_files.h). A directory is not a file.
  if (input_file(name) != nullptr) return true;
  if (quiet) return false;
  if (!is_no_line(line)) linerr(Err::FILE_NOT_FOUND, line, name);
  generr(Err::CMDLINE_FILE_OPEN, get_path() + name);
}

}  // namespace korvex
