// Loop ranges: statement parsing, the table built from definitions, and the
// lookup by name in exact and near mode.
#include <sstream>

#include "loops/loop_table.h"
#include "test_support.h"

namespace korvex {
namespace {

using testing::error_of;

Line stmt(const std::string& text) {
  Line l;
  l.file = "top.v";
  l.num = 3;
  l.text = text;
  return l;
}

class LoopTable : public testing::KorvexTest {};

TEST_F(LoopTable, CatchLoopRanges) {
  struct Case {
    const char* text;
    const char* name;
    int first, last;
    bool global;
  };
  const Case cases[] = {
      {"LOOP N 8", "N", 0, 7, false},
      {"LOOP N 2 5", "N", 2, 5, false},
      {"LOOP N 5 5", "N", 5, 5, false},
      {"LOOP.GLOBAL N 4", "N", 0, 3, true},
      {"LOOP.GLOBAL  N   1  3", "N", 1, 3, true},
      {"ITER k 3", "k", 0, 2, false},
      {"ITER k 007 010", "k", 7, 10, false},
      // ITER is searched before LOOP: the name is the word after "ITER".
      {"ITER LOOPY 2", "LOOPY", 0, 1, false},
      {"LOOP N EXPR(2*4)", "N", 0, 7, false},
      {"LOOP.GLOBAL N EXPR(1+1) EXPR(EXPR(1+1)*3)", "N", 2, 6, true},
      {"LOOP N 2147483648", "N", 0, 2147483647, false},
      {"LOOP N 2147483647 2147483647", "N", 2147483647, 2147483647, false},
  };
  for (const Case& c : cases) {
    Loop l;
    catch_loop(stmt(c.text), l);
    EXPECT_EQ(l.name, c.name) << c.text;
    EXPECT_EQ(l.first, c.first) << c.text;
    EXPECT_EQ(l.last, c.last) << c.text;
    EXPECT_EQ(l.global, c.global) << c.text;
  }
}

TEST_F(LoopTable, CatchLoopErrors) {
  struct Case {
    const char* text;
    int number;
    const char* message_end;
  };
  const Case cases[] = {
      {"LOOP N 5 2", 327, "decrementing loop is not supported\n"},
      // The sign test comes before the digit test, on both parameters.
      {"LOOP N x -4", 323, "negative loop parameters are not supported\n"},
      {"LOOP N 1 W", 322, "Loop parameter W is not numeric\n"},
      {"LOOP N 2147483649", 322, "Loop parameter 2147483649 is too large\n"},
      {"LOOP N 1 99999999999999999999", 322,
       "Loop parameter 99999999999999999999 is too large\n"},
      {"LOOP N 1 2 3", 354, "LOOP statement has more than 4 words\n"},
      {"ITER k 1 2 3", 354, "ITER statement has more than 4 words\n"},
      {"LOOP N", 354, "LOOP statement needs a name and a range\n"},
  };
  for (const Case& c : cases) {
    Loop l;
    const KorvexError e = error_of([&] { catch_loop(stmt(c.text), l); });
    const std::string& msg = e.message;
    EXPECT_EQ(e.number, c.number) << c.text;
    EXPECT_TRUE(msg.ends_with(c.message_end)) << msg;
    EXPECT_NE(msg.find("File top.v: line 3: " + std::string(c.text) + "\n"), std::string::npos)
        << msg;
  }
}

TEST_F(LoopTable, SetLoopsLaterDefinitionWins) {
  Lines defs = {stmt("LOOP A 4"), stmt("SWAP X 1"), stmt("LOOP.GLOBAL B 2 3"),
                stmt("LOOP A 1 2")};
  Loops table;
  set_loops(defs, table);
  ASSERT_EQ(table.size(), 2u);
  EXPECT_EQ(table[0].name, "A");
  EXPECT_EQ(table[0].first, 1);
  EXPECT_EQ(table[0].last, 2);
  EXPECT_FALSE(table[0].global);
  EXPECT_EQ(table[1].name, "B");
  EXPECT_TRUE(table[1].global);
}

TEST_F(LoopTable, SetLoopsCapacity) {
  settings.MAX_DEFS = 3;
  Loops table;
  // Two distinct names fit; redefinitions take no room.
  set_loops({stmt("LOOP A 1"), stmt("LOOP B 1"), stmt("LOOP A 2")}, table);
  EXPECT_EQ(table.size(), 2u);
  const KorvexError e =
      error_of([&] { set_loops({stmt("LOOP A 1"), stmt("LOOP B 1"), stmt("LOOP C 1")}, table); });
  EXPECT_EQ(e.number, 108);
  EXPECT_TRUE(e.message.ends_with("Loop number exceeded maximum size of 3  (use max_defs flag)\n"))
      << e.message;
}

TEST_F(LoopTable, SetLoopsDebugListing) {
  testing::TempDir dir;
  const std::string path = dir.file("korvex.dbg", "");
  settings.DEBUG = true;
  settings.debugfile.open(path);
  Loops table;
  set_loops({stmt("LOOP A 4"), stmt("LOOP.GLOBAL B 2 3")}, table);
  settings.debugfile.close();
  std::ifstream in(path);
  std::stringstream got;
  got << in.rdbuf();
  EXPECT_EQ(got.str(), "Total of 2 loops: \nLoop 0: A  0 - 3\nLoop (global) 1: B  2 - 3\n\n");
}

TEST_F(LoopTable, NearModeLookup) {
  Loops table = {{"IDX", 0, 3, false}, {"DATA_IDX_HI", 0, 1, false}, {"DATA", 0, 2, false},
                 {"DATA_IDX", 0, 5, false}, {"Q1", 0, 1, false}, {"Q2", 0, 1, false}};
  const Line l = stmt("LOOP X");
  // Same name wins at once, even when a closer-in-order entry qualifies.
  EXPECT_EQ(get_loop_index(l, "DATA_IDX", table, 0), 3);
  EXPECT_EQ(get_loop_index(l, "DATA_IDX", table, 1), 3);
  // Contained-in and containing names both qualify; the smallest length
  // difference wins, the first of equal differences.
  Loops t2 = {table[0], table[1]};
  EXPECT_EQ(get_loop_index(l, "DATA_IDX", t2, 0), 1);
  EXPECT_EQ(get_loop_index(l, "Q", table, 0), 4);
  EXPECT_EQ(get_loop_index(l, "DATA_", table, 0), 2);
  EXPECT_EQ(get_loop_index(l, "Q", table, 1), -1);
  const KorvexError e = error_of([&] { get_loop_index(l, "ZZ", table, 0); });
  EXPECT_EQ(e.number, 309);
  EXPECT_TRUE(e.message.ends_with("loop ZZ is not declared\n")) << e.message;
}

TEST_F(LoopTable, CreateHandOverIsNoLoop) {
  EXPECT_TRUE(check_loop_param("CREATE sub.v DEFCMD( LOOP N 4)"));
  EXPECT_TRUE(check_loop_param("CREATE sub.v DEFCMD(LOOP N 4)"));
  EXPECT_FALSE(check_loop_param("LOOP N 4"));
  EXPECT_FALSE(check_loop_param("CREATE sub.v DEFCMD(SWAP LOOPS 4)"));
}

}  // namespace
}  // namespace korvex
