#pragma once

#include "FileBytes.h"

#include <csignal>
#include <sys/resource.h>

namespace sorvanta::test {

// A full disk that root cannot write past: while it lives, no file of this
// process grows beyond `bytes` (writes fail with EFBIG, "File too large").
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        // The limit raises SIGXFSZ, which would end the process instead of failing the write.
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
};

}  // namespace sorvanta::test
