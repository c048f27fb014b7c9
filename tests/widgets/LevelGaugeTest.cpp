#include "widgets/LevelGauge.h"

#include "support/GuiTestSupport.h"

#include <gtest/gtest.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>

namespace {

const wxColour kBackground(236, 233, 216);
const wxColour kOrange(240, 160, 0);

class LevelGaugeTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_frame = new wxFrame(nullptr, wxID_ANY, "gauge");
        m_gauge = new LevelGauge(m_frame, wxID_ANY, 700, wxDefaultPosition, wxSize(102, 20));
        m_gauge->SetBarColour(kOrange);
    }
    void TearDown() override { delete m_frame; }

    wxBitmap Painted(const wxSize& size) {
        wxBitmap bitmap(size.x, size.y, 24);
        wxMemoryDC dc(bitmap);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        m_gauge->Paint(dc, size);
        dc.SelectObject(wxNullBitmap);
        return bitmap;
    }

    wxFrame* m_frame = nullptr;
    LevelGauge* m_gauge = nullptr;
};

TEST_F(LevelGaugeTest, BarFillsItsShareOfTheWidthOnTheBackground) {
    struct {
        int value;
        int barWidth; // of the 100 pixels inside the frame
    } cases[] = {{0, 0}, {350, 50}, {351, 50}, {700, 100}, {900, 100}, {-3, 0}};
    for (const auto& c : cases) {
        m_gauge->SetValue(c.value);
        EXPECT_EQ(m_gauge->GetValue(), std::clamp(c.value, 0, 700));
        const wxBitmap bitmap = Painted(wxSize(102, 20));
        for (int y : {1, 10, 18}) {
            if (c.barWidth > 0) {
                EXPECT_EQ(PixelAt(bitmap, 1, y), kOrange) << c.value;
                EXPECT_EQ(PixelAt(bitmap, c.barWidth, y), kOrange) << c.value;
            }
            if (c.barWidth < 100) {
                EXPECT_EQ(PixelAt(bitmap, c.barWidth + 1, y), kBackground) << c.value;
                EXPECT_EQ(PixelAt(bitmap, 100, y), kBackground) << c.value;
            }
        }
    }
}

TEST_F(LevelGaugeTest, ColoursChangeWithoutChangingTheValue) {
    m_gauge->SetValue(700);
    m_gauge->SetBarColour(wxColour(255, 0, 0));
    m_gauge->SetBackgroundColour(wxColour(10, 20, 30));
    m_gauge->SetValue(0);
    m_gauge->SetValue(350);
    const wxBitmap bitmap = Painted(wxSize(102, 20));
    EXPECT_EQ(PixelAt(bitmap, 10, 10), wxColour(255, 0, 0));
    EXPECT_EQ(PixelAt(bitmap, 90, 10), wxColour(10, 20, 30));
}

TEST_F(LevelGaugeTest, KeepsItsGivenHeightInASizer) {
    EXPECT_EQ(m_gauge->GetMinSize().y, 20);
    EXPECT_EQ(m_gauge->GetBestSize().y, 20);
}

} // namespace
