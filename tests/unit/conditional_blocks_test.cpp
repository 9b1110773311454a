// Conditional blocks: non-final and final runs, nesting, ELSE toggling,
// pending flags, DVAL, the errors, and the set-aside of TRUE blocks.
#include "defines/conditional_blocks.h"
#include "test_support.h"

namespace korvex {
namespace {

using testing::error_of;
using testing::lines_of;
using testing::texts_of;
using Texts = std::vector<std::string>;

class ConditionalBlocksTest : public testing::KorvexTest {};

Defs defs_of(const Texts& names) {
  Defs t;
  for (const std::string& n : names) t.push_back(Def{n, false, false, true});
  return t;
}

const Texts kIfElse = {"IFDEF A", "one", "ELSE A", "two", "ENDIF A"};
const Texts kNested = {"IFDEF A", "x", "IFDEF B", "y", "ELSE B", "w", "ENDIF B", "ELSE A", "z",
                       "ENDIF A"};

TEST_F(ConditionalBlocksTest, Resolution) {
  struct Case {
    const char* what;
    Texts in;
    Texts defined;
    int all;
    Texts out;
  };
  const std::vector<Case> cases = {
      {"kept branch", kIfElse, {"A"}, 0, {"one"}},
      {"undefined, non-final: left whole", kIfElse, {}, 0, kIfElse},
      {"undefined, final: ELSE branch", kIfElse, {}, 1, {"two"}},
      {"nested undefined left for the final run", kNested, {"A"}, 0,
       {"x", "IFDEF B", "y", "ELSE B", "w", "ENDIF B"}},
      {"nested resolved by its own name", kNested, {"A", "B"}, 0, {"x", "y"}},
      {"a line holding the drop marker goes too", {"a REMOVE_DEF b", "c", "IFDEF A", "d", "ENDIF A"},
       {}, 1, {"c"}},
      {"nested in a dropped branch goes whatever its name", kNested, {"B"}, 1, {"z"}},
      {"each ELSE toggles", {"IFDEF A", "a", "ELSE A", "b", "ELSE A", "c", "ENDIF A"}, {"A"}, 1,
       {"a", "c"}},
      {"two blocks in a row",
       {"IFDEF A", "a", "ENDIF A", "IFDEF C", "c", "ENDIF C", "IFDEF A", "b", "ENDIF A"}, {"A"}, 0,
       {"a", "IFDEF C", "c", "ENDIF C", "b"}},
      {"every DVAL form of a line in one visit", {"x DVAL(A) DVAL(B) DVAL(A)"}, {"A"}, 0,
       {"x 1 0 1"}},
      {"DVAL in a branch kept by the final run", {"IFDEF U", "ELSE U", "v = DVAL(A);", "ENDIF U"},
       {"A"}, 1, {"v = 1;"}},
      {"a condition that holds", {"IFDEF TRUE(3>2)", "k", "ENDIF TRUE(3>2)"}, {"TRUE"}, 0, {"k"}},
      {"a condition that fails", {"IFDEF TRUE(2>3)", "k", "ELSE TRUE(2>3)", "e", "ENDIF TRUE(2>3)"},
       {"TRUE"}, 1, {"e"}},
      {"a condition over an unknown name waits for the final run",
       {"IFDEF TRUE(W>2)", "k", "ENDIF TRUE(W>2)"}, {"TRUE"}, 0,
       {"IFDEF TRUE(W>2)", "k", "ENDIF TRUE(W>2)"}},
  };
  testing::TempDir dir;
  for (const Case& c : cases) {
    Lines l = lines_of(c.in);
    insert_defs(run, l, defs_of(c.defined), c.all ? Scope::kAll : Scope::kPending, Blocks::kEvery);
    EXPECT_EQ(texts_of(l), c.out) << c.what;
    // Traced, the pass keeps the marked lines to the end of its walk: the
    // result is the same.
    options.DEBUG = options.VERBOSE = true;
    state.debugfile.open(dir.path() + "/korvex.dbg");
    l = lines_of(c.in);
    insert_defs(run, l, defs_of(c.defined), c.all ? Scope::kAll : Scope::kPending, Blocks::kEvery);
    EXPECT_EQ(texts_of(l), c.out) << c.what << " (traced)";
    state.debugfile.close();
    options.DEBUG = options.VERBOSE = false;
  }
}

TEST_F(ConditionalBlocksTest, NonFinalRunLooksOnlyAtPendingLines) {
  Lines l = lines_of({"IFDEF A", "x DVAL(A)", "ENDIF A", "y DVAL(A)", "IFDEF A", "ENDIF A"});
  l[0].pending = 0;
  l[1].pending = 0;
  l[3].pending = 0;
  insert_defs(run, l, defs_of({"A"}), Scope::kPending, Blocks::kEvery);
  // The block at 0 is not considered; the one at 4 is, its lines whatever their flag.
  EXPECT_EQ(texts_of(l), (Texts{"IFDEF A", "x DVAL(A)", "ENDIF A", "y DVAL(A)"}));
  insert_defs(run, l, defs_of({"A"}), Scope::kAll, Blocks::kEvery);
  EXPECT_EQ(texts_of(l), (Texts{"x 1", "y 1"}));
}

TEST_F(ConditionalBlocksTest, Errors) {
  struct Case {
    Texts in;
    int number;
    std::string tail;  // the end of the message: the line shown and the text
  };
  const std::vector<Case> cases = {
      {{"a", "IFDEF A", "ELSE B", "ENDIF A"}, 324,
       "line 3: ELSE B\nELSE does not match IFDEF at line 1\n"},
      {{"IFDEF A", "IFDEF B", "ENDIF A", "ENDIF B"}, 325,
       "line 3: ENDIF A\nENDIF does not match IFDEF at line 1\n"},
      {{"IFDEF A", "x", "ENDIF B"}, 325, "line 3: ENDIF B\nENDIF does not match IFDEF at line 0\n"},
      {{"IFDEF A", "x", "IFDEF B", "y"}, 326, "line 3: IFDEF B\nIFDEF  has no ENDIF\n"},
      // Lines dropped before the block do not move the index it reports.
      {{"IFDEF B", "gone", "ENDIF B", "a", "IFDEF A", "ELSE B", "ENDIF A"}, 324,
       "line 6: ELSE B\nELSE does not match IFDEF at line 4\n"},
  };
  for (const Case& c : cases) {
    Lines l = lines_of(c.in);
    const KorvexError e =
        error_of([&] { insert_defs(run, l, defs_of({"A"}), Scope::kAll, Blocks::kEvery); });
    EXPECT_EQ(e.number, c.number);
    ASSERT_GE(e.message.size(), c.tail.size());
    EXPECT_EQ(e.message.substr(e.message.size() - c.tail.size()), c.tail);
  }
}

TEST_F(ConditionalBlocksTest, DeepNesting) {
  Texts in;
  const int depth = 50000;
  for (int i = 0; i < depth; ++i) in.push_back("IFDEF A");
  in.push_back("x");
  for (int i = 0; i < depth; ++i) in.push_back("ENDIF A");
  Lines l = lines_of(in);
  insert_defs(run, l, defs_of({"A"}), Scope::kAll, Blocks::kEvery);
  EXPECT_EQ(texts_of(l), (Texts{"x"}));
}

TEST_F(ConditionalBlocksTest, TrueBlocksAreSetAside) {
  Lines l = lines_of({"SWAP N 3", "IFDEF TRUE(N>2)", "IFDEF B", "ENDIF B", "SWAP M 1",
                      "ENDIF TRUE(N>2)", "SWAP K 2"});
  for (Line& x : l) x.pending = 0;
  Lines aside = lines_of({"stale"});
  remove_ifdef_true(run, l, aside);
  EXPECT_EQ(texts_of(l), (Texts{"SWAP N 3", "SWAP K 2"}));
  EXPECT_EQ(texts_of(aside), (Texts{"IFDEF TRUE(N>2)", "IFDEF B", "ENDIF B", "SWAP M 1",
                                    "ENDIF TRUE(N>2)"}));
  for (const Line& x : aside) EXPECT_EQ(x.pending, 1);
}

}  // namespace
}  // namespace korvex
