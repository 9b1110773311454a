// The input files of a run.
//
// A file is known by its device and inode, so that the names a search tries
// (an include directory and the name, the name as written) all find the one
// copy. A regular file whose size or times have changed since it was read
// is read again, as a new file: that keeps the answer right when an inode is
// reused, and a file that does not change is never opened twice.
#include "text/input_files.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <utility>

#include "base/limits.h"
#include "base/memory.h"
#include "text/strings.h"

namespace korvex {
namespace {

FileIdentity key_of(const struct stat& st) { return {st.st_dev, st.st_ino}; }

bool same_time(const timespec& a, const timespec& b) {
  return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

// A pipe or a device is what was read; a regular file only while unchanged.
bool still_current(const RunInputs::Kept& k, const struct stat& st) {
  if (!S_ISREG(k.st.st_mode)) return true;
  return S_ISREG(st.st_mode) && st.st_size == k.st.st_size && same_time(st.st_mtim, k.st.st_mtim) &&
         same_time(st.st_ctim, k.st.st_ctim);
}

const InputFile* find_kept(const RunInputs& inputs, const struct stat& st) {
  const auto it = inputs.kept.find(key_of(st));
  if (it == inputs.kept.end() || !still_current(it->second, st)) return nullptr;
  return it->second.file.get();
}

// Reads the open file `fd` up to its end or the first limit it meets.
class Loader {
 public:
  Loader(const Options& options, std::uint64_t bytes_read, int fd, const struct stat& st)
      : fd_(fd) {
    const std::uint64_t total = input_total_limit(options);
    room_ = bytes_read < total ? total - bytes_read : 0;
    line_limit_ = input_line_limit(options);
    max_newlines_ = static_cast<std::size_t>(std::max(options.MAX_LINES - 1, 1));
    // A regular file is read in one piece of its size; one byte more lets
    // the read that finds its end, or the first byte past the room, land.
    const std::uint64_t want =
        S_ISREG(st.st_mode) ? std::min<std::uint64_t>(static_cast<std::uint64_t>(st.st_size), room_)
                            : kFirstBlock - 1;
    grow(static_cast<std::size_t>(want) + 1);
  }

  std::unique_ptr<InputFile> load() {
    while (true) {
      if (file_->size == capacity_) grow(capacity_ * 2);
      // In pieces, so that reading stops at a limit having touched only the
      // memory of what comes before it, not of the whole file.
      const ssize_t n = read(fd_, file_->data.get() + file_->size,
                             std::min(capacity_ - file_->size, kReadPiece));
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) {
        file_->read_failed = true;
        break;
      }
      if (n == 0) break;
      if (!take(file_->size, file_->size + static_cast<std::size_t>(n))) break;
    }
    return std::move(file_);
  }

 private:
  static constexpr std::size_t kFirstBlock = std::size_t{64} * 1024;
  static constexpr std::size_t kReadPiece = std::size_t{1} << 20;

  void grow(std::size_t capacity) {
    auto data = std::make_unique_for_overwrite<char[]>(capacity);
    // A large file's bytes go on huge pages like the records made from them.
    advise_memory();
    if (file_->size > 0) std::memcpy(data.get(), file_->data.get(), file_->size);
    file_->data = std::move(data);
    capacity_ = capacity;
  }

  // Takes the bytes [from, to) just read; false when reading is to stop.
  bool take(std::size_t from, std::size_t to) {
    const char* const d = file_->data.get();
    if (take_whole(d, from, to)) return true;
    std::size_t pos = from;
    while (true) {
      const char* const found = find_newline(d + pos, d + to);
      const char* const nl = found == d + to ? nullptr : found;
      const std::size_t end = nl ? static_cast<std::size_t>(nl - d) : to;
      if (end - line_start_ > line_limit_) return cut(InputFile::Cut::kLineTooLong);
      if (!nl) break;
      if (end + 1 > room_) return cut(InputFile::Cut::kRunInputFull);
      ++file_->newlines;
      pos = line_start_ = end + 1;
      if (file_->newlines == max_newlines_) {
        // The file cannot fit: the reader stops at the record after this
        // newline, whatever follows it.
        file_->size = line_start_;
        return false;
      }
    }
    if (to > room_) return cut(InputFile::Cut::kRunInputFull);
    file_->size = to;
    return true;
  }

  // Takes the piece at once when no limit can fall inside it: its newlines
  // are counted eight bytes at a time, and only the line that runs into it
  // from the piece before is measured.
  bool take_whole(const char* d, std::size_t from, std::size_t to) {
    if (to > room_ || to - from > line_limit_) return false;
    const std::size_t count = count_newlines(d + from, d + to);
    if (count == 0 || file_->newlines + count >= max_newlines_) return false;
    const char* const first = find_newline(d + from, d + to);
    if (static_cast<std::size_t>(first - d) - line_start_ > line_limit_) return false;
    const char* last = d + to;
    while (*--last != '\n') {}
    file_->newlines += count;
    line_start_ = static_cast<std::size_t>(last - d) + 1;
    file_->size = to;
    return true;
  }

  bool cut(InputFile::Cut why) {
    file_->cut = why;
    file_->cut_line = static_cast<int>(std::min<std::size_t>(file_->newlines + 1, INT32_MAX));
    file_->size = line_start_;
    return false;
  }

  int fd_;
  std::unique_ptr<InputFile> file_ = std::make_unique<InputFile>();
  std::size_t capacity_ = 0;
  std::size_t line_start_ = 0;
  std::uint64_t room_ = 0;
  std::uint64_t line_limit_ = 0;
  std::size_t max_newlines_ = 1;
};

}  // namespace

std::uint64_t input_line_limit(const Options& options) {
  const auto lines = static_cast<std::uint64_t>(std::max(options.MAX_LINES, 0));
  return std::max(kInputLineFloor, kInputLinePerLine * lines);
}

std::uint64_t input_total_limit(const Options& options) {
  const auto lines = static_cast<std::uint64_t>(std::max(options.MAX_LINES, 0));
  return std::max(kInputTotalFloor, kInputTotalPerLine * lines);
}

const InputFile* input_file(RunContext& run, const std::string& path) {
  RunInputs& inputs = run.state.inputs;
  struct stat st;
  if (stat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return nullptr;
  if (const InputFile* f = find_kept(inputs, st)) return f;
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return nullptr;
  struct stat opened;
  if (fstat(fd, &opened) != 0 || S_ISDIR(opened.st_mode)) {
    close(fd);
    return nullptr;
  }
  // The name may have been given to another file between the two looks.
  if (const InputFile* f = find_kept(inputs, opened)) {
    close(fd);
    return f;
  }
  std::unique_ptr<InputFile> file = Loader(run.options, inputs.bytes, fd, opened).load();
  close(fd);
  inputs.bytes += file->size;
  RunInputs::Kept& k = inputs.kept[key_of(opened)];
  if (k.file != nullptr) inputs.replaced.push_back(std::move(k.file));
  k.file = std::move(file);
  k.st = opened;
  return k.file.get();
}

}  // namespace korvex
