#pragma once
#include "plot/PlotLayer.h"
#include "plot/PlotWindow.h"

#include <gtest/gtest.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/image.h>

#include <vector>

// A layer that records the order in which layers draw.
class OrderLayer : public PlotLayer {
public:
    OrderLayer(std::vector<int>& log, int id) : m_log(log), m_id(id) {}
    bool HasBoundingBox() override { return false; }
    void Draw(wxDC&, PlotWindow&) override { m_log.push_back(m_id); }

private:
    std::vector<int>& m_log;
    int m_id;
};

// A plot window whose popup menu is recorded instead of shown (showing it would block).
class RecordingPlotWindow : public PlotWindow {
public:
    using PlotWindow::PlotWindow;
    std::vector<wxPoint> popups;

protected:
    void ShowPopupMenu(const wxPoint& at) override { popups.push_back(at); }
};

// A shown frame holding one plot window; layers send their events to the frame.
class PlotFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Paints the plot's layers into a white bitmap of the given size, as the window paints.
    wxImage Paint(int width = 800, int height = 400);
    // Sends a mouse event of the given type at (x, y) to the plot window.
    void SendMouse(wxEventType type, int x, int y, bool leftDown = false, bool rightDown = false);
    void SendWheel(int rotation, bool control, bool shift = false);

    wxFrame* frame = nullptr;
    RecordingPlotWindow* plot = nullptr;
};

// True when the pixel is clearly darker than the white background.
bool IsInked(const wxImage& image, int x, int y);
// True when any pixel of the rectangle is inked.
bool AnyInked(const wxImage& image, int x, int y, int width, int height);
