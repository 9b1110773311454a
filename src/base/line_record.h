// The line record: one statement of an input file, with the file and line
// number it was read from. Every layer passes lines; the operations on line
// arrays are in text/line.h.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/line_text.h"

namespace korvex {

// The name of an empty line where a line's text is shown: an error reported
// against an empty line names it so. A line whose text is this name itself
// is written, compared and listed as an empty line.
inline constexpr std::string_view kEmptyLine = "__EMPTY_LINE__";
inline constexpr const char* kRemoveRemark = "REMOVE_REMARK";
inline constexpr const char* kIgnoreParse = "IGNOREPARSE";

// Whether a line of this text comes out as an empty line.
inline bool writes_empty(std::string_view text) {
  return text.empty() || text == kEmptyLine;
}

// The placeholder of an unparsed line. It is Korvex's own, not text of the
// user: no search may find it and no replacement change it (a STOMP of PARSE
// or a swap named PARSE would otherwise lose the unparsed line it stands for).
inline bool is_placeholder(std::string_view text) { return text == kIgnoreParse; }

// The path a line was read from. Every line of a file names the same path,
// so a line holds the number of one copy of it, kept for the whole process:
// four bytes to copy instead of a string (and an allocation per line for a
// path longer than a short string holds).
class FileName {
 public:
  FileName() = default;
  FileName(const std::string& path) : id_(intern(path)) {}    // NOLINT: a path converts
  FileName(const char* path) : FileName(std::string(path)) {}  // NOLINT: a path converts

  const std::string& str() const { return *copies()[id_]; }
  operator const std::string&() const { return str(); }  // NOLINT: reads as the path
  bool empty() const { return id_ == 0; }
  // One copy per path: the same path is the same copy.
  friend bool operator==(const FileName& a, const FileName& b) { return a.id_ == b.id_; }

  // Drops the copies of every path, for a process that makes run after run
  // (a fuzzer) and would otherwise keep every spelling of a path it met. No
  // line may be left that names one.
  static void forget_paths();

 private:
  // Copy 0 is the empty path.
  static uint32_t intern(const std::string& path);
  static std::vector<const std::string*>& copies();

  uint32_t id_ = 0;
};

// The line remark reading cut off a line. It travels with every copy of the
// line and nothing is made from it; few lines have one, so a line holds the
// number of a shared copy (0 for none), and copying a line copies the number.
class Remark {
 public:
  Remark() = default;
  Remark(std::string_view text) : id_(text.empty() ? 0 : keep(text)) {}  // NOLINT: a text converts
  Remark(const char* text) : Remark(std::string_view(text)) {}  // NOLINT: a text converts
  Remark(const std::string& text) : Remark(std::string_view(text)) {}  // NOLINT: a text converts
  Remark(const Remark& o) : id_(o.id_) {
    if (id_ != 0) hold(id_);
  }
  Remark(Remark&& o) noexcept : id_(o.id_) { o.id_ = 0; }
  Remark& operator=(const Remark& o) {
    if (o.id_ != 0) hold(o.id_);
    drop();
    id_ = o.id_;
    return *this;
  }
  Remark& operator=(Remark&& o) noexcept {
    if (this != &o) {
      drop();
      id_ = o.id_;
      o.id_ = 0;
    }
    return *this;
  }
  ~Remark() { drop(); }

  const std::string& str() const { return text_of(id_); }
  operator const std::string&() const { return str(); }  // NOLINT: reads as the text
  friend bool operator==(const Remark& r, std::string_view s) { return r.str() == s; }

 private:
  void drop() {
    if (id_ != 0) release(id_);
  }
  // The shared copies, each with the number of remarks naming it; copy 0 is
  // the empty text.
  static uint32_t keep(std::string_view text);
  static void hold(uint32_t id);
  static void release(uint32_t id);
  static const std::string& text_of(uint32_t id);

  uint32_t id_ = 0;
};

// The longest indentation a record holds; normalisation leaves the blanks
// beyond it in the text, which is written the same.
inline constexpr uint32_t kMaxIndent = (1u << 30) - 1;

// The numbers of a line, in one 8-byte word: copying or moving a line
// copies them at once, where fields of their own would be copied bit field
// by bit field.
struct LinePlace {
  int num = 0;               // 1-based physical line number in `file`
  uint32_t indent : 30 = 0;  // leading blanks removed by normalisation
  bool pending : 1 = false;  // created or changed since the last substitution run
  // The kept text of an unparsed region, put back for output: no statement
  // of Korvex, whatever it holds.
  bool unparsed : 1 = false;
};

struct Line : LinePlace {
  LineText text;  // the statement
  Remark remark;  // the line remark cut off by reading ("##" onwards)
  FileName file;  // the path the line was read from
};
// Every pass walks the records: two to a cache line.
static_assert(sizeof(Line) == 32);

using Lines = std::vector<Line>;

// Whether `line` stands for no line at all: a default Line, which is what an
// error about a file named on the command line has to name.
inline bool is_no_line(const Line& line) { return line.text.empty() && line.file.empty(); }

// The text of `line` as an error report shows it.
inline std::string_view shown_text(const Line& line) {
  return line.text.empty() && !is_no_line(line) ? kEmptyLine : line.text.view();
}

}  // namespace korvex
