// The text is held as a list of the bytes still in it, with the partner of
// every parenthesis worked out once (taking away a parenthesis and its
// partner leaves every other pair as it was) and a count of the bytes left
// before each position (a Fenwick tree), from which the length of a form
// and of what follows it are read.
//
// A change of case is not written into the bytes: each is filed over the
// positions of its argument in a segment tree, stamped with its order, and
// a byte reads as the latest change filed over it makes it. That is the
// byte the changes one after the other would have made, since each change
// only turns letters into the one case: the last one decides.
#include "expr/form_unwrap.h"

#include <algorithm>
#include <string>
#include <vector>

namespace korvex {
namespace {

class LiveText {
 public:
  explicit LiveText(std::string_view s) : s_(s), n_(static_cast<int>(s.size())) {
    next_.resize(s.size());
    prev_.resize(s.size());
    partner_.assign(s.size(), -1);
    tree_.assign(s.size() + 1, 0);
    std::vector<int> open;
    for (int i = 0; i < n_; ++i) {
      next_[i] = i + 1 < n_ ? i + 1 : -1;
      prev_[i] = i - 1;
      if (s[i] == '(') open.push_back(i);
      if (s[i] == ')' && !open.empty()) {
        partner_[open.back()] = i;
        open.pop_back();
      }
      // Every byte counts once: tree_[k] covers the positions k - lowbit(k) to k - 1.
      const int k = i + 1;
      tree_[k] += 1;
      const int up = k + (k & -k);
      if (up <= n_) tree_[up] += tree_[k];
    }
    head_ = n_ > 0 ? 0 : -1;
    live_ = n_;
  }

  int head() const { return head_; }
  int next(int i) const { return next_[i]; }
  int partner(int i) const { return partner_[i]; }
  int live() const { return live_; }
  int size() const { return n_; }  // bytes at the start

  // The byte at i as the changes of case so far make it.
  char at(int i) const {
    const char c = s_[i];
    if (changes_.empty() || !((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))) return c;
    int stamp = 0;
    for (int k = i + n_; k > 0; k >>= 1) stamp = std::max(stamp, changes_[k]);
    if (stamp == 0) return c;
    if (stamp % 2 == 1) return c >= 'a' ? static_cast<char>(c - 'a' + 'A') : c;
    return c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  }

  // Bytes left at positions before i.
  int before(int i) const {
    int c = 0;
    for (int k = i; k > 0; k -= k & -k) c += tree_[k];
    return c;
  }
  // The byte `back` places before i, or the first one.
  int back_from(int i, int back) const {
    while (back-- > 0 && prev_[i] >= 0) i = prev_[i];
    return i;
  }

  void erase(int i) {
    if (prev_[i] >= 0) next_[prev_[i]] = next_[i]; else head_ = next_[i];
    if (next_[i] >= 0) prev_[next_[i]] = prev_[i];
    for (int k = i + 1; k <= n_; k += k & -k) tree_[k] -= 1;
    --live_;
  }

  // Changes the case of the positions from `from` to before `to`.
  void change(int from, int to, CaseChange how) {
    if (how == CaseChange::kNone || from >= to) return;
    if (changes_.empty()) changes_.assign(2 * static_cast<size_t>(n_), 0);
    // Odd stamps turn letters into capitals, even ones into small letters.
    stamp_ += 2;
    const int stamp = how == CaseChange::kUpper ? stamp_ + 1 : stamp_;
    for (int l = from + n_, r = to + n_; l < r; l >>= 1, r >>= 1) {
      if (l & 1) changes_[l++] = stamp;
      if (r & 1) changes_[--r] = stamp;
    }
  }

  std::string text() const {
    std::string t;
    t.reserve(static_cast<size_t>(live_));
    for (int i = head_; i >= 0; i = next_[i]) t += at(i);
    return t;
  }

 private:
  std::string s_;
  int n_;
  std::vector<int> next_, prev_, partner_, tree_;
  std::vector<int> changes_;  // segment tree of stamps over the positions, or empty
  int stamp_ = 0;
  int head_ = -1;
  int live_ = 0;
};

constexpr int kWord = 5;

// Whether the keyword of a kind starts at byte i: that kind, or kinds.size().
size_t form_at(const LiveText& t, int i, std::span<const UnwrapKind> kinds, int (&bytes)[kWord]) {
  const char first = t.at(i);
  for (size_t kind = 0; kind < kinds.size(); ++kind) {
    const char* word = kinds[kind].keyword;
    if (first != word[0]) continue;
    int j = i, k = 0;
    while (k < kWord && j >= 0 && t.at(j) == word[k]) {
      bytes[k++] = j;
      j = t.next(j);
    }
    if (k == kWord) return kind;
  }
  return kinds.size();
}

}  // namespace

void unwrap_forms(Line& line, std::span<const UnwrapKind> kinds,
                  const std::function<void(Line&, size_t, size_t)>& step) {
  LiveText t(line.text);
  int word[kWord];
  // The first keyword from byte i on.
  auto find_form = [&](int i, size_t& kind) {
    for (; i >= 0; i = t.next(i))
      if ((kind = form_at(t, i, kinds, word)) < kinds.size()) return true;
    return false;
  };
  // No keyword starts at or after this byte: a form closing before it has
  // no copy. The bytes there stay as they are while the forms taken apart
  // close before it.
  int clean_from = t.size();
  auto none_after = [&](int close) {
    int scratch[kWord];
    for (int i = t.next(close); i >= 0 && i < clean_from; i = t.next(i))
      if (form_at(t, i, kinds, scratch) < kinds.size()) return false;
    clean_from = std::min(clean_from, close + 1);
    return true;
  };
  int from = t.head();
  size_t kind = 0;
  while (t.live() > 0 && find_form(from, kind)) {
    const int open = t.next(word[kWord - 1]);
    const int close = open >= 0 && t.at(open) == '(' ? t.partner(open) : -1;
    if (close >= 0) {
      const int form = kWord + t.before(close + 1) - t.before(open);
      const int after = t.live() - t.before(close + 1);
      // Too short to hold a copy, or without a keyword to start one, the
      // rest of the text leaves the form the only one: its argument takes
      // its place.
      if (after < form || none_after(close)) {
        // A new keyword can start at most four bytes before the form.
        from = t.back_from(word[0], kWord - 1);
        if (from == word[0]) from = -1;
        for (int b : word) t.erase(b);
        t.erase(open);
        t.erase(close);
        t.change(open + 1, close, kinds[kind].change);
        if (from < 0) from = t.head();
        continue;
      }
    }
    line.text = t.text();
    step(line, static_cast<size_t>(t.before(word[0])), kind);
    t = LiveText(line.text);
    clean_from = t.size();
    from = t.head();
  }
  line.text = t.text();
}

}  // namespace korvex
