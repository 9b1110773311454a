// Helpers for the expression tests: a source line and the exact text of the
// error a call raises.
#pragma once

#include <functional>
#include <string>

#include "base/errors.h"
#include "test_support.h"
#include "text/line.h"

namespace korvex::test {

inline Line src_line(const std::string& text, int num = 7) {
  Line l;
  l.file = "dir/t.v";
  l.text = text;
  l.num = num;
  return l;
}

struct Raised {
  int number = 0;
  std::string message;
};

inline Raised raised(const std::function<void()>& f) {
  try {
    f();
  } catch (const KorvexError& e) {
    return {e.number, e.message};
  }
  return {0, "<no error>"};
}

// The whole message of a line error raised at the top level against line 7.
inline std::string line_error(int number, const std::string& shown_text, const std::string& msg) {
  return "Korvex Line error " + std::to_string(number) + "\n\nFile t.v: line 7: " + shown_text +
         "\n" + msg + "\n";
}

}  // namespace korvex::test
