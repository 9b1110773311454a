// The dependency file. Names are written as make and ninja read them: a
// blank, "#" or "$" in a name is escaped, and several targets share one rule.
#include "output/depfile.h"

#include <climits>
#include <cstdlib>
#include <fstream>
#include <vector>

#include "driver/errors.h"
#include "text/paths.h"

namespace korvex {
namespace {

std::vector<std::string> files_read;
std::vector<std::string> canonical_read;
std::vector<std::string> files_written;

void add_once(std::vector<std::string>& list, const std::string& path) {
  for (const std::string& p : list)
    if (p == path) return;
  list.push_back(path);
}

std::string escaped(const std::string& path) {
  std::string out;
  for (char c : path) {
    if (c == ' ' || c == '#') out += '\\';
    if (c == '$') out += '$';
    out += c;
  }
  return out;
}

}  // namespace

void note_file_read(const std::string& path) {
  add_once(files_read, path);
  const std::string c = real_path(path);
  if (!c.empty()) add_once(canonical_read, c);
}

void note_file_to_read(const std::string& path) {
  const std::string c = real_path(path);
  if (!c.empty()) add_once(canonical_read, c);
}

void check_not_input(const std::string& path) {
  const std::string c = real_path(path);
  if (c.empty()) return;
  for (const std::string& r : canonical_read)
    if (r == c) generr(Err::OUTPUT_IS_INPUT, path);
}
void note_file_written(const std::string& path) { add_once(files_written, path); }

void forget_dependencies() {
  files_read.clear();
  canonical_read.clear();
  files_written.clear();
}

void write_depfile(const std::string& path) {
  check_not_input(path);
  std::ofstream out(path, std::ios::out | std::ios::trunc | std::ios::binary);
  if (!out.is_open()) generr(Err::OUTPUT_OPEN, path);
  std::string text;
  for (size_t i = 0; i < files_written.size(); ++i) {
    if (i) text += ' ';
    text += escaped(files_written[i]);
  }
  text += ":";
  for (const std::string& p : files_read) {
    text += " \\\n  ";
    text += escaped(p);
  }
  text += "\n";
  out << text;
  out.close();
  if (out.fail()) generr(Err::WRITE_FAILED, path);
}

}  // namespace korvex
