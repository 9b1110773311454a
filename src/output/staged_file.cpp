// Generated files written beside their final path and renamed when complete.
//
// The signal handler may run between any two statements of the run, so the
// temporaries it removes are kept in a fixed table of plain character
// arrays: it only reads them and calls unlink(), which is safe there.
#include "output/staged_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>

namespace korvex {
namespace {

// More temporaries than a run ever has at once: the -o or OUTFILE file, a
// file list and the dependency file.
constexpr int kSlots = 8;

struct Slot {
  char path[PATH_MAX];
  volatile std::sig_atomic_t used;
};
Slot slots[kSlots];

int remember(const std::string& path) {
  if (path.size() >= PATH_MAX) return -1;
  for (int i = 0; i < kSlots; ++i) {
    if (slots[i].used) continue;
    std::memcpy(slots[i].path, path.c_str(), path.size() + 1);
    std::atomic_signal_fence(std::memory_order_seq_cst);
    slots[i].used = 1;
    return i;
  }
  return -1;
}

void forget(int slot) {
  if (slot < 0) return;
  slots[slot].used = 0;
  std::atomic_signal_fence(std::memory_order_seq_cst);
}

constexpr int kEndingSignals[] = {SIGTERM, SIGINT, SIGHUP};

extern "C" void remove_temporaries(int sig) {
  for (const Slot& s : slots)
    if (s.used) unlink(s.path);
  // SA_RESETHAND has restored the default action: the process ends by the
  // signal, as it would have without Korvex's handler.
  raise(sig);
}

// Holds the ending signals off while a temporary is made and remembered, so
// that none is made that the handler does not know of.
class SignalsHeld {
 public:
  SignalsHeld() {
    sigset_t set;
    sigemptyset(&set);
    for (int sig : kEndingSignals) sigaddset(&set, sig);
    sigprocmask(SIG_BLOCK, &set, &old_);
  }
  ~SignalsHeld() { sigprocmask(SIG_SETMASK, &old_, nullptr); }
  SignalsHeld(const SignalsHeld&) = delete;
  SignalsHeld& operator=(const SignalsHeld&) = delete;

 private:
  sigset_t old_;
};

mode_t process_umask() {
  static const mode_t mask = [] {
    const mode_t m = umask(022);
    umask(m);
    return m;
  }();
  return mask;
}

size_t last_slash(const std::string& p) { return p.rfind('/'); }

// The directory of `p` as a path to open, and as a prefix of names in it.
std::string directory_of(const std::string& p) {
  const size_t i = last_slash(p);
  if (i == std::string::npos) return ".";
  return i == 0 ? "/" : p.substr(0, i);
}
std::string prefix_of(const std::string& p) {
  const size_t i = last_slash(p);
  return i == std::string::npos ? std::string() : p.substr(0, i + 1);
}

bool under_devices(const std::string& dir) {
  char buf[PATH_MAX];
  if (realpath(dir.c_str(), buf) == nullptr) return false;
  const std::string d = buf;
  for (const char* root : {"/dev", "/proc"}) {
    const std::string r = root;
    if (d == r || d.rfind(r + "/", 0) == 0) return true;
  }
  return false;
}

// The file that the name `path` leads to through its symlinks (it may not
// exist yet); `special` is set when it is to be written in place.
std::string resolve(const std::string& path, bool& special) {
  std::string p = path;
  // As many links as the system itself follows in one name.
  for (int hop = 0; hop < 40; ++hop) {
    if (under_devices(directory_of(p))) {
      special = true;
      return p;
    }
    struct stat st;
    if (lstat(p.c_str(), &st) != 0) {
      // A new file, when the name can be one; anything else ("", "dir/",
      // a path through a file) fails in place as it always did.
      const std::string base = p.substr(prefix_of(p).size());
      special = errno != ENOENT || base.empty() || base == "." || base == "..";
      return p;
    }
    if (!S_ISLNK(st.st_mode)) {
      special = !S_ISREG(st.st_mode);
      return p;
    }
    std::string link(PATH_MAX, '\0');
    const ssize_t n = readlink(p.c_str(), link.data(), link.size());
    if (n <= 0) break;
    link.resize(static_cast<size_t>(n));
    p = link[0] == '/' ? link : prefix_of(p) + link;
  }
  // A loop of links: opening the name fails in place as it always did.
  special = true;
  return path;
}

}  // namespace

StagedFile::StagedFile(StagedFile&& other) noexcept
    : path_(std::move(other.path_)),
      target_(std::move(other.target_)),
      temp_(std::move(other.temp_)),
      slot_(other.slot_) {
  other.temp_.clear();
  other.slot_ = -1;
}

StagedFile& StagedFile::operator=(StagedFile&& other) noexcept {
  if (this != &other) {
    discard();
    path_ = std::move(other.path_);
    target_ = std::move(other.target_);
    temp_ = std::move(other.temp_);
    slot_ = other.slot_;
    other.temp_.clear();
    other.slot_ = -1;
  }
  return *this;
}

bool StagedFile::stage(const std::string& path) {
  discard();
  path_ = path;
  bool special = false;
  target_ = resolve(path, special);
  if (special) return true;
  struct stat st;
  if (stat(target_.c_str(), &st) == 0) {
    // A file that may not be written is not replaced either.
    const int fd = ::open(target_.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return false;
    close(fd);
  }
  // The name stays short enough for any file system: the file's own name
  // only makes it easy to tell whose temporary it is.
  const size_t i = last_slash(target_);
  const std::string base = target_.substr(i == std::string::npos ? 0 : i + 1);
  std::string name = prefix_of(target_) + "." + base.substr(0, 200) + ".korvex-XXXXXX";
  const SignalsHeld held;
  const int fd = mkstemp(name.data());
  // A directory that takes no new file: the file is written in place.
  if (fd < 0) return true;
  close(fd);
  temp_ = name;
  slot_ = remember(temp_);
  return true;
}

bool StagedFile::can_write_in_place() const {
  struct stat st;
  if (stat(path_.c_str(), &st) == 0 && S_ISFIFO(st.st_mode)) return access(path_.c_str(), W_OK) == 0;
  std::ofstream probe(path_, std::ios::out | std::ios::app | std::ios::binary);
  return probe.is_open();
}

bool StagedFile::open(std::ofstream& out) const {
  out.open(in_place() ? path_ : temp_, std::ios::out | std::ios::trunc | std::ios::binary);
  return out.is_open();
}

bool StagedFile::commit() {
  if (temp_.empty()) return true;
  mode_t mode = 0666 & ~process_umask();
  struct stat st;
  if (stat(target_.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
    mode = st.st_mode & 0777;
    // The set-id bits only for a file whose owner stays the same.
    const bool same_owner = (st.st_uid == geteuid() && st.st_gid == getegid()) ||
                            chown(temp_.c_str(), st.st_uid, st.st_gid) == 0;
    if (same_owner) mode = st.st_mode & 07777;
  }
  // A mode that cannot be set leaves the temporary's own, open to its owner only.
  chmod(temp_.c_str(), mode);
  if (rename(temp_.c_str(), target_.c_str()) != 0) {
    discard();
    return false;
  }
  forget(slot_);
  slot_ = -1;
  temp_.clear();
  return true;
}

void StagedFile::discard() {
  if (temp_.empty()) return;
  unlink(temp_.c_str());
  forget(slot_);
  slot_ = -1;
  temp_.clear();
}

bool open_generated(std::ofstream& out, const std::string& path, StagedFile& staged) {
  return staged.stage(path) && staged.open(out);
}

bool close_generated(std::ofstream& out, StagedFile& staged) {
  bool written = out.is_open();
  if (written) {
    out.close();
    written = !out.fail();
  }
  if (!written) {
    staged.discard();
    return false;
  }
  return staged.commit();
}

void prepare_signals() {
  std::signal(SIGPIPE, SIG_IGN);
  for (int sig : kEndingSignals) {
    struct sigaction old {};
    if (sigaction(sig, nullptr, &old) != 0 || old.sa_handler == SIG_IGN) continue;
    struct sigaction sa {};
    sa.sa_handler = remove_temporaries;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESETHAND | SA_NODEFER;
    sigaction(sig, &sa, nullptr);
  }
  process_umask();
}

}  // namespace korvex
