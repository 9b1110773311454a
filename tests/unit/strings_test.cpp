// The text utilities whose edge behaviour the passes rely on.
#include "text/strings.h"

#include <algorithm>

#include "test_support.h"

namespace korvex {
namespace {

struct ReplaceCase {
  std::string s, from, to;
  int n;
  std::string want;
};

TEST(FindAndReplace, ResumesAfterTheInsertedText) {
  const ReplaceCase cases[] = {
      {"aaa", "a", "aa", 0, "aaaaaa"},         // the replacement is never searched again
      {"a.b.c", ".", "-", 2, "a.b-c"},         // only the n-th occurrence
      {"x\r\r", "\r", "", 0, "x\r"},           // empty `to` skips the next character
      {"abab", "ab", "", 0, "ab"},             // of two adjacent occurrences one goes
      {"aaaa", "aa", "b", 2, "aba"},           // unreplaced occurrences resume by |to|
      {"WWW", "W", "8", 0, "888"},
      {"none", "x", "y", 0, "none"},
      {"CONST(W) W", "CONST(W", "TMP", 0, "TMP) W"},
  };
  for (const ReplaceCase& c : cases) {
    std::string s = c.s;
    find_and_replace(s, c.from, c.to, c.n);
    EXPECT_EQ(s, c.want) << c.s << " / " << c.from << " -> " << c.to << " n=" << c.n;
  }
}

// Replacing every occurrence works in the text's own storage when the
// replacement is no longer, or when a few occurrences grow a text that its
// storage can still hold, and copies back into it otherwise when that can
// hold the result; all must give what building a new text gives.
TEST(FindAndReplace, InPlaceMatchesBuildingANewText) {
  auto rebuilt = [](const std::string& s, const std::string& from, const std::string& to) {
    std::string out;
    size_t last = 0, pos = s.find(from);
    while (pos != std::string::npos) {
      out += s.substr(last, pos - last) + to;
      last = pos + from.size();
      const size_t next = last + (to.empty() ? 1 : 0);
      if (next > s.size()) break;
      pos = s.find(from, next);
    }
    return out + s.substr(last);
  };
  const std::string texts[] = {"AB",
                               "xABABy",
                               "ABAB_AB_a_longer_text_on_the_heap_ABx",
                               "AAAAAAA",
                               std::string("A\0BA", 4),
                               "BA",
                               std::string(40, 'A'),  // more occurrences than grow in place
                               std::string(16, 'A') + std::string(60, 'x')};
  const std::string froms[] = {"AB", "A", "AA", "BA"};
  const std::string tos[] = {"", "z", "zz", "zzz", "a_much_longer_replacement_text_"};
  for (const std::string& t : texts)
    for (const std::string& f : froms)
      for (const std::string& to : tos) {
        std::string s = t;
        s.reserve(s.size() + 16);  // room to grow in place
        find_and_replace(s, f, to, 0);
        EXPECT_EQ(s, rebuilt(t, f, to)) << t << " / " << f << " -> " << to;
      }
}

TEST(Capitals, OnlyKeywordsWhoseCapitalsAllOccurAreLookedFor) {
  EXPECT_EQ(capitals_of("no capitals here"), 0u);
  EXPECT_EQ(capitals_of("8'hFF AZ"), (1u << 5) | 1u | (1u << 25));
  EXPECT_FALSE(may_hold(capitals_of("ELSE x"), "IFDEF"));
  EXPECT_FALSE(may_hold(capitals_of("ELSE x"), "ENDIF"));  // N, D, I, F missing
  EXPECT_TRUE(may_hold(capitals_of("ELSE x"), "ELSE "));
  EXPECT_TRUE(may_hold(capitals_of("x = SEL"), "ELSE"));  // the letters, in any order
  EXPECT_TRUE(may_hold(0, " is"));  // not a capital: always looked for
  EXPECT_EQ(count_string("  a \t b\n c  "), 3);
  EXPECT_EQ(count_string(""), 0);
}

// Every set of the letters the paren keywords hold, and of others with them.
TEST(Capitals, ParenKeywordsAllowedAreThoseWhoseCapitalsAllOccur) {
  uint32_t letters = 0;
  for (const Keyword& kw : paren_keywords) letters |= kw.capitals;
  std::vector<int> bits;
  for (int b = 0; b < 26; ++b)
    if ((letters >> b) & 1) bits.push_back(b);
  for (uint32_t subset = 0; subset < (1u << bits.size()); ++subset) {
    uint32_t caps = 0;
    for (size_t k = 0; k < bits.size(); ++k)
      if ((subset >> k) & 1) caps |= 1u << bits[k];
    for (const uint32_t with : {0u, ~letters & ((1u << 26) - 1)}) {
      if (with != 0 && subset % 16 != 0) continue;
      uint32_t want = 0;
      for (size_t i = 0; i < std::size(paren_keywords); ++i)
        if (may_hold(caps | with, paren_keywords[i])) want |= 1u << i;
      ASSERT_EQ(paren_keywords_allowed(caps | with), want) << caps;
    }
  }
}

// The capitals are found eight bytes at a time: every length, words with
// few and with many capitals, every place of a capital in a word, the bytes
// next to 'A' and 'Z' and bytes above 127.
TEST(Capitals, WordAtATimeAgreesWithByteByByte) {
  const char kBytes[] = {'a', '@', 'A', 'B', 'M', 'Y',    'Z',    '[',
                         '`', ' ', ' ', ' ', '\xc1', '\xda', '\x80', '\xff'};
  uint32_t seed = 1;
  for (int round = 0; round < 4000; ++round) {
    std::string s(static_cast<size_t>(round % 41), 'x');
    for (char& c : s) {
      seed = seed * 1103515245u + 12345u;
      c = kBytes[(seed >> 16) % sizeof(kBytes)];
    }
    uint32_t want = 0;
    for (char c : s)
      if (c >= 'A' && c <= 'Z') want |= 1u << (c - 'A');
    EXPECT_EQ(capitals_of(s), want) << s;
    EXPECT_EQ(has_capital(s), want != 0) << s;
  }
}

TEST(Plain, PieceAtATimeAgreesWithByteByByte) {
  // The stopping bytes, their neighbours in value, and ";" alone and in
  // pairs at every place against the word boundaries.
  const char kBytes[] = {'a', ';', ';', ';', 'A', 'Z', '@', '[', '\r', '\\',
                         '\t', '#', ' ', '\x0c', '\x8d', '\xdc', '\xbb', '\xa3'};
  auto plain = [](std::string_view s, bool raw) {
    for (size_t i = 0; i < s.size(); ++i) {
      const char c = s[i];
      if ((c >= 'A' && c <= 'Z') || c == '\r' || c == '\\') return false;
      if (raw && (c == '\t' || c == '#')) return false;
      if (c == ';' && i + 1 < s.size() && s[i + 1] == ';') return false;
    }
    return true;
  };
  uint32_t seed = 7;
  for (int round = 0; round < 20000; ++round) {
    // Lengths across the eight- and sixteen-byte pieces and several of each.
    std::string s(static_cast<size_t>(round % 53), 'x');
    // Mostly plain bytes, so that a text reaches its last pieces.
    for (char& c : s) {
      seed = seed * 1103515245u + 12345u;
      const uint32_t r = seed >> 16;
      if (r % 6 == 0) c = kBytes[(r / 6) % sizeof(kBytes)];
    }
    for (bool raw : {false, true}) EXPECT_EQ(is_plain(s, raw), plain(s, raw)) << raw << " " << s;
  }
  // One stopping byte or one ";;" at every place of a longer text.
  for (size_t n = 1; n <= 50; ++n)
    for (size_t at = 0; at < n; ++at) {
      std::string one(n, 'x');
      one[at] = 'Q';
      EXPECT_FALSE(is_plain(one)) << n << " " << at;
      if (at + 1 == n) continue;
      std::string pair(n, ';');
      for (size_t i = 0; i < n; ++i)
        if (i % 2 == 1 && i != at + 1) pair[i] = 'x';
      pair[at] = pair[at + 1] = ';';
      EXPECT_EQ(is_plain(pair), plain(pair, false)) << n << " " << pair;
    }
}

TEST(Newlines, PieceAtATimeFindAndCountAsAByteSearchDoes) {
  // Every place of the first newline in texts across one and several
  // sixteen-byte pieces, bytes of every value before it (a byte one above
  // or below '\n' included), and none at all.
  for (size_t n = 0; n <= 50; ++n)
    for (size_t at = 0; at <= n; ++at) {
      std::string t(n, '\x0b');
      for (size_t i = 0; i < n; ++i) t[i] = static_cast<char>(i % 3 == 0 ? '\t' : 0x80 + i);
      if (at < n) t[at] = '\n';
      if (at + 3 < n) t[at + 3] = '\n';
      const char* begin = t.data();
      const char* end = begin + n;
      EXPECT_EQ(find_newline(begin, end), std::find(begin, end, '\n')) << n << " " << at;
      EXPECT_EQ(count_newlines(begin, end), static_cast<size_t>(std::count(begin, end, '\n')))
          << n << " " << at;
    }
  // A count whose lanes are summed before they overflow: every byte a
  // newline, past 255 pieces and the pieces of a second round.
  for (size_t n : {size_t{255 * 16 - 1}, size_t{255 * 16}, size_t{255 * 16 + 17}, size_t{9000}}) {
    const std::string t(n, '\n');
    EXPECT_EQ(count_newlines(t.data(), t.data() + n), n);
  }
}

TEST(Splitting, MissingSeparatorLeavesAfterEmpty) {
  std::string before = "old", after = "old";
  splitstring("abc", "x", before, after);
  EXPECT_EQ(before, "abc");
  EXPECT_EQ(after, "");
  splitstring("a=b=c", "=", before, after);
  EXPECT_EQ(before, "a");
  EXPECT_EQ(after, "b=c");

  std::string w1 = "1", w2 = "2", w3 = "3";
  first_three_words("CREATE sub.v", w1, w2, w3);
  EXPECT_EQ(w1, "CREATE");
  EXPECT_EQ(w2, "sub.v");
  EXPECT_EQ(w3, "");
  w1 = "1", w2 = "2", w3 = "3";
  first_three_words("one", w1, w2, w3);
  EXPECT_EQ(w2, "");
  EXPECT_EQ(w3, "3");  // only the first missing word is cleared

  EXPECT_EQ(get_split("SWAP A B", 2), "B");
  EXPECT_EQ(get_split("SWAP A", 2), "");
  EXPECT_EQ(get_split(" a\tb ", 1), "b");
  EXPECT_EQ(get_first_word("   ab cd"), "ab");
  EXPECT_EQ(extract_string("LOOP   i  0 3", "LOOP ", " "), "i");
  EXPECT_EQ(extract_string("x", "LOOP ", " "), "");
  EXPECT_EQ(extract_string("LOOP i", "LOOP ", " "), "i");
}

TEST(Blanks, RemovingAndShrinking) {
  std::string s = "EXPR   (1+2) HEX x";
  remove_spaces(s, "EXPR");
  remove_spaces(s, "HEX");
  EXPECT_EQ(s, "EXPR(1+2) HEXx");
  s = " a  b ";
  remove_spaces(s, "");
  EXPECT_EQ(s, "ab");
  s = "  a   b  ";
  shrink_spaces(s);
  EXPECT_EQ(s, " a b ");
  s = "\tx";
  replace_tabs(s);
  EXPECT_EQ(s, "    x");

  s = "   ";
  EXPECT_EQ(remove_leading_spaces(s), 0);
  EXPECT_EQ(s, "   ");
  s = "  ab";
  EXPECT_EQ(remove_leading_spaces(s), 2);
  EXPECT_EQ(s, "ab");
  s = "ab \t  ";
  remove_last_spaces(s);
  EXPECT_EQ(s, "ab \t");
  s = "a,";
  EXPECT_TRUE(remove_last_str(s, ",;"));
  EXPECT_EQ(s, "a");
  s = "";
  EXPECT_FALSE(remove_last_str(s, ","));
}

TEST(Tests, NumbersLettersAndCounts) {
  EXPECT_TRUE(is_number(""));
  EXPECT_TRUE(is_number("0123"));
  EXPECT_FALSE(is_number("-1"));
  EXPECT_TRUE(is_neg_number("-"));
  EXPECT_TRUE(is_neg_number("-12"));
  EXPECT_FALSE(is_neg_number("5"));
  EXPECT_FALSE(is_neg_number(""));
  EXPECT_TRUE(check_alpha("1+a"));
  EXPECT_TRUE(check_alpha("a+1"));
  EXPECT_FALSE(check_alpha("EXPR(1)"));
  EXPECT_FALSE(check_alpha(""));
  EXPECT_TRUE(korvex::either_contains("abc", "b"));
  EXPECT_TRUE(korvex::either_contains("b", "abc"));
  EXPECT_FALSE(korvex::either_contains("ab", "ba"));
  EXPECT_TRUE(match("INCLUDE_DIR = 1", "INCLUDE"));
  EXPECT_EQ(count_substr("a,b,,c", ","), 3);
  EXPECT_EQ(count_substr("a,b", ";"), 0);
  EXPECT_EQ(count_string(" a b\tc "), 3);
  EXPECT_EQ(convert_int(-3), "");
  EXPECT_EQ(convert_int(0), "0");
  EXPECT_EQ(convert_int(5000), "5000");
  EXPECT_EQ(StringToUpper("Data_Bus1"), "DATA_BUS1");
  EXPECT_EQ(StringToLower("ABC"), "abc");
}

}  // namespace
}  // namespace korvex
