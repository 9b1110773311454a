// The pattern index: pieces and short patterns as 64-bit keys (the bytes in
// text order, the low byte first; a short key carries its length in its top
// byte, which a short pattern's bytes never reach).
#include "text/pattern_index.h"

#include <algorithm>
#include <cstring>

namespace korvex {
namespace {

uint64_t piece_at(const char* p) {
  uint64_t k;
  std::memcpy(&k, p, 8);
  return k;
}

// `room`: the bytes readable from p on.
uint64_t short_key(const char* p, size_t len, size_t room) {
  uint64_t k = 0;
  if (room >= 8) {
    k = piece_at(p) & ((uint64_t{1} << (8 * len)) - 1);
  } else {
    std::memcpy(&k, p, len);
  }
  return k | (static_cast<uint64_t>(len) << 56);
}

// The filter of pieces filed under has at least 64 bits a piece, from 2^12
// bits up to 2^20, so that a small table clears a few cache lines, not
// 128 KiB.
constexpr int kFirstFiledBits = 12;
constexpr int kFiledBits = 20;

size_t filed_bit(uint64_t piece, int bits) {
  return static_cast<size_t>((piece * 0x9E3779B97F4A7C15ull) >> (64 - bits));
}

size_t pair_of(const char* p) {
  return static_cast<size_t>(static_cast<unsigned char>(p[0])) << 8 |
         static_cast<unsigned char>(p[1]);
}

}  // namespace

void PatternIndex::take_away(int id) {
  const int li = list_of_[static_cast<size_t>(id)];
  if (li < 0) return;
  auto& list = lists_[static_cast<size_t>(li)];
  for (size_t k = 0; k < list.size(); ++k) {
    if (list[k].id != id) continue;
    list[k] = list.back();
    list.pop_back();
    break;
  }
  const size_t len = patterns_[static_cast<size_t>(id)].size();
  if (len < kPiece) --short_count_[len];
  list_of_[static_cast<size_t>(id)] = -1;
  patterns_[static_cast<size_t>(id)].clear();
}

void PatternIndex::file_piece(uint64_t piece) {
  const size_t bit = filed_bit(piece, filed_bits_);
  filed_[bit / 64] |= uint64_t{1} << (bit % 64);
}

void PatternIndex::grow_filter() {
  filed_bits_ = std::min(kFiledBits, filed_bits_ + 4);
  filed_.assign((size_t{1} << filed_bits_) / 64, 0);
  for (const auto& list : lists_)
    for (const Filed& f : list)
      if (static_cast<size_t>(f.size) >= kPiece)
        file_piece(piece_at(patterns_[static_cast<size_t>(f.id)].data() + f.offset));
}

void PatternIndex::set(int id, const std::string& p) {
  const size_t at = static_cast<size_t>(id);
  if (at >= patterns_.size()) {
    patterns_.resize(at + 1);
    list_of_.resize(at + 1, -1);
    seen_.resize(at + 1, 0);
  }
  take_away(id);
  if (p.empty()) return;
  if (starts_.empty()) {
    starts_.assign(65536 / 64, 0);
    short_starts_.assign(65536 / 64, 0);
    filed_bits_ = kFirstFiledBits;
    filed_.assign((size_t{1} << filed_bits_) / 64, 0);
  }
  patterns_[at] = p;
  auto list_for = [&](KeyMap& map, uint64_t key) {
    const int li = map.insert(key, static_cast<int>(lists_.size()));
    if (static_cast<size_t>(li) == lists_.size()) lists_.emplace_back();
    return li;
  };
  int li;
  int offset = 0;
  if (p.size() < kPiece) {
    li = list_for(shorts_, short_key(p.data(), p.size(), p.size()));
    ++short_count_[p.size()];
    if (p.size() == 1) single_[static_cast<unsigned char>(p[0])] = true;
  } else {
    // The piece filed under least often so far.
    size_t best = 0, best_size = SIZE_MAX;
    for (size_t o = 0; o + kPiece <= p.size() && best_size > 0; ++o) {
      const int l = pieces_.find(piece_at(p.data() + o));
      const size_t size = l < 0 ? 0 : lists_[static_cast<size_t>(l)].size();
      if (size < best_size) {
        best = o;
        best_size = size;
      }
    }
    offset = static_cast<int>(best);
    const uint64_t piece = piece_at(p.data() + best);
    li = list_for(pieces_, piece);
    if (filed_bits_ < kFiledBits && pieces_.size() * 64 > (size_t{1} << filed_bits_))
      grow_filter();
    file_piece(piece);
  }
  if (p.size() >= 2) {
    const size_t pair = pair_of(p.data() + offset);
    (p.size() < kPiece ? short_starts_ : starts_)[pair / 64] |= uint64_t{1} << (pair % 64);
  }
  list_of_[at] = li;
  Filed f{id, offset, static_cast<int>(p.size()), 0, 0};
  if (p.size() >= kPiece) {
    f.head = piece_at(p.data());
    f.tail = piece_at(p.data() + p.size() - kPiece);
  }
  lists_[static_cast<size_t>(li)].push_back(f);
}

void PatternIndex::find_in(const std::string& text, std::vector<int>& out) const {
  out.clear();
  if (starts_.empty()) return;
  const char* t = text.data();
  const size_t n = text.size();
  auto add = [&](int id) {
    if (seen_[static_cast<size_t>(id)]) return;
    seen_[static_cast<size_t>(id)] = 1;
    out.push_back(id);
  };
  auto starts_here = [&](const std::vector<uint64_t>& bits, size_t p) {
    const size_t pair = pair_of(t + p);
    return (bits[pair / 64] >> (pair % 64)) & 1;
  };
  if (n >= kPiece && pieces_.size() > 0) {
    for (size_t p = 0; p + kPiece <= n; ++p) {
      if (!starts_here(starts_, p)) continue;
      const uint64_t piece = piece_at(t + p);
      const size_t bit = filed_bit(piece, filed_bits_);
      if (!((filed_[bit / 64] >> (bit % 64)) & 1)) continue;
      const int li = pieces_.find(piece);
      if (li < 0) continue;
      for (const Filed& f : lists_[static_cast<size_t>(li)]) {
        const size_t off = static_cast<size_t>(f.offset);
        const size_t size = static_cast<size_t>(f.size);
        if (off > p || p - off + size > n) continue;
        const char* start = t + p - off;
        if (piece_at(start) != f.head || piece_at(start + size - kPiece) != f.tail) continue;
        if (size <= 2 * kPiece ||
            std::memcmp(start + kPiece, patterns_[static_cast<size_t>(f.id)].data() + kPiece,
                        size - 2 * kPiece) == 0)
          add(f.id);
      }
    }
  }
  for (size_t len = 1; len < kPiece; ++len) {
    if (short_count_[len] == 0) continue;
    for (size_t p = 0; p + len <= n; ++p) {
      if (len == 1 ? !single_[static_cast<unsigned char>(t[p])] : !starts_here(short_starts_, p))
        continue;
      const int li = shorts_.find(short_key(t + p, len, n - p));
      if (li < 0) continue;
      for (const Filed& f : lists_[static_cast<size_t>(li)]) add(f.id);
    }
  }
  for (int id : out) seen_[static_cast<size_t>(id)] = 0;
  std::sort(out.begin(), out.end());
}

}  // namespace korvex
