// Reading files and removing remarks.
#include "text/reader.h"

#include <sys/stat.h>

#include <fstream>
#include <thread>

#include "test_support.h"
#include "text/paths.h"

namespace korvex {
namespace {

using testing::error_of;
using testing::KorvexTest;
using testing::TempDir;

class ReaderTest : public KorvexTest {};

std::string without_remarks(const std::string& text, int& depth, std::string* remark = nullptr) {
  Line l;
  l.file = "top.v";
  l.num = 1;
  l.text = text;
  std::string r = remove_remark(l, depth);
  if (remark) *remark = l.remark;
  return r;
}

TEST_F(ReaderTest, RemarkForms) {
  struct Case {
    std::string text, want, remark;
    int depth_after;
  } cases[] = {
      {"assign a = b; ## note", "assign a = b; ", " note", 0},
      {"## note", "REMOVE_REMARK", " note", 0},
      {"<## note ##>", "", "", 0},
      {"   ## x", "   ", " x", 0},
      {"x <## a ##> y", "x  y", "", 0},
      {"x <## a", "x ", "", 1},
      {"x ## a <## b", "x ", " a ", 1},  // block markers are looked for first
  };
  for (const Case& c : cases) {
    int depth = 0;
    std::string remark;
    EXPECT_EQ(without_remarks(c.text, depth, &remark), c.want) << c.text;
    EXPECT_EQ(remark, c.remark) << c.text;
    EXPECT_EQ(depth, c.depth_after) << c.text;
  }
  int depth = 1;
  EXPECT_EQ(without_remarks("b", depth), "REMOVE_REMARK");
  EXPECT_EQ(without_remarks("c ##> y", depth), " y");
  EXPECT_EQ(depth, 0);
}

TEST_F(ReaderTest, RemarkErrors) {
  struct Case {
    std::string text;
    int depth, number;
  } cases[] = {
      {"x <## a ##> y <## b ##> z", 0, 301},  // a line opens at most one block remark
      {"x ##> y <## z", 0, 302},
      {"x ## see ##>", 0, 302},
      {"a <## b", 1, 301},
      {"a <## b ##> c", 1, 301},
  };
  for (const Case& c : cases) {
    int depth = c.depth;
    const KorvexError e = error_of([&] { without_remarks(c.text, depth); });
    EXPECT_EQ(e.number, c.number) << c.text;
  }
  int depth = 0;
  const KorvexError e = error_of([&] { without_remarks("x ##> y", depth); });
  EXPECT_EQ(e.message,
            "Korvex Line error 302\n\nFile top.v: line 1: x ##> y\n"
            " block remark closed without being openned\n");
}

TEST_F(ReaderTest, FinalNewlineGivesOneMoreRecord) {
  TempDir dir;
  Lines lines;
  EXPECT_EQ(read_file(run, dir.file("a.v", "a\nb\n"), lines), 3);
  EXPECT_EQ(testing::texts_of(lines), (std::vector<std::string>{"a", "b", ""}));
  EXPECT_EQ(lines[2].num, 3);
  EXPECT_EQ(read_file(run, dir.file("b.v", "a\nb"), lines), 2);
  EXPECT_EQ(read_file(run, dir.file("c.v", ""), lines), 1);
  EXPECT_EQ(lines[0].text, "");
}

TEST_F(ReaderTest, LineLimitCountsTheRecordAfterAFinalNewline) {
  TempDir dir;
  Lines lines;
  options.MAX_LINES = 5;
  EXPECT_EQ(read_file(run, dir.file("ok.v", "1\n2\n3\n4"), lines), 4);
  const std::string path = dir.file("long.v", "1\n2\n3\n4\n");
  const KorvexError e = error_of([&] { read_file(run, path, lines); });
  EXPECT_EQ(e.number, 101);
  EXPECT_EQ(e.message, "Korvex General error 101\n\n" + path +
                           " exceeds maximum size of 5 lines (use max_lines flag)\n");
}

TEST_F(ReaderTest, LinesAcrossReadBlocksAreWhole) {
  // Files are read in blocks of 1 MiB: lines that span a block boundary, or
  // several blocks, and remarks in them come out as from a file read whole.
  const size_t block = size_t{1} << 20;
  std::string text;
  std::vector<std::string> want;
  auto add = [&](const std::string& line, const std::string& kept) {
    text += line + "\n";
    want.push_back(kept);
  };
  const std::string pad(block - 5, 'p');
  add(pad, pad);                                   // ends just before the boundary
  add("ab ## cut", "ab ");                         // remark across the boundary
  add("IFDEF A", "IFDEF A");                       // a short text held in its record
  add(std::string(3 * block, 'x'), std::string(3 * block, 'x'));  // spans three blocks
  add("<## open", "");                             // a block remark spanning lines
  add(std::string(block, 'y'), "REMOVE_REMARK");
  add("z ##> w", " w");
  text += "last";
  want.push_back("last");
  TempDir dir;
  Lines lines;
  ASSERT_EQ(read_file(run, dir.file("big.v", text), lines), static_cast<int>(want.size()));
  for (size_t i = 0; i < want.size(); ++i) {
    EXPECT_EQ(lines[i].text.size(), want[i].size()) << i;
    EXPECT_TRUE(lines[i].text == want[i]) << i << ": " << lines[i].text.substr(0, 40);
    EXPECT_EQ(lines[i].text.capitals(), capitals_of(want[i])) << i;
    EXPECT_EQ(lines[i].num, static_cast<int>(i) + 1);
  }
  EXPECT_EQ(lines[1].remark, " cut");
}

TEST_F(ReaderTest, FileErrors) {
  TempDir dir;
  Lines lines;
  EXPECT_EQ(error_of([&] { read_file(run, dir.path() + "/missing.v", lines); }).number, 100);
  const std::string path = dir.file("open.v", "a\n<## b\nc\n");
  const KorvexError e = error_of([&] { read_file(run, path, lines); });
  EXPECT_EQ(e.number, 112);
  EXPECT_EQ(e.message, "Korvex General error 112\n\nFile " + path + " has an unclosed block remark\n");
}

// A pipe can be read only once: the test that looks for it reads it, and
// every later read of the run gets the same lines.
TEST_F(ReaderTest, AFifoIsReadOnceForItsTestAndEveryRead) {
  TempDir dir;
  const std::string fifo = dir.path() + "/src.fifo";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  std::thread writer([&] { std::ofstream(fifo, std::ios::binary) << "a\nb"; });
  EXPECT_TRUE(file_exists(run, Line(), fifo, false));
  writer.join();
  for (int build = 0; build < 2; ++build) {
    Lines lines;
    EXPECT_EQ(read_file(run, fifo, lines), 2);
    EXPECT_EQ(testing::texts_of(lines), (std::vector<std::string>{"a", "b"}));
  }
}

TEST_F(ReaderTest, ADeviceWithoutNewlinesStopsAtTheLineLimit) {
  Lines lines;
  const KorvexError e = error_of([&] { read_file(run, "/dev/zero", lines); });
  EXPECT_EQ(e.number, 131);
  EXPECT_EQ(e.message,
            "Korvex General error 131\n\n/dev/zero line 1 exceeds the limit of 16777216 bytes "
            "for one line (use max_lines flag)\n");
}

// Files are kept by device and inode: one rewritten since it was read (or a
// new file on a reused inode) is read again.
TEST_F(ReaderTest, AFileChangedSinceItWasReadIsReadAgain) {
  TempDir dir;
  const std::string path = dir.file("a.v", "a\n");
  Lines lines;
  EXPECT_EQ(read_file(run, path, lines), 2);
  // Lines refer to the bytes read: those of the first reading stay whole.
  const Lines first = lines;
  dir.file("a.v", "b\nc\n");
  EXPECT_EQ(read_file(run, path, lines), 3);
  EXPECT_EQ(lines[0].text, "b");
  EXPECT_EQ(first[0].text, "a");
}

}  // namespace
}  // namespace korvex
