// The swap table: statement forms, overwriting, the cross-substitution order
// and the capacity rule.
#include "swaps/swap_table.h"
#include "test_support.h"

namespace korvex {
namespace {

using testing::error_of;
using testing::lines_of;

class SwapTableTest : public testing::KorvexTest {};

// "name -> value" per entry, for compact expectations.
std::vector<std::string> entries(const Swaps& t) {
  std::vector<std::string> out;
  for (const Swap& s : t) out.push_back(s.name + " -> " + s.value);
  return out;
}

TEST_F(SwapTableTest, CrossSubstitution) {
  struct Case {
    std::vector<std::string> lines;
    std::vector<std::string> expected;
  };
  const std::vector<Case> cases = {
      {{}, {"BUILD_NUM -> 3", "VERSION -> 1.2"}},
      // A value takes the value of a swap declared after it.
      {{"SWAP LEN DEPTH+1", "SWAP DEPTH 2"},
       {"BUILD_NUM -> 3", "VERSION -> 1.2", "LEN -> 2+1", "DEPTH -> 2"}},
      // A name takes the value of a shorter swap's name it holds.
      {{"SWAP WIDTH 8", "SWAP DATA_WIDTH 32"},
       {"BUILD_NUM -> 3", "VERSION -> 1.2", "WIDTH -> 8", "DATA_8 -> 32"}},
      // Built-in names are rewritten too.
      {{"SWAP U x"}, {"BxILD_NxM -> 3", "VERSION -> 1.2", "U -> x"}},
      // A second BUILD_NUM: step 1 renames the built-in, step 4 then gives
      // the new entry the built-in's value.
      {{"SWAP BUILD_NUM 7"}, {"7 -> 3", "VERSION -> 1.2", "BUILD_NUM -> 3"}},
      // VERSION is overwritten in place.
      {{"SWAP VERSION 9"}, {"BUILD_NUM -> 3", "VERSION -> 9"}},
      // Values of several words keep their inner blanks.
      {{"SWAP X a b c", "SWAP Y   p  q", "SWAP Z one   "},
       {"BUILD_NUM -> 3", "VERSION -> 1.2", "X -> a b c", "Y -> p  q", "Z -> one"}},
      // WW loses one W to the NULL value, then the other: an emptied name is
      // dropped rather than ending the table or matching everywhere.
      {{"SWAP W NULL", "SWAP WW 1", "SWAP K 5"},
       {"BUILD_NUM -> 3", "VERSION -> 1.2", "W -> NULL", "K -> 5"}},
  };
  for (const Case& c : cases) {
    Swaps t;
    const int n = set_swaps(run, lines_of(c.lines), t, 3);
    EXPECT_EQ(entries(t), c.expected) << c.lines.size();
    EXPECT_EQ(n, static_cast<int>(t.size()));
  }
}

TEST_F(SwapTableTest, LaterSwapOverwritesUnlessHandedDown) {
  Swaps t;
  set_swaps(run, lines_of({"SWAP.GLOBAL A 1", "SWAP A 2", "SWAP.CMD B 1", "SWAP.GLOBAL B 2"}), t,
            0);
  ASSERT_EQ(t.size(), 4u);
  EXPECT_EQ(t[2].value, "2");
  EXPECT_FALSE(t[2].global);
  EXPECT_EQ(t[3].value, "1");
  EXPECT_TRUE(t[3].cmd);
  EXPECT_FALSE(t[3].global);
  EXPECT_EQ(get_swap_index(t, "B"), 3);
  EXPECT_EQ(get_swap_index(t, "C"), -1);
  EXPECT_EQ(get_swap_index(t, ""), -1);
}

TEST_F(SwapTableTest, CapacityCountsTheBuiltIns) {
  options.MAX_DEFS = 4;
  Swaps t;
  EXPECT_EQ(set_swaps(run, lines_of({"SWAP A 1"}), t, 0), 3);
  const KorvexError e = error_of([&] { set_swaps(run, lines_of({"SWAP A 1", "SWAP B 2"}), t, 0); });
  EXPECT_EQ(e.number, 106);
  EXPECT_EQ(e.message,
            "Korvex General error 106\n\nSwap number exceeded maximum size of 4  (use max_defs "
            "flag)\n");
  // Overwriting does not count.
  EXPECT_EQ(set_swaps(run, lines_of({"SWAP A 1", "SWAP A 2"}), t, 0), 3);
}

}  // namespace
}  // namespace korvex
