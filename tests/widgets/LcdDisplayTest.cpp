#include "widgets/LcdDisplay.h"
#include "widgets/LcdClock.h"

#include "support/GuiTestSupport.h"

#include <gtest/gtest.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>

#include <cstdlib>

namespace {

const wxColour kLit(60, 80, 200);
const wxColour kBackground(236, 233, 216);

bool Near(const wxColour& a, const wxColour& b) {
    return std::abs(a.Red() - b.Red()) <= 8 && std::abs(a.Green() - b.Green()) <= 8 &&
           std::abs(a.Blue() - b.Blue()) <= 8;
}

class LcdDisplayTest : public ::testing::Test {
protected:
    void SetUp() override { m_frame = new wxFrame(nullptr, wxID_ANY, "lcd"); }
    void TearDown() override { delete m_frame; }

    wxBitmap Painted(const LcdDisplay& display, const wxSize& size) {
        wxBitmap bitmap(size.x, size.y, 24);
        wxMemoryDC dc(bitmap);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        display.Paint(dc, size);
        dc.SelectObject(wxNullBitmap);
        return bitmap;
    }

    // The smallest rectangle holding every lit pixel.
    static wxRect LitArea(const wxBitmap& bitmap) {
        const wxImage image = bitmap.ConvertToImage();
        wxRect area;
        for (int y = 0; y < image.GetHeight(); ++y) {
            for (int x = 0; x < image.GetWidth(); ++x) {
                const wxColour pixel(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
                if (Near(pixel, kLit)) {
                    area = area.IsEmpty() ? wxRect(x, y, 1, 1) : area.Union(wxRect(x, y, 1, 1));
                }
            }
        }
        return area;
    }

    wxFrame* m_frame = nullptr;
};

TEST_F(LcdDisplayTest, PaintsLitAndUnlitSegments) {
    LcdDisplay* display = new LcdDisplay(m_frame);
    display->SetValue("-1.");
    // 5 cells at scale 1: cell 0 starts at (229, 5), cell 1 at (173, 5).
    const wxBitmap bitmap = Painted(*display, wxSize(285, 90));

    EXPECT_TRUE(Near(PixelAt(bitmap, 263, 25), kLit)) << "upper right of the 1";
    EXPECT_TRUE(Near(PixelAt(bitmap, 263, 65), kLit)) << "lower right of the 1";
    EXPECT_TRUE(Near(PixelAt(bitmap, 275, 79), kLit)) << "decimal point of the 1";
    EXPECT_TRUE(Near(PixelAt(bitmap, 249, 10), kBackground)) << "top of the 1 unlit";
    EXPECT_TRUE(Near(PixelAt(bitmap, 249, 45), kBackground)) << "middle of the 1 unlit";
    EXPECT_TRUE(Near(PixelAt(bitmap, 193, 45), kLit)) << "middle of the minus";
    EXPECT_TRUE(Near(PixelAt(bitmap, 207, 25), kBackground)) << "right of the minus unlit";
    EXPECT_TRUE(Near(PixelAt(bitmap, 219, 79), kBackground)) << "point of the minus unlit";
    EXPECT_TRUE(Near(PixelAt(bitmap, 2, 2), kBackground)) << "background cleared";
}

TEST_F(LcdDisplayTest, ColonLightsTwoDotsAndNoSegments) {
    LcdDisplay* display = new LcdDisplay(m_frame);
    display->SetDigitCount(1);
    display->SetValue(":");
    // One cell: origin (5, 5); dots centred at (25, 25) and (25, 65).
    const wxBitmap bitmap = Painted(*display, wxSize(61, 90));
    EXPECT_TRUE(Near(PixelAt(bitmap, 25, 25), kLit));
    EXPECT_TRUE(Near(PixelAt(bitmap, 25, 65), kLit));
    EXPECT_TRUE(Near(PixelAt(bitmap, 25, 45), kBackground)) << "no middle segment";
    EXPECT_TRUE(Near(PixelAt(bitmap, 51, 79), kBackground)) << "no decimal point";
}

TEST_F(LcdDisplayTest, WindowTwiceAsWideAsHighScalesByHeightAndCentres) {
    LcdDisplay* display = new LcdDisplay(m_frame, wxDefaultPosition, wxSize(360, 180));
    display->SetDigitCount(2);
    display->SetValue("8.8.");
    const wxSize client = display->GetClientSize();
    ASSERT_EQ(client, wxSize(360, 180));
    // Drawing 117 x 90 units at scale 2, shifted right by 63 pixels; the lit parts span
    // units 5 to 113 across and 5 to 85 down.
    const wxRect lit = LitArea(Painted(*display, client));
    EXPECT_NEAR(lit.GetLeft(), 63 + 2 * 5, 2);
    EXPECT_NEAR(lit.GetRight(), 63 + 2 * 113, 2);
    EXPECT_NEAR(lit.GetTop(), 2 * 5, 2);
    EXPECT_NEAR(lit.GetBottom(), 2 * 85, 2);
}

TEST_F(LcdDisplayTest, GivenSizeIsTheMinimumInASizer) {
    LcdDisplay* display = new LcdDisplay(m_frame, wxDefaultPosition, wxSize(60, 35));
    EXPECT_EQ(display->GetMinSize(), wxSize(60, 35));
    EXPECT_EQ(display->GetBestSize(), wxSize(60, 35));
}

TEST_F(LcdDisplayTest, ClockShowsSecondsAsTimeOfDay) {
    LcdClock* clock = new LcdClock(m_frame, wxDefaultPosition, wxSize(150, 40));
    clock->SetDigitCount(7);
    clock->SetSeconds(3725.9f);
    EXPECT_EQ(clock->GetValue(), "01:02:05");
    clock->SetSeconds(86400.0f);
    EXPECT_EQ(clock->GetValue(), "00:00:00");
    EXPECT_EQ(clock->GetBackgroundColour(), kBackground);
}

} // namespace
