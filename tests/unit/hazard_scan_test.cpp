// The hazard scan: each kind of place where plain Verilog would be changed
// or rejected is found, at its line and column, and the same keyword or
// name written as a directive is not.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lint/hazard_scan.h"
#include "lint/lint_keywords.h"

namespace korvex {
namespace {

using C = HazardCategory;

struct Found {
  int line, col;
  C category;
  bool operator==(const Found&) const = default;
};

std::ostream& operator<<(std::ostream& o, const Found& f) {
  return o << f.line << ":" << f.col << " [" << category_name(f.category) << "]";
}

std::vector<Found> scan(const std::string& text, FileRole role = FileRole::kSource,
                        const ScanNames& names = {}) {
  std::vector<Found> out;
  for (const Hazard& h : scan_hazards(text, role, names)) out.push_back({h.line, h.col, h.category});
  return out;
}

struct Case {
  const char* what;
  const char* text;
  std::vector<Found> expected;
};

TEST(HazardScan, KeywordsInPlainVerilog) {
  const Case cases[] = {
      {"licence text", "// EXPRESS OR IMPLIED\n", {{1, 4, C::kKeywordInComment}}},
      {"identifier", "wire CLKFBIN;\n", {{1, 10, C::kKeywordInWord}}},
      {"one-line IF in a comment", "assign a = b; // CVXIF x\n", {{1, 21, C::kKeywordInComment}}},
      {"ports in a name", "localparam NR_READ_PORTS = 2;\n", {{1, 20, C::kKeywordInWord}}},
      {"attribute value", "(* keep = \"TRUE\" *) reg r;\n", {{1, 12, C::kKeywordInString}}},
      {"CONST( in a port name", "m #(.CI_FILTER_CONST(2)) u();\n", {{1, 16, C::kKeywordInWord}}},
      {"version inside a name", "wire A_VERSION_B;\n", {{1, 8, C::kKeywordInWord}}},
      {"misplaced ELSE", "assign x = ELSE;\n", {{1, 12, C::kMisplacedKeyword}}},
      {"LOOP inside LOOPBACK", "wire LOOPBACK;\n", {{1, 6, C::kKeywordInWord}}},
      {"ENDBUILD in a source", "wire ENDBUILD;\n", {{1, 6, C::kMisplacedKeyword}}},
      {"a build name after ENDIF", "IFDEF BUILD_1\nENDIF BUILD_1\n", {{2, 7, C::kMisplacedKeyword}}},
      {"marker text", "wire REMOVE_REMARK;\n", {{1, 6, C::kInternalMarker}}},
      {"declared VERSION", "parameter VERSION = 3;\n", {{1, 11, C::kBuiltinSwap}}},
      {"VERSION as a value", "assign v = VERSION;\n", {{1, 12, C::kBuiltinSwap}}},
      {"declared BUILD_NUM", "localparam BUILD_NUM = 1;\nlocalparam W = EXPR(8);\n", {{1, 12, C::kBuiltinSwap}}},
      // A file without a directive means no built-in swap either.
      {"banner of a plain file", "// VERSION 1.0, build BUILD_NUM\n",
       {{1, 4, C::kBuiltinSwap}, {1, 23, C::kBuiltinSwap}}},
      {"PORTS outside a port list", "parameter PORTS = 4;\n", {{1, 11, C::kMisplacedKeyword}}},
      {"a macro is no directive", "`CHECK(a) `VERIFY(b)\n", {{1, 2, C::kKeywordInWord}, {1, 12, C::kKeywordInWord}}},
      {"block comment runs on", "/* start\n   HEX dump */ wire h;\n", {{2, 4, C::kKeywordInComment}}},
      // Not acted on in a source file: no report.
      {"source-inert words", "wire SWAP_x, DEFINE_y, LIST_z, GROUP w;\n", {}},
      {"ENDIF disables one-line IF", "x; // ENDIF IF y\n", {{1, 7, C::kKeywordInComment}}},
  };
  for (const Case& c : cases) EXPECT_EQ(scan(c.text), c.expected) << c.what;
}

TEST(HazardScan, DirectivesAreNotReported) {
  const char* clean[] = {
      "IFDEF FAST\nwire a;\nELSE FAST\nENDIF FAST\n",
      "IF DEBUG $display(x);\n",
      "IFNOT FAST wait(1);\n",
      "LOOP K 4\nassign out_K = in_K;\nENDLOOP K\n",
      "ITER k 3\nwire w_k;\nENDITER k\n",
      "localparam W = EXPR(WIDTH-1), H = HEX(255 8), L = LOG2(DEPTH);\n",
      "localparam PAD = 4'bDUPL(01 2);\n",
      "// UCASE(vendor) and VERSION, build BUILD_NUM\n",
      "OUTFILE out_BUILD_NUM.v\n",
      "module m (PORTS);\n",
      "CREATE sub.v subdefs.v DEFCMD(SWAP W 8) DEFCMD(LOOP N 4)\n",
      "wire a; ## a Korvex remark with ELSE in it\n",
      "<## a block remark\n with IF x and ##1 in it ##>\n",
      "CHECK(WIDTH)\nVERIFY(WIDTH>2) too narrow\nSTOMP ,\n",
      "IFDEF A ;; wire a; ;; ENDIF A\n",
      "assign a = b \\\\\n  + c;\n",
      "ENDPARSE\n(* keep = \"TRUE\" *) reg r; // ELSE x;;\nSTARTPARSE\n",
  };
  for (const char* t : clean) EXPECT_EQ(scan(t), std::vector<Found>{}) << t;
}

TEST(HazardScan, RemarksSplitsAndJoins) {
  const Case cases[] = {
      {"cycle delay", "assign q = ##1 x;\n", {{1, 12, C::kRemarkMarker}}},
      {"delay range", "a ##[1:3] b\n", {{1, 3, C::kRemarkMarker}}},
      {"delay by a name", "a ##DELAY b\n", {{1, 3, C::kRemarkMarker}}},
      {"a line of ;;", "  ;;\n", {{1, 3, C::kStatementSplit}}},
      {"printed marks", "$display(\"## done\");\n", {{1, 11, C::kRemarkMarker}}},
      {"comment banner", "// ##### section\n", {{1, 4, C::kRemarkMarker}}},
      {"doubled semicolon", "assign y = x;;\n", {{1, 13, C::kStatementSplit}}},
      {"three semicolons", "IFDEF A ;;; wire a;\n", {{1, 9, C::kStatementSplit}}},
      {"endless for", "for (i=0;;i=i+1) ;\n", {{1, 9, C::kStatementSplit}}},
      {"escaped backslash", "$display(\"\\\\\");\n", {{1, 11, C::kLineJoin}}},
      {"join before text", "a \\\\ b\n", {{1, 3, C::kLineJoin}}},
      // The remark cuts what follows it: nothing after it is looked at.
      {"remark hides the rest", "wire x; // ## ELSE\n", {{1, 12, C::kRemarkMarker}}},
  };
  for (const Case& c : cases) EXPECT_EQ(scan(c.text), c.expected) << c.what;
}

TEST(HazardScan, SwapAndLoopNames) {
  ScanNames names;
  names.swaps = {"W", "ADDR", "DEBUG_ONLY"};
  names.deleters = {"DEBUG_ONLY"};
  const Case cases[] = {
      {"swap inside a word", "// WORD\n", {{1, 4, C::kSwapInWord}}},
      {"swap joined with _ is meant", "wire [W-1:0] d; wire ADDR_NEXT;\n", {}},
      {"CONST protects", "// CONST(WORD)\n", {}},
      {"NULL swap deletes anywhere", "wire DEBUG_ONLYprobe;\n", {}},
      {"CHECK lines keep their names", "CHECK(WORD)\n", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(scan(c.text, FileRole::kSource, names), c.expected) << c.what;
  ScanNames n;
  n.swaps = {"N"};
  EXPECT_EQ(scan("LOOP K 2\nx_K;\nENDLOOP K\n", FileRole::kSource, n),
            (std::vector<Found>{{3, 2, C::kNameInKeyword}}))
      << "a swap inside a keyword";

  const Case loops[] = {
      {"loop name inside a word", "LOOP i 2\nwire b_i;\nENDLOOP i\n", {{2, 2, C::kLoopNameInWord}}},
      {"loop name in a nested keyword", "LOOP I 2\nIFDEF X\nENDIF X\nENDLOOP I\n",
       {{2, 1, C::kNameInKeyword}, {3, 4, C::kNameInKeyword}}},
      {"ITER touches only lines naming it", "ITER k 3\nwire w_k, kk;\nreg r;\nENDITER k\n",
       {{2, 11, C::kLoopNameInWord}}},
      {"closing statement is not in the body", "LOOP N 2\nn_N;\nENDLOOP N\n", {}},
  };
  for (const Case& c : loops) EXPECT_EQ(scan(c.text), c.expected) << c.what;
}

TEST(HazardScan, DefinitionFiles) {
  ScanNames names;
  names.swaps = {"W", "WIDTH"};
  names.groups = {"axi"};
  const Case cases[] = {
      {"statements", "SWAP W 8\nDEFINE.GLOBAL FAST\nLOOP.GLOBAL N 4\nGROUP axi is {\n}\n", {}},
      {"swap read into another swap", "SWAP DATA_WIDTH 32\nSWAP WW 2\n",
       {{1, 11, C::kSwapInWord}, {2, 6, C::kSwapInWord}}},
      {"defines are read before the swaps", "DEFINE WIDE\n", {}},
      {"keyword in a value", "SWAP MODE LOOPBACK\n", {{1, 11, C::kKeywordInWord}}},
      {"NOT_IN_LIST is a define name", "DEFINE NOT_IN_LIST\n", {}},
      {"LIST in a comment", "// LIST of swaps\n", {{1, 4, C::kKeywordInComment}}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(scan(c.text, FileRole::kDefinition, names), c.expected) << c.what;

  // A group reference is meant wherever it stands when the group exists.
  EXPECT_EQ(scan("assign m_GROUP_axi = 0;\n", FileRole::kSource, names), std::vector<Found>{});
  EXPECT_EQ(scan("wire NUM_GROUP_BITS;\n", FileRole::kSource, names),
            (std::vector<Found>{{1, 10, C::kKeywordInWord}}));
}

TEST(HazardScan, ExpressionOrder) {
  EXPECT_EQ(scan("x = EXPR(1+2*3);\n"), (std::vector<Found>{{1, 5, C::kExprOrder}}));
  EXPECT_EQ(scan("x = LOG2(D-1);\n"), (std::vector<Found>{{1, 5, C::kExprOrder}}));
  // The same order either way: left to right is what the reader expects.
  EXPECT_EQ(scan("x = EXPR(L*8+7) + EXPR(1+(2*3)) + EXPR(10-2-3) + LOG2((D-1));\n"),
            std::vector<Found>{});
}

TEST(HazardScan, RefsForTheFileWalk) {
  const FileRefs src = collect_refs(
      "INCLUDE  common.v\nCREATE child.v cdefs.v DEFCMD(SWAP W 8)\n## INCLUDE gone.v\n",
      FileRole::kSource);
  EXPECT_EQ(src.includes, std::vector<std::string>{"common.v"});
  ASSERT_EQ(src.children.size(), 1u);
  EXPECT_EQ(src.children[0].source, "child.v");
  EXPECT_EQ(src.children[0].definition, "cdefs.v");
  EXPECT_EQ(src.children[0].swaps, std::vector<std::string>{"W"});

  const FileRefs def = collect_refs(
      "SWAP A 1 ;; SWAP.GLOBAL B 2\nSWAP D NULL\nENUM RED GREEN\nGROUP g is {\n", FileRole::kDefinition);
  EXPECT_EQ(def.swaps, (std::vector<std::string>{"A", "B", "D", "RED", "GREEN"}));
  EXPECT_EQ(def.global_swaps, std::vector<std::string>{"B"});
  EXPECT_EQ(def.deleters, std::vector<std::string>{"D"});
  EXPECT_EQ(def.groups, std::vector<std::string>{"g"});
}

// A keyword found inside a longer one is the longer one's: the table must
// hold every keyword after those that contain it.
TEST(HazardScan, LongerKeywordsComeFirst) {
  const auto table = lint_keywords();
  for (size_t i = 0; i < table.size(); ++i)
    for (size_t j = i + 1; j < table.size(); ++j)
      EXPECT_EQ(std::string(table[i].word.text).find(table[j].word.text) != std::string::npos ||
                    std::string(table[j].word.text).find(table[i].word.text) == std::string::npos,
                true)
          << table[j].word.text << " stands after " << table[i].word.text;
}

}  // namespace
}  // namespace korvex
