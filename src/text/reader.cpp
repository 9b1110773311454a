// Reading files and removing remarks.
//
// The block markers are looked for before the line remark, and both contain
// "##", so "##>" and "<##" are never taken for the start of a line remark.
// A line opens at most one block remark.
#include "text/reader.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <string_view>
#include <vector>

#include "driver/diagnostics.h"
#include "driver/errors.h"
#include "driver/memory.h"
#include "driver/settings.h"
#include "text/strings.h"

namespace korvex {

std::string remove_remark(Line& line, int& depth) {
  std::string s = line.text;
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

// Reads a file in blocks through one reused buffer: no copy of the whole file
// and no mapping to fault in page by page. A regular file can be read twice
// (once to count its lines); anything else is read once into memory.
class BlockReader {
 public:
  explicit BlockReader(const std::string& path) {
    fd_ = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    opened_ = fd_ >= 0;
    struct stat st {};
    regular_ = opened_ && fstat(fd_, &st) == 0 && S_ISREG(st.st_mode);
    if (regular_) size_ = static_cast<size_t>(st.st_size);
    if (opened_ && !regular_) {
      // A pipe or device: its whole content, once.
      for (std::string_view block = next(); !block.empty(); block = next()) whole_.append(block);
      close(fd_);
      fd_ = -1;
    }
  }
  ~BlockReader() {
    if (fd_ >= 0) close(fd_);
  }
  BlockReader(const BlockReader&) = delete;
  BlockReader& operator=(const BlockReader&) = delete;

  bool is_open() const { return opened_; }
  bool regular() const { return regular_; }
  size_t size() const { return regular_ ? size_ : whole_.size(); }
  const std::string& whole() const { return whole_; }

  // The next block of the file, empty at its end; false from ok() after a
  // failed read.
  std::string_view next() {
    ssize_t n;
    do {
      n = read(fd_, buffer_.data(), buffer_.size());
    } while (n < 0 && errno == EINTR);
    if (n < 0) {
      failed_ = true;
      return {};
    }
    return {buffer_.data(), static_cast<size_t>(n)};
  }
  bool ok() const { return !failed_; }
  bool rewind() { return lseek(fd_, 0, SEEK_SET) == 0; }

 private:
  int fd_ = -1;
  bool opened_ = false;
  bool regular_ = false;
  size_t size_ = 0;
  bool failed_ = false;
  std::string whole_;
  std::vector<char> buffer_ = std::vector<char>(size_t{1} << 20);
};

size_t count_newlines(std::string_view block) {
  size_t n = 0;
  for (const char c : block) n += c == '\n';
  return n;
}

// Makes one record of each line of the blocks given to add(): every newline
// ends one record and starts the next, so a final newline yields one more,
// empty, record, and an empty file yields one record.
class LineSplitter {
 public:
  LineSplitter(const std::string& path, Lines& lines) : path_(path), file_(path), lines_(lines) {}

  void add(std::string_view block) {
    size_t start = 0;
    // The next '#' of the block: most lines hold none, and a line without
    // one needs no remark handling.
    size_t next_hash = block.find('#');
    for (size_t nl = block.find('\n'); nl != std::string_view::npos;
         nl = block.find('\n', start)) {
      if (carry_.empty()) {
        record(block.substr(start, nl - start), next_hash < nl);
      } else {
        carry_.append(block.substr(start, nl - start));
        record(carry_, carry_.find('#') != std::string::npos);
        carry_.clear();
      }
      start = nl + 1;
      if (next_hash < start) next_hash = block.find('#', start);
    }
    carry_.append(block.substr(start));
  }

  // The last record: what follows the last newline, maybe nothing.
  void finish() {
    record(carry_, carry_.find('#') != std::string::npos);
    if (depth_ > 0) generr(Err::UNCLOSED_BLOCK_REMARK, path_);
  }

 private:
  void record(std::string_view text, bool has_hash) {
    if (lines_.size() == static_cast<size_t>(settings.MAX_LINES) - 1)
      generr(Err::FILE_TOO_LONG, path_, settings.MAX_LINES);
    Line& l = lines_.emplace_back();
    // A text on the heap gets the whole block the allocator hands out
    // anyway, so that substitution can lengthen it in place.
    if (text.size() > 15) l.text.reserve(heap_capacity(text.size()));
    l.text.assign(text);
    l.num = static_cast<int>(lines_.size());
    l.file = file_;
    if (depth_ > 0 || has_hash) l.text = remove_remark(l, depth_);
  }

  const std::string& path_;
  const FileName file_;
  Lines& lines_;
  std::string carry_;  // the start of a line that goes on in the next block
  int depth_ = 0;      // block remarks open
};

}  // namespace

int read_file(std::string path, Lines& lines, int) {
  remove_last_spaces(path);
  lines.clear();
  BlockReader file(path);
  if (!file.is_open() || !file.ok()) generr(Err::FILE_OPEN, path);
  size_t count = 1;
  if (file.regular()) {
    for (std::string_view block = file.next(); !block.empty(); block = file.next())
      count += count_newlines(block);
    if (!file.ok() || !file.rewind()) generr(Err::FILE_OPEN, path);
  } else {
    count += count_newlines(file.whole());
  }
  // One slot more than the records: normalisation appends an empty line and
  // can then work in this array's storage. The records, then their texts,
  // are made from the top of the heap: a text takes its bytes and about 24
  // more (the allocator's header, the terminating 0, rounding to 16).
  const size_t slots = std::min(count, static_cast<size_t>(settings.MAX_LINES) - 1) + 1;
  prefault_heap(slots * (sizeof(Line) + 24) + file.size());
  lines.reserve(slots);
  advise_memory();
  LineSplitter split(path, lines);
  if (file.regular()) {
    for (std::string_view block = file.next(); !block.empty(); block = file.next())
      split.add(block);
    if (!file.ok()) generr(Err::FILE_OPEN, path);
  } else {
    split.add(file.whole());
  }
  split.finish();
  trace("read file " + path);
  return static_cast<int>(lines.size());
}

}  // namespace korvex
