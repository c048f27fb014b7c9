#include "files/CsvExport.h"
#include "files/TempFolder.h"
#include "support/TextLines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

Storage ExportedRecord(int metric, int pressureUnit) {
    Storage record("05/03/2012 14:30:05", 1000, metric, false, 0, 1);
    record.SetTitle("Live 1");
    record.SetInformation("test");
    record.SetPressureUnit(static_cast<std::uint8_t>(pressureUnit));
    return record;
}

} // namespace

TEST(CsvExportFormat, HeaderLinesAndSamplesWithVolumeBeforePressure) {
    Storage record = ExportedRecord(1, 98);
    record.SetFlowMeasurement("12");
    record.SetPressureMeasurement("0.50");
    record.AddSample(1.0f, 12.3456f, 0.5f, 0.2f);
    record.AddSample(2.0f, -0.004f, 1.0f, 12345.678f);
    const std::vector<std::string> lines =
        LinesOf(CsvExport::Format(record, 0, "/home/ana/05_03_2012 14_30_05.csv"));
    const std::vector<std::string> expected = {
        "File Name,/home/ana/05_03_2012 14_30_05.csv",
        "Title,Live 1 05/03/2012 14:30:05",
        "Information,test",
        "Flow Measurement,12,L/min",
        "Pressure Measurement,0.50,Bar",
        "Timp (s), Flux (L/min),Volum (L), Presiune (Bar)",
        "1.00,12.35,0.20,0.50",
        "2.00,-0.00,12345.68,1.00",
    };
    EXPECT_EQ(lines, expected);
}

TEST(CsvExportFormat, ColumnHeaderFollowsMetricFlagCurrentFlowIndexAndPressureCode) {
    struct Case {
        int metric;
        int pressureUnit;
        int flowIndex;
        const char* header;
    };
    const Case cases[] = {
        {1, 98, 2, "Timp (s), Flux (M\xC2\xB3/h),Volum (M\xC2\xB3), Presiune (Bar)"},
        {1, 16, 1, "Timp (s), Flux (L/s),Volum (L), Presiune (KPa)"},
        {1, 8, 3, "Timp (s), Flux (G/min),Volum (G), Presiune (MtrH)"},
        {0, 112, 0, "Timp (s), Flux (G/min),Volum (G), Presiune (PSI)"},
        {0, 98, 2, "Timp (s), Flux (G/min),Volum (G), Presiune (Bar)"},
        {1, 7, 0, "Timp (s), Flux (L/min),Volum (L), Presiune (PSI)"},
    };
    for (const Case& c : cases) {
        const std::vector<std::string> lines =
            LinesOf(CsvExport::Format(ExportedRecord(c.metric, c.pressureUnit), c.flowIndex, "x"));
        ASSERT_EQ(lines.size(), 6u);
        EXPECT_EQ(lines[5], c.header) << "metric " << c.metric << ", code " << c.pressureUnit
                                      << ", flow index " << c.flowIndex;
    }
}

TEST(CsvExportFormat, TextsAreCopiedUnquotedOnTheirOwnLines) {
    Storage record = ExportedRecord(1, 98);
    record.SetTitle(wxString::FromUTF8("100% ţeavă, A"));
    record.SetInformation("one\ntwo");
    const std::vector<std::string> lines = LinesOf(CsvExport::Format(record, 0, "/tmp/a%d.csv"));
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "File Name,/tmp/a%d.csv");
    EXPECT_EQ(lines[1], "Title,100% ţeavă, A 05/03/2012 14:30:05");
    EXPECT_EQ(lines[2], "Information,one two");
}

TEST(CsvExportNames, DefaultFileNameReplacesSeparators) {
    EXPECT_EQ(CsvExport::DefaultFileName("05/03/2012 14:30:05"), "05_03_2012 14_30_05");
    EXPECT_EQ(CsvExport::DefaultFileName("a.b,c'd:e/f"), "a_b_c_d_e_f");
    EXPECT_EQ(CsvExport::DefaultFileName(""), "");
}

TEST(CsvExportNames, ExtensionAddedUnlessPresentAnywhere) {
    EXPECT_EQ(CsvExport::WithExtension("/tmp/data"), "/tmp/data.csv");
    EXPECT_EQ(CsvExport::WithExtension("/tmp/data.csv"), "/tmp/data.csv");
    EXPECT_EQ(CsvExport::WithExtension("/tmp/data.csv.txt"), "/tmp/data.csv.txt");
}

TEST(CsvExportWrite, WritesTheFormattedFile) {
    TempFolder folder;
    Storage record = ExportedRecord(1, 98);
    record.AddSample(1.0f, 12.3456f, 0.5f, 0.2f);
    const wxString path = folder.WxFile("out.csv");
    wxString error;
    ASSERT_TRUE(CsvExport::Write(path, record, 0, error)) << error;
    EXPECT_EQ(TempFolder::ReadAll(folder.File("out.csv")), CsvExport::Format(record, 0, path));
}
