// Big integers: floor division, text conversion, int limits, error texts,
// and arithmetic identities on random values of many blocks.
#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <string>

#include "bignum/big_error.h"
#include "bignum/big_integer.h"
#include "bignum/big_text.h"

namespace korvex {
namespace {

BigInteger big(const std::string& s) { return stringToBigInteger(s); }
std::string str(const BigInteger& v) { return bigIntegerToString(v); }

std::string error_of(const std::function<void()>& f) {
  try {
    f();
  } catch (const BigIntegerError& e) {
    return e.what();
  }
  return "<no error>";
}

TEST(BigIntegerTest, FloorDivisionWorkedResults) {
  struct Case {
    const char *a, *b, *q, *r;
  } cases[] = {
      {"7", "2", "3", "1"},     {"-7", "2", "-4", "1"},  {"7", "-2", "-4", "-1"},
      {"-7", "-2", "3", "-1"},  {"-6", "2", "-3", "0"},  {"0", "5", "0", "0"},
      {"5", "4294967296", "0", "5"},
      {"-5", "4294967296", "-1", "4294967291"},
      {"-18446744073709551616", "3", "-6148914691236517206", "2"},
      {"340282366920938463463374607431768211456", "-18446744073709551617",
       "-18446744073709551616", "-18446744073709551616"},
  };
  for (const Case& c : cases) {
    BigInteger a = big(c.a), b = big(c.b);
    EXPECT_EQ(str(a / b), c.q) << c.a << " / " << c.b;
    EXPECT_EQ(str(a % b), c.r) << c.a << " % " << c.b;
    BigInteger rem = a, quot;
    rem.divideWithRemainder(b, quot);
    EXPECT_EQ(str(quot), c.q);
    EXPECT_EQ(str(rem), c.r);
  }
}

TEST(BigIntegerTest, ZeroResultsHaveSignZero) {
  BigInteger x = big("-123456789012345678901234567890");
  EXPECT_EQ((x - x).getSign(), BigInteger::zero);
  EXPECT_EQ((x + (-x)).getSign(), BigInteger::zero);
  EXPECT_EQ((BigInteger(0) * BigInteger(-5)).getSign(), BigInteger::zero);
  EXPECT_EQ((BigInteger(-6) % BigInteger(2)).getSign(), BigInteger::zero);
  EXPECT_TRUE(BigInteger(BigUnsigned(), BigInteger::negative).isZero());
}

TEST(BigIntegerTest, DivideWithRemainderAliasing) {
  BigInteger a(17);
  EXPECT_EQ(error_of([&] { a.divideWithRemainder(BigInteger(5), a); }),
            "BigInteger::divideWithRemainder: Cannot write quotient and remainder into the same "
            "variable");
  EXPECT_EQ(str(a), "17");
  // Divisor that is also the quotient object.
  BigInteger q(5);
  a.divideWithRemainder(q, q);
  EXPECT_EQ(str(q), "3");
  EXPECT_EQ(str(a), "2");
  // Divisor that is the dividend itself.
  BigInteger d(-9), q2;
  d.divideWithRemainder(d, q2);
  EXPECT_EQ(str(q2), "1");
  EXPECT_EQ(str(d), "0");
  // A zero divisor leaves the dividend and gives quotient zero.
  BigInteger e(42), q3(7);
  e.divideWithRemainder(BigInteger(), q3);
  EXPECT_EQ(str(e), "42");
  EXPECT_EQ(str(q3), "0");
}

TEST(BigIntegerTest, TextToValue) {
  struct Case {
    const char *text, *value;
  } cases[] = {
      {"-0", "0"},   {"+0", "0"},     {"", "0"},   {"-", "0"},  {"+", "0"},
      {"000", "0"},  {"007", "7"},    {"+12", "12"}, {"-12", "-12"},
      {"-2147483648", "-2147483648"},
      {"000000000000000000000123456789012345678901234567890",
       "123456789012345678901234567890"},
  };
  for (const Case& c : cases) EXPECT_EQ(str(big(c.text)), c.value) << '"' << c.text << '"';
}

TEST(BigIntegerTest, TextErrors) {
  const std::string bad =
      "BigUnsignedInABase(std::string, Base): Bad symbol in input.  Only 0-9, A-Z, a-z are "
      "accepted.";
  const std::string letter =
      "BigUnsignedInABase::BigUnsignedInABase(const Digit *, Index, Base): A digit is too large "
      "for the specified base";
  EXPECT_EQ(error_of([] { big("12a"); }), letter);
  EXPECT_EQ(error_of([] { big("1.5"); }), bad);
  EXPECT_EQ(error_of([] { big(" 1"); }), bad);
  EXPECT_EQ(error_of([] { big("--1"); }), bad);
  // All characters are mapped before digits are judged: the symbol wins.
  EXPECT_EQ(error_of([] { big("a.1"); }), bad);
}

TEST(BigIntegerTest, RoundTripPastSixtyFourBits) {
  const char* texts[] = {"18446744073709551616", "-18446744073709551615",
                         "123456789012345678901234567890123456789012345678901234567890",
                         "1000000000000000000000000000000000000", "999999999999999999"};
  for (const char* t : texts) EXPECT_EQ(str(big(t)), t);
}

TEST(BigIntegerTest, ToIntLimits) {
  EXPECT_EQ(big("2147483647").toInt(), 2147483647);
  EXPECT_EQ(big("-2147483648").toInt(), -2147483647 - 1);
  EXPECT_EQ(BigInteger(-2147483647 - 1).toInt(), -2147483647 - 1);
  EXPECT_EQ(BigInteger().toInt(), 0);
  const std::string too_big = "BigInteger::to<Primitive>: Value is too big to fit in the requested type";
  for (const char* t : {"2147483648", "-2147483649", "4294967296", "-18446744073709551616"}) {
    EXPECT_EQ(error_of([&] { big(t).toInt(); }), too_big) << t;
  }
}

TEST(BigIntegerTest, DivisionByZeroTexts) {
  BigInteger a(5), z;
  EXPECT_EQ(error_of([&] { (void)(a / z); }), "BigInteger::operator /: division by zero");
  EXPECT_EQ(error_of([&] { (void)(a % z); }), "BigInteger::operator %: division by zero");
  EXPECT_EQ(error_of([&] { a /= z; }), "BigInteger::operator /=: division by zero");
  EXPECT_EQ(str(a), "5");
}

TEST(BigUnsignedTest, NegativeSubtractionIsAnError) {
  BigUnsigned m;
  EXPECT_EQ(error_of([&] { m.subtract(BigUnsigned(1), BigUnsigned(2)); }),
            "BigUnsigned::subtract: Negative result in unsigned calculation");
}

TEST(BigIntegerTest, ComparisonAcrossSigns) {
  const char* ordered[] = {"-18446744073709551617", "-18446744073709551616", "-5", "0", "3",
                           "4294967296", "18446744073709551617"};
  for (int i = 0; i < 7; ++i) {
    for (int j = 0; j < 7; ++j) {
      EXPECT_EQ(big(ordered[i]).compareTo(big(ordered[j])), (i > j) - (i < j));
      EXPECT_EQ(big(ordered[i]) <= big(ordered[j]), i <= j);
      EXPECT_EQ(big(ordered[i]) == big(ordered[j]), i == j);
    }
  }
}

TEST(BigIntegerTest, Shifts) {
  EXPECT_EQ(str(BigInteger(1).shiftLeft(64)), "18446744073709551616");
  EXPECT_EQ(str(big("18446744073709551617").shiftRight(64)), "1");
  EXPECT_EQ(str(BigInteger(-7).shiftRight(1)), "-4");
  EXPECT_EQ(str(BigInteger(-8).shiftRight(3)), "-1");
  EXPECT_EQ(str(BigInteger(-1).shiftRight(1000)), "-1");
  EXPECT_EQ(str(BigInteger(7).shiftRight(1000)), "0");
  EXPECT_EQ(BigInteger(1).shiftLeft(100).bitLength(), 101u);
}

// Random values of up to ~40 blocks, signs mixed: the division identity and
// its remainder bounds, and agreement of sums and products with each other.
TEST(BigIntegerTest, RandomIdentities) {
  std::mt19937_64 rng(12345);
  auto random_value = [&](int max_blocks) {
    int blocks = static_cast<int>(rng() % max_blocks) + 1;
    BigUnsigned m;
    for (int i = 0; i < blocks; ++i) {
      m.shiftLeft(32);
      // Runs of all-ones and zero blocks exercise the division corrections.
      std::uint32_t kind = rng() % 4;
      std::uint32_t blk = kind == 0 ? 0xFFFFFFFFu : kind == 1 ? 0 : static_cast<std::uint32_t>(rng());
      m.add(m, BigUnsigned(blk));
    }
    return BigInteger(m, rng() % 2 ? BigInteger::positive : BigInteger::negative);
  };
  for (int iter = 0; iter < 1500; ++iter) {
    BigInteger a = random_value(40);
    BigInteger b = random_value(iter % 2 ? 40 : 3);
    if (b.isZero()) {
      continue;
    }
    BigInteger q = a / b, r = a % b;
    ASSERT_EQ(q * b + r, a) << str(a) << " / " << str(b);
    if (!r.isZero()) {
      ASSERT_EQ(r.getSign(), b.getSign());
    }
    BigInteger abs_b = b.getSign() == BigInteger::negative ? -b : b;
    BigInteger abs_r = r.getSign() == BigInteger::negative ? -r : r;
    ASSERT_LT(abs_r, abs_b);
    ASSERT_EQ((a + b) - b, a);
    ASSERT_EQ(a * b, b * a);
    ASSERT_EQ(str(big(str(a))), str(a));
    ASSERT_EQ((a * b) / b, a);
  }
}

TEST(BigIntegerTest, LargePowerAndTextAreFast) {
  auto start = std::chrono::steady_clock::now();
  BigInteger p = BigInteger(1).shiftLeft(20000);
  BigInteger cube = p * p * p;
  std::string s = str(cube);
  EXPECT_EQ(big(s), cube);
  EXPECT_EQ(s.size(), 18062u);  // 60000 * log10(2) = 18061.8
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_LT(seconds, 1.0);
}

}  // namespace
}  // namespace korvex
