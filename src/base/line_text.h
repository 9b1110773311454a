// The text of a line, and the capital letters it holds.
//
// A file is read once and its bytes are kept to the end of the run, so a
// line just read refers to its bytes there instead of holding a copy: the
// record is 16 bytes of text reference, and reading a file allocates
// nothing per line. Only a text a pass changes gets a block of its own, cut
// from large chunks. A copy of a line that refers to the file's bytes
// refers to them too.
//
// Every directive keyword holds a capital letter and most lines hold none,
// so the text keeps the set of capitals it holds, worked out when first
// asked for after a change: a pass rules a keyword out by the letters alone,
// without reading the text again (capitals(), and the keyword tests built
// on it).
#pragma once

#include <cassert>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "base/byte_lanes.h"

namespace korvex {

// The capital letters occurring in `s`, one bit each ('A' is bit 0).
uint32_t capitals_of(std::string_view s);

class LineText {
 public:
  static constexpr size_t npos = std::string::npos;

  LineText() = default;
  explicit LineText(std::string_view s) { assign(s, 0); }
  explicit LineText(const std::string& s) { assign(s, 0); }
  explicit LineText(const char* s) { assign(std::string_view(s), 0); }
  LineText(const LineText& o) { copy_from(o); }
  LineText(LineText&& o) noexcept { steal(o); }
  ~LineText() { release(); }

  // A text that refers to `bytes` without copying them: they must stay
  // unchanged for as long as the text or a copy of it refers to them (the
  // kept bytes of an input file do, to the end of the run).
  // `blanks` of the bytes just before them are blanks that outlive them as
  // well: putting back an indentation that long copies nothing.
  static LineText borrowed(std::string_view bytes, size_t blanks = 0) {
    LineText t;
    if (!bytes.empty()) {
      t.data_ = const_cast<char*>(bytes.data());
      t.size_ = static_cast<uint32_t>(bytes.size());
      t.bits_ = blanks_bits(blanks);
    }
    return t;
  }

  // A text that refers to bytes that live to the process exit (a literal),
  // its capitals worked out: copies of it allocate nothing.
  static LineText literal(std::string_view bytes) {
    LineText t = borrowed(bytes);
    t.capitals();
    return t;
  }

  LineText& operator=(const LineText& o) {
    if (this != &o) {
      if (o.owned()) {
        assign(o.view(), o.letters());
      } else {
        release();
        copy_from(o);
      }
    }
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

  // The bytes; a text that refers to a file's bytes is not followed by a 0
  // byte.
  const char* data() const { return data_; }
  size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  std::string_view view() const { return {data_, size_}; }
  operator std::string_view() const { return view(); }  // NOLINT: reads as the text
  std::string str() const { return std::string(view()); }
  char operator[](size_t i) const { return data_[i]; }

  // Whether the text refers to bytes it does not own (a file's kept bytes, a
  // literal).
  bool borrows() const { return !owned() && size_ > 0; }

  // The capital letters the text holds, one bit each ('A' is bit 0).
  uint32_t capitals() const {
    if ((bits_ & kKnownBit) == 0) bits_ |= capitals_of(view()) | kKnownBit;
    return bits_ & kCapsMask;
  }

  // Records that the text holds no capital letter, for a caller that has
  // just read every byte of it.
  void note_no_capitals() { bits_ = (bits_ & ~kCapsMask) | kKnownBit; }
  // Records `caps` as the capitals of the text, for a caller that has just
  // worked them out.
  void note_capitals(uint32_t caps) {
    assert(caps == capitals_of(view()));
    bits_ = (bits_ & ~kCapsMask) | (caps & kCapsMask) | kKnownBit;
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
  LineText& insert(size_t pos, size_t n, char c) {
    if (pos == 0 && c == ' ' && !owned() && n <= blanks_before()) {
      // The blanks are the bytes just before the text.
      data_ -= n;
      size_ += static_cast<uint32_t>(n);
      bits_ = (bits_ & ~kBlanksBits) | blanks_bits(blanks_before() - n);
      return *this;
    }
    return insert_in_block(pos, n, c);
  }
  void clear() {
    release();
    bits_ = kKnownBit;
  }
  // Makes room for `n` bytes, for a text about to be built piece by piece.
  void reserve(size_t n);
  // Drops the first `n` bytes, which hold no capital letter.
  void remove_prefix(size_t n) {
    if (owned()) return remove_prefix_in_block(n);
    // Bytes it does not own are only looked at from further on; the blanks
    // among them just before the text are noted.
    size_t blanks = 0;
    while (blanks < n && blanks < kMaxBlanks && data_[n - 1 - blanks] == ' ') ++blanks;
    if (blanks == n) blanks += blanks_before();
    data_ += n;
    size_ -= static_cast<uint32_t>(n);
    bits_ = (bits_ & ~kBlanksBits) | blanks_bits(blanks);
  }

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
  static constexpr uint32_t kOwnedBit = 1u << 31;  // data_ is a block of this text's own
  static constexpr uint32_t kKnownBit = 1u << 30;  // the capitals are worked out
  static constexpr uint32_t kCapsMask = (1u << 26) - 1;
  static constexpr uint32_t kLetterBits = kCapsMask | kKnownBit;
  // Of a text that refers to bytes it does not own: how many of the bytes
  // before them are blanks, up to kMaxBlanks.
  static constexpr int kBlanksShift = 26;
  static constexpr uint32_t kBlanksBits = 15u << kBlanksShift;
  static constexpr size_t kMaxBlanks = 15;
  static uint32_t blanks_bits(size_t n) {
    return static_cast<uint32_t>(std::min(n, kMaxBlanks)) << kBlanksShift;
  }
  size_t blanks_before() const { return (bits_ & kBlanksBits) >> kBlanksShift; }
  // An owned block starts with its room, the closing 0 byte counted, then
  // the bytes of the text and a 0 byte.
  static constexpr size_t kHeader = sizeof(size_t);

  bool owned() const { return (bits_ & kOwnedBit) != 0; }
  // The capitals as far as they are known, for a copy.
  uint32_t letters() const { return bits_ & kLetterBits; }
  // The bytes an owned block holds, the closing 0 not counted; 0 for a text
  // that refers to bytes it does not own.
  size_t capacity() const {
    if (!owned()) return 0;
    size_t room;
    std::memcpy(&room, data_ - kHeader, sizeof room);
    return room - 1;
  }
  void set_size(size_t n) {
    size_ = static_cast<uint32_t>(n);
    data_[n] = '\0';
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
  void copy_from(const LineText& o);
  LineText& insert_in_block(size_t pos, size_t n, char c);
  void remove_prefix_in_block(size_t n);
  void steal(LineText& o) noexcept {
    data_ = o.data_;
    size_ = o.size_;
    bits_ = o.bits_;
    o.data_ = empty_text();
    o.size_ = 0;
    o.bits_ = 0;
  }
  void release() {
    if (owned()) free_block();
    data_ = empty_text();
    size_ = 0;
    bits_ = 0;
  }
  void free_block();
  static char* empty_text() { return const_cast<char*>(kEmpty); }
  static constexpr const char* kEmpty = "";

  char* data_ = empty_text();
  uint32_t size_ = 0;
  // The capitals, whether they are known, and whether data_ is owned; the
  // capitals are worked out by a reader of the text.
  mutable uint32_t bits_ = 0;
};

}  // namespace korvex
