// File names as messages show them: the current directory, the directory
// part and the name of a path.
#pragma once

#include <string>

namespace korvex {

std::string get_pwd();
std::string get_path();  // the current directory with a final "/"
// `p` relative to the current directory when it lies below it, else `p`.
std::string relative_to_cwd(const std::string& p);
std::string fix_slash(const std::string& p);
std::string extract_path(const std::string& p);
std::string extract_name(const std::string& p);

}  // namespace korvex
