// The storage of line texts.
#include "base/line_text.h"

#include <array>
#include <bit>
#include <memory>

namespace korvex {

uint32_t capitals_of(std::string_view s) {
  // One table load per byte of a word with many capitals.
  static constexpr std::array<uint32_t, 256> kBit = [] {
    std::array<uint32_t, 256> t{};
    for (int c = 'A'; c <= 'Z'; ++c) t[static_cast<size_t>(c)] = 1u << (c - 'A');
    return t;
  }();
  const char* p = s.data();
  const size_t n = s.size();
  uint32_t caps = 0;
  // A word without capitals, most of a line, costs one test; in a word with
  // one or two only their lanes are visited, in the others every byte.
  auto add = [&caps](uint64_t word) {
    uint64_t lanes = capital_lanes(word);
    if (lanes == 0) return;
    const uint64_t rest = lanes & (lanes - 1);
    if ((rest & (rest - 1)) != 0) {
      for (int lane = 0; lane < 8; ++lane) caps |= kBit[(word >> (8 * lane)) & 0xff];
      return;
    }
    for (; lanes != 0; lanes &= lanes - 1) {
      const int lane = std::countr_zero(lanes) / 8;
      caps |= 1u << (((word >> (8 * lane)) & 0xff) - 'A');
    }
  };
  size_t i = 0;
  for (; i + 8 <= n; i += 8) add(word_at(p + i));
  if (i == n) return caps;
  if (n < 8) {
    for (; i < n; ++i) caps |= kBit[static_cast<unsigned char>(p[i])];
    return caps;
  }
  // The last eight bytes, overlapping the words before; where the first
  // byte is the low one, the bytes already seen are shifted out.
  uint64_t word = word_at(p + n - 8);
  if constexpr (std::endian::native == std::endian::little) word >>= 8 * (8 - (n - i));
  add(word);
  return caps;
}

namespace {

// Heap blocks come in multiples of 16 bytes, so that a text that grows a
// little (a substitution, an appended word) mostly finds the room in place.
size_t block_size(size_t n) { return (n + 15) & ~size_t{15}; }

}  // namespace

void LineText::init(std::string_view s, uint32_t caps) {
  size_ = 0;
  bits_ = 0;
  if (s.size() > kInline) {
    const size_t cap = block_size(s.size() + 1);
    heap_.data = std::allocator<char>().allocate(cap);
    heap_.capacity = cap;
    bits_ = kHeapBit;
  }
  if (!s.empty()) std::memcpy(storage(), s.data(), s.size());
  set_size(s.size());
  bits_ |= caps;
}

void LineText::release() {
  if (on_heap()) std::allocator<char>().deallocate(heap_.data, heap_.capacity);
  bits_ = 0;
  set_size(0);
}

void LineText::steal(LineText& o) noexcept {
  std::memcpy(static_cast<void*>(this), static_cast<const void*>(&o), sizeof(LineText));
  o.bits_ = 0;
  o.set_size(0);
}

void LineText::reserve_for(size_t n, size_t keep) {
  if (n <= capacity()) return;
  // Growing by at least half again keeps a text that is appended to piece by
  // piece linear in its final length.
  const size_t cap = block_size(std::max(n, capacity() + capacity() / 2) + 1);
  char* fresh = std::allocator<char>().allocate(cap);
  if (keep > 0) std::memcpy(fresh, data(), keep);
  const uint32_t caps = this->caps();
  const size_t size = size_;
  release();
  heap_.data = fresh;
  heap_.capacity = cap;
  bits_ = kHeapBit | caps;
  set_size(size);
}

LineText& LineText::assign(std::string_view s, uint32_t caps) {
  // `s` may be a part of this text.
  if (s.size() <= capacity()) {
    if (!s.empty()) std::memmove(storage(), s.data(), s.size());
  } else {
    const size_t cap = block_size(s.size() + 1);
    char* fresh = std::allocator<char>().allocate(cap);
    std::memcpy(fresh, s.data(), s.size());
    release();
    heap_.data = fresh;
    heap_.capacity = cap;
    bits_ = kHeapBit;
  }
  bits_ = (bits_ & kHeapBit) | caps;
  set_size(s.size());
  return *this;
}

LineText& LineText::append(std::string_view s) {
  if (s.empty()) return *this;
  const uint32_t added = capitals_of(s);
  const size_t n = size_ + s.size();
  if (n > capacity()) {
    // `s` may be a part of this text: keep it apart while the storage moves.
    const std::string copy(s);
    reserve_for(n, size_);
    std::memcpy(storage() + size_, copy.data(), copy.size());
  } else {
    std::memmove(storage() + size_, s.data(), s.size());
  }
  set_size(n);
  bits_ |= added;
  return *this;
}

void LineText::remove_prefix(size_t n) {
  char* p = storage();
  std::memmove(p, p + n, size_ - n);
  set_size(size_ - n);
}

LineText& LineText::insert(size_t pos, size_t n, char c) {
  if (n == 0) return *this;
  reserve_for(size_ + n, size_);
  char* p = storage();
  std::memmove(p + pos + n, p + pos, size_ - pos);
  std::memset(p + pos, c, n);
  set_size(size_ + n);
  bits_ |= capitals_of(std::string_view(&c, 1));
  return *this;
}

}  // namespace korvex
