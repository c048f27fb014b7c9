#include "device/LiveJournal.h"
#include "app/AppSettings.h"
#include "device/DeviceTestSupport.h"
#include "device/HeaderReader.h"
#include "device/JournalFolder.h"
#include "device/LiveRecording.h"
#include "device/LoggerUsb.h"
#include "files/TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

// The live journal: what it writes, how a torn or damaged one reads back, its lock, and a
// recording killed mid-run coming back with exactly the samples it had.
namespace {

namespace Sim = SimulatedLogger;

Storage NewLiveRecord() {
    Storage record("11/12/2026 15:45:00", 300, 1, false, 1, 0);
    record.SetTitle(wxString::FromUTF8("Live 2 – încercare"));
    record.SetPressureCalibration(40, 10, 5, 0x70);
    record.SetSerialNumber(4711);
    return record;
}

std::vector<unsigned char> Block(int sampleCount, int seed) {
    std::vector<unsigned char> block(223);
    block[0] = static_cast<unsigned char>(sampleCount * 3);
    for (int i = 1; i <= sampleCount * 3; ++i) {
        block[i] = static_cast<unsigned char>(seed * 37 + i * 11);
    }
    return block;
}

std::vector<std::vector<unsigned char>> Ticks() {
    return {Block(3, 1), Block(0, 2), Block(74, 3), Block(1, 4), Block(5, 5)};
}

void ExpectSameRecord(const Storage& got, const Storage& expected) {
    EXPECT_EQ(got.GetDateText(), expected.GetDateText());
    EXPECT_EQ(got.GetTitle(), expected.GetTitle());
    EXPECT_EQ(got.GetIntervalMs(), expected.GetIntervalMs());
    EXPECT_EQ(got.GetMetric(), expected.GetMetric());
    EXPECT_EQ(got.GetFlowUnit(), expected.GetFlowUnit());
    EXPECT_EQ(got.GetSerialNumber(), expected.GetSerialNumber());
    EXPECT_EQ(got.GetPressureOffset(), expected.GetPressureOffset());
    EXPECT_EQ(got.GetPressureGain(), expected.GetPressureGain());
    EXPECT_EQ(got.GetPressureGainHundredths(), expected.GetPressureGainHundredths());
    EXPECT_EQ(got.GetPressureUnit(), expected.GetPressureUnit());
    EXPECT_EQ(got.GetTimes(), expected.GetTimes());
    EXPECT_EQ(got.GetFlows(), expected.GetFlows());
    EXPECT_EQ(got.GetPressures(), expected.GetPressures());
    EXPECT_EQ(got.GetVolumes(), expected.GetVolumes());
}

class LiveJournalTest : public ::testing::Test {
protected:
    wxString Folder() const { return wxString::FromUTF8(m_folder.Path() + "/state"); }
    // A journal of the given ticks, closed; the record as the live recording had it after them.
    std::string WriteJournal(const std::vector<std::vector<unsigned char>>& ticks, Storage& live) {
        live = NewLiveRecord();
        LiveJournal journal;
        wxString error;
        EXPECT_TRUE(journal.Create(Folder(), live, error)) << error;
        for (const auto& block : ticks) {
            LiveRecording::AppendBlock(live, block.data());
            EXPECT_TRUE(journal.AppendTick(block.data()));
        }
        return std::string(journal.GetPath().utf8_str());
    }
    std::vector<EarlierJournal> Earlier() const { return JournalFolder::TakeEarlier(Folder()); }

    TempFolder m_folder;
};

TEST_F(LiveJournalTest, ReadsBackTheRecordTheLiveTicksMade) {
    Storage live = NewLiveRecord();
    const std::string path = WriteJournal(Ticks(), live);
    // The empty tick wrote nothing; each other tick is its samples plus 7 bytes.
    const std::size_t header = LiveJournal::EncodeHeader(NewLiveRecord()).size();
    EXPECT_EQ(std::filesystem::file_size(path), header + 4 * 7 + 3 * (3 + 74 + 1 + 5));

    std::vector<EarlierJournal> earlier = Earlier();
    ASSERT_EQ(earlier.size(), 1u);
    const JournalContents& contents = earlier[0].contents;
    ASSERT_TRUE(contents.readable) << contents.problem;
    EXPECT_EQ(contents.ticks, 4);
    EXPECT_EQ(contents.droppedBytes, 0u);
    ExpectSameRecord(contents.record, live);
}

TEST_F(LiveJournalTest, ATornOrGarbledTailIsDroppedAndTheWholeTicksKept) {
    const std::vector<std::vector<unsigned char>> ticks = {Block(3, 1), Block(4, 2)};
    Storage live = NewLiveRecord();
    const std::string path = WriteJournal(ticks, live);
    const std::string whole = TempFolder::ReadAll(path);
    Storage firstTick = NewLiveRecord();
    LiveRecording::AppendBlock(firstTick, ticks[0].data());
    const std::size_t lastBlock = 2 + 13 + 4;
    struct {
        std::string bytes;
        const Storage& expected;
    } cases[] = {
        {whole.substr(0, whole.size() - 1), firstTick},
        {whole.substr(0, whole.size() - lastBlock + 1), firstTick},
        {whole.substr(0, whole.size() - 3) + "xyz", firstTick},
        {whole + "T", live},
        {whole + std::string(30, '\0'), live},
    };
    for (const auto& c : cases) {
        TempFolder::WriteAll(path, c.bytes);
        std::vector<EarlierJournal> earlier = Earlier();
        ASSERT_EQ(earlier.size(), 1u);
        ASSERT_TRUE(earlier[0].contents.readable);
        EXPECT_GT(earlier[0].contents.droppedBytes, 0u);
        ExpectSameRecord(earlier[0].contents.record, c.expected);
    }
}

TEST_F(LiveJournalTest, AJournalInUseIsLeftAloneUntilItsHolderLetsGo) {
    Storage live = NewLiveRecord();
    LiveJournal journal;
    wxString error;
    ASSERT_TRUE(journal.Create(Folder(), live, error));
    EXPECT_TRUE(Earlier().empty());
    {
        // One taker at a time, also between two finders.
        journal.Close();
        std::vector<EarlierJournal> first = Earlier();
        EXPECT_EQ(first.size(), 1u);
        EXPECT_TRUE(Earlier().empty());
    }
    EXPECT_EQ(Earlier().size(), 1u);
}

TEST_F(LiveJournalTest, RemoveDeletesTheFileAndCloseKeepsIt) {
    Storage live = NewLiveRecord();
    const std::string path = WriteJournal({Block(2, 1)}, live);
    EXPECT_TRUE(std::filesystem::exists(path));
    std::vector<EarlierJournal> earlier = Earlier();
    ASSERT_EQ(earlier.size(), 1u);
    earlier[0].journal.Close();
    EXPECT_TRUE(std::filesystem::exists(path));
    earlier = Earlier();
    ASSERT_EQ(earlier.size(), 1u);
    earlier[0].journal.Remove();
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_TRUE(Earlier().empty());
}

TEST_F(LiveJournalTest, AnUnreadableJournalIsSetAsideNeverDeleted) {
    Storage live = NewLiveRecord();
    const std::string path = WriteJournal({Block(2, 1)}, live);
    const std::string whole = TempFolder::ReadAll(path);
    std::string otherFormat = whole;
    otherFormat[4] = 9;
    std::string damagedHeader = whole;
    damagedHeader[12] ^= 0x40;
    for (const std::string& bytes :
         {std::string(), std::string("DXL"), std::string("not a journal at all"), otherFormat,
          damagedHeader, whole.substr(0, 20)}) {
        TempFolder::WriteAll(path, bytes);
        std::vector<EarlierJournal> earlier = Earlier();
        ASSERT_EQ(earlier.size(), 1u);
        EXPECT_FALSE(earlier[0].contents.readable);
        EXPECT_FALSE(earlier[0].contents.problem.empty());
        const wxString aside = JournalFolder::SetAside(earlier[0].journal);
        EXPECT_EQ(aside, wxString::FromUTF8(path) + ".unreadable");
        EXPECT_EQ(TempFolder::ReadAll(std::string(aside.utf8_str())), bytes);
        EXPECT_TRUE(Earlier().empty());
        std::filesystem::remove(std::string(aside.utf8_str()));
    }
}

TEST_F(LiveJournalTest, AFileFarTooLargeForAJournalIsNotRead) {
    Storage live = NewLiveRecord();
    const std::string path = WriteJournal({Block(2, 1)}, live);
    std::filesystem::resize_file(path, std::uintmax_t(300) << 20); // sparse: no disk used
    std::vector<EarlierJournal> earlier = Earlier();
    ASSERT_EQ(earlier.size(), 1u);
    EXPECT_FALSE(earlier[0].contents.readable);
}

TEST_F(LiveJournalTest, TheFolderIsTheUsersStateFolder) {
    const char* savedState = std::getenv("XDG_STATE_HOME");
    const std::string restore = savedState != nullptr ? savedState : "";
    setenv("XDG_STATE_HOME", "/somewhere/state", 1);
    EXPECT_EQ(JournalFolder::Path(), "/somewhere/state/dextrel");
    // A relative or empty value is ignored, as the base directory rules say.
    for (const char* ignored : {"", "relative/state"}) {
        setenv("XDG_STATE_HOME", ignored, 1);
        EXPECT_EQ(JournalFolder::Path(),
                  wxString::FromUTF8(std::string(std::getenv("HOME")) + "/.local/state/dextrel"));
    }
    setenv("XDG_STATE_HOME", restore.c_str(), 1);
}

// The child runs a live recording on the simulated logger with frozen time, journaling every
// tick, reports the record it holds after ticks ticks through the pipe and waits to be killed.
[[noreturn]] void RunLiveChild(const wxString& folder, int ticks, int pipeOut) {
    Sim::Configure(TestLoggerOptions());
    LoggerUsb usb;
    const HeaderRead header = HeaderReader::Read(usb);
    AppSettingsBlock settings;
    HeaderReader::ApplyUnits(header, settings);
    if (!header.ok || !usb.SetLogging(1)) {
        _exit(3);
    }
    HeaderReader::ApplySerialNumber(header, settings);
    Storage record = LiveRecording::NewRecord(header, settings, wxDateTime::Now(), 1);
    LiveJournal journal;
    wxString error;
    if (!journal.Create(folder, record, error)) {
        _exit(4);
    }
    for (int tick = 1; tick <= ticks; ++tick) {
        Sim::AdvanceTime(1000 + 700 * (tick % 4));
        const unsigned char* block = usb.ReadLive();
        if (block == nullptr) {
            _exit(5);
        }
        LiveRecording::AppendBlock(record, block);
        journal.AppendTick(block);
    }
    for (const std::vector<float>* series :
         {&record.GetTimes(), &record.GetFlows(), &record.GetPressures(), &record.GetVolumes()}) {
        const int count = static_cast<int>(series->size());
        if (write(pipeOut, &count, sizeof count) != sizeof count ||
            write(pipeOut, series->data(), count * sizeof(float)) !=
                static_cast<ssize_t>(count * sizeof(float))) {
            _exit(6);
        }
    }
    close(pipeOut);
    for (;;) {
        pause();
    }
}

bool ReadExactly(int descriptor, void* data, std::size_t size) {
    auto* bytes = static_cast<char*>(data);
    while (size > 0) {
        const ssize_t got = read(descriptor, bytes, size);
        if (got <= 0) {
            return false;
        }
        bytes += got;
        size -= static_cast<std::size_t>(got);
    }
    return true;
}

std::vector<float> ReadSeries(int descriptor) {
    int count = 0;
    if (!ReadExactly(descriptor, &count, sizeof count) || count < 0) {
        return {};
    }
    std::vector<float> series(static_cast<std::size_t>(count));
    ReadExactly(descriptor, series.data(), series.size() * sizeof(float));
    return series;
}

TEST_F(LiveJournalTest, ARecordingKilledAfterTicksComesBackWithExactlyItsSamples) {
    for (int ticks : {1, 6, 40}) {
        int channel[2];
        ASSERT_EQ(pipe(channel), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(channel[0]);
            RunLiveChild(Folder(), ticks, channel[1]);
        }
        close(channel[1]);
        const std::vector<float> times = ReadSeries(channel[0]);
        const std::vector<float> flows = ReadSeries(channel[0]);
        const std::vector<float> pressures = ReadSeries(channel[0]);
        const std::vector<float> volumes = ReadSeries(channel[0]);
        close(channel[0]);
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "ticks " << ticks;
        ASSERT_FALSE(times.empty());

        std::vector<EarlierJournal> earlier = Earlier();
        ASSERT_EQ(earlier.size(), 1u);
        const Storage& restored = earlier[0].contents.record;
        EXPECT_EQ(restored.GetTitle(), "Live 1");
        EXPECT_EQ(restored.GetTimes(), times);
        EXPECT_EQ(restored.GetFlows(), flows);
        EXPECT_EQ(restored.GetPressures(), pressures);
        EXPECT_EQ(restored.GetVolumes(), volumes);
        earlier[0].journal.Remove();
    }
}

} // namespace
