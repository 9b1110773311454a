// The EXPR evaluator: left-to-right order, every operator, floor division,
// computed negative values, LOG2, decimal-point comparisons, error texts and
// the size limits.
#include <gtest/gtest.h>

#include <chrono>

#include "expr/big_math.h"
#include "expr/evaluator.h"
#include "expr_test_util.h"

namespace korvex {
namespace {

using ExprTest = korvex::testing::KorvexTest;

using test::line_error;
using test::raised;
using test::src_line;

std::string eval(RunContext& run, const std::string& text) {
  return get_expr(run, src_line(text), text);
}

TEST_F(ExprTest, Values) {
  struct Case {
    const char *in, *out;
  } cases[] = {
      // No precedence: strictly left to right, parentheses group.
      {"EXPR(2+3*4)", "20"}, {"EXPR(2+(3*4))", "14"}, {"EXPR(10-2-3)", "5"},
      {"EXPR(7/2)", "3"}, {"EXPR(7%2)", "1"}, {"EXPR(2^10)", "1024"}, {"EXPR(1<<4)", "16"},
      {"EXPR(100>>3)", "12"}, {"EXPR(3=3)", "1"}, {"EXPR(3==4)", "0"}, {"EXPR(3!=4)", "1"},
      {"EXPR(3<=2)", "0"}, {"EXPR(3>=3)", "1"}, {"EXPR(2<3)", "1"}, {"EXPR(2>3)", "0"},
      {"EXPR(2&&0)", "0"}, {"EXPR(0||5)", "1"}, {"EXPR(2 && 3)", "1"}, {"EXPR()", "0"},
      {"EXPR(007+1)", "8"}, {"EXPR(2 ^ 3 ^ 2)", "64"},
      // Computed negative values are operands and results; division floors.
      {"EXPR(1-8/2)", "-4"}, {"EXPR((1-8)+1)", "-6"}, {"EXPR(7/(0-2))", "-4"},
      {"EXPR(7%(0-2))", "-1"}, {"EXPR((0-7)%(0-2))", "-1"}, {"EXPR((0-7)%2)", "1"},
      {"EXPR((0-2)^3)", "-8"}, {"EXPR((0-7)>>1)", "-4"}, {"EXPR((0-1)>>5)", "-1"},
      {"EXPR((0-3)&&1)", "0"}, {"EXPR(5-(0-3))", "8"}, {"EXPR(EXPR(1-8/2)*2)", "-8"},
      // Zero and negative counts multiply or divide by 2^0.
      {"EXPR(5<<(0-2))", "5"}, {"EXPR(5>>(0-2))", "5"}, {"EXPR(2^(0-1))", "1"},
      {"EXPR(0^0)", "1"}, {"EXPR(1>>99999999999999999999999)", "0"},
      {"EXPR((0-1)^99999999999999999999)", "-1"}, {"EXPR(0^99999999999999999999)", "0"},
      // Past 64 bits.
      {"EXPR(2^64+1)", "18446744073709551617"},
      {"EXPR(18446744073709551616*18446744073709551616/4294967296)",
       "79228162514264337593543950336"},
      // LOG2 (normalisation writes it as EXPR(2@...)): the exact ceiling.
      {"EXPR(2@1)", "1"}, {"EXPR(2@2)", "1"}, {"EXPR(2@8)", "3"}, {"EXPR(2@9)", "4"},
      {"EXPR(2@2147483648)", "31"}, {"EXPR(2@2147483649)", "32"},
      {"EXPR(2@(2^64))", "64"}, {"EXPR(2@(2^64+1))", "65"},
      // Decimal points: comparison only, fractions padded.
      {"EXPR(1.5>1.25)", "1"}, {"EXPR(2.0==2)", "1"}, {"EXPR(1.25<1.3)", "1"},
      {"EXPR(1.5!=1.50)", "0"}, {"EXPR(2>=1.99)", "1"}, {"EXPR(0.5<=0.05)", "0"},
      // Nested forms, and the copies of one form in a text.
      {"EXPR(EXPR(1+1)*3)", "6"}, {"EXPR(EXPR(1)+EXPR(2))", "3"},
      {"a EXPR(1+1) b EXPR(1+1)", "a 2 b 2"}, {"EXPR(1+1) EXPR(2+2)", "2 EXPR(2+2)"},
      // Values too long to write out travel as held values.
      {"EXPR((2^70000)-(2^70000)+1)", "1"}, {"EXPR(EXPR(2^70000)>=1.5)", "1"},
      {"EXPR(2@EXPR(0-(2^70000)*(0-1)))", "70000"},
  };
  for (const Case& c : cases) EXPECT_EQ(eval(run, c.in), c.out) << c.in;
}

TEST_F(ExprTest, Errors) {
  const std::string not_numeric = "Expression is not numeric (EXPR param)";
  struct Case {
    std::string in;
    int number;
    std::string shown, msg;
  } cases[] = {
      {"EXPR(-1)", 303, "", not_numeric},
      {"EXPR(2*-3)", 303, "", not_numeric},
      {"EXPR(WIDTH+1)", 303, "", not_numeric},
      {"EXPR(1/0)", 304, "", "Expression division argument is 0"},
      {"EXPR(1%(1-1))", 304, "", "Expression division argument is 0"},
      {"EXPR(1 x 2)", 305, "", "Unknown EXPR operator x"},
      {"EXPR(2 (1-2) 3)", 305, "", "Unknown EXPR operator -1"},
      {"a = EXPR(2@0) + EXPR(2@0)", 306, "a = LOG2(0) + LOG2(0)", "LOG2 argument is 0"},
      {"EXPR(2@(0-4))", 306, "LOG2((0-4))", "LOG2 argument is negative"},
      {"EXPR(1.5+1)", 348, "",
       "Opearand + not supported with floating numbers (only comparison supported)"},
      {"EXPR((1+2)", 300, "", "Number of open and close parenthesis do not match"},
      {"EXPR(2^2000000000)", 349, "", "Value exceeds the limit of 1000000 bits"},
      {"EXPR(1<<2000000000)", 349, "", "Value exceeds the limit of 1000000 bits"},
      {"EXPR(3^700000)", 349, "", "Value exceeds the limit of 1000000 bits"},
      {"EXPR(2^999999*2)", 349, "", "Value exceeds the limit of 1000000 bits"},
      {"EXPR(1" + std::string(301100, '0') + ")", 349, "",
       "Value exceeds the limit of 1000000 bits"},
      {"EXPR(" + std::string(300, '(') + "1" + std::string(300, ')') + ")", 349, "",
       "Expression nesting exceeds the limit of 256 levels"},
  };
  for (const Case& c : cases) {
    test::Raised r = raised([&] { eval(run, c.in); });
    EXPECT_EQ(r.number, c.number) << c.in.substr(0, 40);
    EXPECT_EQ(r.message, line_error(c.number, c.shown.empty() ? c.in : c.shown, c.msg))
        << c.in.substr(0, 40);
  }
}

TEST_F(ExprTest, LimitBoundaryIsInclusive) {
  // 2^999999 has exactly 1000000 bits.
  EXPECT_EQ(eval(run, "EXPR((2^999999)/(2^999998))"), "2");
  EXPECT_EQ(eval(run, "EXPR(2@(1<<999999))"), "999999");
}

TEST_F(ExprTest, CheckNumeric) {
  const Line l = src_line("x");
  EXPECT_TRUE(check_numeric(l, "", "L", 0));
  EXPECT_TRUE(check_numeric(l, " 1 2 ", "L", 0));
  EXPECT_FALSE(check_numeric(l, "1a", "L", 1));
  EXPECT_EQ(raised([&] { check_numeric(l, "-1", "HEX value", 0); }).message,
            line_error(303, "x", "Expression is not numeric (HEX value)"));
}

TEST_F(ExprTest, Log2OfInt) {
  const int in[] = {0, 1, 2, 3, 4, 5, 1024, 1025, 2147483647};
  const int out[] = {0, 1, 1, 2, 2, 3, 10, 11, 31};
  for (int i = 0; i < 9; ++i) EXPECT_EQ(get_log2(in[i]), out[i]) << in[i];
}

TEST_F(ExprTest, ParenChecks) {
  struct Case {
    const char* text;
    int number;
    const char* msg;
  } cases[] = {
      {"a ) (b", 314, "column 3: found unopened close parenthesis"},
      {"f((x)", 315, "missing close parenthesis"},
      {"HEX_VALUE = 3", 313, "HEX is not followed by parenthesis"},
      {"x = CONCAT.REV", 313, "CONCAT.REV is not followed by parenthesis"},
      {"EXPR(EXPR(1+1)*3) CONCAT.REV(a ,) GONCAT(b ,) LOG2 (4)", 0, ""},
  };
  for (const Case& c : cases) {
    const Line l = src_line(c.text);
    test::Raised r = raised([&] {
      check_expr(l);
      check_paren(l);
    });
    EXPECT_EQ(r.number, c.number) << c.text;
    if (c.number) {
      EXPECT_EQ(r.message, line_error(c.number, c.text, c.msg));
    }
  }
}

TEST_F(ExprTest, LargeValuesAreFast) {
  auto start = std::chrono::steady_clock::now();
  const std::string v = eval(run, "EXPR(2^20000)");
  const std::string w = eval(run, "EXPR(3^12000+1)");
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_EQ(v.size(), 6021u);
  EXPECT_EQ(v.substr(v.size() - 4), "9376");
  EXPECT_EQ(w.size(), 5726u);
  EXPECT_LT(seconds, 0.5);
}

}  // namespace
}  // namespace korvex
