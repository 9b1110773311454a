// The indexes behind large tables give the answers of the plain rules they
// replace: which names occur in a text, which texts hold a name, the swap
// cross-substitution, substitution with a table too large for the swap-name
// automaton, the define and loop lookups, and CONST removal and case
// conversion in long lines. Each is checked against the plain rule, written
// out here, on tricky cases (names that are substrings of each other, equal names, names inside
// values, CONST, SWAP.CMD, BUILD_NUM and VERSION) and on random tables
// drawn from a few overlapping pieces; CONST, UCASE and LCASE forms in long
// lines likewise, on deep chains and random nestings.
#include <algorithm>
#include <functional>
#include <random>
#include <utility>

#include "base/errors.h"
#include "defines/define_table.h"
#include "expr/form_unwrap.h"
#include "expr/inline_funcs.h"
#include "loops/loop_table.h"
#include "swaps/swap_table.h"
#include "test_support.h"
#include "text/paren.h"
#include "text/pattern_index.h"
#include "text/strings.h"
#include "text/substring_index.h"

namespace korvex {
namespace {

using testing::lines_of;

class TableIndexTest : public testing::KorvexTest {};

// Words made of pieces that overlap and hold each other; the long ones
// meet and cross the 8-byte steps of the pattern index.
std::string word(std::mt19937& r, int most = 3, bool long_pieces = false) {
  static const char* kPieces[] = {"A", "AB", "W", "WW", "DATA_W", "X1", "X12", "BUILD_NUM",
                                  "VERSION", "_", "NU", "LL", "C", "REG_0001_ADDR", "0"};
  static const char* kLong[] = {"ABCDEFGH", "ABCDEFG", "ABCDEFGHI", "HABCDEFG", "0123456789ABCDEF",
                                "BLK1_REG", "BLK1_REG1", "_ADDR", "AB", "H"};
  std::string w;
  const int n = 1 + static_cast<int>(r() % static_cast<unsigned>(most));
  for (int i = 0; i < n; ++i)
    w += long_pieces ? kLong[r() % std::size(kLong)] : kPieces[r() % std::size(kPieces)];
  return w;
}

TEST_F(TableIndexTest, PatternAndSubstringIndexesAgreeWithSearching) {
  std::mt19937 r(1);
  for (int round = 0; round < 80; ++round) {
    const bool long_pieces = round >= 40;
    std::vector<std::string> patterns(30);
    PatternIndex patterns_in;
    SubstringIndex holding;
    for (size_t id = 0; id < patterns.size(); ++id) {
      patterns[id] = word(r, 3, long_pieces);
      patterns_in.set(static_cast<int>(id), patterns[id]);
      holding.set(static_cast<int>(id), patterns[id]);
    }
    for (int change = 0; change < 20; ++change) {
      // Patterns change, and some go away, as swap names do.
      const size_t id = r() % patterns.size();
      patterns[id] = change % 5 == 0 ? "" : word(r, 3, long_pieces);
      patterns_in.set(static_cast<int>(id), patterns[id]);
      holding.set(static_cast<int>(id), patterns[id]);
      const std::string text = word(r, 6, long_pieces);
      std::vector<int> in, held, want_in, want_held;
      for (size_t k = 0; k < patterns.size(); ++k) {
        if (!patterns[k].empty() && match(text, patterns[k])) want_in.push_back(static_cast<int>(k));
        if (match(patterns[k], text)) want_held.push_back(static_cast<int>(k));
      }
      patterns_in.find_in(text, in);
      holding.find_containing(
          text, [&](int k) -> const std::string& { return patterns[static_cast<size_t>(k)]; }, held);
      EXPECT_EQ(in, want_in) << text;
      EXPECT_EQ(held, want_held) << text;
    }
  }
}

// Patterns around the pattern index's 8-byte chunks: prefixes and
// extensions of each other (7, 8, 9, 15, 16, 17 bytes, one first chunk
// shared by ends of every length), occurrences that overlap or end with the
// text, equal patterns under two ids, and texts shorter than a chunk.
TEST_F(TableIndexTest, PatternIndexFindsPatternsAroundItsChunks) {
  const std::string abc = "ABCDEFGHIJKLMNOPQ";
  struct Case {
    std::vector<std::string> patterns;
    std::vector<std::string> texts;
  };
  std::vector<std::string> prefixes, shared_chunk;
  for (size_t len : {1, 2, 7, 8, 9, 15, 16, 17}) prefixes.push_back(abc.substr(0, len));
  for (size_t len = 8; len <= 16; ++len) shared_chunk.push_back("PREFIX__" + abc.substr(0, len - 8));
  const std::vector<Case> cases = {
      {{}, {"", "A", "ABCDEFGHIJ"}},
      {prefixes, {"", "ABCDEFG", "ABCDEFGH", "xABCDEFGHIJKLMNO", "ABCDEFGHIJKLMNOP", abc, abc + abc,
                  "BCDEFGHIJKLMNOPQ", "ABCDEFGHABCDEFGH"}},
      {shared_chunk, {"PREFIX__", "PREFIX__ABC", "xPREFIX__ABCDEFG", "PREFIX__ABCDEFGH",
                      "PREFIX_PREFIX__ABCDEFGHI", "PREFIX__ABCD PREFIX__ABCDEF"}},
      // Overlapping occurrences, a pattern inside another, equal patterns.
      {{"AAAAAAAAA", "AAAA", "ABABABABAB", "BCDEFGHI", "BCDEFGHI", "HIJ"},
       {"AAAAAAAA", "AAAAAAAAAAAAAAAA", "ABABABABABAB", "ABABABABA", "ABCDEFGHIJ", "HI"}},
  };
  for (const Case& c : cases) {
    PatternIndex index;
    for (size_t id = 0; id < c.patterns.size(); ++id) index.set(static_cast<int>(id), c.patterns[id]);
    for (const std::string& text : c.texts) {
      std::vector<int> got, want;
      for (size_t id = 0; id < c.patterns.size(); ++id)
        if (match(text, c.patterns[id])) want.push_back(static_cast<int>(id));
      index.find_in(text, got);
      EXPECT_EQ(got, want) << text;
    }
  }
}

// A pattern set again drops its old text (long, short, taken away and
// back), also once the old texts are most of the index's bytes, and every
// pattern is still found after the index has grown its tables many times.
TEST_F(TableIndexTest, PatternIndexForgetsOldTextsAndSurvivesGrowth) {
  PatternIndex index;
  std::vector<std::string> patterns;
  for (int k = 0; k < 6000; ++k) {
    patterns.push_back("REG_" + std::to_string(k) + "_ADDR");
    index.set(k, patterns.back());
  }
  std::string big;
  for (int k = 0; big.size() < 100000; ++k) big += std::to_string(k) + ",";
  for (int round = 0; round < 64; ++round) {
    // Id 0 goes through texts of every kind; each big one leaves 100 kB unused.
    const std::string texts[] = {big + std::to_string(round), "REG_1_ADDR_OF", "Q", ""};
    patterns[0] = texts[round % 4];
    index.set(0, patterns[0]);
    std::vector<std::string> searched = {"REG_1_ADDR_OF REG_5999_ADDR REG_0_ADDR Q", "REG_4_ADD"};
    if (round % 16 == 0) searched.push_back(patterns[0] + "REG_7_ADDR");
    for (const std::string& text : searched) {
      std::vector<int> got, want;
      for (size_t id = 0; id < patterns.size(); ++id)
        if (!patterns[id].empty() && match(text, patterns[id])) want.push_back(static_cast<int>(id));
      index.find_in(text, got);
      EXPECT_EQ(got, want) << round << " " << text.substr(0, 40);
    }
  }
}

// The index's filters grow with its long patterns (at 257, 513, 1,025 and
// 2,049 of them) and file them again: patterns taken away or changed before a
// growth are not found after it, and every pattern given before or after it is.
TEST_F(TableIndexTest, PatternIndexFindsAcrossItsGrowths) {
  std::mt19937 r(7);
  std::vector<std::string> patterns;
  PatternIndex index;
  auto name = [](size_t k) { return "SIG_" + std::to_string(100000 + k * 7919 % 100000); };
  for (size_t k = 0; k < 3000; ++k) {
    patterns.push_back(name(k));
    index.set(static_cast<int>(k), patterns[k]);
    if (k % 3 == 1) {  // an earlier pattern changes or goes away
      const size_t j = r() % (k + 1);
      patterns[j] = j % 2 ? name(j + 5000) : "";
      index.set(static_cast<int>(j), patterns[j]);
    }
    if (k != 200 && k != 300 && k != 600 && k != 1100 && k != 2999) continue;
    std::string text;
    for (int n = 0; n < 40; ++n) text += name(r() % 8000) + (n % 2 ? " " : "");
    std::vector<int> in, want;
    for (size_t j = 0; j < patterns.size(); ++j)
      if (!patterns[j].empty() && match(text, patterns[j])) want.push_back(static_cast<int>(j));
    index.find_in(text, in);
    EXPECT_EQ(in, want) << k;
  }
}

// The cross-substitution as written: every pair, four steps each.
Swaps cross_substituted(Swaps t) {
  for (size_t i = 0; i < t.size(); ++i)
    for (size_t j = 0; j < t.size(); ++j) {
      if (i == j) continue;
      if (either_contains(t[i].name, t[j].name)) swap_str(t[i].name, t[j]);
      if (either_contains(t[j].name, t[i].name)) swap_str(t[j].name, t[i]);
      if (either_contains(t[i].value, t[j].name)) swap_str(t[i].value, t[j]);
      if (either_contains(t[j].value, t[i].name)) swap_str(t[j].value, t[i]);
    }
  std::erase_if(t, [](const Swap& s) { return s.name.empty(); });
  return t;
}

// The table set_swaps builds, before the cross-substitution.
Swaps declared(const std::vector<std::string>& statements, int build) {
  Swaps t = {Swap{"BUILD_NUM", std::to_string(build)}, Swap{"VERSION", "1.2"}};
  for (const std::string& s : statements) {
    const std::string name = get_split(s, 1);
    const size_t at = s.find(' ', s.find(' ') + 1);
    const std::string value = s.substr(at + 1);
    int found = -1;
    for (size_t k = 0; k < t.size(); ++k)
      if (t[k].name == name) {
        found = static_cast<int>(k);
        break;
      }
    if (found <= 0) {
      t.push_back(Swap{name, value, false, match(s, ".CMD")});
    } else if (!t[static_cast<size_t>(found)].cmd) {
      t[static_cast<size_t>(found)].value = value;
    }
  }
  return t;
}

std::vector<std::string> pairs_of(const Swaps& t) {
  std::vector<std::string> out;
  for (const Swap& s : t) out.push_back(s.name + " -> " + s.value);
  return out;
}

TEST_F(TableIndexTest, CrossSubstitutionKeepsTheOrderOfThePlainRule) {
  std::vector<std::vector<std::string>> tables = {
      // Names that hold each other, in both orders.
      {"SWAP WIDTH 8", "SWAP DATA_WIDTH 32", "SWAP WIDTH_X WIDTH"},
      {"SWAP DATA_WIDTH 32", "SWAP WIDTH 8"},
      // A second BUILD_NUM, a new VERSION, names inside the built-in names.
      {"SWAP BUILD_NUM 5", "SWAP VERSION 2", "SWAP U x", "SWAP NUM BUILD_NUM+1"},
      // Values holding names, NULL, CONST and a swap handed down.
      {"SWAP LEN DEPTH+1", "SWAP DEPTH 2", "SWAP.CMD GONE NULL", "SWAP GONE kept",
       "SWAP P CONST(LEN)+GONE", "SWAP LE NULL"},
  };
  std::mt19937 r(7);
  for (int n = 0; n < 180; ++n) {
    const bool long_pieces = n >= 150;
    std::vector<std::string> t;
    for (int k = 0, size = 1 + static_cast<int>(r() % 12); k < size; ++k)
      t.push_back(std::string(k % 4 == 3 ? "SWAP.CMD " : "SWAP ") + word(r, 3, long_pieces) +
                  " " + (k % 5 == 4 ? "NULL" : word(r, 3, long_pieces)));
    tables.push_back(t);
  }
  for (const auto& statements : tables) {
    Swaps table;
    set_swaps(run, lines_of(statements), table, 3);
    EXPECT_EQ(pairs_of(table), pairs_of(cross_substituted(declared(statements, 3))))
        << statements[0];
  }
}

// Long chains, where each step feeds the next: names whose values name the
// next entry or the one before, names that extend each other (each renamed
// by the one it holds), long names crossing the index's chunks, and an
// empty table.
TEST_F(TableIndexTest, CrossSubstitutionFollowsLongChains) {
  auto chain = [](int length, const std::function<std::string(int)>& statement) {
    std::vector<std::string> t;
    for (int k = 0; k < length; ++k) t.push_back(statement(k));
    return t;
  };
  auto link = [](int k) { return "CHAIN_LINK_" + std::to_string(k) + "_"; };
  const std::vector<std::vector<std::string>> tables = {
      {},
      chain(60, [&](int k) { return "SWAP " + link(k) + " " + link(k + 1) + "+1"; }),
      chain(60, [&](int k) { return "SWAP " + link(k + 1) + " " + link(k) + "*2"; }),
      chain(40, [](int k) { return "SWAP " + std::string(static_cast<size_t>(k) + 1, 'A') + " B" + std::to_string(k); }),
      chain(40, [](int k) { return "SWAP " + std::string(static_cast<size_t>(40 - k), 'A') + " A" + std::to_string(k); }),
      chain(50, [&](int k) {
        return "SWAP " + link(k % 10) + std::to_string(k / 10) + " " + (k % 3 == 0 ? "NULL" : link(k % 7));
      }),
  };
  for (const auto& statements : tables) {
    Swaps table;
    set_swaps(run, lines_of(statements), table, 3);
    EXPECT_EQ(pairs_of(table), pairs_of(cross_substituted(declared(statements, 3))))
        << (statements.empty() ? "empty" : statements[0]);
  }
}

TEST_F(TableIndexTest, LargeTablesSubstituteAsTheirEntriesInOrder) {
  // Enough names for the pattern index to serve instead of the automaton;
  // the first few hold each other, and values bring in later names.
  Swaps table;
  for (const char* n : {"W", "WW", "DATA_W", "CONST", "A"}) table.push_back(Swap{n, "A_1"});
  table.push_back(Swap{"A_1", "NULL"});
  for (int k = 0; k < 60000; ++k)
    table.push_back(Swap{"REG_" + std::to_string(k) + "_ADDR_OF_BLOCK", "h" + std::to_string(k)});
  table.push_back(Swap{"h7", "REG_9_ADDR_OF_BLOCK"});
  const std::vector<std::string> texts = {
      "x = WW + DATA_W + W;",      "CONST(W) W CONST(WW)",       "SWAP W 8",
      "REG_7_ADDR_OF_BLOCK REG_70_ADDR_OF_BLOCK", "A_1 and A", "nothing here"};
  auto check = [&] {
    Lines lines = lines_of(texts);
    insert_swaps(run, lines, table, Scope::kAll);
    for (size_t i = 0; i < texts.size(); ++i) {
      std::string want = texts[i];
      for (const Swap& s : table)
        if (match(want, s.name) && !(get_split(want, 0) == "SWAP" && get_split(want, 1) == s.name))
          swap_line_single(want, s);
      EXPECT_EQ(lines[i].text, want.empty() ? kEmptyLine : want) << texts[i];
    }
  };
  check();
  // The matcher kept from the last large table serves only the same names.
  check();
  table[6 + 7].name = "REG_70_ADDR";
  check();
}

TEST_F(TableIndexTest, DefineAndLoopLookupsFollowTheTableOrder) {
  std::mt19937 r(3);
  for (int round = 0; round < 30; ++round) {
    std::vector<std::string> statements;
    for (int k = 0; k < 60; ++k)
      statements.push_back(std::string(r() % 3 == 0 ? "UNDEF " : "DEFINE ") + word(r, 2));
    Defs defs;
    set_defs(run, lines_of(statements), defs, Defs{Def{"A", true}, Def{"A", true}});
    // The table as the statements build it, each looking up the first entry
    // of its name still defined: a DEFINE of a name whose entries are all
    // off adds one, an UNDEF turns the first defined one off.
    std::vector<std::pair<std::string, bool>> want_defs = {{"A", true}, {"A", true}, {"TRUE", true}};
    for (const std::string& st : statements) {
      const std::string name = get_split(st, 1);
      auto first = std::find(want_defs.begin(), want_defs.end(), std::make_pair(name, true));
      if (st[0] == 'U' && first != want_defs.end()) first->second = false;
      if (st[0] == 'D' && first == want_defs.end()) want_defs.emplace_back(name, true);
    }
    std::vector<std::pair<std::string, bool>> got_defs;
    for (const Def& d : defs) got_defs.emplace_back(d.name, d.defined);
    EXPECT_EQ(got_defs, want_defs);
    // LOOP statements: the first of a name makes its entry, later ones set its range.
    std::vector<std::string> loop_statements;
    std::vector<std::string> want_loops;
    std::vector<int> want_counts;
    for (int k = 0; k < 60; ++k) {
      const std::string name = word(r, 2);
      loop_statements.push_back("LOOP " + name + " " + std::to_string(1 + k));
      const auto at = std::find(want_loops.begin(), want_loops.end(), name);
      if (at == want_loops.end()) {
        want_loops.push_back(name);
        want_counts.push_back(1 + k);
      } else {
        want_counts[static_cast<size_t>(at - want_loops.begin())] = 1 + k;
      }
    }
    Loops loops;
    set_loops(run, lines_of(loop_statements), loops);
    ASSERT_EQ(loops.size(), want_loops.size());
    for (size_t k = 0; k < loops.size(); ++k) {
      EXPECT_EQ(loops[k].name, want_loops[k]);
      EXPECT_EQ(loops[k].last, want_counts[k] - 1) << loops[k].name;
    }
    for (int q = 0; q < 40; ++q) {
      const std::string name = word(r, 2);
      int first = -1;
      for (size_t k = 0; k < defs.size() && first < 0; ++k)
        if (defs[k].defined && defs[k].name == name) first = static_cast<int>(k);
      EXPECT_EQ(get_def_index(run, Line(), name, defs), first) << name;
      // Near mode: the closest length among names holding or held, first of equals.
      int near = -1;
      size_t best = 1000000;
      for (size_t k = 0; k < loops.size(); ++k) {
        if (!either_contains(loops[k].name, name)) continue;
        const size_t d = loops[k].name.size() > name.size() ? loops[k].name.size() - name.size()
                                                           : name.size() - loops[k].name.size();
        if (d < best) {
          best = d;
          near = static_cast<int>(k);
        }
        if (d == 0) break;
      }
      if (near >= 0) {
        EXPECT_EQ(get_loop_index(Line(), name, loops, 0), near) << name;
      } else {
        EXPECT_EQ(testing::error_of([&] { get_loop_index(Line(), name, loops, 0); }).number, 309);
      }
    }
  }
}

// The plain rules of CONST removal and case conversion: the first form (of
// CONST, or the leftmost of UCASE and LCASE), every copy of it, until no
// keyword is left. A line emptied so holds an empty text, long or short.
KorvexError plain_unwrap(Line& line, bool cases) {
  return testing::error_of([&] {
    for (;;) {
      const size_t upper = line.text.find(cases ? "UCASE" : "CONST");
      const size_t lower = cases ? line.text.find("LCASE") : std::string::npos;
      if (upper == std::string::npos && lower == std::string::npos) break;
      const size_t at = std::min(upper, lower);
      const std::string keyword = line.text.substr(at, 5);
      const std::string group = get_paren(line, line.text.substr(at + 5), 0);
      std::string arg = group.substr(1, group.size() - 2);
      if (keyword == "UCASE") arg = StringToUpper(arg);
      if (keyword == "LCASE") arg = StringToLower(arg);
      std::string next = line.text.str();
      find_and_replace(next, keyword + group, arg, 0);
      if (next == line.text) linerr(Err::KEYWORD_NO_PAREN, line, keyword);
      line.text = next;
    }
  });
}

// Forms nested in each other and beside each other, with keywords that
// case conversion makes or unmakes ("ucase(" under UCASE, "UCASE(" under
// LCASE) and pieces that join into keywords where a form is taken away.
std::string nested_forms(std::mt19937& r, int depth) {
  static const char* kWords[] = {"x", "Ab", "u", "ucase", "lcase", "UCA", "SE", "C", "ONST",
                                 "CON", " ", "_", "(", ")", "CONST", "UCASE"};
  static const char* kHeads[] = {"UCASE(", "LCASE(", "CONST(", "ucase(", "lcase(", "(", "UCASE("};
  if (depth == 0 || r() % 4 == 0) return kWords[r() % std::size(kWords)];
  std::string t = kHeads[r() % std::size(kHeads)];
  for (int k = 0, n = 1 + static_cast<int>(r() % 3); k < n; ++k) t += nested_forms(r, depth - 1);
  return t + ")";
}

TEST_F(TableIndexTest, FormsInLongLinesAsFormByForm) {
  const std::string pad(300, '.');
  auto chain = [](const std::string& head, const std::string& core, const std::string& tail,
                  int depth) {
    std::string t;
    for (int k = 0; k < depth; ++k) t += head;
    t += core;
    for (int k = 0; k < depth; ++k) t += tail;
    return t;
  };
  std::vector<std::string> texts = {
      pad + chain("CONST(", "x", ")", 500) + ";",
      chain("UCASE(", "x", ")", 500), chain("UCASE(ucase(", "x", "))", 300),
      pad + chain("CONST(UCASE(", "x", "))", 300), pad + chain("UCASE(a ", "b", " c)", 400),
      chain("LCASE(a UCASE(", "x", ") b)", 300) + pad, chain("CONST(", "x", ")", 100) + "CONST(x)",
      // Copies after the form, a junction that spells a keyword, an empty form.
      pad + "CONST(CONST(a)) + CONST(CONST(a))", pad + "CONCONST(ST(x))",
      pad + "CONST() y CONST(z)", "CONST(CONST(" + pad + "))",
      pad + "UCASE(UCASE(a)) UCASE(UCASE(a))", pad + "UCAUCASE(SE(x))", pad + "LCASE() y",
      pad + "UCASE(lcase(Ab)) LCASE(UCASE(b)) UCASE(Ab)", chain("CONST(", "", ")", 400),
      // A form whose parenthesis does not follow at once, and one never closed.
      pad + "CONST (a) CONST(a)", pad + "CONST(CONST(a)", pad + "UCASE (a) UCASE(a)",
      pad + "LCASE(UCASE(a)", pad + "UCASEX(a)",
  };
  std::mt19937 r(5);
  for (int n = 0; n < 200; ++n) {
    std::string t = pad;
    for (int k = 0; k < 12; ++k) {
      static const char* kBits[] = {"CONST(", ")", "(", "CONST", "x", "ST(", "CON", " ",
                                    "UCASE(", "LCASE(", "ucase(", "UCA", "SE("};
      t += kBits[r() % std::size(kBits)];
    }
    texts.push_back(t);
  }
  for (int n = 0; n < 300; ++n) {
    std::string t = n % 2 == 0 ? pad : "";
    if (n % 3 == 0) t += chain(n % 2 == 0 ? "UCASE(" : "CONST(u", "x", ")", 40 + n % 50);
    for (int k = 0, forms = 1 + n % 3; k < forms; ++k) t += nested_forms(r, 8);
    if (n % 5 == 0) t += t.substr(0, 40);  // copies of what came first
    texts.push_back(t + (n % 4 == 0 ? pad : ""));
  }
  for (const std::string& text : texts) {
    for (bool cases : {false, true}) {
      Line plain = testing::lines_of({text})[0];
      const KorvexError want = plain_unwrap(plain, cases);
      Lines lines = testing::lines_of({text});
      const KorvexError got = testing::error_of([&] {
        if (cases) {
          insert_case(lines);
        } else {
          remove_const(lines);
        }
      });
      EXPECT_EQ(got.number, want.number) << text;
      EXPECT_EQ(got.message, want.message) << text;
      if (want.number == 0) {
        EXPECT_EQ(lines[0].text, plain.text) << text;
      }
    }
  }
}

}  // namespace
}  // namespace korvex
