#pragma once
#include <wx/bitmap.h>
#include <wx/datetime.h>
#include <wx/dcmemory.h>
#include <wx/scrolwin.h>

#include <map>
#include <memory>

class PlotLayer;
class wxMenu;

// The graph area: paints its layers over one shared view (a horizontal scale, a primary scale
// for the left-hand axes and a secondary one for the right-hand axis) and lets the user fit,
// zoom, pan and scroll that view. Layers read the public view fields while they draw.
class PlotWindow : public wxScrolledWindow {
public:
    enum MenuId {
        ID_FIT = 2000,
        ID_ZOOM_IN = 2001,
        ID_ZOOM_OUT = 2002,
        ID_CENTER = 2003,
        ID_LOCK_ASPECT = 2004,
        ID_HELP = 2005
    };

    PlotWindow(wxWindow* parent, wxWindowID id = wxID_ANY, const wxPoint& pos = wxDefaultPosition,
               const wxSize& size = wxDefaultSize, long style = 0);
    ~PlotWindow() override;

    bool AppendLayer(PlotLayer* layer);
    bool RemoveLayer(int key);
    PlotLayer* LayerAt(int index) const;
    int LayerCount() const { return static_cast<int>(m_layers.size()); }
    bool HasSecondarySeries() const;

    bool ComputeBounds();
    void Redraw();
    void Fit() override;
    void ZoomIn();
    void ZoomOut();
    void CenterOnClick();
    void SetLockAspect(bool on);
    void SetMeasurePrimary(bool on);
    void SetMeasureSecondary(bool on);
    wxBitmap Snapshot();

    // Paints the background and every layer into dc as a plot of the given size; the paint
    // handler, bitmap export and tests all go through here.
    void Render(wxDC& dc, const wxSize& size);

    // The view transform: data to device units relative to the plot centre, truncated toward 0.
    int DeviceX(double x) const { return Truncate((x - centerX) * scaleX); }
    int DeviceY(double y) const { return Truncate((centerY - y) * scaleY); }
    int DeviceY2(double y) const { return Truncate((centerY2 - y) * scaleY2); }
    // Truncation toward zero that saturates instead of overflowing (NaN gives 0). Inline:
    // every sample of every series goes through it twice per paint.
    static int Truncate(double value) {
        constexpr double limit = 1.0e9;
        if (!(value >= -limit)) {
            return value != value ? 0 : -static_cast<int>(limit);
        }
        return value > limit ? static_cast<int>(limit) : static_cast<int>(value);
    }

    const wxMenu& GetPopupMenu() const { return *m_popup; }
    wxPoint GetClickPosition() const { return m_clickPos; }

    double minX = 0.0, maxX = 0.0;
    double minY = 0.0, maxY = 0.0;
    double minY2 = 0.0, maxY2 = 0.0;
    double scaleX = 1.0, scaleY = 1.0, scaleY2 = 1.0;
    double centerX = 150.0;
    double centerY = 100.0;
    double centerY2 = 0.0;
    int scrX = 64, scrY = 64;
    bool rightDragged = false;
    int leftX = 0, leftY = 0;
    int dragDX = 0, dragDY = 0;
    // Counts left-drag steps, so that each step moves an info box once.
    unsigned dragStep = 0;
    double legendPosX = 0.0, legendPosY = 0.0;
    double textBoxPosX = 0.0, textBoxPosY = 0.0;
    bool measurePrimary = false;
    bool measureSecondary = false;
    bool lockAspect = false;
    bool doubleBuffer = true;
    bool mouseNavigation = true;
    wxDateTime startTime;
    int bottomMargin = 30;
    bool absoluteTime = false;

protected:
    // Shows the popup menu at a point of the client area (blocks while the menu is open).
    virtual void ShowPopupMenu(const wxPoint& at);

private:
    void BuildPopupMenu();
    void UpdateScrollbars();
    void FitToClient(const wxSize& client);
    void MoveCenterToClick();
    void EnsureBuffer(const wxSize& size);

    void OnPaint(wxPaintEvent& event);
    void OnSize(wxSizeEvent& event);
    void OnScroll(wxScrollWinEvent& event);
    void OnRightDown(wxMouseEvent& event);
    void OnButtonUp(wxMouseEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnWheel(wxMouseEvent& event);
    void OnFit(wxCommandEvent& event);
    void OnZoomIn(wxCommandEvent& event);
    void OnZoomOut(wxCommandEvent& event);
    void OnCenter(wxCommandEvent& event);
    void OnLockAspect(wxCommandEvent& event);
    void OnHelp(wxCommandEvent& event);

    std::map<int, PlotLayer*> m_layers;
    std::unique_ptr<wxMenu> m_popup;
    wxPoint m_clickPos{0, 0};
    wxPoint m_rightDragPos{0, 0};
    wxBitmap m_buffer;
    wxMemoryDC m_bufferDC;
    wxSize m_bufferSize{0, 0};

    wxDECLARE_EVENT_TABLE();
};
