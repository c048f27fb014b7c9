#include "support/GuiTestSupport.h"

#include <wx/app.h>
#include <wx/image.h>
#include <wx/stopwatch.h>
#include <wx/utils.h>

bool WaitFor(const std::function<bool()>& condition, int timeoutMs) {
    wxStopWatch watch;
    while (!condition()) {
        if (watch.Time() > timeoutMs) {
            return false;
        }
        wxTheApp->Yield(true);
        wxMilliSleep(5);
    }
    return true;
}

void PumpEvents(int milliseconds) {
    wxStopWatch watch;
    do {
        wxTheApp->Yield(true);
        wxMilliSleep(2);
    } while (watch.Time() < milliseconds);
}

wxColour PixelAt(const wxBitmap& bitmap, int x, int y) {
    wxImage image = bitmap.ConvertToImage();
    return wxColour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
}
