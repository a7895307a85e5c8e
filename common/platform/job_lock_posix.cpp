#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "common/platform/job_lock.h"
#include "common/platform/job_lock_shared.h"

namespace platform {
namespace {

struct flock WholeFile(short type) {
    struct flock region{};
    region.l_type = type;
    region.l_whence = SEEK_SET;
    region.l_start = 0;
    region.l_len = 0;  // to the end, however long
    return region;
}

}  // namespace

// A record lock (fcntl), not flock: it belongs to this process alone, so the
// processes it forks to run commands never keep it alive, and it is dropped
// when the process ends. Nothing else in the program opens the lock file
// (closing any descriptor of it would drop the lock). The file is there only
// while a job runs, or after one that was killed.
Status JobLock::Take() {
    if (fd_ >= 0) return Status();
    // The holder removes the file as it lets go, so a lock won on a file
    // that has meanwhile lost its name is worth nothing: try again on the
    // file the name holds now.
    for (int attempt = 0; attempt < 100; ++attempt) {
        const int fd = ::open(kJobLockFile, O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        if (fd < 0) {
            return Status::Failuref("ERROR: \"%s\" cannot be opened (%s)", kJobLockFile,
                                    std::strerror(errno));
        }
        struct flock region = WholeFile(F_WRLCK);
        if (::fcntl(fd, F_SETLK, &region) != 0) {
            const int error = errno;
            struct flock holder = WholeFile(F_WRLCK);
            const bool known = ::fcntl(fd, F_GETLK, &holder) == 0 && holder.l_type != F_UNLCK;
            ::close(fd);
            if (error != EACCES && error != EAGAIN) {
                return Status::Failuref("ERROR: \"%s\" cannot be locked (%s)", kJobLockFile,
                                        std::strerror(error));
            }
            if (detail::StartedUnderJobLock()) return Status();
            return detail::kJobLockBusy(known ? " by process " + std::to_string(holder.l_pid) : "");
        }
        struct stat locked{}, named{};
        if (::fstat(fd, &locked) == 0 && ::stat(kJobLockFile, &named) == 0 &&
            locked.st_dev == named.st_dev && locked.st_ino == named.st_ino) {
            fd_ = fd;
            return Status();
        }
        ::close(fd);
    }
    return Status::Failuref("ERROR: \"%s\" keeps changing under this program", kJobLockFile);
}

bool JobLock::Held() const { return fd_ >= 0; }

void JobLock::Release() {
    if (fd_ < 0) return;
    // Removed while still locked, so that the next one to lock it finds it
    // gone; a process that ends without this leaves the file, unlocked.
    ::unlink(kJobLockFile);
    ::close(fd_);  // the lock goes with the descriptor
    fd_ = -1;
}

}  // namespace platform
