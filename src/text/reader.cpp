// Reading files and removing remarks.
//
// The block markers are looked for before the line remark, and both contain
// "##", so "##>" and "<##" are never taken for the start of a line remark.
// A line opens at most one block remark.
#include "text/reader.h"

#include <algorithm>
#include <string_view>

#include "base/diagnostics.h"
#include "base/errors.h"
#include "base/memory.h"
#include "text/input_files.h"
#include "text/strings.h"

namespace korvex {

std::string remove_remark(Line& line, int& depth) {
  std::string s = line.text.str();
  std::string before, after;
  if (depth >= 1) {
    if (match(s, "##>")) {
      splitstring(s, "##>", before, after);
      s = after;
      --depth;
      if (match(before, "<##")) linerr(Err::BLOCK_REMARK_REOPENED, line);
    } else if (match(s, "<##")) {
      linerr(Err::BLOCK_REMARK_REOPENED, line);
    } else {
      return kRemoveRemark;
    }
  }
  if (match(s, "<##") || match(s, "##>")) {
    const size_t close = s.find("##>");
    if (close != std::string::npos) {
      const size_t open = s.find("<##");
      if (open == std::string::npos || open > close) linerr(Err::BLOCK_REMARK_NOT_OPEN, line);
    }
    std::string head, rest;
    splitstring(s, "<##", head, rest);
    if (match(rest, "<##")) linerr(Err::BLOCK_REMARK_REOPENED, line);
    if (match(rest, "##>")) {
      splitstring(rest, "##>", before, after);
      s = head + after;
      if (match(s, "##>")) linerr(Err::BLOCK_REMARK_NOT_OPEN, line);
    } else {
      s = head;
      ++depth;
    }
  }
  if (match(s, "##")) {
    splitstring(s, "##", before, after);
    line.remark = after;
    s = before;
    if (s.empty()) return kRemoveRemark;
  }
  return s;
}

namespace {

// Makes one record of each line of a file's bytes: every newline ends one
// record and starts the next, so a final newline yields one more, empty,
// record, and an empty file yields one record.
class LineSplitter {
 public:
  LineSplitter(const Options& options, const std::string& path, Lines& lines)
      : options_(options), path_(path), file_(path), lines_(lines) {}

  // The records of every line that a newline ends.
  void add(std::string_view bytes) {
    size_t start = 0;
    // The next '#': most lines hold none, and a line without one needs no
    // remark handling.
    size_t next_hash = bytes.find('#');
    const char* const base = bytes.data();
    const char* const end = base + bytes.size();
    for (const char* nl = find_newline(base, end); nl != end; nl = find_newline(base + start, end)) {
      const size_t at = static_cast<size_t>(nl - base);
      record(bytes.substr(start, at - start), next_hash < at);
      start = at + 1;
      if (next_hash < start) next_hash = bytes.find('#', start);
    }
    rest_ = bytes.substr(start);
  }

  // The last record: what follows the last newline, maybe nothing.
  void finish() {
    record(rest_, rest_.find('#') != std::string_view::npos);
    if (depth_ > 0) generr(Err::UNCLOSED_BLOCK_REMARK, path_);
  }

  // Reading stopped at a limit where the next line starts: that line is
  // reported as a record would be, after the lines before it.
  [[noreturn]] void stop_at(const InputFile& file) {
    check_room();
    if (file.cut == InputFile::Cut::kLineTooLong)
      generr(Err::INPUT_LINE_TOO_LONG, path_, file.cut_line, input_line_limit(options_));
    generr(Err::INPUT_TOO_LARGE, path_, input_total_limit(options_));
  }

 private:
  void check_room() const {
    if (lines_.size() == static_cast<size_t>(options_.MAX_LINES) - 1)
      generr(Err::FILE_TOO_LONG, path_, options_.MAX_LINES);
  }

  void record(std::string_view text, bool has_hash) {
    check_room();
    Line& l = lines_.emplace_back();
    // The file's bytes are kept to the end of the run.
    l.text = LineText::borrowed(text);
    l.num = static_cast<int>(lines_.size());
    l.file = file_;
    if (depth_ > 0 || has_hash) l.text = remove_remark(l, depth_);
  }

  const Options& options_;
  const std::string& path_;
  const FileName file_;
  Lines& lines_;
  std::string_view rest_;  // what follows the last newline
  int depth_ = 0;          // block remarks open
};

}  // namespace

int read_file(RunContext& run, std::string path, Lines& lines) {
  remove_last_spaces(path);
  lines.clear();
  const InputFile* file = input_file(run, path);
  if (file == nullptr || file->read_failed) generr(Err::FILE_OPEN, path);
  // One slot more than the records: normalisation appends an empty line and
  // can then work in this array's storage.
  const size_t count = file->newlines + 1;
  const size_t slots = std::min(count, static_cast<size_t>(run.options.MAX_LINES) - 1) + 1;
  lines.reserve(slots);
  advise_memory();
  LineSplitter split(run.options, path, lines);
  split.add(file->bytes());
  if (file->cut != InputFile::Cut::kNone) split.stop_at(*file);
  split.finish();
  trace(run, "read file " + path);
  return static_cast<int>(lines.size());
}

}  // namespace korvex
