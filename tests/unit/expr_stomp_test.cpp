// STOMP statements.
#include <gtest/gtest.h>

#include "expr/stomp.h"
#include "expr_test_util.h"

namespace korvex {
namespace {

using StompTest = korvex::testing::KorvexTest;

using test::line_error;
using test::raised;
using test::src_line;

std::vector<std::string> stomped(RunContext& run, const std::vector<std::string>& texts) {
  Lines lines;
  for (const std::string& t : texts) lines.push_back(src_line(t));
  remove_stomp(run, lines);
  std::vector<std::string> out;
  for (const Line& l : lines) out.push_back(l.text.str());
  return out;
}

using Texts = std::vector<std::string>;

TEST_F(StompTest, Forms) {
  struct Case {
    Texts in, out;
  } cases[] = {
      {{"a", "STOMP NEWLINE", "b"}, {"a b"}},
      {{"a", "STOMP NEWLINE", "b", "STOMP NEWLINE", "c", "d"}, {"a b c", "d"}},
      {{"x", "y", "STOMP LINE"}, {"x"}},
      {{"a,", "b,", "STOMP ,"}, {"a,", "b"}},
      {{"f(a, b,", "z", "STOMP , )"}, {"f(a, b)", "z"}},
      {{"a", "STOMP NEWLINE"}, {"a"}},  // nothing to join
      {{",", "STOMP ,", "b"}, {"", "b"}},
      // An empty line holds nothing to find, and joins as nothing; an
      // unparsed line's placeholder is passed over.
      {{"a_E", "", "STOMP E x", "", "STOMP _"}, {"ax", "", ""}},
      {{"a", "STOMP NEWLINE", "", "", "STOMP NEWLINE", "b"}, {"a ", " b"}},
      {{"PARSE", "IGNOREPARSE", "STOMP PARSE"}, {"", "IGNOREPARSE"}},
  };
  for (const Case& c : cases) EXPECT_EQ(stomped(run, c.in), c.out) << c.in[0];
}

TEST_F(StompTest, MissingTargets) {
  struct Case {
    Texts in;
    const char *shown, *msg;
  } cases[] = {
      {{"a", "STOMP zz"}, "STOMP zz", "Could not find STOMP string zz"},
      {{"", "IGNOREPARSE", "STOMP E"}, "STOMP E", "Could not find STOMP string E"},
      {{"STOMP LINE", "a"}, "STOMP LINE", "Could not find STOMP string LINE"},
      {{"STOMP NEWLINE", "a"}, "STOMP NEWLINE", "Could not find STOMP string NEWLINE"},
  };
  for (const Case& c : cases) {
    test::Raised r = raised([&] { stomped(run, c.in); });
    EXPECT_EQ(r.message, line_error(329, c.shown, c.msg));
  }
}

}  // namespace
}  // namespace korvex
