#include "plot/MyPrintout.h"
#include "plot/PlotTestFixture.h"
#include "plot/PlotVectorSeries.h"

#include "support/GuiTestSupport.h"

#include <gtest/gtest.h>
#include <wx/dcmemory.h>
#include <wx/print.h>

#include <string>
#include <vector>

namespace {

// The rightmost inked column of a band of rows, or -1.
int RightmostInk(const wxImage& image, int top, int bottom, int right) {
    for (int x = right - 1; x >= 0; --x) {
        for (int y = top; y < bottom; ++y) {
            if (IsInked(image, x, y)) {
                return x;
            }
        }
    }
    return -1;
}

class PlotPrintout : public PlotFixture {
protected:
    // An 800 × 400 plot, one data unit is 10 pixels, data (0, 0) at the plot centre.
    void SetUp() override {
        PlotFixture::SetUp();
        plot->centerX = 0;
        plot->centerY = 0;
        plot->scaleX = 10;
        plot->scaleY = 10;
        plot->scaleY2 = 10;
        plot->centerY2 = 0;
        flow.SetContinuous(true);
        flow.SetPen(wxPen(*wxBLACK, 2));
        // A horizontal stroke at y = 10 from x = -20 to 20, then down to y = -10.
        flow.SetData({-20, 20, 20}, {10, 10, -10}, 0);
    }
    // Called after the layers are appended: appending asks for a repaint, which would
    // size the plot to its window if it ran.
    void SizePlot() {
        plot->scrX = 800;
        plot->scrY = 400;
    }

    // Draws the printout's page into a white bitmap; through OnPrintPage when metrics are
    // given (the printer context path), else through DrawPage.
    wxImage PrintPage(MyPrintout& printout, int width, int height, bool* drawn,
                      bool asPrinter = false) {
        wxBitmap page(width, height);
        {
            wxMemoryDC dc(page);
            dc.SetBackground(*wxWHITE_BRUSH);
            dc.Clear();
            if (asPrinter) {
                printout.SetDC(&dc);
                *drawn = printout.OnPrintPage(1);
                printout.SetDC(nullptr);
            } else {
                *drawn = printout.DrawPage(dc, wxSize(width, height));
            }
        }
        return page.ConvertToImage();
    }

    PlotVectorSeries flow;
};

TEST_F(PlotPrintout, PlotFillsThePageWidthAtScaleSixAboutThePageCentre) {
    plot->AppendLayer(&flow);
    SizePlot();
    MyPrintout printout("Tiparire ", plot);
    bool drawn = false;
    wxImage page = PrintPage(printout, 4800, 6000, &drawn);
    ASSERT_TRUE(drawn);
    // Page centre (2400, 3000); data (x, y) is at (2400 + 60x, 3000 - 60y).
    EXPECT_TRUE(IsInked(page, 1210, 2400));
    EXPECT_TRUE(IsInked(page, 2400, 2400));
    EXPECT_TRUE(IsInked(page, 3590, 2400));
    EXPECT_TRUE(IsInked(page, 3600, 3000));
    EXPECT_TRUE(IsInked(page, 3600, 3590));
    EXPECT_FALSE(IsInked(page, 1150, 2400)); // before the first sample
    EXPECT_FALSE(IsInked(page, 2400, 3000)); // the centre is empty
    EXPECT_FALSE(IsInked(page, 2400, 2900)); // where an unscaled plot would have drawn
    EXPECT_FALSE(IsInked(page, 3600, 3700)); // below the last sample
    // The key stroke sits at (55 - 400 .. 75 - 400, 22 - 200) in plot pixels.
    EXPECT_TRUE(AnyInked(page, 385, 1926, 10, 12));
    EXPECT_FALSE(AnyInked(page, 0, 1400, 300, 400));
    // The header, at screen size, in the top-left corner.
    EXPECT_TRUE(AnyInked(page, 10, 10, 300, 20));
    EXPECT_FALSE(AnyInked(page, 0, 0, 600, 10));
    // Printing leaves the plot's own sizes alone.
    EXPECT_EQ(plot->scrX, 800);
    EXPECT_EQ(plot->scrY, 400);
}

TEST_F(PlotPrintout, LayersDrawOnceEachInAscendingKeyOrder) {
    std::vector<int> log;
    OrderLayer first(log, 0), second(log, 1), third(log, 2);
    plot->AppendLayer(&first);
    plot->AppendLayer(&second);
    plot->AppendLayer(&third);
    SizePlot();
    MyPrintout printout("Tiparire ", plot);
    bool drawn = false;
    PrintPage(printout, 400, 500, &drawn);
    EXPECT_TRUE(drawn);
    EXPECT_EQ(log, (std::vector<int>{0, 1, 2}));
}

TEST_F(PlotPrintout, HeaderOnThePrinterIsMappedFromScreenSize) {
    plot->AppendLayer(&flow);
    SizePlot();
    bool drawn = false;
    MyPrintout onBitmap("Tiparire ", plot);
    wxImage plain = PrintPage(onBitmap, 800, 1000, &drawn);
    ASSERT_TRUE(drawn);
    int plainRight = RightmostInk(plain, 0, 60, 800);

    // A printer of twice the screen's resolution: the header is twice as large.
    MyPrintout onPrinter("Tiparire ", plot);
    onPrinter.SetPPIScreen(96, 96);
    onPrinter.SetPPIPrinter(192, 192);
    onPrinter.SetPageSizePixels(800, 1000);
    wxImage printed = PrintPage(onPrinter, 800, 1000, &drawn, true);
    ASSERT_TRUE(drawn);
    EXPECT_FALSE(AnyInked(printed, 0, 0, 800, 20));
    EXPECT_TRUE(AnyInked(printed, 20, 20, 300, 30));
    int printedRight = RightmostInk(printed, 0, 80, 800);
    ASSERT_GT(plainRight, 10);
    EXPECT_NEAR(printedRight - 20, 2 * (plainRight - 10), 24);
    // The plot itself is scaled by the page width alone.
    EXPECT_TRUE(IsInked(printed, 400, 400));
    EXPECT_TRUE(IsInked(printed, 600, 500));
}

TEST_F(PlotPrintout, PrinterContextWithoutMetricsStillGivesAReadableHeader) {
    plot->AppendLayer(&flow);
    SizePlot();
    MyPrintout printout("Tiparire ", plot);
    bool drawn = false;
    wxImage page = PrintPage(printout, 800, 1000, &drawn, true);
    ASSERT_TRUE(drawn);
    EXPECT_TRUE(AnyInked(page, 10, 10, 300, 20));
    EXPECT_FALSE(AnyInked(page, 0, 0, 800, 10));
}

TEST_F(PlotPrintout, NothingToPrintReportsFailure) {
    bool drawn = true;
    MyPrintout noPlot("Tiparire ", nullptr);
    wxImage page = PrintPage(noPlot, 400, 500, &drawn);
    EXPECT_FALSE(drawn);
    EXPECT_FALSE(AnyInked(page, 0, 0, 400, 500));

    plot->AppendLayer(&flow);
    plot->scrX = 0;
    MyPrintout neverSized("Tiparire ", plot);
    PrintPage(neverSized, 400, 500, &drawn);
    EXPECT_FALSE(drawn);

    MyPrintout noContext("Tiparire ", plot);
    EXPECT_FALSE(noContext.OnPrintPage(1));
}

TEST(PlotPrintoutPages, EveryJobHasExactlyOnePage) {
    MyPrintout printout("Primul", nullptr);
    EXPECT_EQ(printout.GetTitle(), "Primul");
    int minPage = 0, maxPage = 0, pageFrom = 0, pageTo = 0;
    printout.GetPageInfo(&minPage, &maxPage, &pageFrom, &pageTo);
    EXPECT_EQ(minPage, 1);
    EXPECT_EQ(maxPage, 1);
    EXPECT_EQ(pageFrom, 1);
    EXPECT_EQ(pageTo, 1);
    for (auto [page, exists] : {std::pair<int, bool>{0, false}, {1, true}, {2, true}, {3, false}}) {
        EXPECT_EQ(printout.HasPage(page), exists) << page;
    }
}

} // namespace

namespace {

// Notes how the context was set up when the layers drew.
class ProbeLayer : public PlotLayer {
public:
    bool HasBoundingBox() override { return false; }
    void Draw(wxDC& dc, PlotWindow&) override {
        ++draws;
        dc.GetUserScale(&scaleX, &scaleY);
        origin = dc.GetDeviceOrigin();
        size = dc.GetSize();
    }
    int draws = 0;
    double scaleX = 0, scaleY = 0;
    wxPoint origin;
    wxSize size;
};

// The toolkit's own preview drives the printout: one page, the plot fills its width about
// its centre.
TEST_F(PlotPrintout, PreviewOfAnA4PageDrawsThePlotAcrossThePageWidth) {
    // Hidden, so that only the preview draws the layers and the plot keeps its sizes.
    frame->Hide();
    PumpEvents(20);
    ProbeLayer probe;
    plot->AppendLayer(&probe);
    SizePlot();
    wxPrintData printData;
    printData.SetPaperId(wxPAPER_A4);
    wxPrintDialogData dialogData(printData);
    auto* preview = new wxPrintPreview(new MyPrintout("Primul", plot),
                                       new MyPrintout("Al doilea", plot), &dialogData);
    if (!preview->IsOk()) {
        delete preview;
        GTEST_SKIP() << "no print preview on this machine";
    }
    EXPECT_EQ(preview->GetMinPage(), 1);
    EXPECT_EQ(preview->GetMaxPage(), 1);
    auto* window = new wxPreviewFrame(preview, frame, "Tiparire previzualizare", wxPoint(100, 100),
                                      wxSize(600, 650));
    window->Initialize();
    window->Show();
    ASSERT_TRUE(WaitFor([&] { return probe.draws > 0; }));
    window->Close(true);
    PumpEvents(20);
    ASSERT_GT(probe.size.x, 0);
    EXPECT_FLOAT_EQ(probe.scaleX, static_cast<float>(probe.size.x) / 800.0f);
    EXPECT_FLOAT_EQ(probe.scaleY, static_cast<float>(probe.size.x) / 800.0f);
    EXPECT_EQ(probe.origin, wxPoint(probe.size.x / 2, probe.size.y / 2));
    EXPECT_GT(probe.size.y, probe.size.x); // a portrait A4 page
}

} // namespace
