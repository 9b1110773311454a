// The one copy of each path that lines name.
#include "base/line_record.h"

namespace korvex {

const std::string& FileName::no_path() {
  static const std::string* const kEmpty = new std::string();
  return *kEmpty;
}

std::unordered_set<std::string>& FileName::paths() {
  // Never destroyed, so that a line may name its file up to the process exit
  // (lines left to the exit, statics). A run reads a handful of paths.
  static auto* const kPaths = new std::unordered_set<std::string>();
  return *kPaths;
}

const std::string& FileName::intern(const std::string& path) {
  if (path.empty()) return no_path();
  return *paths().insert(path).first;
}

void FileName::forget_paths() { paths().clear(); }

}  // namespace korvex
