#include "files/AtomicFileWriter.h"
#include "files/FileSizeLimit.h"
#include "files/SaveTemporary.h"
#include "files/TempFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <iterator>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

size_t FileCount(const std::string& folder) {
    size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) {
        ++count;
    }
    return count;
}

// Writes as an ordinary user would: a root test run drops to the unprivileged user in a
// child process, since root may write any file.
bool WriteAsOrdinaryUser(const std::string& path, const std::string& content) {
    wxString error;
    if (geteuid() != 0) {
        return AtomicFileWriter::Write(wxString::FromUTF8(path), content, error);
    }
    const pid_t child = fork();
    if (child == 0) {
        const uid_t nobody = 65534;
        if (setgid(nobody) != 0 || setuid(nobody) != 0) {
            _exit(2);
        }
        _exit(AtomicFileWriter::Write(wxString::FromUTF8(path), content, error) ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) != 2) << "could not drop privileges";
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

TEST(AtomicFileWriter, ReplacesTheFileAndKeepsItsPermissions) {
    TempFolder folder;
    const std::string path = folder.File("data.vrx");
    TempFolder::WriteAll(path, "old content");
    chmod(path.c_str(), 0640);
    wxString error;
    ASSERT_TRUE(AtomicFileWriter::Write(wxString::FromUTF8(path), "new", error)) << error;
    EXPECT_EQ(TempFolder::ReadAll(path), "new");
    struct stat status;
    ASSERT_EQ(stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u);
    EXPECT_EQ(FileCount(folder.Path()), 1u);
}

TEST(AtomicFileWriter, FailedWriteLeavesTheOldFileIntact) {
    TempFolder folder;
    const std::string path = folder.File("data.vrx");
    TempFolder::WriteAll(path, "old content");
    wxString error;
    bool written = true;
    {
        FileSizeLimit limit(4096);
        written =
            AtomicFileWriter::Write(wxString::FromUTF8(path), std::string(100000, 'x'), error);
    }
    EXPECT_FALSE(written);
    EXPECT_NE(std::string(error.utf8_str()).find(path), std::string::npos) << error;
    EXPECT_EQ(TempFolder::ReadAll(path), "old content");
    EXPECT_EQ(FileCount(folder.Path()), 1u) << "the temporary file was left behind";
}

TEST(AtomicFileWriter, MissingFolderIsReported) {
    TempFolder folder;
    wxString error;
    EXPECT_FALSE(AtomicFileWriter::Write(folder.WxFile("no/such/folder/x.csv"), "x", error));
    EXPECT_FALSE(error.empty());
}

TEST(AtomicFileWriter, WritesThroughASymbolicLink) {
    TempFolder folder;
    const std::string target = folder.File("target.vrx");
    const std::string link = folder.File("link.vrx");
    TempFolder::WriteAll(target, "old");
    std::filesystem::create_symlink(target, link);
    wxString error;
    ASSERT_TRUE(AtomicFileWriter::Write(wxString::FromUTF8(link), "new", error)) << error;
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(TempFolder::ReadAll(target), "new");
}

TEST(AtomicFileWriter, ReadOnlyFileIsNotReplaced) {
    TempFolder folder;
    // Only the file's own permissions stand in the way: anybody may create files beside it.
    chmod(folder.Path().c_str(), 0777);
    const std::string path = folder.File("open elsewhere.csv");
    TempFolder::WriteAll(path, "old content");
    chmod(path.c_str(), 0444);
    EXPECT_FALSE(WriteAsOrdinaryUser(path, "new"));
    EXPECT_EQ(TempFolder::ReadAll(path), "old content");
    EXPECT_EQ(FileCount(folder.Path()), 1u);
}

TEST(AtomicFileWriter, PiecesReplaceTheFileOnlyOnCommit) {
    TempFolder folder;
    const std::string path = folder.File("data.vrx");
    TempFolder::WriteAll(path, "old content");
    {
        AtomicFileWriter file(wxString::FromUTF8(path));
        ASSERT_TRUE(file.Append("first "));
        ASSERT_TRUE(file.Append("second"));
        EXPECT_EQ(TempFolder::ReadAll(path), "old content");
        wxString error;
        ASSERT_TRUE(file.Commit(error)) << error;
    }
    EXPECT_EQ(TempFolder::ReadAll(path), "first second");
    EXPECT_EQ(FileCount(folder.Path()), 1u);
}

TEST(AtomicFileWriter, PiecesNeverCommittedLeaveNothingBehind) {
    TempFolder folder;
    const std::string path = folder.File("data.vrx");
    TempFolder::WriteAll(path, "old content");
    {
        AtomicFileWriter file(wxString::FromUTF8(path));
        ASSERT_TRUE(file.Append("abandoned"));
    }
    EXPECT_EQ(TempFolder::ReadAll(path), "old content");
    EXPECT_EQ(FileCount(folder.Path()), 1u);
}

TEST(AtomicFileWriter, FailedPieceFailsTheCommit) {
    TempFolder folder;
    const std::string path = folder.File("data.vrx");
    TempFolder::WriteAll(path, "old content");
    wxString error;
    {
        FileSizeLimit limit(4096);
        AtomicFileWriter file(wxString::FromUTF8(path));
        EXPECT_TRUE(file.Append("small"));
        EXPECT_FALSE(file.Append(std::string(100000, 'x')));
        EXPECT_FALSE(file.Append("more"));
        EXPECT_FALSE(file.Commit(error));
    }
    EXPECT_NE(std::string(error.utf8_str()).find(path), std::string::npos) << error;
    EXPECT_EQ(TempFolder::ReadAll(path), "old content");
    EXPECT_EQ(FileCount(folder.Path()), 1u);
}

namespace {

// The id of a process that has ended and been reaped.
pid_t EndedProcess() {
    const pid_t child = fork();
    if (child == 0) {
        _exit(0);
    }
    waitpid(child, nullptr, 0);
    return child;
}

std::string LeftoverName(const std::string& target, pid_t writer) {
    return SaveTemporary::Prefix(target) + std::to_string(writer) + "-AbC123";
}

} // namespace

TEST(AtomicFileWriter, ASaveRemovesTheLeftoversOfKilledSavesOfItsTarget) {
    TempFolder folder;
    const std::string ended = LeftoverName("data.vrx", EndedProcess());
    const std::string running = LeftoverName("data.vrx", getppid());
    const std::string otherTarget = LeftoverName("other.vrx", EndedProcess());
    const std::string locked = LeftoverName("data.vrx", EndedProcess());
    for (const std::string& name : {ended, running, otherTarget, locked}) {
        TempFolder::WriteAll(folder.File(name), "partial");
    }
    // A writer that still holds its lock keeps its file, whatever its id says.
    const int lockHolder = open(folder.File(locked).c_str(), O_RDONLY);
    ASSERT_EQ(flock(lockHolder, LOCK_EX), 0);

    wxString error;
    ASSERT_TRUE(AtomicFileWriter::Write(folder.WxFile("data.vrx"), "new", error)) << error;
    close(lockHolder);

    EXPECT_FALSE(std::filesystem::exists(folder.File(ended)));
    EXPECT_TRUE(std::filesystem::exists(folder.File(running)));
    EXPECT_TRUE(std::filesystem::exists(folder.File(otherTarget)));
    EXPECT_TRUE(std::filesystem::exists(folder.File(locked)));
    EXPECT_EQ(TempFolder::ReadAll(folder.File("data.vrx")), "new");
    EXPECT_EQ(FileCount(folder.Path()), 4u);
}

TEST(AtomicFileWriter, TemporaryFileNamesOfOtherFilesAreLeftAlone) {
    TempFolder folder;
    const std::string prefix = SaveTemporary::Prefix("data.vrx");
    const pid_t ended = EndedProcess();
    const std::string names[] = {
        prefix + std::to_string(ended),             // no random part
        prefix + "12x4-AbC123",                     // not a process id
        prefix + std::to_string(ended) + "_AbC123", // wrong separator
        ".data.vrx." + std::to_string(ended) + "-AbC123",
    };
    for (const std::string& name : names) {
        TempFolder::WriteAll(folder.File(name), "user file");
    }
    wxString error;
    ASSERT_TRUE(AtomicFileWriter::Write(folder.WxFile("data.vrx"), "new", error)) << error;
    EXPECT_EQ(FileCount(folder.Path()), std::size(names) + 1);
}
