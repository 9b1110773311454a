// The one copy of each path that lines name.
#include "base/line_record.h"

namespace korvex {
namespace {

// The copies by path, and by number. Never destroyed, so that a line may
// name its file up to the process exit (lines left to the exit, statics). A
// run reads a handful of paths.
struct Copies {
  std::unordered_map<std::string, uint32_t> by_path;
  std::vector<const std::string*> by_number;
  Copies() { reset(); }
  void reset() {
    by_path.clear();
    by_number.clear();
    by_number.push_back(&by_path.emplace(std::string(), 0).first->first);
  }
};

Copies& all_copies() {
  static Copies* const kCopies = std::make_unique<Copies>().release();
  return *kCopies;
}

}  // namespace

std::vector<const std::string*>& FileName::copies() { return all_copies().by_number; }

uint32_t FileName::intern(const std::string& path) {
  Copies& c = all_copies();
  const auto [it, added] = c.by_path.emplace(path, static_cast<uint32_t>(c.by_number.size()));
  if (added) c.by_number.push_back(&it->first);
  return it->second;
}

void FileName::forget_paths() { all_copies().reset(); }

}  // namespace korvex
