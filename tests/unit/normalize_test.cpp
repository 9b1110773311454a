// Statement normalisation: each step's rule, and statements rewritten by
// several steps.
#include "text/normalize.h"

#include "test_support.h"

namespace korvex {
namespace {

using testing::error_of;
using testing::lines_of;
using testing::texts_of;

class NormalizeTest : public testing::KorvexTest {
 protected:
  std::vector<std::string> source(const std::vector<std::string>& texts) {
    Lines in = lines_of(texts);
    Lines out;
    set_lines(run, in, out, ignored_, Stream::kSource);
    out_ = out;
    return texts_of(out);
  }
  Lines ignored_;
  Lines out_;
};

using V = std::vector<std::string>;

TEST_F(NormalizeTest, IndentationTabsAndKeywords) {
  EXPECT_EQ(source({"    assign a = b;"}), (V{"assign a = b;", ""}));
  EXPECT_EQ(out_[0].indent, 4);
  source({"\tassign a = b;\r"});
  EXPECT_EQ(out_[0].text, "assign a = b;");
  EXPECT_EQ(out_[0].indent, 4);
  EXPECT_EQ(source({"x = EXPR  (A+1) + HEX x;"})[0], "x = EXPR(A+1) + HEXx;");
  EXPECT_EQ(source({"x = LOG2(8);"})[0], "x = EXPR(2@8);");
  EXPECT_EQ(source({"IFDEF TRUE( A > 2 )"})[0], "IFDEF TRUE(A>2)");
  EXPECT_EQ(source({" "})[0], "");
  EXPECT_EQ(out_[0].pending, 1);
  // A statement that is the name of an empty line is one.
  EXPECT_EQ(source({"  __EMPTY_LINE__", "x;;__EMPTY_LINE__", "__EMPTY_LINE__ x"}),
            (V{"", "x", "", "__EMPTY_LINE__ x", ""}));
}

TEST_F(NormalizeTest, ShorthandConditionals) {
  EXPECT_EQ(source({"IF DEBUG $display(x);"}),
            (V{"IFDEF DEBUG ", " $display(x); ", " ENDIF DEBUG", ""}));
  EXPECT_EQ(source({"IFNOT FAST wait(1);"}),
            (V{"IFDEF FAST ", " ELSE FAST ", " wait(1); ", " ENDIF FAST", ""}));
  EXPECT_EQ(source({"IFNDEF FAST"}), (V{"IFDEF FAST ", " ELSE FAST ", " ", ""}));
  EXPECT_EQ(source({"ENDIF X"}), (V{"ENDIF X", ""}));
  // A one-line IF is tested for BUILD before it is rewritten.
  EXPECT_EQ(error_of([&] { source({"IF BUILD_1 x;"}); }).number, 336);
  EXPECT_EQ(error_of([&] { source({"ENDIF BUILD_1"}); }).number, 336);
  EXPECT_EQ(source({"IFDEF BUILD_1", "x = BUILD_NUM;"})[1], "x = BUILD_NUM;");
}

TEST_F(NormalizeTest, SplittingJoiningAndEnum) {
  EXPECT_EQ(source({"a ;; ;; b"}), (V{"a ", " ", " b", ""}));
  EXPECT_EQ(source({"a;;;;b"}), (V{"a", "b", ""}));
  EXPECT_EQ(source({"assign x = a \\\\", "  + b;"}),
            (V{"assign x = a ", "STOMP NEWLINE", "+ b;", ""}));
  EXPECT_EQ(source({"ENUM RED GREEN BLUE"}),
            (V{"SWAP RED 0 ", " SWAP GREEN 1 ", " SWAP BLUE 2 ", " ", ""}));
  options.MAX_DEFS = 4;  // room for ENUM and two names
  EXPECT_EQ(source({"ENUM A B"}).size(), 4u);
  EXPECT_EQ(error_of([&] { source({"ENUM A B C"}); }).number, 355);
}

// Lines without capitals take a shorter way; they must come out with the
// same record as any other line, also after a split has moved them.
TEST_F(NormalizeTest, PlainLinesKeepTheirRecordWhereverTheyLand) {
  EXPECT_EQ(source({"a;;b", "  c = d; // #1", "\te;", "f ## note"}),
            (V{"a", "b", "c = d; // #1", "e;", "f ", ""}));
  EXPECT_EQ(out_[2].num, 2);
  EXPECT_EQ(out_[2].indent, 2);
  EXPECT_EQ(out_[3].indent, 4);
  EXPECT_EQ(out_[4].remark, " note");
  // The closing empty line takes the record of the last line, whichever way it went.
  EXPECT_EQ(out_[5].num, 4);
  EXPECT_EQ(out_[5].remark, " note");
  source({"X;;Y", "  last;"});
  EXPECT_EQ(out_.back().num, 2);
  EXPECT_EQ(out_.back().indent, 2);
  EXPECT_EQ(out_.back().file, out_[0].file);
}

TEST_F(NormalizeTest, UnparsedRegionsAndRemarkLines) {
  EXPECT_EQ(source({"a", "ENDPARSE", "\tEXPR (1) x", "REMOVE_REMARK", "STARTPARSE", "b"}),
            (V{"a", "IGNOREPARSE", "b", ""}));
  ASSERT_GE(ignored_.size(), 1u);
  EXPECT_EQ(ignored_[0].text, "EXPR (1) x");
  EXPECT_EQ(ignored_[0].indent, 4);
  EXPECT_EQ(source({"a", "REMOVE_REMARK", "b"}), (V{"a", "b", ""}));
  // Every statement holding the marker goes, wherever it came from: a line
  // that was all remark, the lines of a block remark, a piece of a split
  // line, a rewritten ENUM.
  EXPECT_EQ(source({"a ## note", "## note", "<## x", "y", "z ##> w", "b;; x REMOVE_REMARK y ;;c",
                    "ENUM REMOVE_REMARK", "d"}),
            (V{"a ", "", " w", "b", "c", " ", "d", ""}));
  EXPECT_EQ(source({"p", "q"}), (V{"p", "q", ""}));
}

TEST_F(NormalizeTest, DefinitionModeRules) {
  auto definition = [&](const std::vector<std::string>& texts) {
    Lines in = lines_of(texts);
    Lines out;
    set_lines(run, in, out, ignored_, Stream::kDefinition);
    return texts_of(out);
  };
  EXPECT_EQ(definition({"SWAP A 1", "", "DEFINE X"}), (V{"SWAP A 1", "DEFINE X"}));
  // The empty lines go, and every line that holds the name of an empty line.
  EXPECT_EQ(definition({" ", "__EMPTY_LINE__", "SWAP B __EMPTY_LINE__", "SWAP C 1"}),
            (V{"SWAP C 1"}));
  EXPECT_EQ(error_of([&] { definition({"ENDPARSE"}); }).number, 320);
  EXPECT_EQ(error_of([&] { definition({"STARTPARSE"}); }).number, 319);
  EXPECT_EQ(error_of([&] { definition({"OUTFILE x.v"}); }).number, 335);
  EXPECT_EQ(definition({"BUILD", "ENDBUILD"}), (V{"BUILD", "ENDBUILD"}));
  EXPECT_EQ(error_of([&] { source({"BUILD"}); }).number, 336);
  const KorvexError e = error_of([&] { source({"IFDEF TRUE A"}); });
  EXPECT_EQ(e.number, 300);
}

// A line error shows the statement as it stood before this call rewrote it:
// tabs and indentation gone, keywords not yet closed up or rewritten.
TEST_F(NormalizeTest, LineErrorsShowTheStatementBeforeItsRewrites) {
  const KorvexError build = error_of([&] { source({"\tIF BUILD_1  EXPR (1);"}); });
  EXPECT_EQ(build.number, 336);
  EXPECT_NE(build.message.find("File t.v: line 1: IF BUILD_1  EXPR (1);\n"), std::string::npos);
  const KorvexError paren = error_of([&] { source({"  x = LOG2 (8) TRUE (a"}); });
  EXPECT_EQ(paren.number, 300);
  EXPECT_NE(paren.message.find("File t.v: line 1: x = LOG2 (8) TRUE (a\n"), std::string::npos);
}

// With -debug -verbose the call names the file of its first line, also when
// there is none (a definition stream made only of forwarded lines).
TEST_F(NormalizeTest, VerboseTraceNamesTheFirstLinesFile) {
  testing::TempDir dir;
  const std::string trace_path = dir.path() + "/korvex.dbg";
  options.DEBUG = true;
  options.VERBOSE = true;
  state.debugfile.open(trace_path);
  Lines in = lines_of({"a"}, "top.v");
  Lines empty, out;
  set_lines(run, in, out, ignored_, Stream::kSource);
  set_lines(run, empty, out, ignored_, Stream::kDefinition);
  state.debugfile.close();
  std::ifstream f(trace_path);
  std::vector<std::string> starts;
  for (std::string l; std::getline(f, l);)
    if (l.rfind("set_lines started for", 0) == 0) starts.push_back(l);
  EXPECT_EQ(starts, (V{"set_lines started for top.v", "set_lines started for "}));
}

TEST_F(NormalizeTest, StatementsBeyondTheLineLimit) {
  options.MAX_LINES = 4;
  EXPECT_EQ(source({"a;;b;;c"}).size(), 4u);
  const KorvexError e = error_of([&] { source({"a;;b;;c;;d"}); });
  EXPECT_EQ(e.number, 102);
  EXPECT_NE(e.message.find(" lines (use max_lines flag)\n"), std::string::npos);
}

}  // namespace
}  // namespace korvex
