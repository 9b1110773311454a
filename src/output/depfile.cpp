// The dependency file. Names are written as make and ninja read them: a
// blank, "#" or "$" in a name is escaped, and several targets share one rule.
//
// The inputs are known by identity (device and inode), not by name: a hard
// link, a symlink or a name with ".." of an input is that input.
#include "output/depfile.h"

#include <sys/stat.h>

#include <fstream>
#include <utility>
#include <vector>

#include "base/errors.h"
#include "output/staged_file.h"
#include "text/paths.h"

namespace korvex {
namespace {

bool identity_of(const std::string& path, FileIdentity& id) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0) return false;
  id = {st.st_dev, st.st_ino};
  return true;
}

// Records the identity of an input; one of the files the run writes as it
// goes is never one.
void add_input(RunInputs& inputs, const std::string& path) {
  FileIdentity id;
  if (!identity_of(path, id)) return;
  for (const RunInputs::OwnOutput& o : inputs.own_outputs)
    if (o.id == id) generr(Err::OUTPUT_IS_INPUT, o.name);
  for (const FileIdentity& i : inputs.inputs)
    if (i == id) return;
  inputs.inputs.push_back(id);
}

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

void note_file_read(RunInputs& inputs, const std::string& path) {
  add_once(inputs.files_read, path);
  add_input(inputs, path);
}

void note_file_to_read(RunInputs& inputs, const std::string& path) { add_input(inputs, path); }

void check_not_input(const RunInputs& inputs, const std::string& path) {
  FileIdentity id;
  if (!identity_of(path, id)) return;
  for (const FileIdentity& i : inputs.inputs)
    if (i == id) generr(Err::OUTPUT_IS_INPUT, path);
}

bool same_file(const std::string& a, const std::string& b) {
  FileIdentity ia, ib;
  return identity_of(a, ia) && identity_of(b, ib) && ia == ib;
}

void note_own_output(RunInputs& inputs, const std::string& path) {
  // A device or FIFO (a trace sent to /dev/null) is no file to destroy.
  struct stat st;
  if (stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode))
    inputs.own_outputs.push_back({{st.st_dev, st.st_ino}, path});
}

void note_file_written(OutputState& output, const std::string& path) {
  add_once(output.files_written, path);
}

void write_depfile(const RunInputs& inputs, const OutputState& output, const std::string& path) {
  check_file_name(path);
  check_not_input(inputs, path);
  std::ofstream out;
  StagedFile staged;
  if (!open_generated(out, path, staged)) generr(Err::OUTPUT_OPEN, path);
  std::string text;
  const std::vector<std::string>& files_written = output.files_written;
  for (size_t i = 0; i < files_written.size(); ++i) {
    if (i) text += ' ';
    text += escaped(files_written[i]);
  }
  text += ":";
  for (const std::string& p : inputs.files_read) {
    text += " \\\n  ";
    text += escaped(p);
  }
  text += "\n";
  // A rule without commands for every prerequisite: make and ninja take a
  // file that was renamed or deleted since as made, and run Korvex again
  // instead of stopping.
  for (const std::string& p : inputs.files_read) {
    text += '\n';
    text += escaped(p);
    text += ":\n";
  }
  out << text;
  if (!close_generated(out, staged)) generr(Err::WRITE_FAILED, path);
}

}  // namespace korvex
