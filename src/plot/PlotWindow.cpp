#include "plot/PlotWindow.h"

#include "plot/PlotLayer.h"

#include <wx/dcclient.h>
#include <wx/intl.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>

#include <cmath>
#include <limits>

namespace {

// Pan offsets pass through single precision, as the view always has. The store keeps the
// optimiser from folding the round trip away.
double ViaFloat(double value) {
    volatile float single = static_cast<float>(value);
    return single;
}

const char* const kHelpText = "Comenzi mouse acceptate: \n"
                              "        - Miscare mouse +CTRL: Pan (Miscare)\n"
                              "        - Rotita mouse: Derulare verticala\n"
                              "        - Rotita mouse +SHIFT: Derulare orizontala\n"
                              "        - Rotita mouse +CTRL: Marire/Micsorare";

wxString Translated(const char* utf8) {
    return wxGetTranslation(wxString::FromUTF8(utf8));
}

} // namespace

wxBEGIN_EVENT_TABLE(PlotWindow, wxScrolledWindow)
    EVT_PAINT(PlotWindow::OnPaint)
    EVT_SIZE(PlotWindow::OnSize)
    EVT_SCROLLWIN(PlotWindow::OnScroll)
    EVT_RIGHT_DOWN(PlotWindow::OnRightDown)
    EVT_RIGHT_UP(PlotWindow::OnButtonUp)
    EVT_MIDDLE_UP(PlotWindow::OnButtonUp)
    EVT_LEFT_DOWN(PlotWindow::OnLeftDown)
    EVT_LEFT_UP(PlotWindow::OnLeftUp)
    EVT_MOTION(PlotWindow::OnMotion)
    EVT_MOUSEWHEEL(PlotWindow::OnWheel)
    EVT_MENU(PlotWindow::ID_FIT, PlotWindow::OnFit)
    EVT_MENU(PlotWindow::ID_ZOOM_IN, PlotWindow::OnZoomIn)
    EVT_MENU(PlotWindow::ID_ZOOM_OUT, PlotWindow::OnZoomOut)
    EVT_MENU(PlotWindow::ID_CENTER, PlotWindow::OnCenter)
    EVT_MENU(PlotWindow::ID_LOCK_ASPECT, PlotWindow::OnLockAspect)
    EVT_MENU(PlotWindow::ID_HELP, PlotWindow::OnHelp)
wxEND_EVENT_TABLE()

// The scrollbars only report where the view is; both are always available, as on other
// desktops where a window may show scrollbars without asking for them at creation.
PlotWindow::PlotWindow(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
                       long style)
    : wxScrolledWindow(parent, id, pos, size, style | wxHSCROLL | wxVSCROLL, "plot") {
    SetBackgroundColour(*wxWHITE);
    SetBackgroundStyle(wxBG_STYLE_CUSTOM);
    SetMinSize(wxSize(64, 64));
    EnableScrolling(false, false);
    BuildPopupMenu();
    Redraw();
}

PlotWindow::~PlotWindow() {
    m_bufferDC.SelectObject(wxNullBitmap);
    m_layers.clear();
}

void PlotWindow::BuildPopupMenu() {
    m_popup = std::make_unique<wxMenu>();
    m_popup->Append(ID_CENTER, Translated("Centru"),
                    Translated("Centreaza imaginea subiectului in aceasta  pozitie"));
    m_popup->Append(ID_FIT, Translated("Potrivire"),
                    Translated("Setare vizualizare pentru toate elementele"));
    m_popup->Append(ID_ZOOM_IN, Translated("Marire"),
                    Translated("Mareste  în Imaginea subiectului "));
    m_popup->Append(ID_ZOOM_OUT, Translated("Micsorare"),
                    Translated("Micsorare în Imaginea subiectului "));
}

bool PlotWindow::AppendLayer(PlotLayer* layer) {
    if (layer == nullptr) {
        return false;
    }
    m_layers[LayerCount()] = layer;
    Redraw();
    return true;
}

bool PlotWindow::RemoveLayer(int key) {
    m_layers.erase(key);
    Redraw();
    return true;
}

PlotLayer* PlotWindow::LayerAt(int index) const {
    if (index < 0 || index >= LayerCount()) {
        return nullptr;
    }
    auto found = m_layers.find(index);
    return found == m_layers.end() ? nullptr : found->second;
}

bool PlotWindow::HasSecondarySeries() const {
    for (int key = 0; key < LayerCount(); ++key) {
        PlotLayer* layer = LayerAt(key);
        if (layer != nullptr && layer->GetKind() == PlotLayer::KindSecondarySeries) {
            return true;
        }
    }
    return false;
}

bool PlotWindow::ComputeBounds() {
    bool first = true;
    for (auto& entry : m_layers) {
        PlotLayer* layer = entry.second;
        if (!layer->HasBoundingBox()) {
            continue;
        }
        if (first) {
            minX = layer->BoundMinX();
            maxX = layer->BoundMaxX();
            minY = layer->BoundMinY();
            maxY = layer->BoundMaxY();
            first = false;
        } else {
            minY2 = layer->BoundMinY();
            maxY2 = layer->BoundMaxY();
        }
    }
    return !first;
}

void PlotWindow::UpdateScrollbars() {
    int w = 0, h = 0;
    GetClientSize(&w, &h);
    int virtualWidth = Truncate((maxX - minX) * scaleX);
    int virtualHeight = Truncate((maxY - minY) * scaleY);
    int posX = Truncate((centerX - minX) * scaleX - (w >> 1));
    int posY = Truncate((maxY - centerY) * scaleY - (h >> 1));
    SetScrollbars(1, 1, std::max(virtualWidth, 0), std::max(virtualHeight, 0), std::max(posX, 0),
                  std::max(posY, 0), true);
}

void PlotWindow::Redraw() {
    if (ComputeBounds()) {
        UpdateScrollbars();
    }
    Refresh(false);
}

void PlotWindow::Fit() {
    if (!ComputeBounds()) {
        return;
    }
    wxSize fitted = GetClientSize();
    FitToClient(fitted);
    // Scrollbars come and go with the view; fit once more to the area they leave.
    wxSize now = GetClientSize();
    if (now != fitted) {
        FitToClient(now);
    }
}

void PlotWindow::FitToClient(const wxSize& client) {
    // A window smaller than its margins still gets a positive scale, never a mirrored one.
    double width = std::max(client.x - 100, 1);
    double height = std::max(client.y - 2 * bottomMargin, 1);
    double dx = maxX - minX;
    if (dx != 0.0) {
        scaleX = width / dx;
        centerX = minX + dx * 0.5;
    }
    double dy = maxY - minY;
    double dy2 = maxY2 - minY2;
    if (dy != 0.0) {
        scaleY = height / dy;
        centerY = minY + dy * 0.5;
        // An empty secondary range (no second layer yet) keeps the secondary view as it is.
        if (dy2 != 0.0) {
            scaleY2 = height / dy2;
            centerY2 = minY2 + dy2 * 0.5;
        }
    }
    if (lockAspect) {
        scaleX = scaleY = (scaleX + scaleY) * 0.5;
    }
    Redraw();
}

void PlotWindow::ZoomIn() {
    scaleX *= 1.1;
    scaleY *= 1.1;
    Redraw();
}

void PlotWindow::ZoomOut() {
    scaleX /= 1.1;
    scaleY /= 1.1;
    Redraw();
}

void PlotWindow::MoveCenterToClick() {
    int w = 0, h = 0;
    GetClientSize(&w, &h);
    centerX += (m_clickPos.x - w / 2) / scaleX;
    centerY += (h / 2 - m_clickPos.y) / scaleY;
}

void PlotWindow::CenterOnClick() {
    MoveCenterToClick();
    Redraw();
}

void PlotWindow::SetLockAspect(bool on) {
    lockAspect = on;
    if (m_popup->FindItem(ID_LOCK_ASPECT) != nullptr) {
        m_popup->Check(ID_LOCK_ASPECT, on);
    }
    if (on) {
        scaleX = scaleY = (scaleX + scaleY) * 0.5;
    }
    Redraw();
}

void PlotWindow::SetMeasurePrimary(bool on) {
    SetCursor(on ? wxCursor(wxCURSOR_CROSS) : *wxSTANDARD_CURSOR);
    measurePrimary = on;
}

void PlotWindow::SetMeasureSecondary(bool on) {
    SetCursor(on ? wxCursor(wxCURSOR_CROSS) : *wxSTANDARD_CURSOR);
    measureSecondary = on;
}

wxBitmap PlotWindow::Snapshot() {
    wxWindowDC windowDC(this);
    wxSize size = windowDC.GetSize();
    wxBitmap bitmap(std::max(size.x, 1), std::max(size.y, 1));
    wxMemoryDC memoryDC(bitmap);
    memoryDC.Blit(0, 0, size.x, size.y, &windowDC, 0, 0, wxCOPY, false);
    memoryDC.SelectObject(wxNullBitmap);
    return bitmap;
}

void PlotWindow::Render(wxDC& dc, const wxSize& size) {
    scrX = size.x;
    scrY = size.y;
    dc.SetDeviceOrigin(0, 0);
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(GetBackgroundColour()));
    dc.DrawRectangle(0, 0, scrX, scrY);
    dc.SetDeviceOrigin(scrX >> 1, scrY >> 1);
    for (auto& entry : m_layers) {
        entry.second->Draw(dc, *this);
    }
}

void PlotWindow::EnsureBuffer(const wxSize& size) {
    if (size == m_bufferSize) {
        return;
    }
    m_bufferDC.SelectObject(wxNullBitmap);
    m_buffer = wxBitmap(size.x, size.y);
    m_bufferDC.SelectObject(m_buffer);
    m_bufferSize = size;
}

void PlotWindow::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    wxSize size = dc.GetSize();
    if (size.x <= 0 || size.y <= 0) {
        return;
    }
    if (!doubleBuffer) {
        Render(dc, size);
        return;
    }
    EnsureBuffer(size);
    Render(m_bufferDC, size);
    m_bufferDC.SetDeviceOrigin(0, 0);
    dc.SetDeviceOrigin(0, 0);
    dc.Blit(0, 0, scrX, scrY, &m_bufferDC, 0, 0, wxCOPY, false);
}

void PlotWindow::OnSize(wxSizeEvent& event) {
    Redraw();
    event.Skip();
}

void PlotWindow::OnScroll(wxScrollWinEvent& event) {
    int w = 0, h = 0;
    GetClientSize(&w, &h);
    wxEventType type = event.GetEventType();
    bool thumb = type == wxEVT_SCROLLWIN_THUMBTRACK || type == wxEVT_SCROLLWIN_THUMBRELEASE;
    int position = thumb ? event.GetPosition() : GetScrollPos(event.GetOrientation());
    if (event.GetOrientation() == wxHORIZONTAL) {
        centerX = ((w >> 1) + position) / scaleX + minX;
    } else {
        centerY = maxY - ((h >> 1) + position) / scaleY;
    }
    Refresh(false);
    event.Skip();
}

void PlotWindow::OnRightDown(wxMouseEvent& event) {
    rightDragged = false;
    m_rightDragPos = event.GetPosition();
    if (mouseNavigation) {
        SetCursor(wxCursor(wxCURSOR_SIZING));
    }
}

void PlotWindow::OnButtonUp(wxMouseEvent& event) {
    if (mouseNavigation) {
        SetCursor(*wxSTANDARD_CURSOR);
    }
    // Only the right button pans, so only a right drag holds the menu back.
    bool dragged = event.GetEventType() == wxEVT_RIGHT_UP && rightDragged;
    if (!dragged) {
        m_clickPos = event.GetPosition();
        ShowPopupMenu(m_clickPos);
    }
}

void PlotWindow::ShowPopupMenu(const wxPoint& at) {
    PopupMenu(m_popup.get(), at);
}

void PlotWindow::OnLeftDown(wxMouseEvent& event) {
    leftX = event.GetX();
    leftY = event.GetY();
    if (measurePrimary) {
        Redraw();
    }
    if (measureSecondary) {
        Redraw();
    }
    event.Skip();
}

void PlotWindow::OnLeftUp(wxMouseEvent&) {}

void PlotWindow::OnMotion(wxMouseEvent& event) {
    if (!mouseNavigation) {
        event.Skip();
        return;
    }
    wxPoint at = event.GetPosition();
    if (event.RightIsDown() && at != m_rightDragPos) {
        rightDragged = true;
        centerX += ViaFloat((m_rightDragPos.x - at.x) / scaleX);
        centerY += ViaFloat((at.y - m_rightDragPos.y) / scaleY);
        centerY2 -= (m_rightDragPos.y - at.y) / scaleY2;
        m_rightDragPos = at;
        Redraw();
    }
    if (event.LeftIsDown()) {
        dragDX = leftX - at.x;
        dragDY = leftY - at.y;
        leftX = at.x;
        leftY = at.y;
        ++dragStep;
        Redraw();
    }
}

void PlotWindow::OnWheel(wxMouseEvent& event) {
    if (!mouseNavigation) {
        event.Skip();
        return;
    }
    int rotation = event.GetWheelRotation();
    if (event.ControlDown()) {
        if (rotation > 0) {
            ZoomIn();
        } else {
            ZoomOut();
        }
        return;
    }
    double shift = -rotation;
    if (event.ShiftDown()) {
        centerX += ViaFloat(shift / scaleX);
    } else {
        centerY -= ViaFloat(shift / scaleY);
    }
    Redraw();
}

void PlotWindow::OnFit(wxCommandEvent&) {
    Fit();
}

void PlotWindow::OnZoomIn(wxCommandEvent&) {
    MoveCenterToClick();
    ZoomIn();
}

void PlotWindow::OnZoomOut(wxCommandEvent&) {
    ZoomOut();
}

void PlotWindow::OnCenter(wxCommandEvent&) {
    CenterOnClick();
}

void PlotWindow::OnLockAspect(wxCommandEvent&) {
    SetLockAspect(!lockAspect);
}

void PlotWindow::OnHelp(wxCommandEvent&) {
    wxMessageBox(Translated(kHelpText), Translated("Ajutor subiect"), wxOK, this);
}
