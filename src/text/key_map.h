// A map from 64-bit keys to small non-negative ints, by open addressing.
//
// The text indexes (pattern_index.h, substring_index.h) look up a key for
// nearly every byte they read; a node-based map would cost a cache miss
// per lookup where this one costs about one probe into two flat arrays.
#pragma once

#include <cstdint>
#include <vector>

namespace korvex {

class KeyMap {
 public:
  // The value stored under `key`, or -1.
  int find(uint64_t key) const {
    if (values_.empty()) return -1;
    for (size_t s = slot_of(key);; s = (s + 1) & mask_) {
      if (values_[s] < 0) return -1;
      if (keys_[s] == key) return values_[s];
    }
  }

  // The value under `key`; when there is none, `value` is stored and returned.
  int insert(uint64_t key, int value) {
    if ((used_ + 1) * 2 > values_.size()) grow();
    for (size_t s = slot_of(key);; s = (s + 1) & mask_) {
      if (values_[s] < 0) {
        keys_[s] = key;
        values_[s] = value;
        ++used_;
        return value;
      }
      if (keys_[s] == key) return values_[s];
    }
  }

  size_t size() const { return used_; }

 private:
  size_t slot_of(uint64_t key) const {
    return static_cast<size_t>((key * 0x9E3779B97F4A7C15ull) >> shift_);
  }

  void grow() {
    const size_t capacity = values_.empty() ? 64 : values_.size() * 2;
    std::vector<uint64_t> keys(capacity);
    std::vector<int> values(capacity, -1);
    keys.swap(keys_);
    values.swap(values_);
    mask_ = capacity - 1;
    shift_ = 64;
    for (size_t c = capacity; c > 1; c >>= 1) --shift_;
    used_ = 0;
    for (size_t s = 0; s < values.size(); ++s)
      if (values[s] >= 0) insert(keys[s], values[s]);
  }

  std::vector<uint64_t> keys_;
  std::vector<int> values_;  // -1: an empty slot
  size_t mask_ = 0;
  int shift_ = 64;
  size_t used_ = 0;
};

}  // namespace korvex
