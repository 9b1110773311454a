// Generated files put in place only when complete, and inputs known by
// identity: what the final file holds and which mode it has after a commit
// or a discard, for new, existing, symlinked and special files.
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>

#include "output/depfile.h"
#include "output/staged_file.h"
#include "test_support.h"

namespace korvex {
namespace {

namespace fs = std::filesystem;

std::string content(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in.is_open()) return "<absent>";
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

int mode_of(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 ? static_cast<int>(st.st_mode & 07777) : -1;
}

int temporaries_in(const std::string& dir) {
  int n = 0;
  for (const auto& e : fs::directory_iterator(dir))
    if (e.path().filename().string().find(".korvex-") != std::string::npos) ++n;
  return n;
}

class OutputSafetyTest : public testing::KorvexTest {};

TEST_F(OutputSafetyTest, FilesChangeOnlyWhenComplete) {
  struct Case {
    const char* what;
    std::function<void(const std::string& dir)> setup;
    const char* name;     // staged, relative to the directory
    bool commit;          // else discarded
    const char* checked;  // the file that holds the text afterwards
    const char* want;
    int mode;  // of `checked`; -1 not checked
  };
  const mode_t old_mask = umask(027);
  auto file = [](const char* name, const char* text, int mode) {
    return [=](const std::string& dir) {
      std::ofstream(dir + "/" + name) << text;
      chmod((dir + "/" + name).c_str(), static_cast<mode_t>(mode));
    };
  };
  const Case cases[] = {
      {"a new file gets the mode a plain open gives", nullptr, "n.v", true, "n.v", "new", 0640},
      {"an existing file keeps its mode", file("e.v", "old", 0604), "e.v", true, "e.v", "new", 0604},
      {"a discarded new file is not made", nullptr, "n.v", false, "n.v", "<absent>", -1},
      {"a discarded file keeps its text", file("e.v", "old", 0644), "e.v", false, "e.v", "old", 0644},
      {"a symlink's target is replaced",
       [](const std::string& dir) {
         fs::create_directory(dir + "/real");
         std::ofstream(dir + "/real/t.v") << "old";
         fs::create_symlink("real/t.v", dir + "/l.v");
       },
       "l.v", true, "real/t.v", "new", -1},
      {"a dangling symlink's target is made",
       [](const std::string& dir) { fs::create_symlink("t.v", dir + "/l.v"); }, "l.v", true, "t.v",
       "new", -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    testing::TempDir dir;
    if (c.setup) c.setup(dir.path());
    const std::string path = dir.path() + "/" + c.name;
    std::ofstream out;
    StagedFile staged;
    ASSERT_TRUE(open_generated(out, path, staged));
    EXPECT_FALSE(staged.in_place());
    out << "new";
    if (c.commit) {
      EXPECT_TRUE(close_generated(out, staged));
    } else {
      out.close();
      staged.discard();
    }
    EXPECT_EQ(content(dir.path() + "/" + c.checked), c.want);
    if (c.mode >= 0) {
      EXPECT_EQ(mode_of(dir.path() + "/" + c.checked), c.mode);
    }
    EXPECT_EQ(temporaries_in(dir.path()), 0);
    if (std::string(c.name) == "l.v") {
      EXPECT_TRUE(fs::is_symlink(path)) << "the link stays a link";
    }
  }
  umask(old_mask);
}

// Devices, FIFOs and names that are no file are written in place, as they
// always were: /dev/stdout stays the standard output it names.
TEST_F(OutputSafetyTest, SpecialFilesAreWrittenInPlace) {
  testing::TempDir dir;
  const std::string fifo = dir.path() + "/f";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  fs::create_symlink("/dev/null", dir.path() + "/null.v");
  for (const std::string& name :
       {std::string("/dev/null"), std::string("/dev/stdout"), fifo, dir.path() + "/null.v",
        dir.path(), std::string(""), dir.path() + "/missing/x.v"}) {
    SCOPED_TRACE(name);
    StagedFile staged;
    EXPECT_TRUE(staged.stage(name));
    // Outside /dev and /proc, a missing directory takes no temporary either.
    EXPECT_TRUE(staged.in_place());
  }
  EXPECT_EQ(temporaries_in(dir.path()), 0);
}

// A staged file handed on keeps its temporary; the one left behind by an
// error (its owner destroyed) is removed.
TEST_F(OutputSafetyTest, TheTemporaryGoesWithItsOwner) {
  testing::TempDir dir;
  {
    StagedFile first;
    ASSERT_TRUE(first.stage(dir.path() + "/x.v"));
    StagedFile second = std::move(first);
    first = StagedFile();
    EXPECT_EQ(temporaries_in(dir.path()), 1);
  }
  EXPECT_EQ(temporaries_in(dir.path()), 0);
  EXPECT_EQ(content(dir.path() + "/x.v"), "<absent>");
}

// An input is the same input under every name: a hard link, a symlink, a
// path through "..". Another file with the same text is not.
TEST_F(OutputSafetyTest, InputsAreKnownByIdentity) {
  testing::TempDir dir;
  const std::string src = dir.file("s.v", "wire a;\n");
  const std::string copy = dir.file("c.v", "wire a;\n");
  fs::create_directory(dir.path() + "/sub");
  fs::create_hard_link(src, dir.path() + "/hard.v");
  fs::create_symlink(src, dir.path() + "/soft.v");
  note_file_read(state.inputs, src);
  for (const char* name : {"/hard.v", "/soft.v", "/sub/../s.v"})
    EXPECT_EQ(testing::error_of([&] { check_not_input(state.inputs, dir.path() + name); }).number,
              122)
        << name;
  EXPECT_EQ(testing::error_of([&] { check_not_input(state.inputs, copy); }).number, 0);
  EXPECT_EQ(testing::error_of([&] { check_not_input(state.inputs, dir.path() + "/new.v"); }).number,
            0);
}

}  // namespace
}  // namespace korvex
