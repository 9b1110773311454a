// The text is held as a list of the bytes still in it, with the partner of
// every parenthesis worked out once (taking away a parenthesis and its
// partner leaves every other pair as it was) and a count of the bytes left
// before each position (a Fenwick tree), from which the length of a form
// and of what follows it are read.
#include "expr/const_removal.h"

#include <string>
#include <vector>

namespace korvex {
namespace {

class LiveText {
 public:
  explicit LiveText(const std::string& s) : s_(s), n_(static_cast<int>(s.size())) {
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
  char at(int i) const { return s_[i]; }
  int partner(int i) const { return partner_[i]; }
  int live() const { return live_; }
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

  std::string text() const {
    std::string t;
    t.reserve(static_cast<size_t>(live_));
    for (int i = head_; i >= 0; i = next_[i]) t += s_[i];
    return t;
  }

 private:
  std::string s_;
  int n_;
  std::vector<int> next_, prev_, partner_, tree_;
  int head_ = -1;
  int live_ = 0;
};

// The first "CONST" from byte i on: its five bytes, or {-1}.
bool find_const(const LiveText& t, int i, int (&bytes)[5]) {
  static const char kWord[] = "CONST";
  for (; i >= 0; i = t.next(i)) {
    if (t.at(i) != 'C') continue;
    int j = i, k = 0;
    while (k < 5 && j >= 0 && t.at(j) == kWord[k]) {
      bytes[k++] = j;
      j = t.next(j);
    }
    if (k == 5) return true;
  }
  return false;
}

}  // namespace

void remove_const_forms(Line& line, const std::function<void(Line&, size_t)>& step) {
  LiveText t(line.text);
  int from = t.head();
  int word[5];
  while (t.live() > 0 && find_const(t, from, word)) {
    const int open = t.next(word[4]);
    const int close = open >= 0 && t.at(open) == '(' ? t.partner(open) : -1;
    if (close >= 0) {
      const int form = 5 + t.before(close + 1) - t.before(open);
      const int after = t.live() - t.before(close + 1);
      // Too short to hold a copy, the rest of the text leaves the form the
      // only one: its argument takes its place.
      if (after < form) {
        // A new "CONST" can start at most four bytes before the form.
        from = t.back_from(word[0], 4);
        if (from == word[0]) from = -1;
        for (int b : word) t.erase(b);
        t.erase(open);
        t.erase(close);
        if (from < 0) from = t.head();
        continue;
      }
    }
    line.text = t.text();
    step(line, static_cast<size_t>(t.before(word[0])));
    t = LiveText(line.text);
    from = t.head();
  }
  if (t.live() == 0) {
    line.text = kEmptyLine;
    return;
  }
  line.text = t.text();
}

}  // namespace korvex
