// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A full disk made for real: while a FileSizeLimit lives, every write of this process past its bytes fails
// with EFBIG, and the signal the kernel sends for it is ignored. POSIX only; Windows has no RLIMIT_FSIZE.

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>

namespace velista::test {

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};

}  // namespace velista::test
#endif
