// The storage of line texts.
#include "base/line_text.h"

#include <array>
#include <bit>
#include <memory>
#include <vector>

#ifdef __SANITIZE_ADDRESS__
#include <sanitizer/asan_interface.h>
#endif

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

// The blocks of texts up to kLargest bytes. A million lines longer than a
// record holds make a million blocks: they are cut from large chunks, with
// no header each, and a freed block goes on a list of its size for the next
// text of that size. Chunks are kept to the end of the process. Under the
// address sanitizer, the bytes of a chunk outside the blocks in use are
// marked unusable, so that it checks each block's bounds.
class TextBlocks {
 public:
  static constexpr size_t kLargest = 512;

  char* allocate(size_t size) {
    if (size > kLargest) return std::allocator<char>().allocate(size);
    Free*& head = free_[size / 16];
    if (head != nullptr) {
      char* block = reinterpret_cast<char*>(head);
      unpoison(block, size);
      head = head->next;
      return block;
    }
    if (static_cast<size_t>(end_ - next_) < size) new_chunk();
    char* block = next_;
    next_ += size;
    unpoison(block, size);
    return block;
  }

  void deallocate(char* block, size_t size) {
    if (size > kLargest) {
      std::allocator<char>().deallocate(block, size);
      return;
    }
    Free* f = reinterpret_cast<Free*>(block);
    f->next = free_[size / 16];
    free_[size / 16] = f;
    poison(block, size);
  }

 private:
  struct Free {
    Free* next;
  };

  void new_chunk() {
    // Small runs take small chunks; a large one soon takes 1 MiB at a time.
    const size_t size = (size_t{64} << 10) << std::min<size_t>(chunks_.size(), 4);
    chunks_.push_back(std::make_unique_for_overwrite<char[]>(size));
    next_ = chunks_.back().get();
    end_ = next_ + size;
    poison(next_, size);
  }

#ifdef __SANITIZE_ADDRESS__
  static void poison(char* p, size_t n) { ASAN_POISON_MEMORY_REGION(p, n); }
  static void unpoison(char* p, size_t n) { ASAN_UNPOISON_MEMORY_REGION(p, n); }
#else
  static void poison(char*, size_t) {}
  static void unpoison(char*, size_t) {}
#endif

  std::array<Free*, kLargest / 16 + 1> free_{};
  char* next_ = nullptr;
  char* end_ = nullptr;
  std::vector<std::unique_ptr<char[]>> chunks_;
};

// Never destroyed: a text may be destroyed up to the process exit.
TextBlocks& blocks() {
  static TextBlocks* const kBlocks = std::make_unique<TextBlocks>().release();
  return *kBlocks;
}

}  // namespace

void LineText::free_block() { blocks().deallocate(data_ - kHeader, kHeader + capacity() + 1); }

void LineText::copy_from(const LineText& o) {
  if (o.owned()) {
    assign(o.view(), o.letters());
    return;
  }
  // Bytes it does not own stay where they are: the copy refers to them too.
  data_ = o.data_;
  size_ = o.size_;
  bits_ = o.bits_;
}

void LineText::move_to_block(size_t n, std::string_view head, std::string_view tail) {
  const size_t block_bytes = block_size(kHeader + n + 1);
  const size_t room = block_bytes - kHeader;
  char* block = blocks().allocate(block_bytes);
  std::memcpy(block, &room, sizeof room);
  char* fresh = block + kHeader;
  if (!head.empty()) std::memcpy(fresh, head.data(), head.size());
  if (!tail.empty()) std::memcpy(fresh + head.size(), tail.data(), tail.size());
  const uint32_t letters = this->letters();
  release();
  data_ = fresh;
  bits_ = kOwnedBit | letters;
  set_size(head.size() + tail.size());
}

void LineText::reserve(size_t n) {
  if (!owned() || n > capacity()) move_to_block(std::max<size_t>(grown(n), size_), view(), {});
}

LineText& LineText::assign(std::string_view s, uint32_t letters) {
  // `s` may be a part of this text.
  if (owned() && s.size() <= capacity()) {
    if (!s.empty()) std::memmove(data_, s.data(), s.size());
    set_size(s.size());
  } else if (s.empty()) {
    release();
  } else {
    move_to_block(s.size(), s, {});
  }
  bits_ = (bits_ & kOwnedBit) | letters;
  return *this;
}

LineText& LineText::append(std::string_view s) {
  if (s.empty()) return *this;
  const size_t n = size_ + s.size();
  if (owned() && n <= capacity()) {
    // `s` may be a part of this text, which is not moved.
    std::memmove(data_ + size_, s.data(), s.size());
    set_size(n);
  } else {
    move_to_block(grown(n), view(), s);
  }
  bits_ &= ~kLetterBits;
  return *this;
}

void LineText::remove_prefix_in_block(size_t n) {
  std::memmove(data_, data_ + n, size_ - n);
  set_size(size_ - n);
}

LineText& LineText::insert_in_block(size_t pos, size_t n, char c) {
  if (n == 0) return *this;
  reserve(size_ + n);
  std::memmove(data_ + pos + n, data_ + pos, size_ - pos);
  std::memset(data_ + pos, c, n);
  set_size(size_ + n);
  if (c >= 'A' && c <= 'Z') bits_ &= ~kLetterBits;
  return *this;
}

}  // namespace korvex
