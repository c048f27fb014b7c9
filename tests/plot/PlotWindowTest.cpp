#include "plot/PlotWindow.h"
#include "plot/PlotEvents.h"
#include "plot/PlotSecondaryVectorSeries.h"
#include "plot/PlotTestFixture.h"
#include "plot/PlotTextBox.h"
#include "plot/PlotTimeAxis.h"
#include "plot/PlotVectorSeries.h"

#include "support/GuiTestSupport.h"

#include <gtest/gtest.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/testing.h>

#include <cmath>

namespace {

// Answers a message box with OK and keeps its caption and text.
class ExpectMessage : public wxExpectModalBase<wxMessageDialog, ExpectMessage> {
public:
    ExpectMessage(wxString* caption, wxString* message) : m_caption(caption), m_message(message) {}

protected:
    int OnInvoked(wxMessageDialog* dialog) const override {
        *m_caption = dialog->GetTitle();
        *m_message = dialog->GetMessage();
        return wxID_OK;
    }

private:
    wxString* m_caption;
    wxString* m_message;
};

class PlotNavigation : public PlotFixture {
protected:
    void SetUp() override {
        PlotFixture::SetUp();
        flow.SetData({0, 10, 20, 30, 40}, {0, 10, 40, 20, 5}, 0); // bounds -0.5..40.5 twice
        pressure.SetData2({0, 40}, {1, 3});                       // y bounds 0.5..3.5
        client = plot->GetClientSize();
    }
    void AddFlowAndPressure() {
        plot->AppendLayer(&axis);
        plot->AppendLayer(&flow);
        plot->AppendLayer(&pressure);
    }
    // Scales that fill the client area as it is now (scrollbars may have come or gone).
    double FittedScaleX() const { return (plot->GetClientSize().x - 100) / 41.0; }
    double FittedScaleY() const {
        return (plot->GetClientSize().y - 2 * plot->bottomMargin) / 41.0;
    }

    PlotTimeAxis axis{"Timp", 2, true, false};
    PlotVectorSeries flow;
    PlotSecondaryVectorSeries pressure;
    wxSize client;
};

TEST_F(PlotNavigation, LayersAreKeyedInOrderAndDrawnInOrder) {
    std::vector<int> log;
    OrderLayer a(log, 1), b(log, 2), c(log, 3);
    EXPECT_FALSE(plot->AppendLayer(nullptr));
    EXPECT_TRUE(plot->AppendLayer(&a));
    EXPECT_TRUE(plot->AppendLayer(&b));
    EXPECT_TRUE(plot->AppendLayer(&c));
    EXPECT_EQ(plot->LayerAt(0), &a);
    EXPECT_EQ(plot->LayerAt(2), &c);
    EXPECT_EQ(plot->LayerAt(3), nullptr);
    EXPECT_EQ(plot->LayerAt(-1), nullptr);
    Paint();
    EXPECT_EQ(log, (std::vector<int>{1, 2, 3}));
    EXPECT_TRUE(plot->RemoveLayer(7));
    EXPECT_TRUE(plot->RemoveLayer(1));
    EXPECT_EQ(plot->LayerAt(1), nullptr);
    EXPECT_FALSE(plot->HasSecondarySeries());
}

TEST_F(PlotNavigation, BoundsTakeTheFirstBoxAndTheLastLaterOneAsSecondary) {
    plot->AppendLayer(&axis);
    plot->AppendLayer(&flow);
    ASSERT_TRUE(plot->ComputeBounds());
    EXPECT_DOUBLE_EQ(plot->minX, -0.5);
    EXPECT_DOUBLE_EQ(plot->maxY, 40.5);
    EXPECT_DOUBLE_EQ(plot->minY2, 0.0); // one box only: the secondary range keeps its value
    EXPECT_DOUBLE_EQ(plot->maxY2, 0.0);
    plot->AppendLayer(&pressure);
    ASSERT_TRUE(plot->ComputeBounds());
    EXPECT_DOUBLE_EQ(plot->minY2, 0.5);
    EXPECT_DOUBLE_EQ(plot->maxY2, 3.5);
    EXPECT_TRUE(plot->HasSecondarySeries());
}

TEST_F(PlotNavigation, FitLeavesFiftyPixelsEachSideAndTheMarginsAboveAndBelow) {
    AddFlowAndPressure();
    plot->Fit();
    EXPECT_DOUBLE_EQ(plot->scaleX, FittedScaleX());
    EXPECT_DOUBLE_EQ(plot->scaleY, FittedScaleY());
    EXPECT_DOUBLE_EQ(plot->scaleY2, (client.y - 2 * plot->bottomMargin) / 3.0);
    EXPECT_DOUBLE_EQ(plot->centerX, 20.0);
    EXPECT_DOUBLE_EQ(plot->centerY, 20.0);
    EXPECT_DOUBLE_EQ(plot->centerY2, 2.0);
    plot->scrX = client.x;
    EXPECT_NEAR(plot->DeviceX(plot->minX), 50 - client.x / 2.0, 1.0);
    EXPECT_NEAR(plot->DeviceY(plot->maxY), plot->bottomMargin - client.y / 2.0, 1.0);
}

TEST_F(PlotNavigation, FitWithoutSecondaryRangeKeepsTheSecondaryScaleFinite) {
    plot->AppendLayer(&axis);
    plot->AppendLayer(&flow);
    plot->Fit();
    EXPECT_DOUBLE_EQ(plot->scaleY2, 1.0);
    EXPECT_DOUBLE_EQ(plot->centerY2, 0.0);
    EXPECT_TRUE(std::isfinite(plot->scaleY2));
}

TEST_F(PlotNavigation, FitWithNothingToShowChangesNothing) {
    plot->AppendLayer(&axis);
    plot->Fit();
    EXPECT_DOUBLE_EQ(plot->scaleX, 1.0);
    EXPECT_DOUBLE_EQ(plot->centerX, 150.0);
}

TEST_F(PlotNavigation, FiveZoomsInScaleBothPrimaryScalesAndAFitRestoresThem) {
    AddFlowAndPressure();
    plot->Fit();
    double scaleY2 = plot->scaleY2;
    double centerX = plot->centerX;
    double fittedX = plot->scaleX, fittedY = plot->scaleY;
    for (int i = 0; i < 5; ++i) {
        plot->ZoomIn();
    }
    EXPECT_NEAR(plot->scaleX, fittedX * 1.61051, 1e-9);
    EXPECT_NEAR(plot->scaleY, fittedY * 1.61051, 1e-9);
    EXPECT_DOUBLE_EQ(plot->scaleY2, scaleY2);
    EXPECT_DOUBLE_EQ(plot->centerX, centerX);
    plot->ZoomOut();
    EXPECT_NEAR(plot->scaleX, fittedX * 1.4641, 1e-9);
    plot->Fit();
    EXPECT_DOUBLE_EQ(plot->scaleX, FittedScaleX());
    EXPECT_DOUBLE_EQ(plot->scaleY, FittedScaleY());
}

TEST_F(PlotNavigation, LockedAspectUsesTheMeanOfBothScales) {
    AddFlowAndPressure();
    plot->Fit();
    double mean = (plot->scaleX + plot->scaleY) * 0.5;
    plot->SetLockAspect(true);
    EXPECT_DOUBLE_EQ(plot->scaleX, mean);
    EXPECT_DOUBLE_EQ(plot->scaleY, mean);
    wxCommandEvent toggle(wxEVT_MENU, PlotWindow::ID_LOCK_ASPECT);
    plot->GetEventHandler()->ProcessEvent(toggle);
    EXPECT_FALSE(plot->lockAspect);
}

TEST_F(PlotNavigation, RightClickWithoutMotionOpensThePopupAtTheReleasePoint) {
    SendMouse(wxEVT_RIGHT_DOWN, 120, 80, false, true);
    SendMouse(wxEVT_RIGHT_UP, 120, 80);
    ASSERT_EQ(plot->popups.size(), 1u);
    EXPECT_EQ(plot->popups[0], wxPoint(120, 80));
    EXPECT_FALSE(plot->rightDragged);
}

TEST_F(PlotNavigation, RightDragPansAndNeverOpensThePopup) {
    AddFlowAndPressure();
    plot->Fit();
    double centerX = plot->centerX, centerY = plot->centerY, centerY2 = plot->centerY2;
    SendMouse(wxEVT_RIGHT_DOWN, 100, 100, false, true);
    SendMouse(wxEVT_MOTION, 130, 90, false, true);
    SendMouse(wxEVT_RIGHT_UP, 130, 90);
    EXPECT_TRUE(plot->popups.empty());
    EXPECT_TRUE(plot->rightDragged);
    auto viaFloat = [](double v) { return static_cast<double>(static_cast<float>(v)); };
    EXPECT_DOUBLE_EQ(plot->centerX, centerX + viaFloat(-30 / plot->scaleX));
    EXPECT_DOUBLE_EQ(plot->centerY, centerY + viaFloat(-10 / plot->scaleY));
    EXPECT_DOUBLE_EQ(plot->centerY2, centerY2 - 10 / plot->scaleY2);
}

TEST_F(PlotNavigation, MiddleReleaseOpensThePopupToo) {
    SendMouse(wxEVT_RIGHT_DOWN, 100, 100, false, true);
    SendMouse(wxEVT_MOTION, 130, 90, false, true);
    SendMouse(wxEVT_RIGHT_UP, 130, 90);
    SendMouse(wxEVT_MIDDLE_UP, 50, 60);
    ASSERT_EQ(plot->popups.size(), 1u);
    EXPECT_EQ(plot->popups[0], wxPoint(50, 60));
}

TEST_F(PlotNavigation, PopupListsItsFourEntriesInOrderWithTheirTexts) {
    const wxMenu& menu = plot->GetPopupMenu();
    ASSERT_EQ(menu.GetMenuItemCount(), 4u);
    struct Entry {
        int id;
        const char* label;
        const char* help;
    } expected[] = {
        {2003, "Centru", "Centreaza imaginea subiectului in aceasta  pozitie"},
        {2000, "Potrivire", "Setare vizualizare pentru toate elementele"},
        {2001, "Marire", "Mareste  în Imaginea subiectului "},
        {2002, "Micsorare", "Micsorare în Imaginea subiectului "},
    };
    for (size_t i = 0; i < 4; ++i) {
        const wxMenuItem* item = menu.FindItemByPosition(i);
        EXPECT_EQ(item->GetId(), expected[i].id);
        EXPECT_EQ(item->GetItemLabel(), expected[i].label);
        EXPECT_EQ(item->GetHelp(), wxString::FromUTF8(expected[i].help));
    }
}

TEST_F(PlotNavigation, ZoomInEntryCentresOnTheClickThenZooms) {
    AddFlowAndPressure();
    plot->Fit();
    double scaleX = plot->scaleX, scaleY = plot->scaleY;
    double centerX = plot->centerX, centerY = plot->centerY;
    int cx = client.x / 2 + 40, cy = client.y / 2 - 20;
    SendMouse(wxEVT_RIGHT_DOWN, cx, cy, false, true);
    SendMouse(wxEVT_RIGHT_UP, cx, cy);
    wxCommandEvent zoom(wxEVT_MENU, PlotWindow::ID_ZOOM_IN);
    plot->GetEventHandler()->ProcessEvent(zoom);
    EXPECT_DOUBLE_EQ(plot->centerX, centerX + 40 / scaleX);
    EXPECT_DOUBLE_EQ(plot->centerY, centerY + 20 / scaleY);
    EXPECT_DOUBLE_EQ(plot->scaleX, scaleX * 1.1);
    wxCommandEvent zoomOut(wxEVT_MENU, PlotWindow::ID_ZOOM_OUT);
    plot->GetEventHandler()->ProcessEvent(zoomOut);
    EXPECT_DOUBLE_EQ(plot->centerX, centerX + 40 / scaleX);
    EXPECT_NEAR(plot->scaleX, scaleX, 1e-12);
    wxCommandEvent center(wxEVT_MENU, PlotWindow::ID_CENTER);
    plot->GetEventHandler()->ProcessEvent(center);
    EXPECT_NEAR(plot->centerX, centerX + 80 / scaleX, 1e-9);
}

TEST_F(PlotNavigation, HelpEntryShowsTheMouseCommands) {
    wxString expected = "Comenzi mouse acceptate: \n        - Miscare mouse +CTRL: Pan (Miscare)\n"
                        "        - Rotita mouse: Derulare verticala\n"
                        "        - Rotita mouse +SHIFT: Derulare orizontala\n"
                        "        - Rotita mouse +CTRL: Marire/Micsorare";
    wxString caption, message;
    wxCommandEvent help(wxEVT_MENU, PlotWindow::ID_HELP);
    wxTEST_DIALOG(plot->GetEventHandler()->ProcessEvent(help), ExpectMessage(&caption, &message));
    EXPECT_EQ(caption, "Ajutor subiect");
    EXPECT_EQ(message, expected);
}

TEST_F(PlotNavigation, WheelZoomsWithControlAndScrollsOtherwise) {
    AddFlowAndPressure();
    plot->Fit();
    double scaleX = plot->scaleX, scaleY = plot->scaleY;
    double centerX = plot->centerX, centerY = plot->centerY;
    SendWheel(0, true); // no rotation with Ctrl: zoom out
    EXPECT_DOUBLE_EQ(plot->scaleX, scaleX / 1.1);
    SendWheel(120, true);
    EXPECT_NEAR(plot->scaleX, scaleX, 1e-12);
    scaleX = plot->scaleX;
    auto viaFloat = [](double v) { return static_cast<double>(static_cast<float>(v)); };
    SendWheel(120, false); // away from the user: the view moves up
    EXPECT_DOUBLE_EQ(plot->centerY, centerY + viaFloat(120 / scaleY));
    SendWheel(120, false, true); // with Shift: the view moves left
    EXPECT_DOUBLE_EQ(plot->centerX, centerX + viaFloat(-120 / scaleX));
}

TEST_F(PlotNavigation, WithoutMouseNavigationMotionAndWheelPassOn) {
    AddFlowAndPressure();
    plot->Fit();
    plot->mouseNavigation = false;
    double centerX = plot->centerX, scaleX = plot->scaleX;
    int skipped = 0;
    plot->Bind(wxEVT_MOTION, [&](wxMouseEvent& e) {
        ++skipped;
        e.Skip();
    });
    SendMouse(wxEVT_RIGHT_DOWN, 100, 100, false, true);
    SendMouse(wxEVT_MOTION, 150, 100, false, true);
    SendWheel(120, true);
    EXPECT_DOUBLE_EQ(plot->centerX, centerX);
    EXPECT_DOUBLE_EQ(plot->scaleX, scaleX);
    EXPECT_EQ(skipped, 1);
}

TEST_F(PlotNavigation, LeftPressAndDragRecordPositionAndStep) {
    SendMouse(wxEVT_LEFT_DOWN, 30, 40, true);
    EXPECT_EQ(plot->leftX, 30);
    EXPECT_EQ(plot->leftY, 40);
    SendMouse(wxEVT_MOTION, 35, 38, true);
    EXPECT_EQ(plot->dragDX, -5);
    EXPECT_EQ(plot->dragDY, 2);
    EXPECT_EQ(plot->leftX, 35);
    EXPECT_EQ(plot->leftY, 38);
}

TEST_F(PlotNavigation, HorizontalScrollbarMovesTheViewCentre) {
    AddFlowAndPressure();
    plot->Fit();
    for (int i = 0; i < 5; ++i) {
        plot->ZoomIn();
    }
    wxScrollWinEvent scroll(wxEVT_SCROLLWIN_THUMBTRACK, 10, wxHORIZONTAL);
    scroll.SetEventObject(plot);
    plot->GetEventHandler()->ProcessEvent(scroll);
    wxSize now = plot->GetClientSize();
    EXPECT_DOUBLE_EQ(plot->centerX, ((now.x >> 1) + 10) / plot->scaleX + plot->minX);
    wxScrollWinEvent vertical(wxEVT_SCROLLWIN_THUMBRELEASE, 20, wxVERTICAL);
    vertical.SetEventObject(plot);
    plot->GetEventHandler()->ProcessEvent(vertical);
    EXPECT_DOUBLE_EQ(plot->centerY, plot->maxY - ((now.y >> 1) + 20) / plot->scaleY);
}

TEST_F(PlotNavigation, PaintingTheWindowDrawsTheLayersAndMeasures) {
    AddFlowAndPressure();
    flow.SetContinuous(true);
    flow.SetPen(wxPen(*wxBLUE, 3));
    plot->Fit();
    int measured = 0;
    frame->Bind(EVT_PLOT_MEASURE, [&](wxCommandEvent&) { ++measured; });
    plot->SetMeasurePrimary(true);
    SendMouse(wxEVT_LEFT_DOWN, client.x / 2, client.y / 2, true);
    plot->Update();
    EXPECT_TRUE(WaitFor([&] { return measured > 0; }));
    EXPECT_EQ(plot->scrX, client.x);
    EXPECT_EQ(plot->scrY, client.y);
    EXPECT_TRUE(flow.IsMarkShown());
    EXPECT_DOUBLE_EQ(flow.GetMarkValue(), 40.0);
    plot->SetMeasurePrimary(false);
    EXPECT_FALSE(plot->measurePrimary);
}

} // namespace

namespace {

int CountPixels(const wxImage& image, const wxColour& colour) {
    int count = 0;
    for (int y = 0; y < image.GetHeight(); ++y) {
        for (int x = 0; x < image.GetWidth(); ++x) {
            count += image.GetRed(x, y) == colour.Red() && image.GetGreen(x, y) == colour.Green() &&
                             image.GetBlue(x, y) == colour.Blue()
                         ? 1
                         : 0;
        }
    }
    return count;
}

TEST_F(PlotNavigation, SnapshotHoldsTheWholeWindowAsShown) {
    AddFlowAndPressure();
    flow.SetContinuous(true);
    flow.SetPen(wxPen(*wxBLUE, 5));
    plot->Fit();
    plot->Update();
    PumpEvents(100);
    wxBitmap shot = plot->Snapshot();
    EXPECT_EQ(shot.GetSize(), plot->GetSize());
    wxImage image = shot.ConvertToImage();
    EXPECT_GT(CountPixels(image, *wxBLUE), 500);
    EXPECT_GT(CountPixels(image, *wxWHITE), image.GetWidth() * image.GetHeight() / 2);
}

} // namespace

namespace {

TEST_F(PlotNavigation, ResizingRepaintsAtTheNewSizeAndTheBoxKeepsItsProportion) {
    PlotTextBox note(200, 20, 40, 40, *wxTRANSPARENT_BRUSH);
    note.SetText("nota");
    int reports = 0;
    frame->Bind(EVT_PLOT_TEXTBOX, [&](wxCommandEvent&) { ++reports; });
    plot->AppendLayer(&note);
    plot->Update();
    ASSERT_TRUE(WaitFor([&] { return reports > 0; }));
    note.SetTextBoxPosition(*plot, 100, 40);
    int width = plot->scrX;
    frame->SetClientSize(frame->GetClientSize().x - 200, frame->GetClientSize().y);
    ASSERT_TRUE(WaitFor([&] { return plot->scrX != width; }));
    EXPECT_EQ(plot->scrX, plot->GetClientSize().x);
    EXPECT_EQ(note.GetTextBoxX(), 100 * plot->scrX / width);
    EXPECT_EQ(note.GetTextBoxY(), 40);
    plot->RemoveLayer(0);
}

} // namespace
