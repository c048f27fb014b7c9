#pragma once
#include "records/Storage.h"

#include <wx/datetime.h>
#include <wx/string.h>

struct HeaderRead;
struct AppSettingsBlock;

// What the displays show of the newest live sample.
struct LiveDisplayTexts {
    float seconds = 0.0f; // elapsed time for the clock
    wxString flow;        // empty for US gallons per minute
    wxString pressure;
};

// The window-free part of a live recording: its timer period, the new record, and what one
// live block adds to it.
class LiveRecording {
public:
    static constexpr int kShortestTimerPeriodMs = 1000;

    // The logger's sample period, but at least a second: a tick then brings several samples.
    static int TimerPeriodMs(int samplePeriodMs);
    // Date and time of the start in GMT, "%d/%m/%Y %H:%M:%S".
    static wxString DateText(const wxDateTime& now);
    static wxString Title(int recordCount);

    // The record of a live recording started at now, for a collection that holds
    // recordCount records once it is in. The serial number only comes from a long header.
    static Storage NewRecord(const HeaderRead& header, const AppSettingsBlock& settings,
                             const wxDateTime& now, int recordCount);

    // Appends the samples of one 223-byte live block; the number appended.
    static int AppendBlock(Storage& record, const unsigned char* block);

    // The newest sample as the displays show it; the record has at least one sample.
    static LiveDisplayTexts DisplayTexts(const Storage& record, int flowUnit);
};
