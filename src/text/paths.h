// Paths and files: the include search, directories, and the existence tests that report missing files.
#pragma once

#include <string>

#include "base/file_names.h"
#include "base/run_state.h"
#include "text/line.h"

namespace korvex {

bool dir_exists(std::string p, int quiet);

// The absolute path of an existing file with every link and "." or ".."
// resolved, so that two names of one file compare equal; "" when `p` does
// not name an existing file.
std::string real_path(const std::string& p);
// The name a file is known by in a chain of files being created or
// included: `name` without its trailing blanks, as its real path when it
// names an existing file.
std::string canonical_path(std::string name);
int makedir(const std::string& p);

// Stops the run with general error 123 when the file name `name` holds a
// control character: a NUL byte would cut the name short where the file is
// opened, and a line break would split its entry in a file list.
void check_file_name(const std::string& name);
bool holds_control_char(const std::string& name);

// The include directory in which `name` can be opened, or "" when it is
// found only under the name as written. A file found nowhere is line error
// 300 for a statement (`line` has a text) and general error 100 for a file
// named on the command line (`line` is a default Line). A name with a
// control character is error 123 before any search.
std::string find_path(RunContext& run, const Line& line, const std::string& name);
// Whether `name` can be opened; when it cannot and `quiet` is false, the
// error find_path(RunContext& run) reports.
bool file_exists(RunContext& run, const Line& line, std::string name, bool quiet);

}  // namespace korvex
