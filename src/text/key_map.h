// A map from 64-bit keys to small non-negative ints, by open addressing, and
// on it a map from names to the positions of the table entries that hold
// them.
//
// The text indexes (pattern_index.h, substring_index.h) look up a key for
// nearly every byte they read, and the swap, define and loop tables a name
// for every statement and use; a node-based map would cost a cache miss
// per lookup where this one costs about one probe into one flat array (and
// a name map one comparison with the entry found).
#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

namespace korvex {

class KeyMap {
 public:
  // The value stored under `key`, or -1.
  int find(uint64_t key) const {
    if (slots_.empty()) return -1;
    for (size_t s = slot_of(key);; s = (s + 1) & mask_) {
      if (slots_[s].value < 0) return -1;
      if (slots_[s].key == key) return slots_[s].value;
    }
  }

  // The value under `key`; when there is none, `value` is stored and returned.
  int insert(uint64_t key, int value) { return value_of(key, value); }

  // The stored value under `key`, `value` when there was none, to be changed
  // in place (until the next insertion; not to -1).
  int& value_of(uint64_t key, int value) {
    if ((used_ + 1) * 2 > slots_.size()) grow();
    for (size_t s = slot_of(key);; s = (s + 1) & mask_) {
      Slot& slot = slots_[s];
      if (slot.value < 0) {
        slot.key = key;
        slot.value = value;
        ++used_;
        return slot.value;
      }
      if (slot.key == key) return slot.value;
    }
  }

  size_t size() const { return used_; }

 private:
  size_t slot_of(uint64_t key) const {
    return static_cast<size_t>((key * 0x9E3779B97F4A7C15ull) >> shift_);
  }

  void grow() {
    const size_t capacity = slots_.empty() ? 64 : slots_.size() * 2;
    std::vector<Slot> slots(capacity);
    slots.swap(slots_);
    mask_ = capacity - 1;
    shift_ = 64;
    for (size_t c = capacity; c > 1; c >>= 1) --shift_;
    used_ = 0;
    for (const Slot& slot : slots)
      if (slot.value >= 0) insert(slot.key, slot.value);
  }

  // Key and value side by side: a lookup reads one cache line.
  struct Slot {
    uint64_t key = 0;
    int value = -1;  // -1: an empty slot
  };
  std::vector<Slot> slots_;
  size_t mask_ = 0;
  int shift_ = 64;
  size_t used_ = 0;
};

// A hash of all bytes of a text, eight at a time.
inline uint64_t hash_text(std::string_view s) {
  uint64_t h = 0x9E3779B97F4A7C15ull ^ s.size();
  auto add = [&h](uint64_t chunk) {
    h = (h ^ chunk) * 0xBF58476D1CE4E5B9ull;
    h ^= h >> 31;
  };
  size_t at = 0;
  for (; at + 8 <= s.size(); at += 8) {
    uint64_t chunk;
    std::memcpy(&chunk, s.data() + at, 8);
    add(chunk);
  }
  uint64_t rest = 0;
  if (at < s.size()) std::memcpy(&rest, s.data() + at, s.size() - at);
  add(rest);
  return h ^ (h >> 29);
}

// Names to positions in a table that holds the names: a name is filed under
// its hash, or under the next hash not taken when another name has it, and
// found by comparing it with the entries filed under its hash and those
// after it. `name_of(position)` gives the name of an entry filed.
class NameMap {
 public:
  // The position filed under `name`, or -1.
  template <class NameOf>
  int find(std::string_view name, const NameOf& name_of) const {
    for (uint64_t key = hash_text(name);; ++key) {
      const int at = map_.find(key);
      if (at < 0 || std::string_view(name_of(at)) == name) return at;
    }
  }

  // The position filed under `name`; when there is none, `position` is filed
  // and returned.
  template <class NameOf>
  int insert(std::string_view name, int position, const NameOf& name_of) {
    for (uint64_t key = hash_text(name);; ++key) {
      const int at = map_.find(key);
      if (at < 0) return map_.insert(key, position);
      if (std::string_view(name_of(at)) == name) return at;
    }
  }

  size_t size() const { return map_.size(); }

 private:
  KeyMap map_;
};

}  // namespace korvex
