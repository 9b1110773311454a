// The inputs of a run: the bytes of every file it has read, each read once
// and kept to the end of the run, and the identity (device and inode) of
// every file it reads or will read, so that no output can overwrite one
// through any name. text/input_files.h reads the files, output/depfile.h
// records and checks the identities.
#pragma once

#include <sys/stat.h>

#include <compare>
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace korvex {

struct FileIdentity {
  dev_t dev = 0;
  ino_t ino = 0;
  auto operator<=>(const FileIdentity&) const = default;
};

struct InputFile {
  enum class Cut { kNone, kLineTooLong, kRunInputFull };

  // The bytes as read: the whole file, or what comes before the cut.
  std::string_view bytes() const { return {data.get(), size}; }

  std::unique_ptr<char[]> data;
  std::size_t size = 0;
  std::size_t newlines = 0;  // in bytes()
  bool read_failed = false;  // opened, but a read failed
  Cut cut = Cut::kNone;      // reading stopped at a limit, at the start of a line
  int cut_line = 0;          // the number of that line
};

struct RunInputs {
  struct Kept {
    std::unique_ptr<InputFile> file;
    struct stat st;
  };
  struct OwnOutput {
    FileIdentity id;
    std::string name;
  };

  std::map<FileIdentity, Kept> kept;    // every file read, by identity
  // Files read again because they changed: lines read from the earlier
  // bytes refer to them to the end of the run.
  std::vector<std::unique_ptr<InputFile>> replaced;
  std::uint64_t bytes = 0;              // bytes read in the run, each file once
  std::vector<std::string> files_read;  // the names read, for the depfile, in order
  std::vector<FileIdentity> inputs;     // every file read or still to be read
  std::vector<OwnOutput> own_outputs;   // the trace and the compare report
};

}  // namespace korvex
