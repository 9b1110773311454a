// Line arrays, the error frame and the census.
#include "base/diagnostics.h"
#include "test_support.h"
#include "text/census.h"
#include "text/checks.h"
#include "text/line.h"

namespace korvex {
namespace {

using testing::error_of;
using testing::lines_of;
using testing::texts_of;

class LineTest : public testing::KorvexTest {};

TEST_F(LineTest, CopyLinesCapacityAndTruncation) {
  Lines dst = lines_of({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"});
  copy_lines(run.options, lines_of({"a", "b", "c"}), dst, 0);
  EXPECT_EQ(texts_of(dst), (std::vector<std::string>{"a", "b", "c"}));
  Lines empty;
  copy_lines(run.options, lines_of({"x"}), empty, 1);
  EXPECT_EQ(texts_of(empty), (std::vector<std::string>{"x"}));

  options.MAX_LINES = 4;
  copy_lines(run.options, lines_of({"d"}), dst, 1);  // exactly full is allowed
  EXPECT_EQ(dst.size(), 4u);
  const KorvexError e = error_of([&] { copy_lines(run.options, lines_of({"e"}), dst, 1); });
  EXPECT_EQ(e.number, 102);
  EXPECT_EQ(e.message,
            "Korvex General error 102\n\nLine copy exceeded maximum size of 4 lines (use max_lines "
            "flag)\n");
}

TEST_F(LineTest, RemoveLinesBySubstring) {
  Lines l = lines_of({"INCLUDE a.v", "wire INCLUDE_x;", "wire y;"});
  EXPECT_EQ(remove_lines(run, l, "INCLUDE"), 2);
  EXPECT_EQ(texts_of(l), (std::vector<std::string>{"wire y;"}));
  EXPECT_EQ(remove_lines(run, l, "nothing"), 2);
  Lines none;
  EXPECT_EQ(remove_lines(run, none, "x"), 1);
}

TEST_F(LineTest, CopyLineMarkAndIgnoredLines) {
  Line src;
  src.text = "t";
  src.pending = 0;
  Line dst;
  copy_line(src, dst, 1);
  EXPECT_EQ(dst.pending, 1);
  src.pending = 1;
  copy_line(src, dst, 0);
  EXPECT_EQ(dst.pending, 1);

  Lines l = lines_of({"IGNOREPARSE", "x IGNOREPARSE", "IGNOREPARSE"});
  l[2].indent = 3;
  insert_ignored(l, lines_of({"first", "second"}));
  EXPECT_EQ(texts_of(l), (std::vector<std::string>{"first", "x IGNOREPARSE", "second"}));
  EXPECT_EQ(l[2].indent, 3);  // the placeholder keeps its own fields
}

TEST_F(LineTest, ErrorFrameNamesTheCreateChain) {
  Line create;
  create.file = "dir/top.v";
  create.num = 7;
  create.text = "child.v";
  state.create_tree = {create};
  state.create_index = 1;
  Line line;
  line.file = "sub/child.v";
  line.num = 3;
  line.text = "OUTFILE b.v";
  // Each CREATE level frames what it unwinds, the innermost first: an outer
  // level does not frame it again.
  const KorvexError e = error_of([&] {
    try {
      try {
        linerr(Err::OUTFILE_TWICE, line);
      } catch (KorvexError& inner) {
        inner.frame(create_chain_block(state));
        throw;
      }
    } catch (KorvexError& outer) {
      state.create_index = 0;
      outer.frame(create_chain_block(state));
      outer.name_build(2);
      outer.name_build(-1);
      throw;
    }
  });
  EXPECT_EQ(e.number, 334);
  EXPECT_EQ(e.message,
            "Korvex Line error 334\n\nError in child file: \nCreate child.v in dir/top.v: line 7\n\n"
            "File child.v: line 3: OUTFILE b.v\nOUTFILE was defined more than once in the same "
            "file\n");
  EXPECT_EQ(e.build, 2);
  EXPECT_EQ(error_of([] { generr(Err::OUTPUT_OPEN, "x.v"); }).message,
            "Korvex General error 113\n\nx.v couldn't be opened for output\n");
  // An empty line is named by the name of an empty line; a default line,
  // standing for none, by nothing.
  line.text.clear();
  EXPECT_EQ(error_of([&] { linerr(Err::OUTFILE_TWICE, line); }).message,
            "Korvex Line error 334\n\nFile child.v: line 3: __EMPTY_LINE__\nOUTFILE was defined "
            "more than once in the same file\n");
  EXPECT_EQ(error_of([] { linerr(Err::OUTFILE_TWICE, Line()); }).message,
            "Korvex Line error 334\n\nFile : line 0: \nOUTFILE was defined more than once in the "
            "same file\n");
}

TEST_F(LineTest, CensusCountsSubstrings) {
  cntr c;
  count(lines_of({"wire [WIDTH-1:0] COMBINE;", "ENDLOOP i", "LOOP i 0 3", "BUILD_NUM",
                  "SWAP.GLOBAL W 8", "SWAP.CMD W 8", "IFDEF TRUE(A>2)", "ENDBUILD",
                  "x = UCASE(a);", "GROUP g is {"}),
        c);
  EXPECT_EQ(c.line_count, 10);
  EXPECT_EQ(c.expr_count, 1);  // "BIN" inside COMBINE
  EXPECT_EQ(c.loop_count, 1);
  EXPECT_EQ(c.swap_count, 1);  // .GLOBAL is removed first; .CMD has no blank after SWAP
  EXPECT_EQ(c.define_count, 1);
  EXPECT_EQ(c.true_ifdef_count, 1);
  EXPECT_EQ(c.build_count, 0);
  EXPECT_EQ(c.case_count, 1);
  EXPECT_EQ(c.group_count, 1);
  count(lines_of({"LOOP i 0 3"}), c);  // counts add up
  EXPECT_EQ(c.loop_count, 2);
}

// A line names its file through one copy of the path and holds its remark
// only when it has one; copies of a line are whole and independent.
TEST_F(LineTest, FileNamesAndRemarksTravelWithCopies) {
  Line a;
  a.file = std::string("rtl/blocks/a_long_module_name.v");
  a.remark = " why";
  Line b = a;
  EXPECT_TRUE(b.file == a.file);
  EXPECT_EQ(&b.file.str(), &a.file.str());  // the same copy of the path
  EXPECT_EQ(b.remark, " why");
  a.remark = "";
  EXPECT_EQ(a.remark, "");
  EXPECT_EQ(b.remark, " why");
  EXPECT_FALSE(FileName("x.v") == FileName("y.v"));
  EXPECT_TRUE(Line().file.empty());
}

// The structural checks count the source in the same walk.
TEST_F(LineTest, ChecksCountLikeTheCensus) {
  const Lines lines = lines_of({"assign a = b;", "LOOP i 0 3", "x = EXPR(i) + HEX(8,2);",
                                "ENDLOOP i", "SWAP.GLOBAL W 8", "IFDEF TRUE(A>2)", "ENDIF TRUE(A>2)",
                                "OUTFILE o.v", "y = DUPL(a 2) CONST(W);", "CREATE c.v"});
  cntr counted, checked;
  count(lines, counted);
  check_lines(lines, &checked);
  EXPECT_TRUE(checked == counted);
  EXPECT_EQ(checked.line_count, 10);
  EXPECT_EQ(checked.loop_count, 1);
}

}  // namespace
}  // namespace korvex
