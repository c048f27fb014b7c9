#include "files/WorkspaceFile.h"
#include "files/CommaLocale.h"
#include "files/CsvExport.h"
#include "files/FileSizeLimit.h"
#include "files/TempFolder.h"
#include "support/TextLines.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

namespace {

std::string Utf8(const wxString& text) {
    return std::string(text.utf8_str());
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

// The live recording of the worked example: Live 1, 5 March 2012 14:30:05, two samples.
Storage WorkedExampleRecord() {
    Storage record("05/03/2012 14:30:05", 1000, 1, false, 0, 0);
    record.SetTitle("Live 1");
    record.SetInformation("test");
    record.SetSerialNumber(1234);
    record.SetPressureUnit(98);
    record.AddSample(1.0f, 12.0f, 0.5f, 0.2f);
    record.AddSample(2.0f, 12.0f, 0.5f, 0.4f);
    return record;
}

const char* const kWorkedExample = "480000\n1\nLive 1\n05/03/2012 14:30:05\ntest\n1234\n0 \n0 0\n"
                                   "0.000000\n1000\n98\n1 0\n0\n2\n"
                                   "1.000000 12.000000 0.500000 0.200000\n"
                                   "2.000000 12.000000 0.500000 0.400000\n";

std::string FixturePath(const char* name) {
    return std::string(DEXTREL_FILES_FIXTURES) + "/" + name;
}

WorkspaceReadResult ReadFixture(const char* name) {
    return WorkspaceFile::Read(wxString::FromUTF8(FixturePath(name)));
}

void ExpectSamples(const Storage& record, const std::vector<std::vector<float>>& samples) {
    ASSERT_EQ(record.GetSampleCount(), static_cast<int>(samples.size()));
    for (size_t i = 0; i < samples.size(); ++i) {
        float time = 0, flow = 0, pressure = 0, volume = 0;
        record.GetSample(static_cast<int>(i), time, flow, pressure, volume);
        EXPECT_FLOAT_EQ(time, samples[i][0]) << "sample " << i;
        EXPECT_FLOAT_EQ(flow, samples[i][1]) << "sample " << i;
        EXPECT_FLOAT_EQ(pressure, samples[i][2]) << "sample " << i;
        EXPECT_FLOAT_EQ(volume, samples[i][3]) << "sample " << i;
    }
}

} // namespace

TEST(WorkspaceWrite, WorkedExampleGivesExactLines) {
    EXPECT_EQ(WorkspaceFile::Format({WorkedExampleRecord()}, 0), kWorkedExample);
}

TEST(WorkspaceWrite, EmptyCollectionIsTwoLines) {
    EXPECT_EQ(WorkspaceFile::Format({}, 0), "480000\n0\n");
    const WorkspaceReadResult result = WorkspaceFile::Parse("480000\n0\n", "empty.vrx");
    EXPECT_TRUE(result.ok);
    EXPECT_TRUE(result.records.empty());
    EXPECT_FALSE(result.hasUnitSettings);
}

TEST(WorkspaceWrite, TextBoxTravelsAsCodesOnOneLine) {
    Storage record("", 1000, 1, false, 0, 1);
    record.SetTextBox("AB\nC");
    const std::vector<std::string> lines = LinesOf(WorkspaceFile::Format({record}, 0));
    ASSERT_GT(lines.size(), 6u);
    EXPECT_EQ(lines[6], "65 66 10 67 0 ");
    const WorkspaceReadResult result =
        WorkspaceFile::Parse(WorkspaceFile::Format({record}, 0), "t");
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.records[0].GetTextBox(), "AB\nC");
}

TEST(WorkspaceWrite, CarriesTheCurrentFlowIndexAndNoSampleLinesForEmptyRecord) {
    Storage record("", 500, 0, true, 0, 1);
    const std::vector<std::string> lines = LinesOf(WorkspaceFile::Format({record}, 2));
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(lines[11], "0 2");
    EXPECT_EQ(lines[12], "1");
    EXPECT_EQ(lines[13], "0");
}

TEST(WorkspaceWrite, NumbersUseAPointUnderADecimalCommaLocale) {
    CommaLocale romanian;
    if (!romanian.Active()) {
        GTEST_SKIP() << "no locale with a decimal comma can be set";
    }
    const std::string text = WorkspaceFile::Format({WorkedExampleRecord()}, 0);
    EXPECT_EQ(text, kWorkedExample);
    const WorkspaceReadResult result = WorkspaceFile::Parse(text, "locale.vrx");
    ASSERT_TRUE(result.ok) << result.error;
    ExpectSamples(result.records[0], {{1, 12, 0.5f, 0.2f}, {2, 12, 0.5f, 0.4f}});
    Storage record = WorkedExampleRecord();
    record.AddSample(3.0f, 12.3456f, 0.5f, 0.2f);
    EXPECT_NE(CsvExport::Format(record, 0, "x").find("\n3.00,12.35,0.20,0.50\n"),
              std::string::npos);
}

TEST(WorkspaceRoundTrip, WrittenFileReadsBackEveryStoredField) {
    TempFolder folder;
    Storage first = WorkedExampleRecord();
    first.SetTextBox(wxString::FromUTF8("Linia 1\nŢintă \xF0\x9F\x98\x80 M³"));
    first.SetTextBoxPosition(120, -7);
    first.SetFlowTarget(12.5f);
    first.SetStoredFlag(true);
    Storage second("25/12/2011 9:05:07", 250, 0, false, 0, 2);
    second.SetTitle(wxString::FromUTF8("Probă şi ţeavă, 100% M³"));
    second.SetInformation(wxString::FromUTF8("Informaţii"));
    second.SetPressureUnit(16);
    for (int i = 0; i < 300; ++i) {
        second.AddSample(0.25f * (i + 1), 0.125f * i, 100.0f - i, 0.5f * i);
    }
    second.ApplyFilter(true, 2);
    const std::vector<float> filteredFlows = second.GetFlows();
    const Storage empty("", 1000, 1, false, 0, 3);

    wxString error;
    const wxString path = folder.WxFile("round trip.vrx");
    ASSERT_TRUE(WorkspaceFile::Write(path, {first, second, empty}, 2, error)) << Utf8(error);
    const WorkspaceReadResult result = WorkspaceFile::Read(path);

    ASSERT_TRUE(result.ok) << Utf8(result.error);
    EXPECT_EQ(result.version, 4);
    ASSERT_EQ(result.records.size(), 3u);
    EXPECT_TRUE(result.hasUnitSettings);
    EXPECT_EQ(result.flowUnit, 2);
    EXPECT_EQ(result.metric, 1);
    EXPECT_EQ(result.pressureUnit, 0);

    const Storage& a = result.records[0];
    EXPECT_EQ(a.GetTitle(), "Live 1");
    EXPECT_EQ(a.GetDateText(), "05/03/2012 14:30:05");
    EXPECT_TRUE(a.GetStartTime().IsValid());
    EXPECT_EQ(a.GetInformation(), "test");
    EXPECT_EQ(a.GetSerialNumber(), 1234);
    EXPECT_EQ(Utf8(a.GetTextBox()), "Linia 1\nŢintă \xF0\x9F\x98\x80 M³");
    EXPECT_EQ(a.GetTextBoxX(), 120);
    EXPECT_EQ(a.GetTextBoxY(), -7);
    EXPECT_FLOAT_EQ(a.GetFlowTarget(), 12.5f);
    EXPECT_EQ(a.GetIntervalMs(), 1000);
    EXPECT_EQ(a.GetPressureUnit(), 98);
    EXPECT_EQ(a.GetMetric(), 1);
    EXPECT_TRUE(a.GetStoredFlag());
    EXPECT_EQ(a.GetFlowUnit(), 0);
    ExpectSamples(a, {{1, 12, 0.5f, 0.2f}, {2, 12, 0.5f, 0.4f}});

    const Storage& b = result.records[1];
    EXPECT_EQ(Utf8(b.GetTitle()), "Probă şi ţeavă, 100% M³");
    EXPECT_EQ(Utf8(b.GetInformation()), "Informaţii");
    EXPECT_EQ(b.GetMetric(), 0);
    EXPECT_EQ(b.GetPressureUnit(), 16);
    EXPECT_FALSE(b.IsFiltered());
    ASSERT_EQ(b.GetSampleCount(), 300);
    for (int i = 0; i < 300; ++i) {
        EXPECT_NEAR(b.GetFlows()[i], filteredFlows[i], 1e-6) << i;
    }

    EXPECT_EQ(result.records[2].GetSampleCount(), 0);
    EXPECT_EQ(result.records[2].GetTitle(), "3");
}

TEST(WorkspaceWrite, FailedWriteIsReportedAndKeepsTheOldFile) {
    TempFolder folder;
    const std::string path = folder.File("kept.vrx");
    TempFolder::WriteAll(path, kWorkedExample);
    Storage big = WorkedExampleRecord();
    for (int i = 0; i < 5000; ++i) {
        big.AddSample(static_cast<float>(i), 1.0f, 2.0f, 3.0f);
    }
    wxString error;
    bool written = true;
    {
        FileSizeLimit limit(4096);
        written = WorkspaceFile::Write(wxString::FromUTF8(path), {big}, 0, error);
    }
    EXPECT_FALSE(written);
    EXPECT_NE(Utf8(error).find(path), std::string::npos) << Utf8(error);
    EXPECT_EQ(TempFolder::ReadAll(path), kWorkedExample);
    const WorkspaceReadResult result = WorkspaceFile::Read(wxString::FromUTF8(path));
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(WorkspaceRoundTrip, LongTextsAndLineBreaksInOneLineFields) {
    Storage record("05/03/2012 14:30:05", 1000, 1, false, 0, 1);
    const wxString longTitle(wxT('x'), 5000);
    record.SetTitle(longTitle);
    record.SetInformation("first\nsecond");
    record.SetTextBox(wxString(wxT('y'), 700));
    const WorkspaceReadResult result =
        WorkspaceFile::Parse(WorkspaceFile::Format({record, record}, 0), "long.vrx");
    ASSERT_TRUE(result.ok) << Utf8(result.error);
    ASSERT_EQ(result.records.size(), 2u);
    EXPECT_EQ(result.records[1].GetTitle(), longTitle);
    EXPECT_EQ(result.records[1].GetInformation(), "first second");
    EXPECT_EQ(result.records[1].GetTextBox().length(), 700u);
}

TEST(WorkspaceRoundTrip, NonFiniteValuesReadBack) {
    Storage record("", 1000, 1, false, 0, 1);
    const float infinity = std::numeric_limits<float>::infinity();
    record.AddSample(1.0f, std::numeric_limits<float>::quiet_NaN(), infinity, -infinity);
    const WorkspaceReadResult result =
        WorkspaceFile::Parse(WorkspaceFile::Format({record}, 0), "nan.vrx");
    ASSERT_TRUE(result.ok) << Utf8(result.error);
    EXPECT_TRUE(std::isnan(result.records[0].GetFlows()[0]));
    EXPECT_EQ(result.records[0].GetPressures()[0], infinity);
    EXPECT_EQ(result.records[0].GetVolumes()[0], -infinity);
}

TEST(WorkspaceRead, CrLfLineEnds) {
    const WorkspaceReadResult result =
        WorkspaceFile::Parse(Replaced(kWorkedExample, "\n", "\r\n"), "crlf.vrx");
    ASSERT_TRUE(result.ok) << Utf8(result.error);
    ASSERT_EQ(result.records.size(), 1u);
    EXPECT_EQ(result.records[0].GetTitle(), "Live 1");
    EXPECT_EQ(result.records[0].GetDateText(), "05/03/2012 14:30:05");
    EXPECT_EQ(result.records[0].GetInformation(), "test");
    ExpectSamples(result.records[0], {{1, 12, 0.5f, 0.2f}, {2, 12, 0.5f, 0.4f}});
}

TEST(WorkspaceRead, ByteOrderMarkIsSkipped) {
    const WorkspaceReadResult result =
        WorkspaceFile::Parse(std::string("\xEF\xBB\xBF") + kWorkedExample, "bom.vrx");
    ASSERT_TRUE(result.ok) << Utf8(result.error);
    EXPECT_EQ(result.records.size(), 1u);
}

TEST(WorkspaceRead, TitleLosesLeadingBlanksAndBlankTitleStaysInPlace) {
    std::string text = Replaced(kWorkedExample, "1\nLive 1\n", "2\n   Live 1\n");
    text += Replaced(std::string(kWorkedExample).substr(9), "Live 1", "    ");
    const WorkspaceReadResult result = WorkspaceFile::Parse(text, "blanks.vrx");
    ASSERT_TRUE(result.ok) << Utf8(result.error);
    ASSERT_EQ(result.records.size(), 2u);
    EXPECT_EQ(result.records[0].GetTitle(), "Live 1");
    EXPECT_EQ(result.records[1].GetTitle(), "");
    EXPECT_EQ(result.records[1].GetDateText(), "05/03/2012 14:30:05");
    EXPECT_EQ(result.records[1].GetSampleCount(), 2);
}

TEST(WorkspaceRead, Windows1250TextIsDecoded) {
    const WorkspaceReadResult result = ReadFixture("windows1250.vrx");
    ASSERT_TRUE(result.ok) << Utf8(result.error);
    ASSERT_EQ(result.records.size(), 1u);
    EXPECT_EQ(Utf8(result.records[0].GetTitle()), "Probă şi ţeavă");
    EXPECT_EQ(Utf8(result.records[0].GetInformation()), "Presiune mică");
}

TEST(WorkspaceRead, Version0HasNoDateNoInformationAndMetricRecords) {
    const WorkspaceReadResult result = ReadFixture("version0.vrx");
    ASSERT_TRUE(result.ok) << Utf8(result.error);
    EXPECT_EQ(result.version, 0);
    ASSERT_EQ(result.records.size(), 3u);
    const char* const titles[] = {"Proba A", "Proba B", "Proba C"};
    for (size_t i = 0; i < 3; ++i) {
        const Storage& record = result.records[i];
        EXPECT_EQ(record.GetTitle(), titles[i]);
        EXPECT_EQ(record.GetDateText(), "");
        EXPECT_FALSE(record.GetStartTime().IsValid());
        EXPECT_EQ(record.GetInformation(), "");
        EXPECT_EQ(record.GetMetric(), 1);
        EXPECT_EQ(record.GetFlowUnit(), 0);
        EXPECT_EQ(record.GetSerialNumber(), 0);
    }
    EXPECT_TRUE(result.records[0].GetStoredFlag());
    EXPECT_FALSE(result.records[1].GetStoredFlag());
    EXPECT_EQ(result.records[1].GetIntervalMs(), 500);
    EXPECT_EQ(result.records[2].GetPressureUnit(), 16);
    ExpectSamples(result.records[0], {{1, 10, 1.5f, 0.166667f}, {2, 20, 2.5f, 0.5f}});
    EXPECT_EQ(result.records[1].GetSampleCount(), 0);
    // The settings follow the last record, with the metric value as the file holds it.
    EXPECT_EQ(result.metric, 0);
    EXPECT_EQ(result.pressureUnit, 16);
    EXPECT_EQ(result.flowUnit, 0);
}

TEST(WorkspaceRead, Version1AddsDateAndInformation) {
    const WorkspaceReadResult result = ReadFixture("version1.vrx");
    ASSERT_TRUE(result.ok) << Utf8(result.error);
    EXPECT_EQ(result.version, 1);
    ASSERT_EQ(result.records.size(), 1u);
    const Storage& record = result.records[0];
    EXPECT_EQ(record.GetTitle(), "Sonda 1");
    EXPECT_EQ(record.GetDateText(), "12/03/2010 14:05:09");
    EXPECT_TRUE(record.GetStartTime().IsValid());
    EXPECT_EQ(record.GetInformation(), "cu filtru");
    EXPECT_EQ(record.GetSerialNumber(), 0);
    EXPECT_EQ(record.GetMetric(), 1);
    EXPECT_EQ(result.metric, 0);
    EXPECT_EQ(result.flowUnit, 0);
    ExpectSamples(record, {{1, 3, 0.25f, 0.05f}});
}

TEST(WorkspaceRead, Version2AddsSerialNumberAndKeepsMetricOne) {
    const WorkspaceReadResult result = ReadFixture("version2.vrx");
    ASSERT_TRUE(result.ok) << Utf8(result.error);
    EXPECT_EQ(result.version, 2);
    ASSERT_EQ(result.records.size(), 2u);
    for (const Storage& record : result.records) {
        EXPECT_EQ(record.GetSerialNumber(), 4321);
        EXPECT_EQ(record.GetMetric(), 1);
        EXPECT_EQ(record.GetIntervalMs(), 250);
        EXPECT_EQ(record.GetPressureUnit(), 8);
        EXPECT_TRUE(record.GetTextBox().empty());
        EXPECT_FALSE(record.HasFlowTarget());
    }
    EXPECT_EQ(result.records[1].GetDateText(), "25/12/2011 9:10:07");
    EXPECT_EQ(result.records[1].GetInformation(), "");
    EXPECT_EQ(result.flowUnit, 0);
    EXPECT_EQ(result.metric, 1);
    ExpectSamples(result.records[1], {{0.25f, 1, 2, 0.004167f}});
}

TEST(WorkspaceRead, Version3AddsMetricAndFlowIndex) {
    const WorkspaceReadResult result = ReadFixture("version3.vrx");
    ASSERT_TRUE(result.ok) << Utf8(result.error);
    EXPECT_EQ(result.version, 3);
    ASSERT_EQ(result.records.size(), 1u);
    const Storage& record = result.records[0];
    EXPECT_EQ(record.GetSerialNumber(), 77);
    EXPECT_EQ(record.GetMetric(), 0);
    EXPECT_EQ(record.GetPressureUnit(), 16);
    EXPECT_EQ(record.GetFlowUnit(), 0);
    EXPECT_EQ(result.metric, 0);
    EXPECT_EQ(result.flowUnit, 3);
    EXPECT_EQ(result.pressureUnit, 16);
    ExpectSamples(record, {{1, 2.64172f, 100, 0.044029f}});
}

TEST(WorkspaceRead, MissingFileIsReportedWithItsName) {
    TempFolder folder;
    const WorkspaceReadResult result = WorkspaceFile::Read(folder.WxFile("none.vrx"));
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.errorLine, 0);
    // The user sees exactly this text; the name and the system's reason travel beside it.
    EXPECT_EQ(Utf8(result.error), "Cannot open File for Reading");
    EXPECT_NE(Utf8(result.reason).find("none.vrx"), std::string::npos);
}

struct DamageCase {
    const char* name;
    std::string content;
    int line;
    const char* message;
    size_t recordsKept;
};

void PrintTo(const DamageCase& c, std::ostream* os) {
    *os << c.name;
}

class WorkspaceDamage : public ::testing::TestWithParam<DamageCase> {};

TEST_P(WorkspaceDamage, StopsWithFileAndLineAndKeepsCompleteRecords) {
    const DamageCase& c = GetParam();
    TempFolder folder;
    const std::string path = folder.File("damaged.vrx");
    TempFolder::WriteAll(path, c.content);
    const WorkspaceReadResult result = WorkspaceFile::Read(wxString::FromUTF8(path));
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.errorLine, c.line) << Utf8(result.error);
    const std::string error = Utf8(result.error);
    EXPECT_NE(error.find(path + ", line " + std::to_string(c.line) + ":"), std::string::npos)
        << error;
    EXPECT_NE(error.find(c.message), std::string::npos) << error;
    EXPECT_EQ(result.records.size(), c.recordsKept);
    for (const Storage& record : result.records) {
        EXPECT_EQ(record.GetTitle(), "Live 1");
        EXPECT_EQ(record.GetSampleCount(), 2);
    }
    EXPECT_EQ(result.hasUnitSettings, c.recordsKept > 0);
}

namespace {

// The worked example with two records, the second cut or changed as the case needs.
std::string TwoRecords(const std::string& secondRecordAfterCount) {
    const std::string block = std::string(kWorkedExample).substr(9);
    return "480000\n2\n" + block + secondRecordAfterCount;
}

const std::string kBlockHead = "Live 1\n05/03/2012 14:30:05\ntest\n1234\n";

} // namespace

INSTANTIATE_TEST_SUITE_P(
    Cases, WorkspaceDamage,
    ::testing::Values(
        DamageCase{"EmptyFile", "", 1, "ends before the format number", 0},
        DamageCase{"NoRecordCount", "480000\n", 2, "ends before the record count", 0},
        DamageCase{"RecordCountNotANumber", "480000\nabc\n", 2, "\"abc\" is not a number", 0},
        DamageCase{"RecordCountNegative", "480000\n-1\n", 2, "negative", 0},
        DamageCase{"Version0CountNegative", "-4\n", 1, "negative", 0},
        DamageCase{"RecordCountTooLarge", "480000\n999999999\nLive\n", 2,
                   "more than the file can hold", 0},
        DamageCase{"RecordCountOverflows", "480000\n99999999999\n", 2, "out of range", 0},
        DamageCase{"EndsInsideHeader", "480000\n1\nLive 1\n05/03/2012 14:30:05\n", 5,
                   "ends before the information", 0},
        DamageCase{"SerialNotANumber", "480000\n1\nLive 1\nd\ni\nx12\n", 6, "serial number \"x12\"",
                   0},
        DamageCase{"TextBoxCodesNeverReachZero", TwoRecords(kBlockHead + "65 66 67 \n"), 22,
                   "ends before the text box code", 1},
        DamageCase{"TextBoxCodeOutOfRange", TwoRecords(kBlockHead + "65 70000 0 \n"), 21,
                   "text box code 70000 is out of range", 1},
        DamageCase{"PressureUnitOutOfRange",
                   TwoRecords(kBlockHead + "0 \n0 0\n0.000000\n1000\n300\n"), 25,
                   "pressure unit 300 is out of range", 1},
        DamageCase{"SampleCountNegative",
                   TwoRecords(kBlockHead + "0 \n0 0\n0.000000\n1000\n98\n1 0\n0\n-2\n"), 28,
                   "sample count -2 is negative", 1},
        DamageCase{"SampleCountTooLarge",
                   TwoRecords(kBlockHead + "0 \n0 0\n0.000000\n1000\n98\n1 0\n0\n2000000000\n" +
                              "1.0 2.0 3.0 4.0\n"),
                   28, "more than the file can hold", 1},
        DamageCase{"SampleValueNotANumber",
                   TwoRecords(kBlockHead + "0 \n0 0\n0.000000\n1000\n98\n1 0\n0\n2\n" +
                              "1.0 2.0 3.0 4.0\n2.0 x 3.0 4.0\n"),
                   30, "sample flow \"x\" is not a number", 1},
        DamageCase{"EndsBeforeLastSample",
                   TwoRecords(kBlockHead + "0 \n0 0\n0.000000\n1000\n98\n1 0\n0\n2\n" +
                              "1.0 2.0 3.0 4.0\n"),
                   30, "ends before the sample time", 1},
        DamageCase{"FlowTargetNotANumber", TwoRecords(kBlockHead + "0 \n0 0\n1,5\n"), 23,
                   "flow target \"1,5\"", 1}),
    [](const ::testing::TestParamInfo<DamageCase>& info) { return info.param.name; });

TEST(WorkspacePaths, ExtensionAddedUnlessPresentAnywhere) {
    EXPECT_EQ(WorkspaceFile::WithExtension("/data/run"), "/data/run.vrx");
    EXPECT_EQ(WorkspaceFile::WithExtension("/data/run.vrx"), "/data/run.vrx");
    EXPECT_EQ(WorkspaceFile::WithExtension("/data/run.vrx.old"), "/data/run.vrx.old");
}

TEST(WorkspaceRoundTrip, LargeWorkspaceIsWrittenInPiecesAndReadsBack) {
    // Several mebibytes: the text goes to the file in more than one piece.
    Storage record("05/03/2012 14:30:05", 250, 1, false, 0, 1);
    for (int i = 0; i < 150000; ++i) {
        record.AddSample(i * 0.25f, (i % 977) * 0.37f, -(i % 13) * 0.011f, i * 0.5f);
    }
    const std::vector<Storage> records{record, record};
    TempFolder folder;
    const wxString path = folder.WxFile("large.vrx");
    wxString error;
    ASSERT_TRUE(WorkspaceFile::Write(path, records, 0, error)) << Utf8(error);
    const std::string written = TempFolder::ReadAll(std::string(path.utf8_str()));
    EXPECT_EQ(written, WorkspaceFile::Format(records, 0));
    const WorkspaceReadResult result = WorkspaceFile::Read(path);
    ASSERT_TRUE(result.ok) << Utf8(result.error);
    ASSERT_EQ(result.records.size(), 2u);
    EXPECT_EQ(result.records[1].GetTimes(), record.GetTimes());
    EXPECT_EQ(result.records[1].GetFlows().back(), (149999 % 977) * 0.37f);
}
