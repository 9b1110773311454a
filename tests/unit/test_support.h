// Helpers shared by the unit tests: a clean run state per test, line arrays
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
#include "driver/settings.h"
#include "output/output_state.h"
#include "text/line.h"

namespace korvex::testing {

class KorvexTest : public ::testing::Test {
 protected:
  void SetUp() override { reset_settings(); }
  void TearDown() override { reset_settings(); }
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
  for (const Line& l : lines) out.push_back(l.text);
  return out;
}

// The error `f` raises; number 0 when it raises none.
inline KorvexError error_of(const std::function<void()>& f) {
  try {
    f();
  } catch (const KorvexError& e) {
    return e;
  }
  return KorvexError(0, "");
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
