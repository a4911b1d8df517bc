// A disk that is full, for tests of what a failed write leaves behind. While a FullDisk lives the
// process cannot make any file longer than the given size: a write past it fails as on a full
// disk (EFBIG instead of ENOSPC) rather than ending the process with SIGXFSZ.
#pragma once

#include <signal.h>
#include <sys/resource.h>

namespace ringlace::test {

class FullDisk {
public:
    explicit FullDisk(rlim_t largestFile = 0) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = largestFile;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FullDisk() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        signal(SIGXFSZ, previousHandler_);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = SIG_DFL;
};

}  // namespace ringlace::test
