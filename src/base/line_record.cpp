// The one copy of each path that lines name.
#include "base/line_record.h"

#include <deque>

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

namespace {

// The texts of remarks, each with the number of remarks naming it; a text
// no remark names any more leaves its slot to the next. A deque keeps each
// text where it is while slots are added. Never destroyed, like the paths.
struct RemarkCopies {
  struct Copy {
    std::string text;
    uint32_t holders = 0;
  };
  std::deque<Copy> copies{Copy{}};
  std::vector<uint32_t> free_slots;
};

RemarkCopies& remark_copies() {
  static RemarkCopies* const kCopies = std::make_unique<RemarkCopies>().release();
  return *kCopies;
}

}  // namespace

uint32_t Remark::keep(std::string_view text) {
  RemarkCopies& r = remark_copies();
  uint32_t id;
  if (!r.free_slots.empty()) {
    id = r.free_slots.back();
    r.free_slots.pop_back();
  } else {
    id = static_cast<uint32_t>(r.copies.size());
    r.copies.emplace_back();
  }
  r.copies[id].text.assign(text);
  r.copies[id].holders = 1;
  return id;
}

void Remark::hold(uint32_t id) { ++remark_copies().copies[id].holders; }

void Remark::release(uint32_t id) {
  RemarkCopies& r = remark_copies();
  RemarkCopies::Copy& c = r.copies[id];
  if (--c.holders > 0) return;
  c.text.clear();
  c.text.shrink_to_fit();
  r.free_slots.push_back(id);
}

const std::string& Remark::text_of(uint32_t id) { return remark_copies().copies[id].text; }

}  // namespace korvex
