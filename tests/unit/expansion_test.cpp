// LOOP and ITER expansion: the rounds of nested loops, pending flags, CONCAT
// folding, and the ITER sweep against one plain pass per name.
#include <random>

#include "expr/concat.h"
#include "loops/iter_expansion.h"
#include "loops/loop_expansion.h"
#include "loops/loop_table.h"
#include "test_support.h"
#include "text/strings.h"

namespace korvex {
namespace {

using testing::error_of;
using testing::lines_of;
using testing::texts_of;
using Texts = std::vector<std::string>;

class Expansion : public testing::KorvexTest {};

TEST_F(Expansion, NestedLoopsOneLevelPerCall) {
  Lines l = lines_of({"top", "LOOP ROW 2", "LOOP COL 2", "x_ROW_COL", "ENDLOOP COL", "ENDLOOP ROW",
                      "CREATE s.v DEFCMD(LOOP i 4)"});
  l[0].pending = 0;
  EXPECT_EQ(insert_loops(run, l, {}), 1);
  EXPECT_EQ(texts_of(l), (Texts{"top", "LOOP COL 2", "x_0_COL", "ENDLOOP COL", "LOOP COL 2",
                                "x_1_COL", "ENDLOOP COL", "CREATE s.v DEFCMD(LOOP i 4)"}));
  EXPECT_EQ(l[0].pending, 0);  // copied as it was
  l[2].pending = 0;
  EXPECT_EQ(insert_loops(run, l, {}), 1);
  EXPECT_EQ(texts_of(l), (Texts{"top", "x_0_0", "x_0_1", "x_1_0", "x_1_1",
                                "CREATE s.v DEFCMD(LOOP i 4)"}));
  EXPECT_EQ(l[1].pending, 1);  // every body copy is new
  EXPECT_EQ(l[1].num, 4);      // and keeps its origin
  EXPECT_EQ(insert_loops(run, l, {}), 0);
}

TEST_F(Expansion, LoopNameReplacedLikeFindAndReplace) {
  // The body is cut at the name's occurrences once for all repetitions:
  // overlapping and adjacent occurrences, empty lines and placeholders come
  // out exactly as a replacement of every occurrence, line by line, would
  // give them.
  const Texts body = {"AAA AAAA", "AA", "xAAAAy", "no name", "", "IGNOREPARSE"};
  Lines l = lines_of({"LOOP AA 9 10"});
  for (const std::string& t : body) l.push_back(lines_of({t})[0]);
  l.push_back(lines_of({"ENDLOOP AA"})[0]);
  EXPECT_EQ(insert_loops(run, l, {}), 1);
  Texts want;
  for (const char* v : {"9", "10"})
    for (std::string t : body) {
      if (t != "IGNOREPARSE") find_and_replace(t, "AA", v, 0);
      want.push_back(t);
    }
  EXPECT_EQ(texts_of(l), want);
  EXPECT_EQ(want[0], "9A 99");
}

TEST_F(Expansion, EmptyBodyProducesNothingWhateverTheRange) {
  Lines l = lines_of({"LOOP i 2147483647", "ENDLOOP i", "y"});
  EXPECT_EQ(insert_loops(run, l, {}), 1);
  EXPECT_EQ(texts_of(l), (Texts{"y"}));
}

TEST_F(Expansion, ConcatFolds) {
  const std::pair<std::string, std::string> cases[] = {
      // Identical forms are replaced together, different ones each on their own.
      {"{CONCAT(q_k ,)} {CONCAT(q_k ,)} {CONCAT.REV(r_k |)}", "{q_1 , q_0} {q_1 , q_0} {r_0 | r_1}"},
      // The item is the argument up to the first blank before the separator.
      {"CONCAT(a k b ,)", "a 1 b , a 0 b"},
      // A CONCAT inside an item is folded after the outer one.
      {"CONCAT(CONCAT.REV(m_k ;) ,)", "m_1 ; m_1 , m_0 ; m_0"},
  };
  for (const auto& [line, folded] : cases) {
    Lines l = lines_of({"ITER k 2", line, "ENDITER k"});
    insert_iters(run, l, {});
    EXPECT_EQ(texts_of(l), (Texts{folded})) << line;
  }
}

// One pass per ITER statement over the whole array, written out plainly: the
// sweep of insert_iters must give the same lines, flags and errors.
void reference_pass(RunContext& run, Lines& lines, const std::string& name, const Loops& table) {
  Lines out;
  auto emit = [&](Line line) {
    line.pending = 1;
    out.push_back(line);
    if (out.size() >= static_cast<size_t>(run.options.MAX_LINES))
      generr(Err::ITER_INSERT_FULL, run.options.MAX_LINES);
  };
  bool inside = false, done = false;
  Loop range;
  for (const Line& line : lines) {
    const LineText& t = line.text;
    if (inside && match(t, "ENDITER") && match(t, name)) {
      inside = false;
      done = true;
    } else if (!done && inside && match(t, name)) {
      if (match(t, "ITER")) linerr(Err::ITER_REDEFINED, line, name);
      if (match(t, "CONCAT")) {  // one form per line here
        std::string whole, item, sep, list;
        const bool rev = get_concat(line, "CONCAT", whole, item, sep);
        if (range.last - range.first + 1 > run.options.MAX_LINES)
          generr(Err::ITER_INSERT_FULL, run.options.MAX_LINES);
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
        parse_loop_statement(run, line, range);
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
  for (const Line& l : lines)
    s += l.text + "|" + std::to_string(l.pending) + "|" + std::to_string(l.num) + "\n";
  return s;
}

TEST_F(Expansion, IterSweepMatchesOnePassPerName) {
  // Names that contain each other, blocks left open, ITER lines left behind
  // by an earlier pass, declared ranges, errors and small line limits.
  const char* alphabet[] = {"ITER k 2", "ITER k 1 3", "ITER kk 2", "ITER k", "ITER IDX",
                            "ITER q 2", "ENDITER k", "ENDITER kk", "ENDITER IDX", "ENDITER q",
                            "w_k;", "w_kk;", "x_IDX", "q_q", "plain", "{CONCAT(a_k ,)}",
                            "{CONCAT.REV(b_q |)}"};
  const Loops table = {{"IDX", 1, 2, false}, {"k", 0, 1, false}, {"kk", 3, 3, false}};
  std::mt19937 rng(12345);
  for (int round = 0; round < 3000; ++round) {
    Texts texts;
    const int n = 1 + static_cast<int>(rng() % 14);
    for (int i = 0; i < n; ++i) texts.push_back(alphabet[rng() % std::size(alphabet)]);
    Lines input = lines_of(texts);
    for (Line& l : input) l.pending = static_cast<int>(rng() % 2);
    options.MAX_LINES = 4 + static_cast<int>(rng() % 40);
    const std::string expected = outcome(
        [&](Lines& l) {
          Texts names;
          for (const Line& x : l)
            if (match(x.text, "ITER") && !match(x.text, "ENDITER"))
              names.push_back(extract_string(x.text, "ITER ", " "));
          for (const std::string& name : names) reference_pass(run, l, name, table);
        },
        input);
    const std::string got = outcome([&](Lines& l) { insert_iters(run, l, table); }, input);
    ASSERT_EQ(got, expected) << "round " << round << ", max_lines " << options.MAX_LINES;
  }
}

}  // namespace
}  // namespace korvex
