#include "plot/PlotEvents.h"
#include "plot/PlotReadoutBox.h"
#include "plot/PlotSecondaryVectorSeries.h"
#include "plot/PlotTestFixture.h"
#include "plot/PlotTextBox.h"
#include "plot/PlotVectorSeries.h"

#include <gtest/gtest.h>

namespace {

struct ValueCase {
    double value;
    const char* text;
};

TEST(PlotReadoutFormat, SmallValuesKeepTwoDecimalsLargeOnesNone) {
    const ValueCase cases[] = {{12.345, " 12.35 "}, {45.6, " 46 "}, {150.2, " 150 "},
                               {29.999, " 30.00 "}, {30.0, " 30 "}, {-3.0, " -3.00 "}};
    for (const ValueCase& c : cases) {
        EXPECT_EQ(PlotReadoutBox::FormatValue(c.value), c.text) << c.value;
    }
}

class InfoBoxes : public PlotFixture {
protected:
    void SetUp() override {
        PlotFixture::SetUp();
        frame->Bind(EVT_PLOT_TEXTBOX, [this](wxCommandEvent& event) {
            ++textBoxEvents;
            EXPECT_EQ(event.GetEventObject(), &textBox);
        });
        plot->centerX = 0;
        plot->centerY = 0;
        plot->scaleX = 10;
        plot->scaleY = 10;
        wxBitmap probe(10, 10);
        wxMemoryDC dc(probe);
        dc.SetFont(font);
        dc.GetTextExtent("a", &aWidth, &lineHeight);
        dc.GetTextExtent("bb", &bbWidth, &lineHeight);
    }
    // Measures a series at data x = 1 so that its mark holds (y[1], z[1]).
    void MeasureAtOne() {
        plot->measurePrimary = true;
        plot->measureSecondary = true;
        plot->leftX = 400 + 10;
        plot->leftY = 0;
        Paint();
        plot->measurePrimary = false;
        plot->measureSecondary = false;
    }

    wxFont font{12, wxFONTFAMILY_SWISS, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_BOLD};
    wxCoord aWidth = 0, bbWidth = 0, lineHeight = 0;
    PlotTextBox textBox{200, 20, 40, 40, *wxTRANSPARENT_BRUSH};
    PlotReadoutBox readout{200, 20, 40, 40, *wxTRANSPARENT_BRUSH};
    int textBoxEvents = 0;
};

TEST_F(InfoBoxes, ReadoutListsValueAndPositiveExtraOfMarkedSeries) {
    PlotVectorSeries flow;
    flow.SetData3({0, 1}, {1, 12.345f}, {0, 150.2f}, 0);
    flow.SetValuePrefix("Flux");
    flow.SetValueSuffix("l/min ");
    flow.SetExtraPrefix("Volum");
    flow.SetExtraSuffix("Litri");
    PlotSecondaryVectorSeries pressure;
    pressure.SetData2({0, 1}, {1, 2});
    readout.SetFont(font);
    plot->AppendLayer(&flow);
    plot->AppendLayer(&pressure);
    plot->AppendLayer(&readout);
    MeasureAtOne();
    wxImage image = Paint();
    // Three lines: flow, its volume, pressure (no second line for its extra of -1).
    EXPECT_EQ(readout.GetRect().GetHeight(), 3 * lineHeight + 5 + 5);
    wxBitmap probe(10, 10);
    wxMemoryDC dc(probe);
    dc.SetFont(font);
    int width = 20;
    for (const char* line : {"Flux 12.35 l/min ", "Volum 150 Litri", " 2.00 "}) {
        wxCoord tw = 0, th = 0;
        dc.GetTextExtent(line, &tw, &th);
        width = tw + 20 >= width ? tw + 25 : width; // the box widens only for a longer line
    }
    EXPECT_EQ(readout.GetRect().GetWidth(), width);
    // The box starts at the plot centre, filled light grey.
    EXPECT_EQ(wxColour(image.GetRed(402, 202), image.GetGreen(402, 202), image.GetBlue(402, 202)),
              *wxLIGHT_GREY);
}

TEST_F(InfoBoxes, ReadoutWithoutMarksDrawsNothing) {
    PlotVectorSeries flow;
    flow.SetData({0, 1}, {1, 2}, 0);
    plot->AppendLayer(&flow);
    plot->AppendLayer(&readout);
    wxImage image = Paint();
    EXPECT_FALSE(AnyInked(image, 398, 198, 30, 15)); // where the box would start
    EXPECT_EQ(readout.GetRect().GetHeight(), 40);
}

TEST_F(InfoBoxes, TextBoxOfTwoLinesIsTheWidestLinePlusTen) {
    textBox.SetFont(font);
    textBox.SetText("a\nbb");
    textBox.SetTextBoxPosition(*plot, 0, 0);
    plot->AppendLayer(&textBox);
    plot->scrX = 800;
    wxImage image = Paint();
    EXPECT_EQ(textBox.GetRect().GetWidth(), bbWidth + 10);
    EXPECT_EQ(textBox.GetRect().GetHeight(), 2 * lineHeight + 10);
    EXPECT_EQ(textBoxEvents, 1);
    // Border at the box's top-left; text from 5 pixels inside; second line below the first.
    EXPECT_TRUE(IsInked(image, 400, 200));
    EXPECT_FALSE(AnyInked(image, 401, 201, 3, 3));
    EXPECT_TRUE(AnyInked(image, 405, 205, aWidth, lineHeight));
    EXPECT_TRUE(AnyInked(image, 405 + aWidth, 205 + lineHeight, bbWidth - aWidth, lineHeight));
    EXPECT_FALSE(AnyInked(image, 405 + aWidth + 1, 205, bbWidth - aWidth - 1, lineHeight - 1));
}

TEST_F(InfoBoxes, EmptyTextBoxIsNotDrawnNorReported) {
    plot->AppendLayer(&textBox);
    wxImage image = Paint();
    EXPECT_EQ(textBoxEvents, 0);
    EXPECT_FALSE(AnyInked(image, 0, 0, 800, 400));
}

TEST_F(InfoBoxes, TextBoxPositionIsClampedToThePlot) {
    Paint(800, 400);
    textBox.SetTextBoxPosition(*plot, 5000, -300);
    EXPECT_EQ(textBox.GetTextBoxX(), 400);
    EXPECT_EQ(textBox.GetTextBoxY(), -200);
    textBox.SetTextBoxPosition(*plot, -20, 30);
    EXPECT_EQ(textBox.GetTextBoxX(), -20);
    EXPECT_EQ(textBox.GetTextBoxY(), 30);
}

TEST_F(InfoBoxes, BoxFollowsADoubledPlotWidth) {
    textBox.SetText("nota");
    plot->AppendLayer(&textBox);
    Paint(400, 400);
    textBox.SetTextBoxPosition(*plot, 60, -30);
    Paint(400, 400);
    Paint(800, 400);
    EXPECT_EQ(textBox.GetTextBoxX(), 120);
    EXPECT_EQ(textBox.GetTextBoxY(), -30);
    Paint(800, 200);
    EXPECT_EQ(textBox.GetTextBoxY(), -15);
}

TEST_F(InfoBoxes, LeftDragStepMovesTheBoxOnceNotOnEveryPaint) {
    textBox.SetText("nota");
    plot->AppendLayer(&textBox);
    wxSize client = plot->GetClientSize();
    wxBitmap bitmap(client.x, client.y);
    wxMemoryDC dc(bitmap);
    plot->Render(dc, client); // sizes as the window paints
    textBox.SetTextBoxPosition(*plot, 10, 10);
    plot->Render(dc, client);
    int cx = client.x / 2, cy = client.y / 2;
    SendMouse(wxEVT_LEFT_DOWN, cx + 15, cy + 15, true);
    SendMouse(wxEVT_MOTION, cx + 25, cy + 20, true);
    plot->Render(dc, client);
    EXPECT_EQ(textBox.GetTextBoxX(), 20);
    EXPECT_EQ(textBox.GetTextBoxY(), 15);
    plot->Render(dc, client);
    plot->Render(dc, client);
    EXPECT_EQ(textBox.GetTextBoxX(), 20);
    EXPECT_EQ(textBox.GetTextBoxY(), 15);
    EXPECT_DOUBLE_EQ(plot->textBoxPosX, 20);
    SendMouse(wxEVT_MOTION, cx + 20, cy + 25, true);
    plot->Render(dc, client);
    EXPECT_EQ(textBox.GetTextBoxX(), 15);
    EXPECT_EQ(textBox.GetTextBoxY(), 20);
}

TEST_F(InfoBoxes, DragOutsideTheBoxLeavesItAlone) {
    textBox.SetText("nota");
    plot->AppendLayer(&textBox);
    Paint(800, 400);
    textBox.SetTextBoxPosition(*plot, 10, 10);
    SendMouse(wxEVT_LEFT_DOWN, 100, 100, true);
    SendMouse(wxEVT_MOTION, 110, 110, true);
    Paint(800, 400);
    EXPECT_EQ(textBox.GetTextBoxX(), 10);
    EXPECT_EQ(textBox.GetTextBoxY(), 10);
}

} // namespace
