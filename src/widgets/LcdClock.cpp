#include "widgets/LcdClock.h"

#include "widgets/LcdText.h"

wxBEGIN_EVENT_TABLE(LcdClock, LcdDisplay)
wxEND_EVENT_TABLE()

LcdClock::LcdClock(wxWindow* parent, const wxPoint& pos, const wxSize& size)
    : LcdDisplay(parent, pos, size) {}

LcdClock::~LcdClock() = default;

void LcdClock::SetSeconds(float seconds) {
    SetValue(LcdText::TimeOfDay(seconds));
}
