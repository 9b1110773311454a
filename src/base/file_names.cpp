// File names as messages show them.
#include "base/file_names.h"

#include <unistd.h>

namespace korvex {

namespace {
// A name as written in a statement may carry blanks after it.
void trim_blanks(std::string& s) {
  size_t e = s.size();
  while (e > 0 && s[e - 1] == ' ') --e;
  s.resize(e);
}
}  // namespace

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
  trim_blanks(r);
  return r;
}

std::string extract_name(const std::string& p) {
  const size_t i = last_inner_slash(p);
  std::string r = i == std::string::npos ? p : p.substr(i + 1);
  trim_blanks(r);
  return r;
}

}  // namespace korvex
