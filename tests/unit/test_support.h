// Helpers shared by the unit tests: a run of its own per test, line arrays
// from texts, temporary files, and the error a call raises.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "base/errors.h"
#include "base/options.h"
#include "base/run_state.h"
#include "output/output_state.h"
#include "text/line.h"

namespace korvex::testing {

// A test's own run: its options, run state and output state, and the
// context the passes take.
class KorvexTest : public ::testing::Test {
 protected:
  Options options;
  RunState state;
  OutputState output;
  RunContext run{options, state};

  // Starts a new run in the same test: default options, nothing read.
  void new_run() {
    options = Options();
    state = RunState();
  }
};

inline Lines lines_of(const std::vector<std::string>& texts, const std::string& file = "t.v") {
  Lines out;
  int n = 0;
  for (const std::string& t : texts) {
    Line l;
    l.file = file;
    l.text = t;
    l.num = ++n;
    l.pending = 1;
    out.push_back(l);
  }
  return out;
}

inline std::vector<std::string> texts_of(const Lines& lines) {
  std::vector<std::string> out;
  for (const Line& l : lines) out.push_back(l.text.str());
  return out;
}

// The error `f` raises; number 0 when it raises none.
inline KorvexError error_of(const std::function<void()>& f) {
  try {
    f();
  } catch (const KorvexError& e) {
    return e;
  }
  KorvexError none(0, "", "");
  none.message.clear();
  return none;
}

// A scratch directory, removed with the object.
class TempDir {
 public:
  TempDir() {
    char tmpl[] = "/tmp/korvex-unit.XXXXXX";
    path_ = mkdtemp(tmpl);
  }
  ~TempDir() { std::filesystem::remove_all(path_); }
  std::string file(const std::string& name, const std::string& content) const {
    const std::string p = path_ + "/" + name;
    std::ofstream(p, std::ios::binary) << content;
    return p;
  }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace korvex::testing
