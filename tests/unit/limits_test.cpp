// The runaway-input limits of base/limits.h at their boundaries: the
// largest input within a limit passes, one step more is the limit's error.
// (Value bits: expr_evaluator_test; include and CREATE depth: the cases
// include_depth_at_limit, include_too_deep, create_depth_at_limit and
// create_too_deep; devices and pipes as input: reader_test and the cases
// source_dev_zero, source_fifo_builds and source_fifo_endless.)
#include "base/limits.h"

#include <gtest/gtest.h>

#include "base/options.h"
#include "base/run_state.h"
#include "expr/evaluator.h"
#include "expr/inline_funcs.h"
#include "expr_test_util.h"
#include "loops/loop_expansion.h"
#include "swaps/swap_table.h"
#include "test_support.h"
#include "text/input_files.h"
#include "text/reader.h"

namespace korvex {
namespace {

using LimitsTest = korvex::testing::KorvexTest;

using test::raised;
using test::src_line;

std::string nested(int parens) {
  return "EXPR(" + std::string(static_cast<size_t>(parens), '(') + "1" +
         std::string(static_cast<size_t>(parens), ')') + ")";
}

TEST_F(LimitsTest, ExpressionNestingBoundary) {
  // The EXPR form and its operand are two levels, each parenthesis one more.
  const std::string at = nested(kMaxExprDepth - 2);
  EXPECT_EQ(get_expr(run, src_line(at), at), "1");
  const std::string past = nested(kMaxExprDepth - 1);
  EXPECT_EQ(raised([&] { get_expr(run, src_line(past), past); }).number, 349);
}

std::string forms(int count) {
  std::string f;
  for (int i = 0; i < count; ++i) f += "EXPR(";
  return f + "1" + std::string(static_cast<size_t>(count), ')');
}

TEST_F(LimitsTest, NestedFormsBoundary) {
  // Each form is a level, and its operand one more.
  const std::string at = forms(kMaxExprDepth - 1);
  EXPECT_EQ(get_expr(run, src_line(at), at), "1");
  const std::string past = forms(kMaxExprDepth);
  EXPECT_EQ(raised([&] { get_expr(run, src_line(past), past); }).number, 349);
}

// A chain nested far past the limit fails before the evaluator descends it
// (each level would copy the text); the error is the one the descent would
// meet first, so work to the left of the chain still comes first.
TEST_F(LimitsTest, DeepChainsFailAsTheDescentWould) {
  const std::string deep(300, '('), close(300, ')');
  struct Case {
    std::string text;
    int number;
  } cases[] = {
      {nested(2'000'000), 349},
      {forms(100'000), 349},
      {"EXPR(EXPR(" + deep + "1" + close + "))", 349},
      {"EXPR((1/0)+" + deep + "1" + close + ")", 304},  // the group on the left first
      {"EXPR(" + deep + "1", 300},                      // the form does not close
      {forms(300).substr(0, 1500) + "1", 300},
      {"EXPR(x) " + forms(300), 303},  // only the first form is evaluated
  };
  for (const Case& c : cases)
    EXPECT_EQ(raised([&] { get_expr(run, src_line(c.text), c.text); }).number, c.number)
        << c.text.substr(0, 40);
}

// Reading stops at the input limits: the lines before a limit are read, the
// line at it is the limit's error.
TEST_F(LimitsTest, InputLineBoundary) {
  new_run();
  testing::TempDir dir;
  const std::string at(kInputLineFloor, 'x');
  Lines lines;
  EXPECT_EQ(read_file(run, dir.file("at.v", "a\n" + at + "\nb"), lines), 3);
  EXPECT_EQ(lines[1].text.size(), kInputLineFloor);
  const std::string past = dir.file("past.v", "a\n" + at + "x\nb");
  const test::Raised e = raised([&] { read_file(run, past, lines); });
  EXPECT_EQ(e.number, 131);
  EXPECT_EQ(e.message, "Korvex General error 131\n\n" + past +
                           " line 2 exceeds the limit of 16777216 bytes for one line (use "
                           "max_lines flag)\n");
  // A larger -max_lines raises the limit with it.
  new_run();
  options.MAX_LINES = static_cast<int>(kInputLineFloor / kInputLinePerLine) + 1;
  EXPECT_EQ(read_file(run, past, lines), 3);
  new_run();
}

TEST_F(LimitsTest, InputOfTheRunBoundary) {
  new_run();
  testing::TempDir dir;
  const std::string one = dir.file("one.v", "a\nbc\n"), two = dir.file("two.v", "a\nbc\nd");
  Lines lines;
  state.inputs.bytes = kInputTotalFloor - 5;
  EXPECT_EQ(read_file(run, one, lines), 3);
  EXPECT_EQ(read_file(run, one, lines), 3);  // a file counts once however often it is read
  EXPECT_EQ(state.inputs.bytes, kInputTotalFloor);
  state.inputs = RunInputs();
  state.inputs.bytes = kInputTotalFloor - 5;
  const test::Raised e = raised([&] { read_file(run, two, lines); });
  EXPECT_EQ(e.number, 132);
  EXPECT_EQ(e.message, "Korvex General error 132\n\n" + two +
                           " takes the input of this run past the limit of 268435456 bytes "
                           "(use max_lines flag)\n");
  // A larger -max_lines raises the limit with it.
  state.inputs = RunInputs();
  options.MAX_LINES = static_cast<int>(kInputTotalFloor / kInputTotalPerLine) + 1;
  state.inputs.bytes = kInputTotalFloor - 5;
  EXPECT_EQ(read_file(run, two, lines), 3);
  new_run();
}

TEST_F(LimitsTest, GeneratedLineBoundary) {
  // A line that is one DUPL form becomes exactly the repeated text.
  Line at = src_line("DUPL(x " + std::to_string(kMaxLineBytes) + ")");
  line_expr(run, at);
  EXPECT_EQ(at.text.size(), kMaxLineBytes);
  Line past = src_line("DUPL(x " + std::to_string(kMaxLineBytes + 1) + ")");
  EXPECT_EQ(raised([&] { line_expr(run, past); }).number, 350);
}

TEST_F(LimitsTest, SwapValueHoldingItsNameStopsAtTheLineLimit) {
  // Each round doubles the line: 2^26 bytes is the limit itself, one round
  // more is line error 350 instead of a run that grows without end.
  const Swaps table = {Swap{"T", "TT"}};
  Lines lines = {src_line("T")};
  for (int round = 0; round < 26; ++round) {
    lines[0].pending = 1;
    ASSERT_EQ(insert_swaps(run, lines, table, Scope::kPending), 1) << round;
  }
  EXPECT_EQ(lines[0].text.size(), kMaxLineBytes);
  lines[0].pending = 1;
  EXPECT_EQ(raised([&] { insert_swaps(run, lines, table, Scope::kPending); }).number, 350);
}

TEST_F(LimitsTest, SwapsHoldingEachOthersNamesStopAtTheWorkLimit) {
  // Each value holds the names of all the others, so every step of the
  // cross-substitution doubles a value; far below the line limit the pass
  // would still take minutes. It stops with 357 naming the growing swap.
  Lines lines;
  for (const char* name : {"A", "B", "C", "D", "E", "F"})
    lines.push_back(src_line(std::string("SWAP ") + name + " A+B+C+D+E+F"));
  Swaps table;
  const test::Raised e = raised([&] { set_swaps(run, lines, table, 0); });
  EXPECT_EQ(e.number, 357);
  EXPECT_NE(e.message.find("keeps growing as swap values"), std::string::npos) << e.message;
}

TEST_F(LimitsTest, LargeSwapTableWithoutGrowthIsWithinTheWorkLimit) {
  // 450 swaps whose values use earlier names: every value is rewritten once,
  // nothing keeps growing, and the budget follows the table's size.
  Lines lines;
  for (int i = 0; i < 450; ++i) {
    const std::string value = i == 0 ? std::string(200, 'v') : "W" + std::to_string(i - 1) + "_x";
    lines.push_back(src_line("SWAP W" + std::to_string(i) + "_x " + value));
  }
  Swaps table;
  EXPECT_EQ(set_swaps(run, lines, table, 0), 452);
  EXPECT_EQ(table.back().value, std::string(200, 'v'));
}

// The run-wide budgets count from the start of the run: the counters are set
// just below a limit, as if earlier lines had used the rest.
TEST_F(LimitsTest, GeneratedTextBudgetOfTheRun) {
  auto loop = [&] {
    Lines l = {src_line("LOOP i 2"), src_line("abcdef"), src_line("ENDLOOP i")};
    return insert_loops(run, l, {});
  };
  new_run();
  state.generated_bytes = kGeneratedTextFloor - 12;  // room for both copies
  EXPECT_EQ(loop(), 1);
  state.generated_bytes = kGeneratedTextFloor - 11;
  const test::Raised e = raised(loop);
  EXPECT_EQ(e.number, 358);
  EXPECT_NE(e.message.find("limit of 268435456 bytes"), std::string::npos) << e.message;
  // A larger -max_lines raises the limit with it.
  options.MAX_LINES = 1'000'000;
  state.generated_bytes = kGeneratedTextFloor;
  EXPECT_EQ(loop(), 1);
  new_run();
}

TEST_F(LimitsTest, ArithmeticBudgetOfTheRun) {
  // 3*4 costs 5 units: two one-word operands, their product, the value of the
  // parenthesis read back and the decimal result.
  const std::string e = "EXPR(3*4)";
  new_run();
  state.arith_work = kMaxArithWork - 5;
  EXPECT_EQ(get_expr(run, src_line(e), e), "12");
  state.arith_work = kMaxArithWork - 4;
  EXPECT_EQ(raised([&] { get_expr(run, src_line(e), e); }).number, 359);
  new_run();
}

}  // namespace
}  // namespace korvex
