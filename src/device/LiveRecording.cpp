#include "device/LiveRecording.h"

#include "app/AppSettings.h"
#include "device/HeaderReader.h"
#include "device/LiveBlock.h"
#include "records/Units.h"

int LiveRecording::TimerPeriodMs(int samplePeriodMs) {
    return samplePeriodMs < kShortestTimerPeriodMs ? kShortestTimerPeriodMs : samplePeriodMs;
}

wxString LiveRecording::DateText(const wxDateTime& now) {
    return now.Format("%d/%m/%Y %H:%M:%S", wxDateTime::GMT0);
}

wxString LiveRecording::Title(int recordCount) {
    return wxString::Format("Live %d", recordCount);
}

Storage LiveRecording::NewRecord(const HeaderRead& read, const AppSettingsBlock& settings,
                                 const wxDateTime& now, int recordCount) {
    const LoggerHeader& h = read.header;
    Storage record(DateText(now), h.SamplePeriodMs(), settings.metric, false, settings.flowUnit, 0);
    record.SetTitle(Title(recordCount));
    record.SetPressureCalibration(h.pressureZero, h.pressureScale, h.pressureScaleFine,
                                  h.pressureUnit);
    if (read.ok && h.longForm) {
        record.SetSerialNumber(h.serialNumber);
    }
    return record;
}

int LiveRecording::AppendBlock(Storage& record, const unsigned char* block) {
    const LiveBlock live = LiveBlock::Decode(block);
    for (const RawSample& sample : live.samples) {
        record.AddRawSample(sample.flow, sample.pressure);
    }
    return static_cast<int>(live.samples.size());
}

LiveDisplayTexts LiveRecording::DisplayTexts(const Storage& record, int flowUnit) {
    LiveDisplayTexts texts;
    float flow = 0.0f;
    float pressure = 0.0f;
    float volume = 0.0f;
    record.GetLastSample(texts.seconds, flow, pressure, volume);
    texts.flow = Units::FlowDisplayText(flowUnit, flow);
    texts.pressure = Units::LivePressureText(pressure);
    return texts;
}
