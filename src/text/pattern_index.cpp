// The pattern index: chunks, ends and short patterns as 64-bit keys (the
// bytes in text order, the low byte first; an end or short key carries its
// length in its top byte, which its bytes never reach). A path's key folds
// its chunks together: two paths may share a key, which costs a useless
// step of the walk at most, since every pattern found is compared with the
// text.
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

// A bijection that spreads every bit of x over all bits.
uint64_t mix(uint64_t x) {
  x ^= x >> 32;
  x *= 0xD6E8FEB86659FD93ull;
  x ^= x >> 32;
  x *= 0xD6E8FEB86659FD93ull;
  return x ^ (x >> 32);
}

uint64_t first_path(uint64_t chunk) { return mix(chunk); }
uint64_t next_path(uint64_t path, uint64_t chunk) {
  return mix((path << 1 | path >> 63) ^ chunk);
}
uint64_t end_of(uint64_t path, uint64_t end) { return mix(path ^ mix(~end)); }

bool has_bit(const std::vector<uint64_t>& bits, size_t bit) {
  return (bits[bit / 64] >> (bit % 64)) & 1;
}

void put_bit(std::vector<uint64_t>& bits, size_t bit) {
  bits[bit / 64] |= uint64_t{1} << (bit % 64);
}

size_t pair_of(const char* p) {
  return static_cast<size_t>(static_cast<unsigned char>(p[0])) << 8 |
         static_cast<unsigned char>(p[1]);
}

}  // namespace

uint64_t PatternIndex::key_of(std::string_view p, bool file_paths) {
  const size_t n = p.size();
  if (n < kPiece) return short_key(p.data(), n, n);
  uint64_t path = first_path(piece_at(p.data()));
  size_t at = kPiece;
  for (;;) {
    const bool last = n - at < kPiece;
    if (file_paths) paths_.value_of(path, 0) |= last ? 1 << (n - at) : kGoesOn;
    if (last) break;
    path = next_path(path, piece_at(p.data() + at));
    at += kPiece;
  }
  return end_of(path, short_key(p.data() + at, n - at, n - at));
}

void PatternIndex::take_away(int id) {
  const size_t at = static_cast<size_t>(id);
  const size_t size = ids_[at].size;
  if (size == 0) return;
  int* link = &(size < kPiece ? shorts_ : ends_).value_of(key_of(pattern(at), false), 0);
  while (*link != id + 1) link = &ids_[static_cast<size_t>(*link - 1)].next;
  *link = ids_[at].next;
  if (size < kPiece) --short_count_[size];
  ids_[at].size = 0;
  live_bytes_ -= size;
}

// The bits of the ends and of the first chunks, for twice as many long
// patterns as there are: at least 16 bits a pattern, so that a lookup of an
// end or a chunk not filed is spared at least fifteen times out of sixteen.
// A table of a few long names (the built-in swaps) clears a few hundred
// bytes, not the filter a large table needs.
void PatternIndex::file_ends() {
  size_t bits = size_t{1} << 12;
  while (bits < 32 * long_count_) bits *= 2;
  ends_filed_.assign(bits / 64, 0);
  filed_.assign(bits / 64, 0);
  end_shift_ = 64;
  for (size_t b = bits; b > 1; b >>= 1) --end_shift_;
  for (size_t id = 0; id < ids_.size(); ++id) {
    if (ids_[id].size < kPiece) continue;
    put_bit(ends_filed_, end_bit(key_of(pattern(id), false)));
    put_bit(filed_, filed_bit(piece_at(pattern(id).data())));
  }
}

void PatternIndex::set(int id, const std::string& p) {
  const size_t at = static_cast<size_t>(id);
  if (at >= ids_.size()) ids_.resize(at + 1);
  take_away(id);
  if (p.empty()) return;
  if (starts_.empty()) {
    starts_.assign(65536 / 64, 0);
    short_starts_.assign(65536 / 64, 0);
  }
  if (bytes_.size() > 2 * live_bytes_ + (size_t{1} << 20)) {
    std::string kept;
    kept.reserve(2 * live_bytes_ + p.size());
    for (Id& other : ids_) {
      const uint64_t from = other.at;
      other.at = kept.size();
      kept.append(bytes_, from, other.size);
    }
    bytes_.swap(kept);
  }
  Id& entry = ids_[at];
  entry.at = bytes_.size();
  entry.size = static_cast<uint32_t>(p.size());
  bytes_ += p;
  live_bytes_ += p.size();
  if (p.size() < kPiece) {
    ++short_count_[p.size()];
    if (p.size() == 1) single_[static_cast<unsigned char>(p[0])] = true;
  } else {
    if (16 * ++long_count_ > 64 * ends_filed_.size()) file_ends();
    put_bit(filed_, filed_bit(piece_at(p.data())));
  }
  if (p.size() >= 2) put_bit(p.size() < kPiece ? short_starts_ : starts_, pair_of(p.data()));
  const uint64_t key = key_of(p, true);
  if (p.size() >= kPiece) put_bit(ends_filed_, end_bit(key));
  int& first = (p.size() < kPiece ? shorts_ : ends_).value_of(key, 0);
  ids_[at].next = first;
  first = id + 1;
}

bool PatternIndex::stands(int id, const char* at, size_t size) const {
  const Id& entry = ids_[static_cast<size_t>(id)];
  return entry.size == size && std::memcmp(bytes_.data() + entry.at, at, size) == 0;
}

void PatternIndex::find_in(std::string_view text, std::vector<int>& out) const {
  out.clear();
  if (starts_.empty()) return;
  const char* t = text.data();
  const size_t n = text.size();
  if (++lookups_ == 0) {
    for (const Id& entry : ids_) entry.seen = 0;
    lookups_ = 1;
  }
  auto add = [&](int id) {
    const Id& entry = ids_[static_cast<size_t>(id)];
    if (entry.seen == lookups_) return;
    entry.seen = lookups_;
    out.push_back(id);
  };
  if (n >= kPiece && ends_.size() > 0) {
    for (size_t p = 0; p + kPiece <= n; ++p) {
      if (!has_bit(starts_, pair_of(t + p))) continue;
      const uint64_t chunk = piece_at(t + p);
      if (!has_bit(filed_, filed_bit(chunk))) continue;
      uint64_t path = first_path(chunk);
      size_t at = p + kPiece;  // after the chunks walked
      for (;;) {
        const int bits = paths_.find(path);
        if (bits < 0) break;
        for (size_t r = 0; r < kPiece && at + r <= n; ++r) {
          if (!((bits >> r) & 1)) continue;
          const uint64_t end = end_of(path, short_key(t + at, r, n - at));
          if (!has_bit(ends_filed_, end_bit(end))) continue;
          const int first = ends_.find(end);
          for (int v = first; v > 0; v = ids_[static_cast<size_t>(v - 1)].next)
            if (stands(v - 1, t + p, at + r - p)) add(v - 1);
        }
        if (!(bits & kGoesOn) || at + kPiece > n) break;
        path = next_path(path, piece_at(t + at));
        at += kPiece;
      }
    }
  }
  for (size_t len = 1; len < kPiece; ++len) {
    if (short_count_[len] == 0) continue;
    for (size_t p = 0; p + len <= n; ++p) {
      if (len == 1 ? !single_[static_cast<unsigned char>(t[p])]
                   : !has_bit(short_starts_, pair_of(t + p)))
        continue;
      const int first = shorts_.find(short_key(t + p, len, n - p));
      for (int v = first; v > 0; v = ids_[static_cast<size_t>(v - 1)].next) add(v - 1);
    }
  }
  std::sort(out.begin(), out.end());
}

}  // namespace korvex
