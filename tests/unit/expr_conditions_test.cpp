// TRUE(...) conditions and VERIFY statements.
#include <gtest/gtest.h>

#include "expr/conditions.h"
#include "expr_test_util.h"

namespace korvex {
namespace {

using ConditionsTest = korvex::testing::KorvexTest;

using test::raised;
using test::src_line;

TEST_F(ConditionsTest, GetTrue) {
  struct Case {
    const char *text, *out;
  } cases[] = {
      {"TRUE(3>2)", "TRUE"},   {"TRUE(2>3)", "FALSE"},
      {"TRUE(1+1)", "FALSE"},  // 2 is not 1
      {"TRUE(WIDTH>2)", "FALSE"}, {"TRUE(2<N)", "FALSE"},  // names not yet substituted
      {"PLAIN_NAME", "PLAIN_NAME"}, {"TRUE (1)", "TRUE (1)"},
      {"TRUE(EXPR(1-8/2)<0)", "TRUE"},  // a computed negative value compares
      {"TRUE(1.5>=1.25)", "TRUE"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(get_true(run, src_line(c.text), c.text, "TRUE"), c.out) << c.text;
}

TEST_F(ConditionsTest, VerifyFailuresAreListedTogether) {
  Lines lines = {src_line("a", 1), src_line("VERIFY(1==2) else first", 2),
                 src_line("VERIFY(2==2) else fine", 3), src_line("VERIFY(N>1) else second", 4),
                 src_line("VERIFY(0)", 5), src_line("b", 6)};
  test::Raised r = raised([&] { check_verify(run, lines); });
  EXPECT_EQ(r.number, 118);
  EXPECT_EQ(r.message,
            "Korvex General error 118\n\nVERFIY compare failed.\n"
            "\nFile t.v: line 2: VERIFY(1==2) else first\n first\n"
            "\nFile t.v: line 4: VERIFY(N>1) else second\n second\n"
            "\nFile t.v: line 5: VERIFY(0)\n\n\n");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1].text, "b");
}

TEST_F(ConditionsTest, PassingVerifyLinesAreDeleted) {
  Lines lines = {src_line("VERIFY(EXPR(12%4)==0) else bad"), src_line("x")};
  check_verify(run, lines);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].text, "x");
}

}  // namespace
}  // namespace korvex
