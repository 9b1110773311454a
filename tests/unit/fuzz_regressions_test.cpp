// Replays every input under tests/fuzz_regressions (the format of
// fuzz/pipeline_fuzzer.cpp: one option byte, top.v, a NUL byte, defs.v) as
// a whole run in a private directory. Each once crashed, hung or failed
// wrongly; now each must end with a Korvex status (0, 100..198, 300..399)
// and write nothing to standard error. The sanitizer build catches the rest.
// Runs made one after another in one process share nothing.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "driver/entry.h"
#include "fuzz_input.h"

namespace fs = std::filesystem;

namespace {

std::string read_all(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

void write_all(const std::string& name, const std::string& text) {
  std::ofstream(name, std::ios::binary) << text;
}

// Runs one input; returns the status and fills `err` with standard error.
int replay(const std::string& input, std::string& err) {
  const korvex_fuzz::FuzzInput in = korvex_fuzz::parse_input(input);
  write_all("top.v", std::string(in.top));
  write_all("defs.v", std::string(in.defs));
  const std::vector<std::string> args = korvex_fuzz::run_args(in.opts);
  std::vector<const char*> argv;
  for (const auto& a : args) argv.push_back(a.c_str());

  std::fflush(stdout);
  std::fflush(stderr);
  const int saved_out = dup(1), saved_err = dup(2);
  const int null_fd = open("/dev/null", O_WRONLY);
  const int err_fd = open("stderr.txt", O_WRONLY | O_CREAT | O_TRUNC, 0600);
  dup2(null_fd, 1);
  dup2(err_fd, 2);
  const int status = korvex::run_korvex(static_cast<int>(argv.size()), argv.data());
  std::fflush(stdout);
  std::fflush(stderr);
  dup2(saved_out, 1);
  dup2(saved_err, 2);
  for (int fd : {saved_out, saved_err, null_fd, err_fd}) close(fd);
  err = read_all("stderr.txt");
  return status;
}

TEST(FuzzRegressions, EveryInputEndsWithAKorvexStatus) {
  const fs::path dir = fs::path(__FILE__).parent_path().parent_path() / "fuzz_regressions";
  ASSERT_TRUE(fs::is_directory(dir)) << dir;
  const fs::path cwd = fs::current_path();
  int count = 0;
  for (const auto& entry : fs::directory_iterator(dir)) {
    if (!entry.is_regular_file() || entry.path().filename().string()[0] == '.') continue;
    if (entry.path().extension() == ".md") continue;
    const std::string input = read_all(entry.path());
    char tmpl[] = "/tmp/korvex_replay.XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    fs::current_path(tmpl);
    std::string err;
    const int status = replay(input, err);
    fs::current_path(cwd);
    fs::remove_all(tmpl);
    const std::string name = entry.path().filename().string();
    EXPECT_TRUE(status == 0 || (status >= 100 && status <= 198) || (status >= 300 && status <= 399))
        << name << ": status " << status;
    EXPECT_EQ(err, "") << name;
    ++count;
  }
  if (count == 0) GTEST_SKIP() << "no regression inputs";
}

// Runs `args` (the command name first) with standard output thrown away.
int quiet_run(const std::vector<const char*>& args) {
  std::fflush(stdout);
  const int saved_out = dup(1);
  const int null_fd = open("/dev/null", O_WRONLY);
  dup2(null_fd, 1);
  const int status = korvex::run_korvex(static_cast<int>(args.size()), args.data());
  std::fflush(stdout);
  dup2(saved_out, 1);
  close(saved_out);
  close(null_fd);
  return status;
}

// A run owns its options and state: what one run was given, read and wrote
// is gone for the next run of the same process.
TEST(RunIsolation, NothingOfARunReachesTheNext) {
  char tmpl[] = "/tmp/korvex_runs.XXXXXX";
  ASSERT_NE(mkdtemp(tmpl), nullptr);
  const fs::path cwd = fs::current_path();
  fs::current_path(tmpl);
  write_all("top.v", "a\nb\nc\nd\nOUTFILE out.v\n");
  EXPECT_EQ(quiet_run({"korvex", "-max_lines", "3", "top.v"}), 101);  // too long for 3 lines
  EXPECT_EQ(quiet_run({"korvex", "top.v"}), 0);
  EXPECT_EQ(read_all("out.v"), "a\nb\nc\nd\n\n\n");
  // The file changed since the last run read it, and the last run wrote
  // out.v: neither is remembered.
  write_all("top.v", "e\nOUTFILE out.v\n");
  EXPECT_EQ(quiet_run({"korvex", "top.v"}), 0);
  EXPECT_EQ(read_all("out.v"), "e\n\n\n");
  EXPECT_EQ(quiet_run({"korvex", "-debug", "top.v"}), 0);
  EXPECT_TRUE(fs::exists("korvex.dbg"));
  fs::remove("korvex.dbg");
  EXPECT_EQ(quiet_run({"korvex", "top.v"}), 0);
  EXPECT_FALSE(fs::exists("korvex.dbg"));  // the next run does not trace
  fs::current_path(cwd);
  fs::remove_all(tmpl);
}

}  // namespace
