// The line record and the operations on line arrays that every pass uses.
//
// A line array is a std::vector<Line>; its size is its line count. No line in
// an array has an empty text: an empty line is held as "__EMPTY_LINE__", so a
// pass that empties a text must store that marker instead. Lines are deleted
// by giving them a marker text and calling remove_lines().
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace korvex {

inline constexpr const char* kEmptyLine = "__EMPTY_LINE__";
inline constexpr const char* kRemoveRemark = "REMOVE_REMARK";
inline constexpr const char* kIgnoreParse = "IGNOREPARSE";

// The texts that stand for an empty line and for an unparsed line. They are
// Korvex's own markers, not text of the user: no substitution may change them
// (a swap or loop named N would otherwise turn an empty line into
// "__EMPTY_LI4E__").
inline bool is_marker_text(const std::string& text) {
  return text == kEmptyLine || text == kIgnoreParse;
}

// The path a line was read from. Every line of a file names the same path,
// so a line holds a handle to one copy of it, kept for the whole process:
// eight bytes to copy instead of a string (and an allocation per line for a
// path longer than a short string holds).
class FileName {
 public:
  FileName() : path_(&no_path()) {}
  FileName(const std::string& path) : path_(&intern(path)) {}  // NOLINT: a path converts
  FileName(const char* path) : FileName(std::string(path)) {}   // NOLINT: a path converts

  const std::string& str() const { return *path_; }
  operator const std::string&() const { return *path_; }  // NOLINT: reads as the path
  bool empty() const { return path_->empty(); }
  // One copy per path: the same path is the same copy.
  friend bool operator==(const FileName& a, const FileName& b) { return a.path_ == b.path_; }

  // Drops the copies of every path, for a process that makes run after run
  // (a fuzzer) and would otherwise keep every spelling of a path it met. No
  // line may be left that names one.
  static void forget_paths();

 private:
  static const std::string& no_path();
  static const std::string& intern(const std::string& path);
  static std::unordered_set<std::string>& paths();

  const std::string* path_;
};

// The line remark reading cut off a line. It travels with every copy of the
// line and nothing is made from it; few lines have one, so a line without
// holds a null handle of eight bytes instead of an empty string.
class Remark {
 public:
  Remark() = default;
  Remark(std::string_view text)  // NOLINT: a text converts
      : text_(text.empty() ? nullptr : std::make_unique<std::string>(text)) {}
  Remark(const char* text) : Remark(std::string_view(text)) {}  // NOLINT: a text converts
  Remark(const std::string& text) : Remark(std::string_view(text)) {}  // NOLINT: a text converts
  Remark(const Remark& o) : text_(o.text_ ? std::make_unique<std::string>(*o.text_) : nullptr) {}
  Remark(Remark&&) noexcept = default;
  Remark& operator=(const Remark& o) {
    if (this != &o) text_ = o.text_ ? std::make_unique<std::string>(*o.text_) : nullptr;
    return *this;
  }
  Remark& operator=(Remark&&) noexcept = default;

  const std::string& str() const { return text_ ? *text_ : none(); }
  operator const std::string&() const { return str(); }  // NOLINT: reads as the text
  friend bool operator==(const Remark& r, std::string_view s) { return r.str() == s; }

 private:
  static const std::string& none() {
    static const std::string kNone;
    return kNone;
  }

  std::unique_ptr<std::string> text_;
};

struct Line {
  FileName file;       // the path the line was read from
  std::string text;    // the statement
  Remark remark;       // the line remark cut off by reading ("##" onwards)
  int num = 0;         // 1-based physical line number in `file`
  int pending = 0;     // created or changed since the last substitution run
  int indent = 0;      // leading blanks removed by normalisation
};

using Lines = std::vector<Line>;

// Copies every field but `pending`, which becomes 1 when `mark` is non-zero
// and is copied otherwise.
void copy_line(const Line& src, Line& dst, int mark);

// Replaces `dst` by `src` (append == 0) or appends `src` to it. A result of
// more than MAX_LINES lines is general error 102.
void copy_lines(const Lines& src, Lines& dst, int append);

// Deletes every line whose text contains `pattern`; returns the number of
// lines kept plus one.
int remove_lines(Lines& lines, const std::string& pattern);

// Clears the pending flag of every line.
void clean_append(Lines& lines);

// Gives each "IGNOREPARSE" placeholder, in order, the text of the next line
// of `ignored`.
void insert_ignored(Lines& lines, const Lines& ignored);

// Appends one line to `dst`, reporting general error 102 when the array
// would exceed MAX_LINES lines.
void push_line(Lines& dst, Line line);

}  // namespace korvex
