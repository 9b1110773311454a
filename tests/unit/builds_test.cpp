// Builds: BUILD blocks become BUILDn conditional blocks, one is kept per
// build, and the structure errors.
#include "defines/builds.h"
#include "swaps/check.h"
#include "test_support.h"

namespace korvex {
namespace {

using testing::error_of;
using testing::lines_of;
using testing::texts_of;
using Texts = std::vector<std::string>;

class BuildsTest : public testing::KorvexTest {};

TEST_F(BuildsTest, OneBlockPerBuild) {
  const Texts def = {"SWAP W 8",   "BUILD",          "DEFINE FAST", "IFDEF SLOW", "SWAP S 1",
                     "ENDIF SLOW", "SWAP X BUILD_NUM", "ENDBUILD",  "BUILD",      "SWAP W 16",
                     "IFDEF SLOW", "SWAP S 2",       "ENDIF SLOW", "ENDBUILD",   "SWAP Z 0"};
  Lines l = lines_of(def);
  set_builds(run, l);
  EXPECT_EQ(l[1].text, "IFDEF BUILD0");
  EXPECT_EQ(l[6].text, "SWAP X BUILD_NUM");
  EXPECT_EQ(l[7].text, "ENDIF BUILD0");
  EXPECT_EQ(l[8].text, "IFDEF BUILD1");
  EXPECT_EQ(l[13].text, "ENDIF BUILD1");

  // Other blocks inside the kept build stay whole for the define pass.
  Lines b0 = l;
  remove_builds(run, b0, 0);
  EXPECT_EQ(texts_of(b0), (Texts{"SWAP W 8", "DEFINE FAST", "IFDEF SLOW", "SWAP S 1",
                                 "ENDIF SLOW", "SWAP X BUILD_NUM", "SWAP Z 0"}));
  Lines b1 = l;
  remove_builds(run, b1, 1);
  EXPECT_EQ(texts_of(b1),
            (Texts{"SWAP W 8", "SWAP W 16", "IFDEF SLOW", "SWAP S 2", "ENDIF SLOW", "SWAP Z 0"}));
  Lines none = l;
  remove_builds(run, none, 2);
  EXPECT_EQ(texts_of(none), (Texts{"SWAP W 8", "SWAP Z 0"}));
}

TEST_F(BuildsTest, Errors) {
  struct Case {
    Texts in;
    int number;
    std::string tail;
  };
  const std::vector<Case> cases = {
      {{"BUILD", "DEFINE BUILDER", "ENDBUILD"}, 337,
       "line 2: DEFINE BUILDER\nBUILD found while expecting ENDBUILD\n"},
      {{"BUILD", "ENDBUILD", "ENDBUILD"}, 338, "line 3: ENDBUILD\nENDBUILD found without BUILD\n"},
      {{"BUILD", "ENDBUILD", "BUILD", "x"}, 339, "line 3: IFDEF BUILD1\nBUILD has no ENDBUILD\n"},
  };
  for (const Case& c : cases) {
    Lines l = lines_of(c.in);
    const KorvexError e = error_of([&] { set_builds(run, l); });
    EXPECT_EQ(e.number, c.number);
    ASSERT_GE(e.message.size(), c.tail.size());
    EXPECT_EQ(e.message.substr(e.message.size() - c.tail.size()), c.tail);
  }
}

TEST_F(BuildsTest, CheckSwaps) {
  Swaps t = {Swap{"BUILD_NUM", "0", false, false}, Swap{"VERSION", "1.2", false, false},
             Swap{"WIDTH", "8", false, false}};
  Lines l = lines_of({"a", "CHECK(WIDTH)", "CHECK(VERSION) b", "c"});
  check_swaps(run, l, t);
  EXPECT_EQ(texts_of(l), (Texts{"a", "c"}));

  struct Case {
    std::string text;
    int number;
    std::string tail;
  };
  const std::vector<Case> cases = {
      {"CHECK(DEPTH)", 342, "CHECK(DEPTH)\nSWAP DEPTH must be defined\n"},
      {"parity_CHECK = 1;", 300, "parity_CHECK = 1;\nNumber of open and close parenthesis do not match\n"},
  };
  for (const Case& c : cases) {
    Lines bad = lines_of({c.text});
    const KorvexError e = error_of([&] { check_swaps(run, bad, t); });
    EXPECT_EQ(e.number, c.number);
    ASSERT_GE(e.message.size(), c.tail.size());
    EXPECT_EQ(e.message.substr(e.message.size() - c.tail.size()), c.tail);
  }
}

}  // namespace
}  // namespace korvex
