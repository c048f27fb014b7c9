#include "plot/PlotReadoutBox.h"

#include "plot/PlotWindow.h"

#include <wx/dc.h>

namespace {
constexpr int kMaxLines = 64;
} // namespace

PlotReadoutBox::PlotReadoutBox(int x, int y, int width, int height, const wxBrush& brush)
    : PlotInfoBox(x, y, width, height, brush) {
    m_rect.SetPosition(wxPoint(0, 0));
}

wxString PlotReadoutBox::FormatValue(double value) {
    return wxString::Format(value < 30 ? " %.2f " : " %.0f ", value);
}

void PlotReadoutBox::Draw(wxDC& dc, PlotWindow& window) {
    if (!m_visible) {
        return;
    }
    FollowDragAndResize(window, window.legendPosX, window.legendPosY);
    dc.SetBrush(m_brush);
    dc.SetFont(m_font);

    // Lines are (text, series) pairs; layers are few, so a fixed table is enough.
    wxString texts[kMaxLines];
    PlotLayer* owners[kMaxLines];
    int lines = 0;
    for (int key = 0; key < window.LayerCount() && lines + 2 <= kMaxLines; ++key) {
        PlotLayer* layer = window.LayerAt(key);
        if (layer == nullptr || !layer->IsVisible() || !layer->IsMarkShown()) {
            continue;
        }
        int kind = layer->GetKind();
        if (kind != KindPrimarySeries && kind != KindSecondarySeries) {
            continue;
        }
        texts[lines] =
            layer->GetValuePrefix() + FormatValue(layer->GetMarkValue()) + layer->GetValueSuffix();
        owners[lines++] = layer;
        if (layer->GetMarkExtra() > 0) {
            texts[lines] = layer->GetExtraPrefix() + FormatValue(layer->GetMarkExtra()) +
                           layer->GetExtraSuffix();
            owners[lines++] = layer;
        }
    }

    int width = 20;
    int height = 5;
    for (int i = 0; i < lines; ++i) {
        wxCoord tw = 0, th = 0;
        dc.GetTextExtent(texts[i], &tw, &th);
        if (tw + 20 >= width) {
            width = tw + 25;
        }
        height += th;
    }
    dc.SetPen(m_pen);
    dc.SetBrush(*wxLIGHT_GREY_BRUSH);
    m_rect.width = width;
    if (lines == 0) {
        return;
    }
    m_rect.height = height + 5;
    dc.DrawRectangle(m_rect.x, m_rect.y, width, height + 5);
    for (int row = 0; row < lines; ++row) {
        wxCoord tw = 0, th = 0;
        dc.GetTextExtent(texts[row], &tw, &th);
        dc.SetPen(owners[row]->GetPen());
        int strokeY = th * row + th / 2 + m_rect.y + 5;
        dc.DrawLine(m_rect.x + 5, strokeY, m_rect.x + 15, strokeY);
        dc.DrawText(texts[row], m_rect.x + 20, th * row + m_rect.y + 5);
    }
}
