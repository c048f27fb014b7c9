#include "plot/PlotTestFixture.h"

#include "support/GuiTestSupport.h"

void PlotFixture::SetUp() {
    frame = new wxFrame(nullptr, wxID_ANY, "plot", wxDefaultPosition, wxSize(900, 500));
    plot = new RecordingPlotWindow(frame, wxID_ANY, wxDefaultPosition, wxSize(600, 300),
                                   wxSUNKEN_BORDER);
    frame->Show();
    WaitFor([this] { return plot->GetClientSize().x > 100; });
}

void PlotFixture::TearDown() {
    // The layers of a test are gone by now: the window must go before it paints them again.
    delete frame;
    PumpEvents(10);
}

wxImage PlotFixture::Paint(int width, int height) {
    wxBitmap bitmap(width, height);
    {
        wxMemoryDC dc(bitmap);
        plot->Render(dc, wxSize(width, height));
    }
    return bitmap.ConvertToImage();
}

void PlotFixture::SendMouse(wxEventType type, int x, int y, bool leftDown, bool rightDown) {
    wxMouseEvent event(type);
    event.SetEventObject(plot);
    event.SetPosition(wxPoint(x, y));
    event.m_leftDown = leftDown;
    event.m_rightDown = rightDown;
    plot->GetEventHandler()->ProcessEvent(event);
}

void PlotFixture::SendWheel(int rotation, bool control, bool shift) {
    wxMouseEvent event(wxEVT_MOUSEWHEEL);
    event.SetEventObject(plot);
    event.m_wheelRotation = rotation;
    event.m_wheelDelta = 120;
    event.m_controlDown = control;
    event.m_shiftDown = shift;
    plot->GetEventHandler()->ProcessEvent(event);
}

bool IsInked(const wxImage& image, int x, int y) {
    if (x < 0 || y < 0 || x >= image.GetWidth() || y >= image.GetHeight()) {
        return false;
    }
    return image.GetRed(x, y) + image.GetGreen(x, y) + image.GetBlue(x, y) <
           500; // light grey fills are not ink
}

bool AnyInked(const wxImage& image, int x, int y, int width, int height) {
    for (int j = y; j < y + height; ++j) {
        for (int i = x; i < x + width; ++i) {
            if (IsInked(image, i, j)) {
                return true;
            }
        }
    }
    return false;
}
