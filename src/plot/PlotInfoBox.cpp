#include "plot/PlotInfoBox.h"

#include "plot/PlotWindow.h"

#include <wx/dc.h>

wxIMPLEMENT_DYNAMIC_CLASS(PlotInfoBox, PlotLayer);

PlotInfoBox::PlotInfoBox() : PlotLayer(wxEmptyString, KindInfoBox), m_rect(0, 0, 1, 1) {}

PlotInfoBox::PlotInfoBox(int x, int y, int width, int height, const wxBrush& brush)
    : PlotLayer(wxEmptyString, KindInfoBox), m_rect(x, y, width, height), m_reference(x, y) {
    m_brush = brush;
}

void PlotInfoBox::MoveBy(int dx, int dy) {
    m_rect.SetPosition(m_reference + wxPoint(dx, dy));
}

void PlotInfoBox::RescaleToWindow(const PlotWindow& window) {
    wxSize size(window.scrX == 0 ? 1 : window.scrX, window.scrY == 0 ? 1 : window.scrY);
    if (size == m_lastWindowSize) {
        return;
    }
    if (m_lastWindowSize.x != 1) {
        m_rect.x = static_cast<int>(static_cast<long long>(m_rect.x) * size.x / m_lastWindowSize.x);
    }
    if (m_lastWindowSize.y != 1) {
        m_rect.y = static_cast<int>(static_cast<long long>(m_rect.y) * size.y / m_lastWindowSize.y);
    }
    RememberPosition();
    m_lastWindowSize = size;
}

void PlotInfoBox::FollowDragAndResize(PlotWindow& window, double& rememberedX,
                                      double& rememberedY) {
    int lx = window.leftX - window.scrX / 2;
    int ly = window.leftY - window.scrY / 2;
    bool inside = m_rect.x <= lx && lx <= m_rect.x + m_rect.width && m_rect.y <= ly &&
                  ly <= m_rect.y + m_rect.height;
    // A drag step moves the box once; later paints (measuring, zooming) leave it in place.
    // It moves from where it was last put, which is also where a new text position put it.
    if (inside && window.dragStep != m_appliedDragStep) {
        m_rect.x -= window.dragDX;
        m_rect.y -= window.dragDY;
    }
    m_appliedDragStep = window.dragStep;
    rememberedX = m_rect.x;
    rememberedY = m_rect.y;
    RescaleToWindow(window);
}

void PlotInfoBox::Draw(wxDC& dc, PlotWindow& window) {
    if (!m_visible) {
        return;
    }
    RescaleToWindow(window);
    dc.SetPen(m_pen);
    dc.SetBrush(m_brush);
    dc.DrawRectangle(m_rect);
}
