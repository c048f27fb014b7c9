#include "plot/PlotTextBox.h"

#include "plot/PlotEvents.h"
#include "plot/PlotWindow.h"

#include <wx/dc.h>

#include <algorithm>

PlotTextBox::PlotTextBox(int x, int y, int width, int height, const wxBrush& brush)
    : PlotInfoBox(x, y, width, height, brush) {
    m_rect.SetPosition(wxPoint(-50, -50));
}

void PlotTextBox::SetTextBoxPosition(const PlotWindow& window, int x, int y) {
    int hw = window.scrX / 2;
    int hh = window.scrY / 2;
    m_rect.x = std::max(-hw, std::min(hw, x));
    m_rect.y = std::max(-hh, std::min(hh, y));
}

void PlotTextBox::Draw(wxDC& dc, PlotWindow& window) {
    if (!m_visible) {
        return;
    }
    FollowDragAndResize(window, window.textBoxPosX, window.textBoxPosY);
    dc.SetBrush(m_brush);
    dc.SetFont(m_font);

    int width = 5;
    int height = 5;
    if (m_text.find('\n') == wxString::npos) {
        wxCoord tw = 0, th = 0;
        dc.GetTextExtent(m_text, &tw, &th);
        width = tw + 5;
        height = th + 5;
    } else {
        size_t start = 0;
        while (start <= m_text.length()) {
            size_t end = m_text.find('\n', start);
            if (end == wxString::npos) {
                end = m_text.length();
            }
            wxCoord tw = 0, th = 0;
            dc.GetTextExtent(m_text.substr(start, end - start), &tw, &th);
            width = std::max(width, static_cast<int>(tw));
            height += th;
            start = end + 1;
        }
        width += 5;
    }

    dc.SetPen(m_pen);
    dc.SetBrush(*wxLIGHT_GREY_BRUSH);
    m_rect.width = width + 5;
    // No text, no box (and nothing to report).
    if (m_text.empty() || height == 5) {
        return;
    }
    m_rect.height = height + 5;
    dc.DrawRectangle(m_rect.x, m_rect.y, width + 5, height + 5);
    int offset = 0;
    size_t start = 0;
    while (start <= m_text.length()) {
        size_t end = m_text.find('\n', start);
        if (end == wxString::npos) {
            end = m_text.length();
        }
        wxString line = m_text.substr(start, end - start);
        wxCoord tw = 0, th = 0;
        dc.GetTextExtent(line, &tw, &th);
        dc.DrawText(line, m_rect.x + 5, m_rect.y + offset + 5);
        offset += th;
        start = end + 1;
    }

    wxCommandEvent event(EVT_PLOT_TEXTBOX, wxID_ANY);
    event.SetEventObject(this);
    wxWindow* parent = window.GetParent();
    if (parent != nullptr) {
        parent->GetEventHandler()->ProcessEvent(event);
    }
}
