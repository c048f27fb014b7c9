#include "files/CsvExport.h"
#include "files/TempFolder.h"
#include "files/WorkspaceFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>

namespace {

struct ToolRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs dextrel-export with the given arguments (already quoted for the shell).
ToolRun RunTool(const TempFolder& folder, const std::string& arguments) {
    const std::string outPath = folder.File("stdout.txt");
    const std::string errPath = folder.File("stderr.txt");
    const std::string command = std::string("'") + DEXTREL_EXPORT_TOOL + "' " + arguments + " >'" +
                                outPath + "' 2>'" + errPath + "'";
    const int status = std::system(command.c_str());
    ToolRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = TempFolder::ReadAll(outPath);
    run.err = TempFolder::ReadAll(errPath);
    std::filesystem::remove(outPath);
    std::filesystem::remove(errPath);
    return run;
}

std::string Quoted(const std::string& path) {
    return "'" + path + "'";
}

// Two recordings of the same start, so that their CSV names collide.
std::vector<Storage> TwoRecordings() {
    Storage live("05/03/2012 14:30:05", 1000, 1, false, 0, 1);
    live.SetTitle("Live 1");
    live.SetInformation("test");
    live.SetPressureUnit(98);
    live.AddSample(1.0f, 12.0f, 0.5f, 0.2f);
    live.AddSample(2.0f, 12.0f, 0.5f, 0.4f);
    Storage memory("05/03/2012 14:30:05", 1000, 1, false, 0, 2);
    memory.SetTitle(wxString::FromUTF8("Memorie 1"));
    memory.SetPressureUnit(112);
    for (int i = 1; i <= 3700; ++i) {
        memory.AddSample(static_cast<float>(i), 0.0f, 1.0f, 0.25f * i);
    }
    return {live, memory};
}

class ExportTool : public ::testing::Test {
protected:
    void SetUp() override {
        wxString error;
        ASSERT_TRUE(
            WorkspaceFile::Write(wxString::FromUTF8(m_workspace), TwoRecordings(), 2, error))
            << error;
    }

    TempFolder m_folder;
    const std::string m_workspace = m_folder.File("run.vrx");
};

} // namespace

TEST_F(ExportTool, ListsEachRecordingAsTheRecordingsListShowsIt) {
    const ToolRun run = RunTool(m_folder, Quoted(m_workspace) + " --list");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "Titlu\tData\tOra\tDurata\tVolum (M\xC2\xB3)\tEsantioane\n"
                       "Live 1\t05/03/2012\t14:30:05\t00:02\t0.40\t2\n"
                       "Memorie 1\t05/03/2012\t14:30:05\t01:01:40\t925.00\t3700\n");
}

TEST_F(ExportTool, WritesOneCsvPerRecordingAsTheProgramWouldAfterOpening) {
    const std::string output = m_folder.File("csv");
    const ToolRun run = RunTool(m_folder, Quoted(m_workspace) + " -o " + Quoted(output));
    ASSERT_EQ(run.exitCode, 0) << run.err;

    const WorkspaceReadResult opened = WorkspaceFile::Read(wxString::FromUTF8(m_workspace));
    ASSERT_TRUE(opened.ok);
    const std::string names[] = {"05_03_2012 14_30_05.csv", "05_03_2012 14_30_05_2.csv"};
    for (size_t i = 0; i < 2; ++i) {
        const std::string path = output + "/" + names[i];
        ASSERT_TRUE(std::filesystem::exists(path)) << path;
        // Opening the workspace set flow index 2, so the labels are those of m³/h.
        EXPECT_EQ(TempFolder::ReadAll(path),
                  CsvExport::Format(opened.records[i], 2, wxString::FromUTF8(path)));
    }
    EXPECT_NE(TempFolder::ReadAll(output + "/" + names[0]).find("Flux (M\xC2\xB3/h)"),
              std::string::npos);
    EXPECT_EQ(run.out, output + "/" + names[0] + "\n" + output + "/" + names[1] + "\n");
}

TEST_F(ExportTool, DamagedWorkspaceFailsClearlyAndWritesNothing) {
    std::string content = TempFolder::ReadAll(m_workspace);
    content.resize(content.size() - 100);
    const std::string damaged = m_folder.File("damaged.vrx");
    TempFolder::WriteAll(damaged, content);
    const std::string output = m_folder.File("csv");

    const ToolRun run = RunTool(m_folder, Quoted(damaged) + " -o " + Quoted(output));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find(damaged + ", line "), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(output));

    const ToolRun list = RunTool(m_folder, Quoted(damaged) + " --list");
    EXPECT_EQ(list.exitCode, 1);
    EXPECT_TRUE(list.out.empty());
}

TEST_F(ExportTool, MissingWorkspaceAndBadArgumentsFail) {
    const ToolRun missing = RunTool(m_folder, Quoted(m_folder.File("none.vrx")) + " --list");
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("Cannot open File for Reading: " + m_folder.File("none.vrx")),
              std::string::npos)
        << missing.err;
    for (const char* arguments : {"", "--list", "x.vrx", "x.vrx --list -o dir", "x.vrx -o"}) {
        const ToolRun run = RunTool(m_folder, arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments;
        EXPECT_NE(run.err.find("Usage"), std::string::npos) << arguments;
    }
}
