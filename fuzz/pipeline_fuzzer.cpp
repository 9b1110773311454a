// libFuzzer harness for the whole Korvex run. The input is one option byte,
// then the text of top.v, a NUL byte, and the text of defs.v. Each input is
// written into a private directory (made once per process, emptied before
// every run) and run as `korvex top.v defs.v -max_lines 20000` plus the
// options the first byte selects.
//
// Defects: any crash or sanitizer report, a run over libFuzzer's -timeout, a
// write to standard error, an internal error (199: an exception Korvex did
// not expect) and an exit status outside {0, 100..199, 300..399}. Standard
// output goes to /dev/null. Inputs containing '/' or ".." are skipped, so
// that no CREATE, INCLUDE, OUTFILE or OUTDIR can name anything outside the
// private directory.
#include <fcntl.h>
#include <sanitizer/common_interface_defs.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "driver/entry.h"
#include "fuzz_input.h"
#include "text/line.h"

namespace fs = std::filesystem;

namespace {

std::string g_base;        // private directory: stderr capture + run/
std::string g_run;         // the run directory (the current directory)
std::string g_err_path;    // standard error of the run goes here
int g_saved_stderr = -1;   // libFuzzer's and the sanitizers' own standard error

[[noreturn]] void defect(const std::string& what) {
  const std::string msg = "\n==korvex fuzz defect: " + what + "\n";
  if (write(g_saved_stderr, msg.data(), msg.size()) < 0) {
  }
  std::abort();
}

void empty_run_dir() {
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(g_run, ec)) fs::remove_all(entry.path(), ec);
}

void write_file(const std::string& name, std::string_view text) {
  std::ofstream f(name, std::ios::binary);
  f.write(text.data(), static_cast<std::streamsize>(text.size()));
}

bool status_allowed(int status) {
  return status == 0 || (status >= 100 && status <= 198) || (status >= 300 && status <= 399);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  char tmpl[] = "/tmp/korvex_fuzz.XXXXXX";
  if (!mkdtemp(tmpl)) std::abort();
  g_base = tmpl;
  g_run = g_base + "/run";
  g_err_path = g_base + "/stderr";
  if (mkdir(g_run.c_str(), 0700) != 0 || chdir(g_run.c_str()) != 0) std::abort();
  std::atexit([] {
    std::error_code ec;
    fs::remove_all(g_base, ec);
  });
  const int null_fd = open("/dev/null", O_WRONLY);
  if (null_fd < 0 || dup2(null_fd, STDOUT_FILENO) < 0) std::abort();
  close(null_fd);
  g_saved_stderr = dup(STDERR_FILENO);
  if (g_saved_stderr < 0) std::abort();
  // Sanitizer reports must stay visible while fd 2 is captured.
  __sanitizer_set_report_fd(reinterpret_cast<void*>(static_cast<intptr_t>(g_saved_stderr)));
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const std::string_view all(reinterpret_cast<const char*>(data), size);
  if (all.find('/') != std::string_view::npos || all.find("..") != std::string_view::npos)
    return -1;  // keeps such inputs out of the corpus
  const korvex_fuzz::FuzzInput in = korvex_fuzz::parse_input(all);

  empty_run_dir();
  write_file("top.v", in.top);
  write_file("defs.v", in.defs);

  const std::vector<std::string> args = korvex_fuzz::run_args(in.opts);
  std::vector<const char*> argv;
  for (const auto& a : args) argv.push_back(a.c_str());
  argv.push_back(nullptr);

  // Capture standard error of the run in a file.
  const int err_fd = open(g_err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  if (err_fd < 0 || dup2(err_fd, STDERR_FILENO) < 0) std::abort();
  close(err_fd);

  const int status = korvex::run_korvex(static_cast<int>(argv.size()) - 1, argv.data());
  korvex::FileName::forget_paths();  // no line of the run is left

  std::fflush(stderr);
  dup2(g_saved_stderr, STDERR_FILENO);
  struct stat st {};
  if (stat(g_err_path.c_str(), &st) == 0 && st.st_size > 0) {
    std::ifstream f(g_err_path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    defect("wrote to standard error: " + text.substr(0, 500));
  }
  if (status == 199) defect("internal error (an unexpected exception escaped a pass)");
  if (!status_allowed(status)) defect("exit status " + std::to_string(status));
  return 0;
}
