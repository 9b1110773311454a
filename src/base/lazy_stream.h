// A file stream made when it is first opened or written.
//
// Making the first stream sets up the stream library's locale, which touches
// more memory than a run of a small file does for its work: a run that
// writes no trace, compare report or output file makes no stream.
#pragma once

#include <cstddef>
#include <fstream>
#include <memory>
#include <string>

namespace korvex {

class LazyStream {
 public:
  // The buffer the stream gets when it is made (before it is opened).
  void use_buffer(char* buffer, std::size_t size) {
    buffer_ = buffer;
    size_ = size;
  }

  bool is_open() const { return stream_ && stream_->is_open(); }
  // As for a stream never used: false until it is made.
  bool fail() const { return stream_ && stream_->fail(); }

  void open(const std::string& path, std::ios::openmode mode = std::ios::out) {
    get().open(path, mode);
  }
  void close() {
    if (stream_) stream_->close();
  }

  std::ofstream& get() {
    if (!stream_) {
      stream_ = std::make_unique<std::ofstream>();
      if (buffer_ != nullptr) stream_->rdbuf()->pubsetbuf(buffer_, static_cast<std::streamsize>(size_));
    }
    return *stream_;
  }
  std::ofstream* operator->() { return &get(); }

 private:
  std::unique_ptr<std::ofstream> stream_;
  char* buffer_ = nullptr;
  std::size_t size_ = 0;
};

}  // namespace korvex
