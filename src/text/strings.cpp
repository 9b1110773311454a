// Text utilities used by every pass.
#include "text/strings.h"

#include <array>
#include <bit>
#include <cstring>

namespace korvex {

bool either_contains(std::string_view a, std::string_view b) { return match(a, b) || match(b, a); }

bool is_number(std::string_view s) {
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

bool is_neg_number(std::string_view s) {
  if (s.empty() || s[0] != '-') return false;
  return is_number(s.substr(1));
}

bool check_alpha(std::string s) {
  find_and_replace(s, "EXPR", "", 0);
  for (char c : s)
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) return true;
  return false;
}

int count_substr(std::string s, const std::string& p) {
  if (p.empty()) return 0;
  find_and_replace(s, p, " " + p + " ", 0);
  int n = 0;
  for (const std::string& w : words_of(s))
    if (match(w, p)) ++n;
  return n;
}

int count_string(std::string_view s) {
  // The words as words_of() finds them, counted without building them: a
  // word starts at each byte that is not a blank after one that is.
  static constexpr std::array<unsigned char, 256> kBlank = [] {
    std::array<unsigned char, 256> t{};
    for (int c = 0; c < 256; ++c) t[static_cast<size_t>(c)] = is_space(static_cast<char>(c)) ? 1 : 0;
    return t;
  }();
  unsigned words = 0;
  unsigned after_blank = 1;
  for (const char c : s) {
    const unsigned blank = kBlank[static_cast<unsigned char>(c)];
    words += after_blank & (blank ^ 1);
    after_blank = blank;
  }
  return static_cast<int>(words);
}

void splitstring(std::string_view s, std::string_view sep, std::string& before,
                 std::string& after) {
  const size_t pos = s.find(sep);
  if (pos == std::string::npos) {
    before = s;
    after.clear();
    return;
  }
  // `s` may be a part of `before` or `after`.
  std::string rest(s.substr(pos + sep.size()));
  before = s.substr(0, pos);
  after = std::move(rest);
}

void first_three_words(std::string_view s, std::string& w1, std::string& w2, std::string& w3) {
  const std::vector<std::string> w = words_of(s);
  std::string* out[3] = {&w1, &w2, &w3};
  for (size_t i = 0; i < 3; ++i) {
    if (i < w.size()) {
      *out[i] = w[i];
    } else {
      // The first missing word is cleared; the ones after it keep their value.
      out[i]->clear();
      break;
    }
  }
}

std::vector<std::string> words_of(std::string_view s) {
  std::vector<std::string> words;
  size_t i = 0;
  const size_t n = s.size();
  while (i < n) {
    while (i < n && is_space(s[i])) ++i;
    if (i == n) break;
    const size_t start = i;
    while (i < n && !is_space(s[i])) ++i;
    words.emplace_back(s.substr(start, i - start));
  }
  return words;
}

int breakstring(std::string_view s, std::vector<std::string>& words) {
  words = words_of(s);
  return static_cast<int>(words.size());
}

std::string_view split_view(std::string_view s, int n) {
  if (n < 0) return {};
  size_t i = 0;
  const size_t len = s.size();
  int k = 0;
  while (i < len) {
    while (i < len && is_space(s[i])) ++i;
    if (i == len) break;
    const size_t start = i;
    while (i < len && !is_space(s[i])) ++i;
    if (k == n) return s.substr(start, i - start);
    ++k;
  }
  return {};
}

std::string get_split(std::string_view s, int n) { return std::string(split_view(s, n)); }

std::string get_first_word(std::string s) {
  size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  s.erase(0, i);
  const size_t b = s.find(' ');
  return b == std::string::npos ? s : s.substr(0, b);
}

namespace {

std::string extract_from(std::string_view s, std::string_view a, std::string_view b) {
  const size_t pa = s.find(a);
  if (pa == std::string::npos) return "";
  const size_t from = pa + a.size();
  const size_t pb = s.find(b, from);
  if (pb == std::string::npos) return std::string(s.substr(from));
  return std::string(s.substr(from, pb - from));
}

}  // namespace

std::string extract_string(std::string_view s, std::string_view a, std::string_view b) {
  // Runs of blanks count as one; a text without any is taken as it is.
  if (s.find("  ") == std::string::npos) return extract_from(s, a, b);
  std::string shrunk(s);
  shrink_spaces(shrunk);
  return extract_from(shrunk, a, b);
}

void find_and_replace(std::string& s, const std::string& from, const std::string& to, int n) {
  if (from.empty()) return;
  size_t pos = s.find(from);
  if (pos == std::string::npos) return;
  // The search resumes at the occurrence's position plus the length of `to`
  // (plus 1 when `to` is empty), whether or not the occurrence was replaced.
  const size_t step = to.empty() ? 1 : to.size();
  // Work in the text's own storage only when `to` and `from` are not the text.
  const bool apart = &to != &s && &from != &s;
  if (n == 0 && to.size() <= from.size() && apart) {
    // Every occurrence, by a text no longer than it: the result is built in
    // place, its end never passing the part still to be searched.
    char* d = s.data();
    size_t w = pos, last = pos;
    while (pos != std::string::npos) {
      if (w != last) std::memmove(d + w, d + last, pos - last);
      w += pos - last;
      if (!to.empty()) std::memcpy(d + w, to.data(), to.size());
      w += to.size();
      last = pos + from.size();
      const size_t next = last + (to.empty() ? 1 : 0);
      if (next > s.size()) break;
      pos = s.find(from, next);
    }
    if (w != last) std::memmove(d + w, d + last, s.size() - last);
    w += s.size() - last;
    s.resize(w);
    return;
  }
  if (n == 0 && apart) {
    // Every occurrence, by a longer text: when they are few and the text's
    // storage can hold the result, it grows in place, each piece moved once
    // from the back. The search runs on over the original text.
    constexpr size_t kFew = 16;
    size_t at[kFew];
    size_t count = 0;
    bool more = false;
    for (size_t p = pos; p != std::string::npos; p = s.find(from, p + from.size())) {
      if (count == kFew) {
        more = true;
        break;
      }
      at[count++] = p;
    }
    const size_t delta = to.size() - from.size();
    const size_t old = s.size();
    if (!more && old + count * delta <= s.capacity()) {
      s.resize(old + count * delta);
      char* d = s.data();
      size_t end = old;  // the piece after occurrence j ends here
      for (size_t j = count; j-- > 0;) {
        const size_t piece = at[j] + from.size();
        std::memmove(d + piece + (j + 1) * delta, d + piece, end - piece);
        std::memcpy(d + at[j] + j * delta, to.data(), to.size());
        end = at[j];
      }
      return;
    }
  }
  if (n == 0) {
    // Every occurrence is replaced, so the resume point is always just past
    // the inserted text: the search runs on over the original text. The
    // result is built in a buffer kept between calls and copied back.
    static std::string out;
    out.clear();
    out.reserve(s.size());
    size_t last = 0;
    while (pos != std::string::npos) {
      out.append(s, last, pos - last);
      out += to;
      last = pos + from.size();
      const size_t next = last + (to.empty() ? 1 : 0);
      if (next > s.size()) break;
      pos = s.find(from, next);
    }
    out.append(s, last, std::string::npos);
    s.assign(out);
    return;
  }
  // Only the n-th occurrence is replaced; nothing changes before it.
  int count = 0;
  while (pos != std::string::npos) {
    if (++count == n) {
      s.replace(pos, from.size(), to);
      return;
    }
    const size_t next = pos + step;
    if (next > s.size()) return;
    pos = s.find(from, next);
  }
}

void find_and_replace(LineText& s, const std::string& from, const std::string& to, int n) {
  if (from.empty() || s.find(from) == LineText::npos) return;
  s.edit([&](std::string& text) { find_and_replace(text, from, to, n); });
}

std::string remove_spaces(std::string& s, const std::string& kw) {
  const std::string pat = kw + " ";
  while (match(s, pat)) find_and_replace(s, pat, kw, 0);
  return s;
}

void shrink_spaces(std::string& s) {
  std::string out;
  out.reserve(s.size());
  for (char c : s) {
    if (c == ' ' && !out.empty() && out.back() == ' ') continue;
    out += c;
  }
  s.swap(out);
}

void replace_tabs(std::string& s) {
  if (s.find('\t') == std::string::npos) return;
  std::string out;
  out.reserve(s.size() + 16);
  for (char c : s) {
    if (c == '\t')
      out += "    ";
    else
      out += c;
  }
  s.swap(out);
}

size_t indent_of(std::string_view s) {
  size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  return i == s.size() ? 0 : i;  // empty or blanks only: no indentation
}

int remove_leading_spaces(std::string& s) {
  const size_t i = indent_of(s);
  s.erase(0, i);
  return static_cast<int>(i);
}

void remove_last_spaces(std::string& s) {
  size_t e = s.size();
  while (e > 0 && s[e - 1] == ' ') --e;
  s.resize(e);
}

bool remove_last_str(std::string& s, const std::string& chars) {
  if (s.empty() || chars.find(s.back()) == std::string::npos) return false;
  s.pop_back();
  return true;
}

std::string convert_int(int n) {
  if (n < 0) return "";
  return std::to_string(n);
}

std::string StringToLower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

std::string StringToUpper(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

namespace {

// Whether the 17 bytes at p hold a byte that ends the test among the first
// 16 (`with_last`: all 17), or a ";;" starting among the first 16.
bool stops16(const char* p, bool raw, bool with_last) {
  const Bytes16 v = bytes16_at(p);
  const Bytes16 next = bytes16_at(p + 1);
  auto stop = [raw](Bytes16 x) {
    Bytes16 hit = reinterpret_cast<Bytes16>(x - lanes_of('A') < lanes_of(26)) |
                  lanes_equal(x, '\r') | lanes_equal(x, '\\');
    if (raw) hit |= lanes_equal(x, '\t') | lanes_equal(x, '#');
    return hit;
  };
  Bytes16 hit = stop(v) | (lanes_equal(v, ';') & lanes_equal(next, ';'));
  if (with_last) hit |= stop(next);
  return any_lane(hit);
}

}  // namespace

// Sixteen or eight bytes at a time: a plain line is read once, in pieces.
bool is_plain(std::string_view s, bool raw) {
  const char* p = s.data();
  const size_t n = s.size();
  if (n >= 17) {
    size_t i = 0;
    for (; i + 17 <= n; i += 16)
      if (stops16(p + i, raw, false)) return false;
    // The last 17 bytes, overlapping the pieces before.
    return i == n || !stops16(p + n - 17, raw, true);
  }
  // Lanes that end the test, and whether a ';' closed the word before.
  auto stops = [raw](uint64_t x) {
    uint64_t stop = capital_lanes(x) | word_lanes_equal(x, '\r') | word_lanes_equal(x, '\\');
    if (raw) stop |= word_lanes_equal(x, '\t') | word_lanes_equal(x, '#');
    return stop;
  };
  if (n < 8) {
    for (size_t i = 0; i < n; ++i) {
      const char c = p[i];
      if ((c >= 'A' && c <= 'Z') || c == '\r' || c == '\\' || (raw && (c == '\t' || c == '#')))
        return false;
      if (c == ';' && i + 1 < n && p[i + 1] == ';') return false;
    }
    return true;
  }
  uint64_t semi_before = 0;  // the high lane of the last word held a ';'
  size_t i = 0;
  for (; i + 8 <= n; i += 8) {
    const uint64_t x = word_at(p + i);
    if (stops(x) != 0) return false;
    const uint64_t semis = word_lanes_equal(x, ';');
    if constexpr (std::endian::native == std::endian::little) {
      // Lane k is byte k: a pair is a lane and the next one up.
      if ((semis & (semis >> 8)) != 0 || (semi_before & semis & 0x80) != 0) return false;
      semi_before = semis >> 56;
    } else {
      if ((semis & (semis << 8)) != 0 || (semi_before & (semis >> 56)) != 0) return false;
      semi_before = semis & 0x80;
    }
  }
  if (i == n) return true;
  // The last eight bytes, overlapping the words before: a pair across the
  // last word's end lies inside them.
  const uint64_t x = word_at(p + n - 8);
  if (stops(x) != 0) return false;
  const uint64_t semis = word_lanes_equal(x, ';');
  if constexpr (std::endian::native == std::endian::little)
    return (semis & (semis >> 8)) == 0;
  else
    return (semis & (semis << 8)) == 0;
}

}  // namespace korvex
