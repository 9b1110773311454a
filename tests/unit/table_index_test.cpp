// The indexes behind large tables give the answers of the plain rules they
// replace: which names occur in a text, which texts hold a name, the swap
// cross-substitution, substitution with a table too large for the swap-name
// automaton, the define and loop lookups and CONST removal in long lines.
// Each is checked against the plain rule, written out here, on tricky
// cases (names that are substrings of each other, equal names, names inside
// values, CONST, SWAP.CMD, BUILD_NUM and VERSION) and on random tables
// drawn from a few overlapping pieces.
#include <random>

#include "base/errors.h"
#include "defines/define_table.h"
#include "expr/const_removal.h"
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

// Words made of pieces that overlap and hold each other.
std::string word(std::mt19937& r, int most = 3) {
  static const char* kPieces[] = {"A", "AB", "W", "WW", "DATA_W", "X1", "X12", "BUILD_NUM",
                                  "VERSION", "_", "NU", "LL", "C", "REG_0001_ADDR", "0"};
  std::string w;
  const int n = 1 + static_cast<int>(r() % static_cast<unsigned>(most));
  for (int i = 0; i < n; ++i) w += kPieces[r() % std::size(kPieces)];
  return w;
}

TEST_F(TableIndexTest, PatternAndSubstringIndexesAgreeWithSearching) {
  std::mt19937 r(1);
  for (int round = 0; round < 40; ++round) {
    std::vector<std::string> patterns(30);
    PatternIndex patterns_in;
    SubstringIndex holding;
    for (size_t id = 0; id < patterns.size(); ++id) {
      patterns[id] = word(r);
      patterns_in.set(static_cast<int>(id), patterns[id]);
      holding.set(static_cast<int>(id), patterns[id]);
    }
    for (int change = 0; change < 20; ++change) {
      // Patterns change, and some go away, as swap names do.
      const size_t id = r() % patterns.size();
      patterns[id] = change % 5 == 0 ? "" : word(r);
      patterns_in.set(static_cast<int>(id), patterns[id]);
      holding.set(static_cast<int>(id), patterns[id]);
      const std::string text = word(r, 6);
      std::vector<int> in, held, want_in, want_held;
      for (size_t k = 0; k < patterns.size(); ++k) {
        if (!patterns[k].empty() && match(text, patterns[k])) want_in.push_back(static_cast<int>(k));
        if (match(patterns[k], text)) want_held.push_back(static_cast<int>(k));
      }
      patterns_in.find_in(text, in);
      holding.find_containing(text, held);
      EXPECT_EQ(in, want_in) << text;
      EXPECT_EQ(held, want_held) << text;
    }
  }
}

// The index's filter of pieces grows at 64 and 1,024 pieces and files them
// again: patterns taken away or changed before a growth are not found after
// it, and every pattern given before or after it is.
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
    if (k != 50 && k != 70 && k != 1000 && k != 1100 && k != 2999) continue;
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
  for (int n = 0; n < 150; ++n) {
    std::vector<std::string> t;
    for (int k = 0, size = 1 + static_cast<int>(r() % 12); k < size; ++k)
      t.push_back(std::string(k % 4 == 3 ? "SWAP.CMD " : "SWAP ") + word(r) + " " +
                  (k % 5 == 4 ? "NULL" : word(r)));
    tables.push_back(t);
  }
  for (const auto& statements : tables) {
    Swaps table;
    set_swaps(lines_of(statements), table, 3);
    EXPECT_EQ(pairs_of(table), pairs_of(cross_substituted(declared(statements, 3))))
        << statements[0];
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
  Lines lines = lines_of(texts);
  insert_swaps(lines, table, Scope::kAll);
  for (size_t i = 0; i < texts.size(); ++i) {
    std::string want = texts[i];
    for (const Swap& s : table)
      if (match(want, s.name) && !(get_split(want, 0) == "SWAP" && get_split(want, 1) == s.name))
        swap_line_single(want, s);
    EXPECT_EQ(lines[i].text, want.empty() ? kEmptyLine : want) << texts[i];
  }
}

TEST_F(TableIndexTest, DefineAndLoopLookupsFollowTheTableOrder) {
  std::mt19937 r(3);
  for (int round = 0; round < 30; ++round) {
    std::vector<std::string> statements;
    for (int k = 0; k < 60; ++k)
      statements.push_back(std::string(r() % 3 == 0 ? "UNDEF " : "DEFINE ") + word(r, 2));
    Defs defs;
    set_defs(lines_of(statements), defs, Defs{Def{"A", true}, Def{"A", true}});
    Loops loops;
    for (int k = 0; k < 40; ++k) loops.push_back(Loop{word(r, 2), k, k + 1});
    for (int q = 0; q < 40; ++q) {
      const std::string name = word(r, 2);
      int first = -1;
      for (size_t k = 0; k < defs.size() && first < 0; ++k)
        if (defs[k].defined && defs[k].name == name) first = static_cast<int>(k);
      EXPECT_EQ(get_def_index(Line(), name, defs), first) << name;
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

TEST_F(TableIndexTest, ConstInLongLinesAsFormByForm) {
  const std::string pad(300, '.');
  std::string deep = pad;
  for (int k = 0; k < 500; ++k) deep += "CONST(";
  deep += "x" + std::string(500, ')') + ";";
  std::vector<std::string> texts = {
      deep,
      // Copies after the form, a junction that spells CONST, an empty form.
      pad + "CONST(CONST(a)) + CONST(CONST(a))", pad + "CONCONST(ST(x))",
      pad + "CONST() y CONST(z)", "CONST(CONST(" + pad + "))",
      // A form whose parenthesis does not follow at once, and one never closed.
      pad + "CONST (a) CONST(a)", pad + "CONST(CONST(a)",
  };
  std::mt19937 r(5);
  for (int n = 0; n < 200; ++n) {
    std::string t = pad;
    for (int k = 0; k < 12; ++k) {
      static const char* kBits[] = {"CONST(", ")", "(", "CONST", "x", "ST(", "CON", " "};
      t += kBits[r() % std::size(kBits)];
    }
    texts.push_back(t);
  }
  for (const std::string& text : texts) {
    // The plain rule: the first form, every copy of it, until none is left.
    Line plain = testing::lines_of({text})[0];
    const int want = testing::error_of([&] {
                       while (match(plain.text, "CONST")) {
                         const std::string group =
                             get_paren(plain, plain.text.substr(plain.text.find("CONST") + 5), 0);
                         std::string next = plain.text;
                         find_and_replace(next, "CONST" + group, group.substr(1, group.size() - 2), 0);
                         if (next == plain.text) linerr(Err::KEYWORD_NO_PAREN, plain, "CONST");
                         plain.text = next.empty() ? kEmptyLine : next;
                       }
                     }).number;
    Lines lines = testing::lines_of({text});
    EXPECT_EQ(testing::error_of([&] { remove_const(lines); }).number, want) << text;
    if (want == 0) {
      EXPECT_EQ(lines[0].text, plain.text) << text;
    }
  }
}

}  // namespace
}  // namespace korvex
