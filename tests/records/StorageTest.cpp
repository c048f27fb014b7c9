#include "records/Storage.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Series {
    std::vector<float> flow;
    std::vector<float> pressure;
    std::vector<float> volume;
};

// A record holding the given values as stored samples (flow unit 0 keeps them unchanged).
Storage RecordWith(const Series& series) {
    Storage record("05/03/2012 14:30:05", 1000, 1, false, 0, 1);
    for (size_t i = 0; i < series.flow.size(); ++i) {
        record.AddSample(static_cast<float>(i + 1), series.flow[i], series.pressure[i],
                         series.volume[i]);
    }
    return record;
}

Series SeriesOf(const Storage& record) {
    return {record.GetFlows(), record.GetPressures(), record.GetVolumes()};
}

void ExpectSeriesNear(const std::vector<float>& actual, const std::vector<double>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_NEAR(actual[i], expected[i], 1e-5) << "at index " << i;
    }
}

} // namespace

TEST(StorageConstruction, TakesArgumentsAndStartsEmpty) {
    const Storage record("05/03/2012 14:30:05", 250, 0, true, 2, 7);
    EXPECT_EQ(record.GetTitle(), "7");
    EXPECT_EQ(record.GetDateText(), "05/03/2012 14:30:05");
    EXPECT_TRUE(record.GetStartTime().IsValid());
    EXPECT_EQ(record.GetIntervalMs(), 250);
    EXPECT_EQ(record.GetMetric(), 0);
    EXPECT_TRUE(record.GetStoredFlag());
    EXPECT_EQ(record.GetFlowUnit(), 2);
    EXPECT_EQ(record.GetSampleCount(), 0);
    EXPECT_EQ(record.GetSerialNumber(), 0);
    EXPECT_EQ(record.GetFlowTarget(), 0.0f);
    EXPECT_FALSE(record.HasFlowTarget());
    EXPECT_FALSE(record.IsFiltered());
    EXPECT_TRUE(record.GetInformation().empty());
    EXPECT_TRUE(record.GetTextBox().empty());
    EXPECT_EQ(record.GetPressureGain(), 0);
}

TEST(StorageConstruction, UnparsableDateLeavesStartTimeInvalidAndKeepsText) {
    const Storage empty("", 1000, 1, false, 0, 1);
    EXPECT_FALSE(empty.GetStartTime().IsValid());
    const Storage garbage("not a date", 1000, 1, false, 0, 1);
    EXPECT_FALSE(garbage.GetStartTime().IsValid());
    EXPECT_EQ(garbage.GetDateText(), "not a date");
}

TEST(StorageConstruction, CopiesShareNoSamples) {
    Storage original = RecordWith({{1, 2}, {3, 4}, {5, 6}});
    Storage copy = original;
    copy.AddSample(3, 7, 8, 9);
    copy.SetTitle("copy");
    EXPECT_EQ(original.GetSampleCount(), 2);
    EXPECT_EQ(original.GetTitle(), "1");
    EXPECT_EQ(copy.GetSampleCount(), 3);
}

struct RawSampleCase {
    const char* name;
    int flowUnit;
    int pressureUnit;
    int offset;
    int gain;
    int gainHundredths;
    int rawFlow;
    int rawPressure;
    double flow;
    double pressure;
    double volume; // after one sample at 1000 ms
};

class StorageRawSample : public ::testing::TestWithParam<RawSampleCase> {};

TEST_P(StorageRawSample, ConvertsFlowPressureAndVolume) {
    const RawSampleCase& c = GetParam();
    Storage record("", 1000, 1, false, c.flowUnit, 1);
    record.SetPressureCalibration(c.offset, c.gain, c.gainHundredths, c.pressureUnit);
    record.AddRawSample(c.rawFlow, c.rawPressure);
    float time = 0, flow = 0, pressure = 0, volume = 0;
    record.GetLastSample(time, flow, pressure, volume);
    EXPECT_FLOAT_EQ(time, 1.0f);
    EXPECT_NEAR(flow, c.flow, 1e-5 * (1 + c.flow));
    EXPECT_NEAR(pressure, c.pressure, 1e-4 * (1 + c.pressure));
    EXPECT_NEAR(volume, c.volume, 1e-7 + 1e-5 * c.volume);
}

INSTANTIATE_TEST_SUITE_P(
    Conversions, StorageRawSample,
    ::testing::Values(
        RawSampleCase{"LitresPerMinute", 0, 112, 0, 10, 0, 12, 0, 12.0, 0.0, 0.2},
        RawSampleCase{"LitresPerSecond", 1, 112, 0, 10, 0, 60, 0, 1.0, 0.0, 1.0},
        RawSampleCase{"CubicMetresPerHour", 2, 112, 0, 10, 0, 100, 0, 6.0, 0.0, 100.0 / 60000.0},
        RawSampleCase{"GallonsPerMinute", 3, 112, 0, 10, 0, 10, 0, 2.64172, 0.0,
                      10 * 0.264172 / 60.0},
        RawSampleCase{"FlowIndexAboveRangeStoresNothing", 4, 112, 0, 10, 0, 50, 0, 0.0, 0.0, 0.0},
        RawSampleCase{"NegativeFlowIndexStoresNothing", -1, 112, 0, 10, 0, 50, 0, 0.0, 0.0, 0.0},
        RawSampleCase{"Psi", 0, 112, 0, 10, 0, 0, 145, 0.0, 14.5, 0.0},
        RawSampleCase{"Bar", 0, 98, 0, 10, 0, 0, 145, 0.0, 0.99972, 0.0},
        RawSampleCase{"Kpa", 0, 16, 0, 10, 0, 0, 145, 0.0, 99.97, 0.0},
        RawSampleCase{"MetresOfWater", 0, 8, 0, 10, 0, 0, 145, 0.0, 14.5 / 1.42197, 0.0},
        RawSampleCase{"UnknownCodeKeepsPsi", 0, 7, 0, 10, 0, 0, 145, 0.0, 14.5, 0.0},
        RawSampleCase{"GainWithHundredths", 0, 112, 0, 10, 50, 0, 105, 0.0, 10.0, 0.0},
        RawSampleCase{"OffsetSubtracted", 0, 112, 20, 10, 0, 0, 165, 0.0, 14.5, 0.0},
        RawSampleCase{"BelowOffsetPlusFiveIsZero", 0, 112, 20, 10, 0, 0, 24, 0.0, 0.0, 0.0},
        RawSampleCase{"AtOffsetPlusFiveCounts", 0, 112, 20, 10, 0, 0, 25, 0.0, 0.5, 0.0},
        RawSampleCase{"BelowOffsetIsZero", 0, 112, 200, 10, 0, 0, 10, 0.0, 0.0, 0.0},
        RawSampleCase{"ZeroGainGivesNoPressure", 0, 98, 0, 0, 0, 0, 145, 0.0, 0.0, 0.0}),
    [](const ::testing::TestParamInfo<RawSampleCase>& info) { return info.param.name; });

TEST(StorageRawSamples, FirstSampleIsAtOneIntervalAndVolumeAccumulates) {
    Storage record("", 1000, 1, false, 0, 1);
    record.SetPressureCalibration(0, 10, 0, 112);
    for (int i = 0; i < 3; ++i) {
        record.AddRawSample(6, 0);
    }
    EXPECT_EQ(record.GetTimes(), (std::vector<float>{1.0f, 2.0f, 3.0f}));
    ExpectSeriesNear(record.GetVolumes(), {0.1, 0.2, 0.3});
    EXPECT_NEAR(record.GetLastVolume(), 0.3, 1e-6);
    EXPECT_DOUBLE_EQ(record.GetDurationMs(), 3000.0);
}

TEST(StorageRawSamples, ShortIntervalGivesFractionalTimes) {
    Storage record("", 250, 1, false, 0, 1);
    record.AddRawSample(0, 0);
    record.AddRawSample(0, 0);
    EXPECT_EQ(record.GetTimes(), (std::vector<float>{0.25f, 0.5f}));
}

TEST(StorageStoredSamples, AddSampleConvertsByFlowUnit) {
    struct Case {
        int flowUnit;
        double flow;
        double volume;
    };
    const Case cases[] = {{0, 12.0, 3000.0},
                          {1, 0.2, 3000.0},
                          {2, 0.72, 3.0},
                          {3, 12.0 * 0.264172, 3000.0},
                          {9, 0.0, 0.0}};
    for (const Case& c : cases) {
        Storage record("", 1000, 1, false, c.flowUnit, 1);
        record.AddSample(1.5f, 12.0f, 0.75f, 3000.0f);
        float time = 0, flow = 0, pressure = 0, volume = 0;
        record.GetSample(0, time, flow, pressure, volume);
        EXPECT_FLOAT_EQ(time, 1.5f) << "flow unit " << c.flowUnit;
        EXPECT_NEAR(flow, c.flow, 1e-5) << "flow unit " << c.flowUnit;
        EXPECT_FLOAT_EQ(pressure, 0.75f) << "flow unit " << c.flowUnit;
        EXPECT_NEAR(volume, c.volume, 1e-4) << "flow unit " << c.flowUnit;
    }
}

TEST(StorageStoredSamples, OutOfRangeIndexReadsZeros) {
    const Storage record = RecordWith({{1}, {2}, {3}});
    float time = 9, flow = 9, pressure = 9, volume = 9;
    record.GetSample(1, time, flow, pressure, volume);
    EXPECT_EQ(time + flow + pressure + volume, 0.0f);
    const Storage empty("", 1000, 1, false, 0, 1);
    empty.GetLastSample(time, flow, pressure, volume);
    EXPECT_EQ(time + flow + pressure + volume, 0.0f);
}

TEST(StorageFilter, AveragesInPlaceInAscendingOrder) {
    Storage record = RecordWith({{0, 6, 0, 0, 0}, {3, 3, 9, 3, 3}, {1, 2, 3, 4, 5}});
    record.ApplyFilter(true, 1);
    EXPECT_TRUE(record.IsFiltered());
    // Index 2 averages the already averaged index 1 (2), not its saved value (6).
    ExpectSeriesNear(record.GetFlows(), {0, 2, 2.0 / 3, 2.0 / 9, 0});
    ExpectSeriesNear(record.GetPressures(), {3, 5, 17.0 / 3, 35.0 / 9, 3});
    ExpectSeriesNear(record.GetVolumes(), {1, 2, 3, 4, 5});
    EXPECT_EQ(record.GetTimes(), (std::vector<float>{1, 2, 3, 4, 5}));
}

TEST(StorageFilter, OffRestoresExactlyTheSavedValues) {
    const Series original{{0.1f, 6.7f, 0.3f, 1e-3f, 5.5f}, {3, 3, 9, 3, 3}, {1, 2, 3, 4, 5}};
    Storage record = RecordWith(original);
    record.ApplyFilter(true, 1);
    record.ApplyFilter(false, 1);
    EXPECT_FALSE(record.IsFiltered());
    EXPECT_EQ(SeriesOf(record).flow, original.flow);
    EXPECT_EQ(SeriesOf(record).pressure, original.pressure);
    EXPECT_EQ(SeriesOf(record).volume, original.volume);
}

TEST(StorageFilter, HalfWidthZeroChangesNothingButMarksFiltered) {
    const Series original{{1, 7, 2}, {4, 4, 8}, {1, 2, 3}};
    Storage record = RecordWith(original);
    record.ApplyFilter(true, 0);
    EXPECT_TRUE(record.IsFiltered());
    EXPECT_EQ(record.GetFlows(), original.flow);
}

TEST(StorageFilter, TooFewSamplesStillMarksFiltered) {
    const Series original{{1, 7, 2, 9}, {4, 4, 8, 1}, {1, 2, 3, 4}};
    Storage record = RecordWith(original);
    record.ApplyFilter(true, 2);
    EXPECT_TRUE(record.IsFiltered());
    EXPECT_EQ(record.GetFlows(), original.flow);
}

TEST(StorageFilter, NegativeHalfWidthActsAsZero) {
    const Series original{{1, 7, 2}, {4, 4, 8}, {1, 2, 3}};
    Storage record = RecordWith(original);
    record.ApplyFilter(true, -3);
    EXPECT_EQ(record.GetFlows(), original.flow);
}

TEST(StorageFilter, SecondOnKeepsFirstWidth) {
    Storage record = RecordWith({{0, 6, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}});
    record.ApplyFilter(true, 1);
    const std::vector<float> once = record.GetFlows();
    record.ApplyFilter(true, 2);
    EXPECT_EQ(record.GetFlows(), once);
}

TEST(StorageFilter, OffWhenNotFilteredChangesNothing) {
    const Series original{{1, 7, 2}, {4, 4, 8}, {1, 2, 3}};
    Storage record = RecordWith(original);
    record.ApplyFilter(false, 1);
    EXPECT_FALSE(record.IsFiltered());
    EXPECT_EQ(record.GetFlows(), original.flow);
}

TEST(StorageFilter, RawSamplesAddedWhileOnAreRestoredWhenOff) {
    Storage filtered("", 1000, 1, false, 0, 1);
    Storage plain("", 1000, 1, false, 0, 1);
    for (Storage* record : {&filtered, &plain}) {
        record->SetPressureCalibration(0, 10, 0, 112);
    }
    const int rawFlows[] = {10, 40, 10, 70, 20, 30, 90};
    for (int i = 0; i < 4; ++i) {
        filtered.AddRawSample(rawFlows[i], 100 + 10 * i);
        plain.AddRawSample(rawFlows[i], 100 + 10 * i);
    }
    filtered.ApplyFilter(true, 1);
    for (int i = 4; i < 7; ++i) {
        filtered.AddRawSample(rawFlows[i], 100 + 10 * i);
        plain.AddRawSample(rawFlows[i], 100 + 10 * i);
    }
    EXPECT_EQ(filtered.GetFlows().size(), 7u);
    filtered.ApplyFilter(false, 1);
    EXPECT_EQ(filtered.GetTimes(), plain.GetTimes());
    EXPECT_EQ(filtered.GetFlows(), plain.GetFlows());
    EXPECT_EQ(filtered.GetPressures(), plain.GetPressures());
    EXPECT_EQ(filtered.GetVolumes(), plain.GetVolumes());
}

TEST(StorageTarget, LineRunsFromFirstToLastSampleWithEndDoubled) {
    Storage record = RecordWith({{1, 2, 3}, {0, 0, 0}, {0, 0, 0}});
    record.SetFlowTarget(12.5f);
    EXPECT_TRUE(record.HasFlowTarget());
    EXPECT_EQ(record.GetTargetLineX(), (std::vector<float>{1, 3, 3}));
    EXPECT_EQ(record.GetTargetLineY(), (std::vector<float>{12.5f, 12.5f, 12.5f}));
}

TEST(StorageTarget, RecordWithoutSamplesHasEmptyLineAndZeroVolume) {
    Storage record("", 1000, 1, false, 0, 1);
    record.SetFlowTarget(3.0f);
    EXPECT_TRUE(record.GetTargetLineX().empty());
    EXPECT_TRUE(record.GetTargetLineY().empty());
    EXPECT_EQ(record.GetLastVolume(), 0.0f);
}
