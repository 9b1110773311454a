// The swap-name automaton: a trie of the names with the failure transitions
// folded into one complete transition table, over an alphabet reduced to the
// bytes that occur in some name (every other byte leads back to the start).
#include "swaps/name_matcher.h"

#include <algorithm>
#include <cstring>

namespace korvex {
namespace {

// Largest transition table built, in entries; beyond it the fallback serves.
constexpr size_t kMaxTable = size_t{1} << 23;

}  // namespace

void set_name_matcher(NameMatcher& m, const std::vector<std::string>& names) {
  m = NameMatcher();
  m.seen.assign(names.size(), 0);
  // The capitals of each name: a text holds a name only when it holds all
  // of that name's. A few tables of letters are tested one by one; for
  // more, a text must hold the lowest capital of some name.
  m.capitals_needed = 0;
  m.name_capitals.clear();
  for (const std::string& name : names) {
    if (name.empty()) continue;
    const uint32_t caps = capitals_of(name);
    if (caps == 0) {
      m.capitals_needed = ~0u;
      m.name_capitals.clear();
      break;
    }
    m.capitals_needed |= caps & (~caps + 1);
    if (m.name_capitals.size() <= NameMatcher::kFewCapitals &&
        std::find(m.name_capitals.begin(), m.name_capitals.end(), caps) == m.name_capitals.end())
      m.name_capitals.push_back(caps);
  }
  if (m.name_capitals.size() > NameMatcher::kFewCapitals) m.name_capitals.clear();
  size_t total = 1;
  for (size_t i = 0; i < names.size(); ++i) {
    if (names[i].empty()) continue;
    total += names[i].size();
    for (unsigned char c : names[i])
      if (m.symbol_of[c] == 0) m.symbol_of[c] = static_cast<unsigned short>(++m.symbols);
  }
  ++m.symbols;  // symbol 0
  const size_t A = static_cast<size_t>(m.symbols);
  if (total * (A + 1) > kMaxTable) {
    for (size_t i = 0; i < names.size(); ++i) m.index.set(static_cast<int>(i), names[i]);
    return;
  }

  // The trie, states numbered in creation order, root 0.
  std::vector<int> next(total * A, -1);
  m.ends.assign(total, {});
  int states = 1;
  for (size_t i = 0; i < names.size(); ++i) {
    if (names[i].empty()) continue;
    int s = 0;
    for (unsigned char c : names[i]) {
      int& t = next[s * A + m.symbol_of[c]];
      if (t < 0) t = states++;
      s = t;
    }
    m.ends[s].push_back(static_cast<int>(i));
  }
  m.ends.resize(states);
  m.out_link.assign(states, -1);

  // Breadth first, so that a state's failure state is complete before it.
  std::vector<int> fail(states, 0);
  std::vector<int> queue;
  queue.reserve(states);
  for (size_t a = 0; a < A; ++a) {
    if (next[a] < 0)
      next[a] = 0;
    else
      queue.push_back(next[a]);
  }
  for (size_t q = 0; q < queue.size(); ++q) {
    const int u = queue[q];
    for (size_t a = 0; a < A; ++a) {
      int& v = next[u * A + a];
      const int via_fail = next[fail[u] * A + a];
      if (v < 0) {
        v = via_fail;
      } else {
        fail[v] = via_fail;
        m.out_link[v] = m.ends[via_fail].empty() ? m.out_link[via_fail] : via_fail;
        queue.push_back(v);
      }
    }
  }

  const size_t R = A + 1;
  m.rows.resize(states * R);
  for (size_t s = 0; s < static_cast<size_t>(states); ++s) {
    m.rows[s * R] = m.ends[s].empty() ? m.out_link[s] : static_cast<int>(s);
    for (size_t a = 0; a < A; ++a) m.rows[s * R + 1 + a] = next[s * A + a] * static_cast<int>(R);
  }
  for (int c = 0; c < 256; ++c) {
    if (m.rows[1 + m.symbol_of[c]] == 0) continue;
    m.starts[c] = true;
    m.start_byte = static_cast<unsigned char>(c);
    ++m.start_bytes;
  }
  m.built = true;
}

namespace {

// The first byte from p on that starts a name, or end.
const char* next_start(const NameMatcher& m, const char* p, const char* end) {
  if (m.start_bytes == 1) {
    p = static_cast<const char*>(std::memchr(p, m.start_byte, static_cast<size_t>(end - p)));
    return p == nullptr ? end : p;
  }
  while (p != end && !m.starts[static_cast<unsigned char>(*p)]) ++p;
  return p;
}

}  // namespace

bool may_hold_name_with_capitals(const NameMatcher& m, const LineText& text) {
  if (!m.name_capitals.empty()) {
    const uint32_t caps = text.capitals();
    if (std::none_of(m.name_capitals.begin(), m.name_capitals.end(),
                     [caps](uint32_t need) { return (need & ~caps) == 0; }))
      return false;
  } else if (m.capitals_needed != ~0u && (text.capitals() & m.capitals_needed) == 0) {
    return false;
  }
  return may_hold_name(m, text.view());
}

bool may_hold_name(const NameMatcher& m, std::string_view text) {
  if (!m.built) return true;
  if (m.start_bytes == 0) return false;
  const char* const end = text.data() + text.size();
  return next_start(m, text.data(), end) != end;
}

void get_matched_names(const NameMatcher& m, std::string_view text, std::vector<int>& found) {
  found.clear();
  if (!m.built) {
    m.index.find_in(text, found);
    return;
  }
  if (m.start_bytes == 0) return;  // no names: nothing can occur
  const int* rows = m.rows.data();
  const char* p = text.data();
  const char* const end = p + text.size();
  int row = 0;
  while (p != end) {
    if (row == 0) {
      // At the start state only a name's first byte leads anywhere.
      p = next_start(m, p, end);
      if (p == end) break;
    }
    const unsigned char c = static_cast<unsigned char>(*p++);
    row = rows[row + 1 + m.symbol_of[c]];
    for (int t = rows[row]; t >= 0; t = m.out_link[t]) {
      for (int e : m.ends[t]) {
        if (m.seen[e]) continue;
        m.seen[e] = 1;
        found.push_back(e);
      }
    }
  }
  for (int e : found) m.seen[e] = 0;
  std::sort(found.begin(), found.end());
}

}  // namespace korvex
