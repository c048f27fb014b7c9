#pragma once
#include "widgets/LcdDisplay.h"

// A seven-segment display showing a duration as hours, minutes and seconds.
class LcdClock : public LcdDisplay {
public:
    LcdClock(wxWindow* parent, const wxPoint& pos = wxDefaultPosition,
             const wxSize& size = wxDefaultSize);
    ~LcdClock() override;

    // Whole seconds as a time of day, "HH:MM:SS"; hours wrap at 24. With seven cells the tens
    // of the hours fall off the left edge.
    void SetSeconds(float seconds);

private:
    wxDECLARE_EVENT_TABLE();
};
