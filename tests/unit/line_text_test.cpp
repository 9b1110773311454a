// Line texts: referring to bytes they do not own until changed, in blocks
// of their own after, always with the capitals they hold.
#include <random>

#include "test_support.h"
#include "text/line.h"
#include "text/strings.h"

namespace korvex {
namespace {

using testing::lines_of;
using testing::texts_of;

// The text and its capitals are those of the plain string it should equal.
void expect_same(const LineText& t, const std::string& want, const std::string& step) {
  ASSERT_EQ(t.size(), want.size()) << step;
  EXPECT_TRUE(t == want) << step << ": " << t.str() << " / " << want;
  EXPECT_EQ(t.capitals(), capitals_of(want)) << step << ": " << want;
  EXPECT_EQ(t.empty(), want.empty()) << step;
}

TEST(LineText, ATextChangedManyTimesStaysItsPlainString) {
  // Random changes of every kind, from texts that refer to kept bytes and
  // from texts of their own, against a std::string doing the same.
  std::mt19937 rng(7);
  const std::string alphabet = "abcXYZ ;#(IFDEF)";
  auto piece = [&](size_t max) {
    std::string s(rng() % (max + 1), ' ');
    for (char& c : s) c = alphabet[rng() % alphabet.size()];
    return s;
  };
  std::string kept = "    ";
  for (int i = 0; i < 40; ++i) kept += piece(12) + "    ";
  const std::string kept_before = kept;
  LineText t;
  std::string want;
  for (int step = 0; step < 4000; ++step) {
    const std::string p = piece(step % 7 == 0 ? 100 : 12);
    switch (rng() % 8) {
      case 0: t = p; want = p; break;
      case 1: t += p; want += p; break;
      case 2: {
        const size_t at = want.empty() ? 0 : rng() % (want.size() + 1);
        const size_t n = rng() % 5;
        t.insert(at, n, ' ');
        want.insert(at, n, ' ');
        break;
      }
      case 3: {
        size_t n = 0;
        // Only a prefix without capitals can be dropped so.
        while (n < want.size() && !(want[n] >= 'A' && want[n] <= 'Z')) ++n;
        t.remove_prefix(n);
        want.erase(0, n);
        break;
      }
      case 4:
        t.edit([&](std::string& s) { find_and_replace(s, "a", "AA", 0); });
        find_and_replace(want, "a", "AA", 0);
        break;
      case 5: {
        // A part of the text itself, assigned and appended.
        const size_t from = want.empty() ? 0 : rng() % want.size();
        const std::string_view part = t.view().substr(from, 30);
        const std::string copy(part);
        if (rng() % 2) {
          t += part;
          want += copy;
        } else {
          t = part;
          want = copy;
        }
        break;
      }
      case 6:
        if (step % 50 == 0) {
          t.clear();
          want.clear();
        } else {
          // Bytes kept elsewhere, maybe after blanks, as a file's lines are.
          const size_t at = rng() % (kept.size() - 40);
          const size_t n = rng() % 40;
          size_t blanks = 0;
          while (blanks < at && kept[at - 1 - blanks] == ' ') ++blanks;
          t = LineText::borrowed(std::string_view(kept).substr(at, n), blanks);
          want = kept.substr(at, n);
        }
        break;
      default: {
        LineText moved(std::move(t));
        t = std::move(moved);
      }
    }
    expect_same(t, want, "step " + std::to_string(step));
    ASSERT_EQ(kept, kept_before) << "step " << step << " wrote into bytes it does not own";
    if (::testing::Test::HasFailure()) return;
  }
}

TEST(LineText, ATextReferringToKeptBytesCopiesThemOnlyWhenChanged) {
  const std::string file = "module m;\n    assign a = b;\n";
  const std::string_view line = std::string_view(file).substr(10, 17);  // "    assign a = b;"
  LineText t = LineText::borrowed(line);
  EXPECT_EQ(t.data(), line.data());
  // Dropping the indentation and putting it back copies nothing.
  t.remove_prefix(4);
  EXPECT_EQ(t.view(), "assign a = b;");
  LineText copy = t;
  EXPECT_EQ(copy.data(), t.data());
  t.insert(0, 4, ' ');
  EXPECT_EQ(t.data(), line.data());
  EXPECT_EQ(t.view(), line);
  // More blanks than the bytes before hold: a copy of its own.
  copy.insert(0, 6, ' ');
  EXPECT_EQ(copy.view(), "      assign a = b;");
  EXPECT_NE(copy.data(), line.data());
  // Blanks are noted only where they are: "m;\n" is no indentation.
  LineText second = LineText::borrowed(std::string_view(file).substr(7, 20));
  second.remove_prefix(3);
  second.insert(0, 1, ' ');
  EXPECT_EQ(second.view(), "     assign a = b;");
  EXPECT_NE(second.data(), file.data() + 9);
  // Changing a text leaves the bytes it referred to alone.
  LineText changed = LineText::borrowed(line);
  changed += " IFDEF";
  changed.edit([](std::string& s) { s[4] = 'X'; });
  EXPECT_EQ(changed.view(), "    Xssign a = b; IFDEF");
  EXPECT_EQ(changed.capitals(), capitals_of("XIFDEF"));
  EXPECT_EQ(file, "module m;\n    assign a = b;\n");
}

TEST(LineText, RemarksAreSharedByCopiesAndOutliveTheirOriginal) {
  Line a;
  a.remark = " first";
  Line b = a;
  Line c;
  c = b;
  a.remark = " changed";
  EXPECT_EQ(b.remark, " first");
  EXPECT_EQ(c.remark, " first");
  b = Line();
  EXPECT_EQ(c.remark, " first");
  c.remark = c.remark;  // NOLINT: assigning a remark to itself keeps it
  EXPECT_EQ(c.remark, " first");
  Line moved = std::move(c);
  EXPECT_EQ(moved.remark, " first");
  EXPECT_EQ(Line().remark, "");
}

TEST(LineText, CapitalsFollowEveryChange) {
  LineText t("assign a = b;");
  EXPECT_EQ(t.capitals(), 0u);
  t += " IFDEF";
  EXPECT_EQ(t.capitals(), capitals_of("IFDEF"));
  t = "wire x;";  // assigning forgets the letters of the old text
  EXPECT_EQ(t.capitals(), 0u);
  t.edit([](std::string& s) { s += std::string(40, 'Q'); });
  EXPECT_EQ(t.capitals(), capitals_of("Q"));
  t.clear();
  EXPECT_EQ(t.capitals(), 0u);
  // Keyword tests trust the letters: a text without them is not searched.
  LineText k("x ENDLOOP y");
  EXPECT_TRUE(match(k, "LOOP"));
  EXPECT_FALSE(match(k, "LOOPS"));
  EXPECT_TRUE(holds(k, "ENDLOOP"));
  EXPECT_FALSE(holds(k, "IFDEF"));
}

TEST(LineText, CopiesAreApartFromTheirOriginal) {
  for (const std::string& text : {std::string("short IFDEF"), std::string(60, 'L')}) {
    LineText a(text);
    LineText b = a;
    b += "x";
    expect_same(a, text, "original after the copy changed");
    expect_same(b, text + "x", "copy");
    LineText c;
    c = a;
    a = "A";
    expect_same(c, text, "copy after the original changed");
    c = c;  // NOLINT: assigning a text to itself keeps it
    expect_same(c, text, "self-assignment");
  }
}

class LineTextArrays : public testing::KorvexTest {};

TEST_F(LineTextArrays, LinesCopiedBetweenArraysKeepTheirTexts) {
  const std::string long_text = "assign a_long_signal_name = another_long_signal_name;";
  Lines src = lines_of({"IFDEF A", long_text, "", "x"});
  Lines dst = lines_of({"old"});
  copy_lines(run.options, src, dst, 1);
  // Growing the array moves the records; their texts stay whole.
  for (int i = 0; i < 1000; ++i) dst.push_back(src[static_cast<size_t>(i % 4)]);
  ASSERT_EQ(dst.size(), 1005u);
  EXPECT_EQ(texts_of(dst)[1], "IFDEF A");
  EXPECT_EQ(texts_of(dst)[2], long_text);
  EXPECT_EQ(dst[1004].text.view(), "x");
  EXPECT_EQ(dst[1002].text.view(), long_text);
  EXPECT_EQ(dst[1].text.capitals(), capitals_of("IFDEF A"));
  // Changing a copy leaves the source alone.
  dst[2].text += " IFDEF";
  dst[1].text = "y";
  EXPECT_EQ(texts_of(src), (std::vector<std::string>{"IFDEF A", long_text, "", "x"}));
  // Deleting lines moves the records after them up.
  dst[0].text = "DROP";
  dst[3].text = "DROP me";
  EXPECT_EQ(remove_lines(run, dst, "DROP"), 1004);
  EXPECT_EQ(dst[0].text.view(), "y");
  EXPECT_EQ(dst[1].text.view(), long_text + " IFDEF");
  EXPECT_EQ(dst[2].text.view(), "x");
}

}  // namespace
}  // namespace korvex
