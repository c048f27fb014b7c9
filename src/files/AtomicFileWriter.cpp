#include "files/AtomicFileWriter.h"

#include "files/DescriptorWrites.h"
#include "files/SaveTemporary.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Writing through a symbolic link replaces the file it points to, not the link.
std::string ResolvedTarget(const std::string& path) {
    struct stat status;
    if (lstat(path.c_str(), &status) == 0 && S_ISLNK(status.st_mode)) {
        char resolved[PATH_MAX];
        if (realpath(path.c_str(), resolved) != nullptr) {
            return resolved;
        }
    }
    return path;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The new file keeps the old one's permissions; a new file gets the usual ones.
mode_t ModeForNewFile(const std::string& target) {
    struct stat status;
    if (stat(target.c_str(), &status) == 0) {
        return status.st_mode & 07777;
    }
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

wxString FailureMessage(const wxString& path, int errorNumber) {
    return wxString::Format("Cannot write file %s: %s", path,
                            wxString::FromUTF8(std::strerror(errorNumber)));
}

} // namespace

bool AtomicFileWriter::Write(const wxString& path, const std::string& content, wxString& error) {
    AtomicFileWriter file(path);
    file.Append(content);
    return file.Commit(error);
}

AtomicFileWriter::AtomicFileWriter(const wxString& path)
    : m_path(path), m_target(ResolvedTarget(std::string(path.fn_str()))) {
    if (m_target.empty()) {
        m_errorNumber = ENOENT;
        return;
    }
    // A file that may not be opened for writing is not replaced either, although renaming
    // over it would succeed.
    if (access(m_target.c_str(), F_OK) == 0 && access(m_target.c_str(), W_OK) != 0) {
        m_errorNumber = errno;
        return;
    }
    const std::string folder = FolderOf(m_target);
    const std::string name = NameOf(m_target);
    // Saves killed part-way leave their temporary files; each save clears those of its target.
    SaveTemporary::RemoveLeftovers(folder, name);
    m_descriptor = SaveTemporary::Create(folder, name, m_temporary);
    if (m_descriptor < 0) {
        m_errorNumber = errno;
        m_temporary.clear();
        return;
    }
    if (fchmod(m_descriptor, ModeForNewFile(m_target)) != 0) {
        m_errorNumber = errno;
    }
}

AtomicFileWriter::~AtomicFileWriter() {
    if (!m_committed) {
        Discard();
    }
}

bool AtomicFileWriter::Append(std::string_view piece) {
    if (m_errorNumber != 0) {
        return false;
    }
    if (!DescriptorWrites::WriteAll(m_descriptor, piece)) {
        m_errorNumber = errno;
        return false;
    }
    return true;
}

bool AtomicFileWriter::Commit(wxString& error) {
    if (m_errorNumber == 0 && fsync(m_descriptor) != 0) {
        m_errorNumber = errno;
    }
    if (m_descriptor >= 0) {
        const int descriptor = m_descriptor;
        m_descriptor = -1;
        if (close(descriptor) != 0 && m_errorNumber == 0) {
            m_errorNumber = errno;
        }
    }
    if (m_errorNumber == 0 && rename(m_temporary.c_str(), m_target.c_str()) != 0) {
        m_errorNumber = errno;
    }
    if (m_errorNumber != 0) {
        Discard();
        error = FailureMessage(m_path, m_errorNumber);
        return false;
    }
    m_committed = true;
    DescriptorWrites::SyncFolder(FolderOf(m_target));
    return true;
}

void AtomicFileWriter::Discard() {
    if (m_descriptor >= 0) {
        close(m_descriptor);
        m_descriptor = -1;
    }
    if (!m_temporary.empty()) {
        unlink(m_temporary.c_str());
        m_temporary.clear();
    }
}
