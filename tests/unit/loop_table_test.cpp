// Loop ranges: statement parsing, the table built from definitions, and the
// lookup by name in exact and near mode.
#include <sstream>

#include "loops/loop_table.h"
#include "text/checks.h"
#include "test_support.h"

namespace korvex {
namespace {

using testing::error_of;

Line stmt(const std::string& text) { return testing::lines_of({text}, "top.v")[0]; }

class LoopTable : public testing::KorvexTest {};

TEST_F(LoopTable, CatchLoopRanges) {
  struct Case {
    const char* text;
    const char* name;
    int first, last;
    bool global;
  } const cases[] = {
      {"LOOP N 8", "N", 0, 7, false},
      {"LOOP.GLOBAL  N   5  5", "N", 5, 5, true},
      {"ITER k 007 010", "k", 7, 10, false},
      {"ITER LOOPY 2", "LOOPY", 0, 1, false},  // ITER is looked for first
      {"LOOP.GLOBAL N EXPR(1+1) EXPR(EXPR(1+1)*3)", "N", 2, 6, true},
      {"LOOP N 2147483648", "N", 0, 2147483647, false},
  };
  for (const Case& c : cases) {
    Loop l;
    parse_loop_statement(run, stmt(c.text), l);
    EXPECT_EQ(std::tuple(l.name, l.first, l.last, l.global),
              std::tuple(std::string(c.name), c.first, c.last, c.global))
        << c.text;
  }
}

TEST_F(LoopTable, CatchLoopErrors) {
  struct Case {
    const char* text;
    int number;
    const char* message;
  } const cases[] = {
      {"LOOP N 5 2", 327, "decrementing loop is not supported"},
      // The sign test comes before the digit test, on both parameters.
      {"LOOP N x -4", 323, "negative loop parameters are not supported"},
      {"LOOP N 1 W", 322, "Loop parameter W is not numeric"},
      {"LOOP N 1 99999999999999999999", 322, "Loop parameter 99999999999999999999 is too large"},
      {"LOOP N 2147483649", 322, "Loop parameter 2147483649 is too large"},
      {"ITER k 1 2 3", 354, "ITER statement has more than 4 words"},
      {"LOOP N", 354, "LOOP statement needs a name and a range"},
  };
  for (const Case& c : cases) {
    Loop l;
    const KorvexError e = error_of([&] { parse_loop_statement(run, stmt(c.text), l); });
    EXPECT_EQ(e.number, c.number) << c.text;
    EXPECT_TRUE(e.message.ends_with("File top.v: line 1: " + std::string(c.text) + "\n" +
                                    c.message + "\n"))
        << e.message;
  }
}

TEST_F(LoopTable, SetLoopsLaterDefinitionWinsAndIsListed) {
  testing::TempDir dir;
  const std::string path = dir.file("korvex.dbg", "");
  options.DEBUG = true;
  state.debugfile.open(path);
  options.MAX_DEFS = 3;  // two names fit; a redefinition takes no room
  Loops table;
  set_loops(run,
            {stmt("LOOP A 4"), stmt("SWAP X 1"), stmt("LOOP.GLOBAL B 2 3"), stmt("LOOP A 1 2")},
            table);
  state.debugfile.close();
  std::stringstream trace;
  trace << std::ifstream(path).rdbuf();
  EXPECT_EQ(trace.str(), "Total of 2 loops: \nLoop 0: A  1 - 2\nLoop (global) 1: B  2 - 3\n\n");
  EXPECT_EQ(error_of([&] {
              set_loops(run, {stmt("LOOP A 1"), stmt("LOOP B 1"), stmt("LOOP C 1")}, table);
            }).number,
            108);
}

TEST_F(LoopTable, NearModeLookup) {
  const Loops table = {{"IDX", 0, 3, false},  {"DATA_IDX_HI", 0, 1, false}, {"DATA", 0, 2, false},
                       {"DATA_IDX", 0, 5, false}, {"Q1", 0, 1, false},      {"Q2", 0, 1, false}};
  const Line l = stmt("LOOP X");
  EXPECT_EQ(get_loop_index(l, "DATA_IDX", table, 0), 3);  // the same name, though not first
  EXPECT_EQ(get_loop_index(l, "DATA_IDX", {table[0], table[1]}, 0), 1);  // 3 longer beats 5 shorter
  EXPECT_EQ(get_loop_index(l, "DATA_", table, 0), 2);  // contained, 1 shorter
  EXPECT_EQ(get_loop_index(l, "Q", table, 0), 4);      // first of equal differences
  EXPECT_EQ(get_loop_index(l, "Q", table, 1), -1);
  const KorvexError e = error_of([&] { get_loop_index(l, "ZZ", table, 0); });
  EXPECT_EQ(e.number, 309);
  EXPECT_TRUE(e.message.ends_with("loop ZZ is not declared\n")) << e.message;
  EXPECT_TRUE(check_loop_param("CREATE sub.v DEFCMD( LOOP N 4)"));
  EXPECT_FALSE(check_loop_param("CREATE sub.v DEFCMD(SWAP LOOPS 4)"));
}

}  // namespace
}  // namespace korvex
