#pragma once
#include <sys/resource.h>

#include <csignal>

// Limits the size of files this process writes, as a disk that fills up would, for the
// lifetime of the object; a write past the limit fails instead of raising SIGXFSZ.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) : previousSignal_(std::signal(SIGXFSZ, SIG_IGN)) {
    rlimit tight{};
    active_ = getrlimit(RLIMIT_FSIZE, &previous_) == 0;
    tight = previous_;
    tight.rlim_cur = bytes;
    active_ = active_ && setrlimit(RLIMIT_FSIZE, &tight) == 0;
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, previousSignal_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;
  bool Active() const { return active_; }

 private:
  rlimit previous_{};
  bool active_ = false;
  void (*previousSignal_)(int);
};
