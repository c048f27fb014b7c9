#include "files/WorkspaceFile.h"

#include "files/AtomicFileWriter.h"
#include "files/WorkspaceParser.h"
#include "files/WorkspaceWriter.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const std::size_t kHugePageBytes = 2 << 20;

struct AlignedFree {
    void operator()(char* bytes) const { std::free(bytes); }
};

// The whole content of a file, read in one piece into memory that is not cleared first.
// Large contents ask for huge pages: a fresh page fault per 4 KiB costs more than reading.
struct FileContent {
    std::unique_ptr<char, AlignedFree> bytes;
    std::size_t size = 0;
    std::size_t capacity = 0;

    bool Grow(std::size_t newCapacity) {
        const std::size_t rounded =
            (newCapacity + kHugePageBytes - 1) / kHugePageBytes * kHugePageBytes;
        char* larger = static_cast<char*>(std::aligned_alloc(kHugePageBytes, rounded));
        if (larger == nullptr) {
            return false;
        }
        madvise(larger, rounded, MADV_HUGEPAGE);
        if (size > 0) {
            std::memcpy(larger, bytes.get(), size);
        }
        bytes.reset(larger);
        capacity = rounded;
        return true;
    }
};

// Sized by the file's length where it has one; a file that grows or has no length is read on.
bool ReadWholeFile(const wxString& path, FileContent& content, int& errorNumber) {
    const int descriptor = open(path.fn_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        errorNumber = errno;
        return false;
    }
    struct stat status;
    std::size_t expected = 0;
    if (fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0) {
        expected = static_cast<std::size_t>(status.st_size);
    }
    for (;;) {
        // One byte more than announced, so that the end is seen without a second allocation.
        if (content.size == content.capacity &&
            !content.Grow(std::max(expected + 1, content.capacity * 2))) {
            errorNumber = ENOMEM;
            close(descriptor);
            return false;
        }
        const ssize_t count =
            read(descriptor, content.bytes.get() + content.size, content.capacity - content.size);
        if (count == 0) {
            break;
        }
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            errorNumber = errno;
            close(descriptor);
            return false;
        }
        content.size += static_cast<std::size_t>(count);
    }
    close(descriptor);
    return true;
}

} // namespace

const wxString WorkspaceReadResult::kCannotOpenMessage = "Cannot open File for Reading";

std::string WorkspaceFile::Format(const std::vector<Storage>& records, int flowUnit) {
    std::string out;
    WorkspaceWriter writer([&out](std::string_view piece) {
        out += piece;
        return true;
    });
    writer.Write(records, flowUnit);
    return out;
}

bool WorkspaceFile::WriteTo(AtomicFileWriter& file, const std::vector<Storage>& records,
                            int flowUnit) {
    WorkspaceWriter writer([&file](std::string_view piece) { return file.Append(piece); });
    return writer.Write(records, flowUnit);
}

bool WorkspaceFile::Write(const wxString& path, const std::vector<Storage>& records, int flowUnit,
                          wxString& error) {
    AtomicFileWriter file(path);
    WriteTo(file, records, flowUnit);
    return file.Commit(error);
}

WorkspaceReadResult WorkspaceFile::Read(const wxString& path) {
    FileContent content;
    int errorNumber = 0;
    if (!ReadWholeFile(path, content, errorNumber)) {
        WorkspaceReadResult result;
        result.error = WorkspaceReadResult::kCannotOpenMessage;
        result.reason =
            wxString::Format("%s: %s", path, wxString::FromUTF8(std::strerror(errorNumber)));
        return result;
    }
    return Parse(std::string_view(content.bytes.get(), content.size), path);
}

WorkspaceReadResult WorkspaceFile::Parse(std::string_view content, const wxString& path) {
    // Editors that save UTF-8 may put a byte order mark in front of the first number.
    const std::string_view byteOrderMark = "\xEF\xBB\xBF";
    if (content.substr(0, byteOrderMark.size()) == byteOrderMark) {
        content.remove_prefix(byteOrderMark.size());
    }
    WorkspaceReadResult result;
    WorkspaceParser parser(content, path, result);
    result.ok = parser.Parse();
    return result;
}

wxString WorkspaceFile::WithExtension(const wxString& path) {
    return path.Contains(".vrx") ? path : path + ".vrx";
}
