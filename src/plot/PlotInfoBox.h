#pragma once
#include "plot/PlotLayer.h"

#include <wx/event.h>
#include <wx/gdicmn.h>

// A floating box over the graph. It keeps its place in proportion when the plot is resized
// and, in the readout and text boxes, follows the pointer while dragged with the left button.
class PlotInfoBox : public PlotLayer {
public:
    PlotInfoBox();
    PlotInfoBox(int x, int y, int width, int height, const wxBrush& brush);

    bool HasBoundingBox() override { return false; }
    void Draw(wxDC& dc, PlotWindow& window) override;

    virtual void OnInfoEvent(PlotWindow& window, wxEvent& event) {}
    virtual bool IsInfoBox() { return true; }
    virtual bool Contains(const wxPoint& point) { return m_rect.Contains(point); }
    virtual void MoveBy(int dx, int dy);
    virtual void RememberPosition() { m_reference = m_rect.GetTopLeft(); }

    const wxRect& GetRect() const { return m_rect; }
    wxPoint GetReference() const { return m_reference; }

protected:
    // Follows a new left-drag step that started inside the box (each step once), then keeps
    // the box in proportion with the plot size. remembered is the place the window keeps.
    void FollowDragAndResize(PlotWindow& window, double& rememberedX, double& rememberedY);
    void RescaleToWindow(const PlotWindow& window);

    wxRect m_rect;
    wxPoint m_reference;
    wxSize m_lastWindowSize{1, 1};
    unsigned m_appliedDragStep = 0;

    wxDECLARE_DYNAMIC_CLASS(PlotInfoBox);
};
