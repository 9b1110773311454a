// Reading files and removing remarks.
//
// The block markers are looked for before the line remark, and both contain
// "##", so "##>" and "<##" are never taken for the start of a line remark.
// A line opens at most one block remark.
#include "text/reader.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string_view>

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

// A regular file mapped into memory for reading: no copy of its bytes and no
// fresh pages to fill. Empty (not mapped) when the file is not a regular
// file with content or cannot be mapped; the caller then reads it as a stream.
class MappedFile {
 public:
  explicit MappedFile(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return;
    struct stat st {};
    if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0) {
      void* p = mmap(nullptr, static_cast<size_t>(st.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
      if (p != MAP_FAILED) {
        addr_ = p;
        size_ = static_cast<size_t>(st.st_size);
        madvise(addr_, size_, MADV_SEQUENTIAL);
      }
    }
    close(fd);
  }
  ~MappedFile() {
    if (addr_ != nullptr) munmap(addr_, size_);
  }
  MappedFile(const MappedFile&) = delete;
  MappedFile& operator=(const MappedFile&) = delete;
  bool mapped() const { return addr_ != nullptr; }
  std::string_view view() const { return {static_cast<const char*>(addr_), size_}; }

  // Gives back the pages wholly before byte `offset`, which have been read
  // for the last time: the mapping never holds more than a few megabytes.
  void release_before(size_t offset) {
    if (addr_ == nullptr) return;
    const size_t upto = offset / kStep * kStep;
    if (upto <= released_) return;
    madvise(static_cast<char*>(addr_) + released_, upto - released_, MADV_DONTNEED);
    released_ = upto;
  }

  // Makes the whole file readable again after release_before.
  void rewind() { released_ = 0; }

 private:
  static constexpr size_t kStep = size_t{8} << 20;  // a multiple of every page size
  void* addr_ = nullptr;
  size_t size_ = 0;
  size_t released_ = 0;
};

// The whole content of a file that cannot be mapped (a pipe or device).
std::string read_stream(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in.is_open()) generr(Err::FILE_OPEN, path);
  std::string data;
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  in.seekg(0, std::ios::beg);
  if (size > 0) {
    data.resize(static_cast<size_t>(size));
    in.read(data.data(), size);
    data.resize(static_cast<size_t>(in.gcount()));
  } else {
    in.clear();
    std::ostringstream buf;
    buf << in.rdbuf();
    data = std::move(buf).str();
  }
  return data;
}

}  // namespace

int read_file(std::string path, Lines& lines, int) {
  remove_last_spaces(path);
  lines.clear();
  MappedFile file(path);
  std::string streamed;
  if (!file.mapped()) streamed = read_stream(path);
  const std::string_view data = file.mapped() ? file.view() : std::string_view(streamed);
  // Every newline ends one record and starts the next, so a final newline
  // yields one more, empty, record, and an empty file yields one record.
  int depth = 0;
  size_t start = 0;
  const size_t limit = static_cast<size_t>(settings.MAX_LINES) - 1;
  size_t count = 1;
  for (size_t p = data.find('\n'); p != std::string_view::npos; p = data.find('\n', p + 1)) {
    ++count;
    file.release_before(p);
  }
  file.release_before(data.size());
  file.rewind();
  // One slot more than the records: normalisation appends an end marker and
  // can then work in this array's storage.
  lines.reserve(std::min(count, limit) + 1);
  advise_memory();
  for (size_t i = 0;; ++i) {
    if (i == limit) generr(Err::FILE_TOO_LONG, path, settings.MAX_LINES);
    const size_t nl = data.find('\n', start);
    const size_t end = nl == std::string::npos ? data.size() : nl;
    Line& l = lines.emplace_back();
    // A text on the heap gets the whole block the allocator hands out
    // anyway, so that substitution can lengthen it in place.
    const size_t len = end - start;
    if (len > 15) l.text.reserve(heap_capacity(len));
    l.text.assign(data.data() + start, len);
    l.num = static_cast<int>(i) + 1;
    l.file = path;
    if (depth > 0 || l.text.find('#') != std::string::npos) l.text = remove_remark(l, depth);
    if (l.text.empty()) l.text = kEmptyLine;
    if (nl == std::string::npos) break;
    start = nl + 1;
    file.release_before(start);
  }
  if (depth > 0) generr(Err::UNCLOSED_BLOCK_REMARK, path);
  trace("read file " + path);
  return static_cast<int>(lines.size());
}

}  // namespace korvex
