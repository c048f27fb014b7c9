#include "files/SaveTemporary.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// mkstemp replaces these six characters.
const std::size_t kRandomPartLength = 6;

struct DirectoryCloser {
    void operator()(DIR* directory) const { closedir(directory); }
};

bool IsDigits(const std::string& text) {
    if (text.empty()) {
        return false;
    }
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

// The writer's process id from a temporary file name ".name.saving-PID-XXXXXX", or 0 when the
// entry is not one of name's temporary files.
pid_t WriterOf(const std::string& entry, const std::string& prefix) {
    if (entry.size() < prefix.size() + 2 + kRandomPartLength ||
        entry.compare(0, prefix.size(), prefix) != 0) {
        return 0;
    }
    const std::size_t dash = entry.size() - kRandomPartLength - 1;
    if (entry[dash] != '-') {
        return 0;
    }
    const std::string digits = entry.substr(prefix.size(), dash - prefix.size());
    if (!IsDigits(digits) || digits.size() > 9) {
        return 0;
    }
    return static_cast<pid_t>(std::atol(digits.c_str()));
}

bool ProcessIsRunning(pid_t process) {
    return kill(process, 0) == 0 || errno == EPERM;
}

// A leftover may go when its writer has ended and nobody holds its lock: the lock also
// protects a writer in another process namespace whose id means nothing here. A file named
// after this very process is a leftover of an earlier one with the same id, since this one
// saves one file at a time.
bool RemoveIfAbandoned(const std::string& path, pid_t writer) {
    if (writer != getpid() && ProcessIsRunning(writer)) {
        return false;
    }
    const int descriptor = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        return false;
    }
    struct stat status;
    bool removed = false;
    if (fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode) &&
        flock(descriptor, LOCK_EX | LOCK_NB) == 0) {
        removed = unlink(path.c_str()) == 0;
    }
    close(descriptor);
    return removed;
}

} // namespace

std::string SaveTemporary::Prefix(const std::string& name) {
    return "." + name + ".saving-";
}

int SaveTemporary::Create(const std::string& folder, const std::string& name, std::string& path) {
    path = folder + "/" + Prefix(name) + std::to_string(getpid()) + "-XXXXXX";
    const int descriptor = mkostemp(path.data(), O_CLOEXEC);
    if (descriptor < 0) {
        return -1;
    }
    if (flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        const int errorNumber = errno;
        close(descriptor);
        unlink(path.c_str());
        errno = errorNumber;
        return -1;
    }
    return descriptor;
}

int SaveTemporary::RemoveLeftovers(const std::string& folder, const std::string& name) {
    std::unique_ptr<DIR, DirectoryCloser> directory(opendir(folder.c_str()));
    if (!directory) {
        return 0;
    }
    const std::string prefix = Prefix(name);
    int removed = 0;
    while (const dirent* entry = readdir(directory.get())) {
        const std::string entryName = entry->d_name;
        const pid_t writer = WriterOf(entryName, prefix);
        if (writer > 0 && RemoveIfAbandoned(folder + "/" + entryName, writer)) {
            ++removed;
        }
    }
    return removed;
}
