// The inline-form passes: EXPR, DUPL and number formats on a line, case
// conversion, CONST removal, and keywords without their parenthesis.
#include <gtest/gtest.h>

#include "expr/inline_funcs.h"
#include "expr_test_util.h"

namespace korvex {
namespace {

using InlineTest = korvex::testing::KorvexTest;

using test::line_error;
using test::raised;
using test::src_line;

TEST_F(InlineTest, LineExpr) {
  struct Case {
    const char *in, *out;
  } cases[] = {
      {"HEX(EXPR(255+1) 12)", "12'h100"},  // EXPR first, then the formats
      {"w = EXPR(4-1) DUPL(0 EXPR(1+1)) BIN(3 2) OCT(9 6) HEX(9 4)", "w = 3 00 2'b11 6'o11 4'h9"},
      {"DUPL(0 4)", "0000"},
      {"DUPL(ab, 3)", "ab,ab,ab,"},
      {"DUPL(x 0)", ""},
      {"DUPL( 99999999999999999999)", ""},  // an empty item, any count
      {"DUPL(7)", "7777777"},  // a single word is both item and count
  };
  for (const Case& c : cases) {
    Line l = src_line(c.in);
    EXPECT_EQ(line_expr(run, l), 1) << c.in;
    EXPECT_EQ(l.text, c.out) << c.in;
    EXPECT_EQ(l.pending, 1);
  }
  Line plain = src_line("assign a = b;");
  plain.pending = 1;
  EXPECT_EQ(line_expr(run, plain), 0);
  EXPECT_EQ(plain.pending, 0);
}

TEST_F(InlineTest, InsertPassesCountChanges) {
  Lines lines = {src_line("EXPR(1)"), src_line("x"), src_line("EXPR(2) DUPL(a 2)")};
  EXPECT_EQ(insert_expr(run, lines), 2);
  EXPECT_EQ(lines[2].text, "2 aa");
  Lines dupl = {src_line("x"), src_line("DUPL(a 2) DUPL(b 1)")};
  EXPECT_EQ(insert_dupl(run, dupl), 1);
  EXPECT_EQ(dupl[1].text, "aa b");
  EXPECT_EQ(dupl[1].pending, 1);
  EXPECT_EQ(dupl[0].pending, 0);
}

TEST_F(InlineTest, CaseAndConst) {
  Lines lines = {src_line("UCASE(Data_Bus) LCASE(ABC)"), src_line("LCASE(ABC) UCASE(def) LCASE(ABC)"),
                 src_line("x UCASE()"), src_line("CONST(WIDTH) CONST(a b)")};
  insert_case(lines);
  EXPECT_EQ(lines[0].text, "DATA_BUS abc");
  EXPECT_EQ(lines[1].text, "abc DEF abc");  // every form, each by its own argument
  EXPECT_EQ(lines[2].text, "x ");
  remove_const(lines);
  EXPECT_EQ(lines[3].text, "WIDTH a b");
  Lines empty = {src_line("CONST()"), src_line("LCASE()")};
  remove_const(empty);
  insert_case(empty);
  EXPECT_EQ(empty[0].text, "");
  EXPECT_EQ(empty[1].text, "");
}

// A keyword inside a longer word would never be replaced; it is reported
// instead of looping.
TEST_F(InlineTest, KeywordWithoutParenthesis) {
  struct Case {
    const char *text, *msg;
    int pass;  // 0 line_expr, 1 remove_const, 2 insert_case
  } cases[] = {
      {"x = EXPR_A(1)", "EXPR is not followed by parenthesis", 0},
      {"COMBINE(1 4)", "BIN is not followed by parenthesis", 0},
      {"a DUPLX(b 2)", "DUPL is not followed by parenthesis", 0},
      {"CONSTANT(1)", "CONST is not followed by parenthesis", 1},
      {"UCASEX(a)", "UCASE is not followed by parenthesis", 2},
  };
  for (const Case& c : cases) {
    Lines lines = {src_line(c.text)};
    test::Raised r = raised([&] {
      if (c.pass == 0) line_expr(run, lines[0]);
      if (c.pass == 1) remove_const(lines);
      if (c.pass == 2) insert_case(lines);
    });
    EXPECT_EQ(r.message, line_error(313, c.text, c.msg));
  }
}

TEST_F(InlineTest, DuplErrorsAndLimit) {
  struct Case {
    const char *text;
    int number;
    const char* msg;
  } cases[] = {
      {"DUPL(a b)", 303, "Expression is not numeric (DUPL times)"},
      {"DUPL(a -1)", 303, "Expression is not numeric (DUPL times)"},
      {"DUPL(x 2000000000)", 350, "Generated line exceeds the limit of 67108864 bytes"},
      {"DUPL(x 99999999999999999999999)", 350, "Generated line exceeds the limit of 67108864 bytes"},
      {"DUPL(abcd 20000000)", 350, "Generated line exceeds the limit of 67108864 bytes"},
  };
  for (const Case& c : cases) {
    Line l = src_line(c.text);
    test::Raised r = raised([&] { line_expr(run, l); });
    EXPECT_EQ(r.message, line_error(c.number, c.text, c.msg)) << c.text;
  }
}

}  // namespace
}  // namespace korvex
