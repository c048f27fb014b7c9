#include "app/ConfigFile.h"
#include "files/CsvExport.h"
#include "files/SaveTemporary.h"
#include "files/TempFolder.h"
#include "files/WorkspaceFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <functional>
#include <iostream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

const int kKillMoments = 100;
const int kLargeSampleCount = 30000;

Storage LargeRecording(const char* title, int sampleCount) {
    Storage record("05/03/2012 14:30:05", 100, 1, true, 0, 1);
    record.SetTitle(title);
    record.ReserveSamples(sampleCount);
    for (int i = 0; i < sampleCount; ++i) {
        record.AddSample(i * 0.1f, 10.0f + (i % 97) * 0.37f, 2.0f + (i % 13) * 0.01f, i * 0.02f);
    }
    return record;
}

// Settings that tell the old save from the new one.
AppSettingsBlock SettingsFor(const Storage& record) {
    AppSettingsBlock settings;
    settings.firmwareVersion = record.GetSampleCount();
    return settings;
}

// One way of saving: what the file holds afterwards, and the save itself.
struct SaveCase {
    const char* name;
    std::function<std::string(const Storage&, const wxString&)> format;
    std::function<bool(const wxString&, const Storage&)> save;
};

const SaveCase kSaveCases[] = {
    {"Workspace",
     [](const Storage& record, const wxString&) { return WorkspaceFile::Format({record}, 0); },
     [](const wxString& path, const Storage& record) {
         wxString error;
         return WorkspaceFile::Write(path, {record}, 0, error);
     }},
    {"CsvExport",
     [](const Storage& record, const wxString& path) { return CsvExport::Format(record, 0, path); },
     [](const wxString& path, const Storage& record) {
         wxString error;
         return CsvExport::Write(path, record, 0, error);
     }},
    // The configuration of a program killed while it exits.
    {"Configuration",
     [](const Storage& record, const wxString&) { return ConfigFile::Format(SettingsFor(record)); },
     [](const wxString& path, const Storage& record) {
         return ConfigFile::Save(std::string(path.fn_str()), SettingsFor(record));
     }},
};

// A save in a child process. The child says on a pipe when it starts, so that the moment of
// the kill counts from the start of the save, not from the fork.
class SavingChild {
public:
    SavingChild(const SaveCase& saveCase, const wxString& path, const Storage& record) {
        int ends[2];
        if (pipe(ends) != 0) {
            return;
        }
        m_process = fork();
        if (m_process == 0) {
            close(ends[0]);
            const char started = 's';
            if (write(ends[1], &started, 1) != 1) {
                _exit(3);
            }
            _exit(saveCase.save(path, record) ? 0 : 1);
        }
        close(ends[1]);
        char started = 0;
        const bool told = read(ends[0], &started, 1) == 1;
        m_start = Clock::now();
        close(ends[0]);
        if (!told) {
            m_process = -1;
        }
    }

    bool Started() const { return m_process > 0; }
    Clock::time_point Start() const { return m_start; }

    void KillAt(Clock::time_point moment) {
        std::this_thread::sleep_until(moment);
        kill(m_process, SIGKILL);
    }

    // True when the save ran to its end and succeeded.
    bool Wait() {
        int status = 0;
        waitpid(m_process, &status, 0);
        return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }

private:
    pid_t m_process = -1;
    Clock::time_point m_start;
};

Clock::duration UninterruptedSaveTime(const SaveCase& saveCase, const wxString& path,
                                      const Storage& record) {
    std::vector<Clock::duration> times;
    for (int i = 0; i < 3; ++i) {
        SavingChild child(saveCase, path, record);
        EXPECT_TRUE(child.Started());
        EXPECT_TRUE(child.Wait());
        times.push_back(Clock::now() - child.Start());
    }
    std::sort(times.begin(), times.end());
    return times[1];
}

int TemporaryFileCount(const std::string& folder, const std::string& name) {
    const std::string prefix = SaveTemporary::Prefix(name);
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().filename().string().rfind(prefix, 0) == 0) {
            ++count;
        }
    }
    return count;
}

} // namespace

// Saves killed at any moment leave the complete old file or the complete new one, and their
// temporary files are cleared by the next save.
class KillSafeSaving : public ::testing::TestWithParam<SaveCase> {};

TEST_P(KillSafeSaving, AKilledSaveLeavesTheOldOrTheNewFileAndNoPileOfTemporaries) {
    const Storage oldRecord = LargeRecording("old", kLargeSampleCount / 2);
    const Storage newRecord = LargeRecording("new", kLargeSampleCount);
    {
        const SaveCase& saveCase = GetParam();
        TempFolder folder;
        const std::string name = "target";
        const std::string path = folder.File(name);
        const wxString wxPath = wxString::FromUTF8(path);
        const std::string oldContent = saveCase.format(oldRecord, wxPath);
        const std::string newContent = saveCase.format(newRecord, wxPath);

        const Clock::duration saveTime = UninterruptedSaveTime(saveCase, wxPath, newRecord);
        int oldSeen = 0, newSeen = 0, mostTemporaries = 0;
        for (int k = 0; k < kKillMoments; ++k) {
            TempFolder::WriteAll(path, oldContent);
            SavingChild child(saveCase, wxPath, newRecord);
            ASSERT_TRUE(child.Started());
            // From the start of the save to a little past its usual end.
            child.KillAt(child.Start() + saveTime * 5 / 4 * k / (kKillMoments - 1));
            child.Wait();

            const std::string content = TempFolder::ReadAll(path);
            ASSERT_TRUE(content == oldContent || content == newContent)
                << "kill " << k << " left a file of " << content.size() << " bytes";
            (content == oldContent ? oldSeen : newSeen) += 1;
            mostTemporaries = std::max(mostTemporaries, TemporaryFileCount(folder.Path(), name));
        }
        EXPECT_LE(mostTemporaries, 1) << "temporary files piled up";
        EXPECT_GT(oldSeen, 0) << "no kill landed before the rename";
        EXPECT_GT(newSeen, 0) << "no kill landed after the rename";
        std::cout << saveCase.name << ": " << kKillMoments << " kills over "
                  << std::chrono::duration_cast<std::chrono::milliseconds>(saveTime).count()
                  << " ms saves: " << oldSeen << " old file, " << newSeen << " new file, at most "
                  << mostTemporaries << " temporary file left\n";

        ASSERT_TRUE(saveCase.save(wxPath, oldRecord));
        EXPECT_EQ(TemporaryFileCount(folder.Path(), name), 0);
        EXPECT_EQ(TempFolder::ReadAll(path), oldContent);
    }
}

INSTANTIATE_TEST_SUITE_P(Saves, KillSafeSaving, ::testing::ValuesIn(kSaveCases),
                         [](const ::testing::TestParamInfo<SaveCase>& info) {
                             return std::string(info.param.name);
                         });
