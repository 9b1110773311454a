// Writing the lines of a file: indentation, empty lines, CREATE lines.
#include "output/writer.h"

#include <sstream>

#include "test_support.h"

namespace korvex {
namespace {

using testing::lines_of;
using testing::texts_of;

class WriterTest : public testing::KorvexTest {};

// The written lines keep their indented texts (later dumps of the lines show
// them); empty lines, also one that a pass made the name of an empty line,
// and CREATE lines are left as they are.
TEST_F(WriterTest, WrittenLinesKeepTheirIndentedText) {
  testing::TempDir dir;
  const std::string path = dir.path() + "/o.v";
  output.outname = "o.v";
  output.OUT = true;
  output.outfile.open(path);
  Lines lines = lines_of({"assign a = b;", "", "__EMPTY_LINE__", "CREATE c.v", "end"});
  lines[0].indent = 4;
  lines[1].indent = 2;
  lines[2].indent = 2;
  lines[3].indent = 2;
  EXPECT_EQ(print_lines(run, output, 0, lines, Defs()), 0);
  EXPECT_EQ(texts_of(lines), (std::vector<std::string>{"    assign a = b;", "", "__EMPTY_LINE__",
                                                       "CREATE c.v", "end"}));
  std::ifstream f(path);
  std::stringstream got;
  got << f.rdbuf();
  EXPECT_EQ(got.str(), "    assign a = b;\n\n\nend\n");
  ASSERT_EQ(output.outfiles.size(), 1u);
  EXPECT_EQ(output.outfiles[0].text, "o.v");
}

// Generated text goes on in pieces through one buffer kept from call to
// call: lines across the end of a piece, a line longer than the buffer, and
// a second file written after the first all come out whole.
TEST_F(WriterTest, LongOutputsComeOutWhole) {
  testing::TempDir dir;
  auto write = [&](const std::string& name, Lines lines) {
    const std::string path = dir.path() + "/" + name;
    output.outname = name;
    output.OUT = true;
    output.outfile.open(path);
    print_lines(run, output, 0, lines, Defs());
    if (output.outfile.is_open()) output.outfile.close();
    std::ifstream f(path);
    std::stringstream got;
    got << f.rdbuf();
    return got.str();
  };
  std::vector<std::string> texts;
  for (int i = 0; i < 150000; ++i) texts.push_back("assign w" + std::to_string(i) + " = r;");
  texts.push_back(std::string(size_t{3} << 20, 'x'));
  texts.push_back("end");
  std::string want;
  for (const std::string& t : texts) want += t + "\n";
  EXPECT_EQ(write("a.v", lines_of(texts)), want);
  EXPECT_EQ(write("b.v", lines_of({"x", "y"})), "x\ny\n");
}

}  // namespace
}  // namespace korvex

namespace korvex {
namespace {

// SOURCE_DATE_EPOCH fixes the header's time, read as UTC; a value that is
// not all digits is ignored.
TEST(WriterTime, SourceDateEpoch) {
  const char* old = std::getenv("SOURCE_DATE_EPOCH");
  const std::string saved = old ? old : "";
  setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
  EXPECT_EQ(get_time(), "Tue Nov 14 22:13:20 2023");
  setenv("SOURCE_DATE_EPOCH", "0", 1);
  EXPECT_EQ(get_time(), "Thu Jan  1 00:00:00 1970");
  setenv("SOURCE_DATE_EPOCH", "17e8", 1);
  EXPECT_NE(get_time(), "Tue Nov 14 22:13:20 2023");
  if (old) setenv("SOURCE_DATE_EPOCH", saved.c_str(), 1); else unsetenv("SOURCE_DATE_EPOCH");
}

}  // namespace
}  // namespace korvex
