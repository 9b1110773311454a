// LOOP and ITER expansion: the rounds of nested loops, pending flags, CONCAT
// folding, and the limits checked while lines are produced.
#include <chrono>
#include <random>

#include "expr/concat.h"
#include "loops/loop_table.h"
#include "text/strings.h"

#include "loops/iter_expansion.h"
#include "loops/loop_expansion.h"
#include "test_support.h"

namespace korvex {
namespace {

using testing::error_of;
using testing::lines_of;
using testing::texts_of;
using Texts = std::vector<std::string>;

class Expansion : public testing::KorvexTest {};

TEST_F(Expansion, NestedLoopsOneLevelPerCall) {
  Lines l = lines_of({"top", "LOOP ROW 2", "LOOP COL 2", "x_ROW_COL", "ENDLOOP COL", "ENDLOOP ROW"});
  const Loops none;
  EXPECT_EQ(insert_loops(l, none), 1);
  EXPECT_EQ(texts_of(l), (Texts{"top", "LOOP COL 2", "x_0_COL", "ENDLOOP COL", "LOOP COL 2",
                                "x_1_COL", "ENDLOOP COL"}));
  EXPECT_EQ(insert_loops(l, none), 1);
  EXPECT_EQ(texts_of(l), (Texts{"top", "x_0_0", "x_0_1", "x_1_0", "x_1_1"}));
  EXPECT_EQ(insert_loops(l, none), 0);
}

TEST_F(Expansion, LoopPendingFlagsAndPlainSubstrings) {
  Lines l = lines_of({"keep", "LOOP i 2 3", "wire wi;", "same", "ENDLOOP i",
                      "CREATE s.v DEFCMD(LOOP i 4)"});
  l[0].pending = 0;
  l[3].pending = 0;
  EXPECT_EQ(insert_loops(l, {}), 1);
  EXPECT_EQ(texts_of(l), (Texts{"keep", "w2re w2;", "same", "w3re w3;", "same",
                                "CREATE s.v DEFCMD(LOOP i 4)"}));
  EXPECT_EQ(l[0].pending, 0);  // copied as it was
  EXPECT_EQ(l[2].pending, 1);  // every body copy is new
  EXPECT_EQ(l[2].num, 4);      // and keeps its origin
}

TEST_F(Expansion, GlobalLoopUsesNearestDeclaredRange) {
  const Loops table = {{"IDX", 0, 3, false}, {"DATA_IDX_HI", 5, 6, false}};
  Lines l = lines_of({"LOOP DATA_IDX", "d_DATA_IDX", "ENDLOOP DATA_IDX"});
  insert_loops(l, table);
  EXPECT_EQ(texts_of(l), (Texts{"d_5", "d_6"}));
  Lines bad = lines_of({"LOOP NONE", "x", "ENDLOOP NONE"});
  EXPECT_EQ(error_of([&] { insert_loops(bad, table); }).number, 309);
}

TEST_F(Expansion, LoopLimitsAreCheckedAsLinesAreProduced) {
  settings.MAX_LINES = 6;
  Lines fits = lines_of({"a", "LOOP i 4", "x_i", "ENDLOOP i"});
  EXPECT_EQ(insert_loops(fits, {}), 1);  // 5 lines
  Lines full = lines_of({"a", "LOOP i 5", "x_i", "ENDLOOP i"});
  const KorvexError e = error_of([&] { insert_loops(full, {}); });
  EXPECT_EQ(e.number, 102);
  EXPECT_NE(e.message.find("Loop insertion exceeded maximum size of 6 lines (use max_lines flag)"),
            std::string::npos);

  settings.MAX_LINES = 5000;
  const auto start = std::chrono::steady_clock::now();
  Lines huge = lines_of({"LOOP i 2000000000", "x_i", "ENDLOOP i"});
  EXPECT_EQ(error_of([&] { insert_loops(huge, {}); }).number, 102);
  // An empty body produces nothing, whatever the range.
  Lines empty = lines_of({"LOOP i 2147483647", "ENDLOOP i", "y"});
  EXPECT_EQ(insert_loops(empty, {}), 1);
  EXPECT_EQ(texts_of(empty), (Texts{"y"}));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST_F(Expansion, UnclosedLoopIsReportedNotLost) {
  // A stray ENDLOOP opens a block that nothing closes.
  Lines l = lines_of({"LOOP a 1", "x", "ENDLOOP a", "y", "ENDLOOP a", "z"});
  const KorvexError e = error_of([&] { insert_loops(l, {{"a", 0, 1, false}}); });
  EXPECT_EQ(e.number, 332);
  EXPECT_NE(e.message.find("line 5: ENDLOOP a\nLOOP a has no matching ENDLOOP \n"),
            std::string::npos);
}

TEST_F(Expansion, IterRepeatsFoldsAndKeeps) {
  Lines l = lines_of({"ITER k 3", "wire w_k;", "reg r;",
                      "assign {CONCAT(a_k ,)} = {CONCAT.REV(b_k ,)};", "ENDITER k", "tail"});
  l[5].pending = 0;
  EXPECT_EQ(insert_iters(l, {}), 1);
  EXPECT_EQ(texts_of(l), (Texts{"wire w_0;", "wire w_1;", "wire w_2;", "reg r;",
                                "assign {a_2 , a_1 , a_0} = {b_0 , b_1 , b_2};", "tail"}));
  for (const Line& line : l) EXPECT_EQ(line.pending, 1) << line.text;
  EXPECT_EQ(insert_iters(l, {}), 0);
}

TEST_F(Expansion, IterFoldDetails) {
  struct Case {
    std::string line;
    std::string folded;
  };
  const Case cases[] = {
      // Identical forms are replaced together, different ones each on their own.
      {"{CONCAT(q_k ,)} {CONCAT(q_k ,)} {CONCAT(r_k |)}", "{q_1 , q_0} {q_1 , q_0} {r_1 | r_0}"},
      {"x = CONCAT.REV(k_k +);", "x = 0_0 + 1_1;"},
      // The item is the argument up to the first blank before the separator.
      {"CONCAT(a k b ,)", "a 1 b , a 0 b"},
      // A CONCAT inside an item is folded after the outer one.
      {"CONCAT(CONCAT.REV(m_k ;) ,)", "m_1 ; m_1 , m_0 ; m_0"},
  };
  for (const Case& c : cases) {
    Lines l = lines_of({"ITER k 2", c.line, "ENDITER k"});
    insert_iters(l, {});
    EXPECT_EQ(texts_of(l), (Texts{c.folded})) << c.line;
  }
}

TEST_F(Expansion, IterBlocksOfTheSameNameAndDeclaredRanges) {
  Lines l = lines_of({"ITER k 2", "a_k", "ENDITER k", "mid", "ITER k 2 3", "b_k", "ENDITER k",
                      "ITER IDX", "c_IDX", "ENDITER IDX"});
  EXPECT_EQ(insert_iters(l, {{"IDX", 4, 5, false}}), 1);
  EXPECT_EQ(texts_of(l), (Texts{"a_0", "a_1", "mid", "b_2", "b_3", "c_4", "c_5"}));
}

TEST_F(Expansion, IterErrors) {
  Lines again = lines_of({"ITER k 2", "w_k", "ITER k 3", "ENDITER k"});
  const KorvexError e = error_of([&] { insert_iters(again, {}); });
  EXPECT_EQ(e.number, 329);
  EXPECT_NE(e.message.find("line 3: ITER k 3\niterator k was redefined without using ENDITER "
                           "statement\n"),
            std::string::npos);

  settings.MAX_LINES = 4;
  Lines fits = lines_of({"ITER k 3", "x_k", "ENDITER k"});
  EXPECT_EQ(insert_iters(fits, {}), 1);
  Lines full = lines_of({"ITER k 4", "x_k", "ENDITER k"});
  EXPECT_EQ(error_of([&] { insert_iters(full, {}); }).number, 103);
  // A fold stands for as many items as there are values.
  Lines folds = lines_of({"ITER k 5", "{CONCAT(x_k ,)}", "ENDITER k"});
  EXPECT_EQ(error_of([&] { insert_iters(folds, {}); }).number, 103);
  settings.MAX_LINES = 5000;
  Lines huge = lines_of({"ITER k 2000000000", "x_k", "ENDITER k"});
  EXPECT_EQ(error_of([&] { insert_iters(huge, {}); }).number, 103);
}

}  // namespace
}  // namespace korvex

namespace korvex {
namespace {

// One pass per ITER statement over the whole array, written out plainly: the
// sweep of insert_iters must give the same lines, flags and errors.
void reference_pass(Lines& lines, const std::string& name, const Loops& table) {
  const size_t cap = static_cast<size_t>(settings.MAX_LINES);
  Lines out;
  auto emit = [&](Line line) {
    line.pending = 1;
    out.push_back(line);
    if (out.size() >= cap) generr(Err::ITER_INSERT_FULL, settings.MAX_LINES);
  };
  bool inside = false, done = false;
  Loop range;
  for (const Line& line : lines) {
    const std::string& t = line.text;
    if (inside && match(t, "ENDITER") && match(t, name)) {
      inside = false;
      done = true;
    } else if (!done && inside && match(t, name)) {
      if (match(t, "ITER")) linerr(Err::ITER_REDEFINED, line, name);
      if (match(t, "CONCAT")) {
        std::string whole, item, sep, list;
        const bool rev = get_concat(line, "CONCAT", whole, item, sep);
        if (range.last - range.first + 1 > settings.MAX_LINES)
          generr(Err::ITER_INSERT_FULL, settings.MAX_LINES);
        for (int i = 0; i <= range.last - range.first; ++i) {
          std::string one = item;
          find_and_replace(one, name, std::to_string(rev ? range.first + i : range.last - i), 0);
          list += (i ? " " + sep + " " : "") + one;
        }
        Line folded = line;
        find_and_replace(folded.text, whole, list, 0);
        emit(folded);
      } else {
        for (int v = range.first; v <= range.last; ++v) {
          Line copy = line;
          find_and_replace(copy.text, name, std::to_string(v), 0);
          emit(copy);
        }
      }
    } else if (!done && !inside && match(t, "ITER") && match(t, name)) {
      if (count_string(t) < 3)
        range = table[get_loop_index(line, name, table, 0)];
      else
        catch_loop(line, range);
      inside = true;
    } else {
      emit(line);
    }
  }
  lines = out;
}

std::string outcome(const std::function<void(Lines&)>& run, Lines lines) {
  const KorvexError e = error_of([&] { run(lines); });
  if (e.number) return e.message;
  std::string s;
  for (const Line& l : lines) s += l.text + "|" + std::to_string(l.pending) + "|" + std::to_string(l.num) + "\n";
  return s;
}

TEST_F(Expansion, IterSweepMatchesOnePassPerName) {
  const char* alphabet[] = {"ITER k 2", "ITER k 1 3", "ITER kk 2", "ITER k", "ITER IDX",
                            "ITER q 2", "ENDITER k", "ENDITER kk", "ENDITER IDX", "ENDITER q",
                            "w_k;", "w_kk;", "x_IDX", "q_q", "plain", "{CONCAT(a_k ,)}",
                            "{CONCAT.REV(b_q |)}"};
  const Loops table = {{"IDX", 1, 2, false}, {"k", 0, 1, false}, {"kk", 3, 3, false}};
  std::mt19937 rng(12345);
  for (int round = 0; round < 3000; ++round) {
    std::vector<std::string> texts;
    const int n = 1 + static_cast<int>(rng() % 14);
    for (int i = 0; i < n; ++i) texts.push_back(alphabet[rng() % std::size(alphabet)]);
    Lines input = lines_of(texts);
    for (Line& l : input) l.pending = static_cast<int>(rng() % 2);
    settings.MAX_LINES = 4 + static_cast<int>(rng() % 40);
    const std::string expected = outcome(
        [&](Lines& l) {
          std::vector<std::string> names;
          for (const Line& x : l)
            if (match(x.text, "ITER") && !match(x.text, "ENDITER"))
              names.push_back(extract_string(x.text, "ITER ", " "));
          for (const std::string& name : names) reference_pass(l, name, table);
        },
        input);
    const std::string got = outcome([&](Lines& l) { insert_iters(l, table); }, input);
    ASSERT_EQ(got, expected) << "round " << round << ", max_lines " << settings.MAX_LINES;
  }
}

}  // namespace
}  // namespace korvex
