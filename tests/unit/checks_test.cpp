// Structural checks: statement forms, LOOP / ENDLOOP pairing and the order in
// which problems are reported.
#include "test_support.h"
#include "text/checks.h"

namespace korvex {
namespace {

using testing::error_of;

Lines stmts(const std::vector<std::string>& texts) { return testing::lines_of(texts, "top.v"); }

// The error number and the part of its message from the location on.
std::pair<int, std::string> failure(const std::function<void()>& f) {
  const KorvexError e = error_of(f);
  const size_t at = e.message.find("File top.v");
  return {e.number, at == std::string::npos ? e.message : e.message.substr(at)};
}

class Checks : public testing::KorvexTest {};

TEST_F(Checks, EndloopPairing) {
  const Lines nested = stmts({"LOOP a 2", "LOOP b", "CREATE s.v DEFCMD( LOOP c 2)", "ENDLOOP b",
                              "ENDLOOP a"});
  EXPECT_EQ(check_endloop("a", 1, nested), 4);
  EXPECT_EQ(check_endloop("b", 2, nested), 3);
  EXPECT_EQ(failure([&] { check_lines(nested); }).first, 0);

  const std::pair<Lines, std::string> cases[] = {
      {stmts({"LOOP a 2", "LOOP b 2", "ENDLOOP a"}),
       "File top.v: line 3: ENDLOOP a\nFound ENDLOOP a while expecting ENDLOOP b\n"},
      // Reported against the LOOP statement left open, blank at the end.
      {stmts({"LOOP i 2"}), "File top.v: line 1: LOOP i 2\nLOOP i has no matching ENDLOOP \n"},
      {stmts({"LOOP a 2", "LOOP b 2", "x"}),
       "File top.v: line 2: LOOP b 2\nLOOP b has no matching ENDLOOP \n"},
  };
  for (const auto& [lines, where] : cases) EXPECT_EQ(failure([&] { check_lines(lines); }).second, where);
}

TEST_F(Checks, DeepNestingIsLinearAndStackSafe) {
  const int depth = 60000;
  std::vector<std::string> texts;
  for (int i = 0; i < depth; ++i) texts.push_back("LOOP L" + std::to_string(i) + " 2");
  for (int i = depth - 1; i >= 0; --i) texts.push_back("ENDLOOP L" + std::to_string(i));
  Lines lines = stmts(texts);
  EXPECT_EQ(failure([&] { check_lines(lines); }).first, 0);
  lines.pop_back();
  EXPECT_EQ(failure([&] { check_lines(lines); }).second,
            "File top.v: line 1: LOOP L0 2\nLOOP L0 has no matching ENDLOOP \n");
}

TEST_F(Checks, StatementForms) {
  struct Case {
    bool definition;
    const char* text;
    int number;
    const char* message;
  } const cases[] = {
      {false, "wire ITERATE;", 316, "ITER: definition must start with ITER keyword "},
      {false, "STOMP", 318, "STOMP: definition must be 2 to 3 words "},
      {false, "ELSE.X A", 0, ""},
      {true, "DEFINE.GLOBAL X", 0, ""},
      {true, "GROUP g is{ a", 0, ""},
      {true, "GROUP g inverts h", 0, ""},
      {true, "GROUP g has {", 321,
       "GROUP definition must be of type 'is', 'joins', 'inverts' or 'overrides' or 'extends'"},
      {true, "LOOP N", 318, "LOOP: definition must be 3 to 4 words "},
      {true, "ENDLOOP N", 316, "LOOP: definition must start with LOOP keyword "},
  };
  for (const Case& c : cases) {
    const Lines l = stmts({c.text});
    const auto [number, where] =
        failure([&] { c.definition ? check_def_lines(l) : check_lines(l); });
    EXPECT_EQ(number, c.number) << c.text;
    EXPECT_EQ(where, c.number ? "File top.v: line 1: " + std::string(c.text) + "\n" + c.message + "\n"
                              : "");
  }
}

TEST_F(Checks, ReportOrder) {
  // A LOOP's pairing is checked when the walk reaches it, before the forms of
  // the statements after it; its own form comes first.
  EXPECT_EQ(failure([] { check_lines(stmts({"LOOP a 2", "IFDEF A B", "ENDLOOP b"})); }).first, 331);
  EXPECT_EQ(failure([] { check_lines(stmts({"LOOP a 1 2 3", "x"})); }).first, 318);
  // A nested loop paired by the outer one is still checked for its form.
  EXPECT_EQ(failure([] {
              check_lines(stmts({"LOOP a 2", "LOOP b 1 2 3", "ENDLOOP b", "ENDLOOP a"}));
            }).first,
            318);
  // Parenthesised keywords come first in the source, last in the definition.
  EXPECT_EQ(failure([] { check_lines(stmts({"x = EXPR(1; // ELSE"})); }).first, 315);
  EXPECT_EQ(failure([] { check_def_lines(stmts({"DEFINE X EXPR(1"})); }).first, 317);
}

}  // namespace
}  // namespace korvex
