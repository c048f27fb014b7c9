#pragma once
#include <wx/bitmap.h>
#include <wx/colour.h>

#include <functional>

// Runs the event loop until the condition holds or the time is up; true when it held.
bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 3000);

// Lets pending events run for a short while (for paints and sizes that have no condition).
void PumpEvents(int milliseconds = 50);

// The colour of one pixel of a bitmap.
wxColour PixelAt(const wxBitmap& bitmap, int x, int y);
