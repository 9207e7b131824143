// A full disk for the writers' tests, made with the file size limit.
#pragma once
#include <sys/resource.h>

#include <csignal>

// While alive, no regular file may grow beyond limit bytes: every write
// past it fails as on a full disk (EFBIG instead of ENOSPC).
class FullDisk {
 public:
  explicit FullDisk(rlim_t limit) {
    signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &old_);
    rlimit r = old_;
    r.rlim_cur = limit;
    setrlimit(RLIMIT_FSIZE, &r);
  }
  ~FullDisk() { setrlimit(RLIMIT_FSIZE, &old_); }

 private:
  rlimit old_;
};
