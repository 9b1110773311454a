// Generated files are written to a temporary file beside their final path
// and renamed over it once complete. A run that fails, is killed or writes
// at the same time as another run never leaves a file half written: the
// file is either as it was before the run (or absent) or complete.
//
// A symlinked output is resolved to its target, and the temporary lies
// beside the target. Special files (devices, FIFOs, anything under /dev or
// /proc, such as /dev/null and /dev/stdout) are written in place, and so is a
// file whose directory takes no new file (the directory is read-only but the
// file is writable), as it cannot be replaced.
//
// The temporaries still there are removed when the run fails (the run's
// single end, driver/entry.cpp) and when SIGTERM, SIGINT or SIGHUP end it.
#pragma once

#include <fstream>
#include <string>

namespace korvex {

class StagedFile {
 public:
  StagedFile() = default;
  ~StagedFile() { discard(); }
  StagedFile(StagedFile&& other) noexcept;
  StagedFile& operator=(StagedFile&& other) noexcept;
  StagedFile(const StagedFile&) = delete;
  StagedFile& operator=(const StagedFile&) = delete;

  // Prepares writing the file `path`: makes its temporary, or decides that
  // it is written in place. False when an existing file of that name cannot
  // be opened for writing: it is not replaced either.
  bool stage(const std::string& path);
  bool in_place() const { return temp_.empty(); }

  // Whether a file written in place can be opened for writing, checked
  // ahead of its opening: an absent one is made, as opening it would; a
  // FIFO is only tested, since opening it is a meeting with its reader.
  bool can_write_in_place() const;

  // Opens `out` on what receives the file's text, truncating it.
  bool open(std::ofstream& out) const;

  // Puts the complete file in place: the temporary gets the permissions of
  // the file it replaces (a new file those a plain open gives, after the
  // umask) and is renamed over it. False when that fails; the temporary is
  // then removed. Nothing to do for a file written in place.
  bool commit();

  // Removes the temporary: the final file stays as it was.
  void discard();

 private:
  std::string path_;    // the name the file was staged under
  std::string target_;  // the final file, symlinks resolved
  std::string temp_;    // the temporary beside it; empty when written in place
  int slot_ = -1;       // its entry in the list the signal handler removes
};

// Opens `out` for the generated file `path` through `staged`; false when it
// cannot be opened.
bool open_generated(std::ofstream& out, const std::string& path, StagedFile& staged);

// Closes `out` and puts the file in place; false when writing or placing it
// failed (the temporary is then gone).
bool close_generated(std::ofstream& out, StagedFile& staged);

// SIGPIPE is ignored, so that writing into a closed pipe fails like any
// other write (error 121) instead of ending the process; SIGTERM, SIGINT and
// SIGHUP remove the temporaries before they end it. A signal that was
// ignored when Korvex started stays ignored.
void prepare_signals();

}  // namespace korvex
