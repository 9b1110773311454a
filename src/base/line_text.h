// The text of a line, and the capital letters it holds.
//
// Most statements are short, so a text of up to kInline bytes is held in the
// record itself and only a longer one takes a block of the heap: reading a
// file of short lines allocates nothing per line, and a pass over the lines
// reads one record per line, not a record and a text somewhere else.
//
// Every directive keyword holds a capital letter and most lines hold none,
// so the text keeps the set of capitals it holds, worked out when first
// asked for after a change: a pass rules a keyword out by the letters alone,
// without reading the text again (capitals(), and the keyword tests built
// on it).
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace korvex {

// The capitals among the eight bytes of x, as the high bit of their lanes: a
// lane is set when its byte is an ASCII capital.
inline uint64_t capital_lanes(uint64_t x) {
  constexpr uint64_t kOnes = 0x0101010101010101ull;
  constexpr uint64_t kLow7 = kOnes * 0x7f;
  constexpr uint64_t kHigh = kOnes * 0x80;
  const uint64_t b = x & kLow7;
  return (kOnes * (127 + 'Z' + 1) - b) & ~x & (b + kOnes * (127 - ('A' - 1))) & kHigh;
}

inline uint64_t word_at(const char* p) {
  uint64_t x;
  std::memcpy(&x, p, 8);
  return x;
}

// The capital letters occurring in `s`, one bit each ('A' is bit 0).
uint32_t capitals_of(std::string_view s);

class LineText {
 public:
  // The longest text held in the record; every text is followed by a 0
  // byte, for the searches that stop at one.
  static constexpr size_t kInline = 23;
  static constexpr size_t npos = std::string::npos;

  LineText() { small_[0] = '\0'; }
  explicit LineText(std::string_view s) { init(s); }
  explicit LineText(const std::string& s) { init(s); }
  explicit LineText(const char* s) { init(std::string_view(s)); }
  LineText(const LineText& o) { init(o.view(), o.letters()); }
  LineText(LineText&& o) noexcept { steal(o); }
  ~LineText() { release(); }

  LineText& operator=(const LineText& o) {
    if (this != &o) assign(o.view(), o.letters());
    return *this;
  }
  LineText& operator=(LineText&& o) noexcept {
    if (this != &o) {
      release();
      steal(o);
    }
    return *this;
  }
  LineText& operator=(std::string_view s) { return assign(s); }
  LineText& operator=(const std::string& s) { return assign(s); }
  LineText& operator=(const char* s) { return assign(std::string_view(s)); }

  const char* data() const { return on_heap() ? heap_.data : small_; }
  size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  std::string_view view() const { return {data(), size_}; }
  operator std::string_view() const { return view(); }  // NOLINT: reads as the text
  std::string str() const { return std::string(view()); }
  char operator[](size_t i) const { return data()[i]; }

  // The capital letters the text holds, one bit each ('A' is bit 0).
  uint32_t capitals() const {
    if ((bits_ & kKnownBit) == 0) bits_ |= capitals_of(view()) | kKnownBit;
    return bits_ & kCapsMask;
  }

  size_t find(std::string_view p, size_t pos = 0) const { return view().find(p, pos); }
  size_t find(char c, size_t pos = 0) const { return view().find(c, pos); }
  std::string substr(size_t pos, size_t n = npos) const { return std::string(view().substr(pos, n)); }

  LineText& assign(std::string_view s) { return assign(s, 0); }
  LineText& append(std::string_view s);
  LineText& operator+=(std::string_view s) { return append(s); }
  LineText& operator+=(const std::string& s) { return append(s); }
  LineText& operator+=(const char* s) { return append(std::string_view(s)); }
  // Puts `n` copies of `c` before position `pos`.
  LineText& insert(size_t pos, size_t n, char c);
  void clear() { assign(std::string_view(), kKnownBit); }
  // Makes room for `n` bytes, for a text about to be built piece by piece.
  void reserve(size_t n);
  // Drops the first `n` bytes, which hold no capital letter.
  void remove_prefix(size_t n);

  // Changes the text through a std::string: for the text operations written
  // for one.
  template <typename F>
  void edit(F&& change) {
    std::string s(view());
    change(s);
    assign(s);
  }

  friend bool operator==(const LineText& a, std::string_view b) { return a.view() == b; }
  friend bool operator==(const LineText& a, const std::string& b) { return a.view() == b; }
  friend bool operator==(const LineText& a, const char* b) { return a.view() == b; }
  friend bool operator==(const LineText& a, const LineText& b) { return a.view() == b.view(); }
  friend std::string operator+(const std::string& a, const LineText& b) {
    std::string s = a;
    s.append(b.view());
    return s;
  }
  friend std::string operator+(const char* a, const LineText& b) { return std::string(a) + b; }
  friend std::string operator+(const LineText& a, const std::string& b) {
    std::string s = a.str();
    s += b;
    return s;
  }

 private:
  static constexpr uint32_t kHeapBit = 1u << 31;
  static constexpr uint32_t kKnownBit = 1u << 30;  // the capitals are worked out
  static constexpr uint32_t kCapsMask = (1u << 26) - 1;
  static constexpr uint32_t kLetterBits = kCapsMask | kKnownBit;

  struct Heap {
    char* data;
    size_t capacity;
  };

  bool on_heap() const { return (bits_ & kHeapBit) != 0; }
  // The capitals as far as they are known, for a copy.
  uint32_t letters() const { return bits_ & kLetterBits; }
  // The bytes the storage holds, the closing 0 not counted.
  size_t capacity() const { return on_heap() ? heap_.capacity - 1 : kInline; }
  void set_size(size_t n) {
    size_ = static_cast<uint32_t>(n);
    storage()[n] = '\0';
  }
  char* storage() { return on_heap() ? heap_.data : small_; }

  void init(std::string_view s, uint32_t letters = 0) {
    small_[0] = '\0';
    assign(s, letters);
  }
  // `letters` are the capitals of `s` with kKnownBit, or 0 when not known.
  LineText& assign(std::string_view s, uint32_t letters);
  // Moves the text to a new block of room for `n` bytes, holding `head`
  // then `tail`: either may be a part of the text. The capitals stay as
  // they were.
  void move_to_block(size_t n, std::string_view head, std::string_view tail);
  // The room to give a text growing to `n` bytes: at least half again its
  // present room, which keeps a text appended to piece by piece linear in
  // its final length.
  size_t grown(size_t n) const { return std::max(n, capacity() + capacity() / 2); }
  void steal(LineText& o) noexcept;
  void release();

  union {
    char small_[kInline + 1];
    Heap heap_;
  };
  uint32_t size_ = 0;
  // The capitals, whether they are known, and whether the text is on the
  // heap; the capitals are worked out by a reader of the text.
  mutable uint32_t bits_ = 0;
};

}  // namespace korvex
