#pragma once

#include <csignal>
#include <sys/resource.h>

namespace quillon::test {

// Caps the size of every file this process writes, so a write beyond the cap fails with EFBIG
// the way a full disk refuses it. Unlike permission bits this stops root too. The cap and the
// SIGXFSZ disposition are restored when it goes out of scope.
class FileSizeLimit final {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit capped = previous_;
        capped.rlim_cur = bytes;
        active_ = ::setrlimit(RLIMIT_FSIZE, &capped) == 0;
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    bool active() const { return active_; }

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = SIG_DFL;
    bool active_ = false;
};

} // namespace quillon::test
