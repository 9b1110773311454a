// BIN, OCT and HEX literals: digit counts, dropped high digits, NOPRE,
// values past 64 bits, error texts and the width limit.
#include <gtest/gtest.h>

#include <chrono>

#include "bignum/big_text.h"
#include "expr/evaluator.h"
#include "expr/number_format.h"
#include "expr_test_util.h"

namespace korvex {
namespace {

using NumberFormatTest = korvex::testing::KorvexTest;

using test::line_error;
using test::raised;
using test::src_line;

std::string format(RunContext& run, const std::string& text, const std::string& kw) {
  return get_base(run, src_line(text), kw);
}

TEST_F(NumberFormatTest, Literals) {
  struct Case {
    const char *in, *kw;
    std::string out;
  } cases[] = {
      {"HEX(255 8)", "HEX", "8'hFF"},
      {"HEX(255 8 NOPRE)", "HEX", "FF"},
      {"HEX(255 8 lower)", "HEX", "8'hFF"},
      {"OCT(8 7)", "OCT", "7'o010"},
      {"BIN(5 4)", "BIN", "4'b0101"},
      {"HEX(10 1)", "HEX", "1'hA"},
      {"HEX(256 8)", "HEX", "8'h00"},
      {"HEX(255 6)", "HEX", "6'hFF"},
      {"HEX(5 008)", "HEX", "8'h05"},
      {"HEX(18446744073709551616 68)", "HEX", "68'h10000000000000000"},
      {"BIN(18446744073709551615 66)", "BIN", "66'b00" + std::string(64, '1')},
      {"OCT(18446744073709551616 66)", "OCT", "66'o2" + std::string(21, '0')},
      {"a HEX(1 4) b HEX(1 4) c HEX(2 4)", "HEX", "a 4'h1 b 4'h1 c HEX(2 4)"},
  };
  for (const Case& c : cases) EXPECT_EQ(format(run, c.in, c.kw), c.out) << c.in;
}

TEST_F(NumberFormatTest, NegativeValueOfADirectCallIsTwosComplement) {
  EXPECT_EQ(dec2hex(BigInteger(-1), 8, 1), "8'hFF");
  EXPECT_EQ(dec2bin(BigInteger(-6), 4, 0), "1010");
  EXPECT_EQ(dec2base(BigInteger(255), 8, 10, ""), "55");
}

TEST_F(NumberFormatTest, Errors) {
  struct Case {
    std::string in;
    int number;
    std::string msg;
  } cases[] = {
      {"HEX(-1 8)", 303, "Expression is not numeric (HEX value)"},
      {"BIN(1 x)", 303, "Expression is not numeric (BIN digits)"},
      {"HEX(5 0)", 307, "HEX digits are 0"},
      {"OCT(5)", 307, "OCT digits are 0"},
      {"HEX(5 8", 300, "Number of open and close parenthesis do not match"},
      {"BIN(5 2000000000)", 350, "Generated line exceeds the limit of 67108864 bytes"},
      {"BIN(5 99999999999999999999999)", 350,
       "Generated line exceeds the limit of 67108864 bytes"},
  };
  for (const Case& c : cases) {
    const std::string kw = c.in.substr(0, 3);
    test::Raised r = raised([&] { format(run, c.in, kw); });
    EXPECT_EQ(r.number, c.number) << c.in;
    EXPECT_EQ(r.message, line_error(c.number, c.in, c.msg)) << c.in;
  }
}

TEST_F(NumberFormatTest, WideLiteralIsFast) {
  const std::string value = get_expr(run, src_line("EXPR(2^20000)"), "EXPR(2^20000)");
  auto start = std::chrono::steady_clock::now();
  const std::string lit = format(run, "HEX(" + value + " 20004)", "HEX");
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_EQ(lit, "20004'h1" + std::string(5000, '0'));
  EXPECT_LT(seconds, 0.1);
}

}  // namespace
}  // namespace korvex
