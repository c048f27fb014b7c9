#include "files/AtomicFileWriter.h"
#include "files/FileSizeLimit.h"
#include "files/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace {

size_t FileCount(const std::string& folder) {
    size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) {
        ++count;
    }
    return count;
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
