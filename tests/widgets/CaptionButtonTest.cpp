#include "widgets/CaptionButton.h"

#include "support/GuiTestSupport.h"

#include <gtest/gtest.h>
#include <ostream>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/uiaction.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

const int kButtonId = 4711;
const wxSize kButtonSize(60, 60);
const wxColour kNormal(200, 0, 0);
const wxColour kPressed(0, 160, 0);
const wxColour kHover(0, 0, 220);
const wxColour kDisabled(128, 128, 128);

wxBitmap SolidBitmap(const wxColour& colour, int side = 20) {
    wxBitmap bitmap(side, side, 24);
    wxMemoryDC dc(bitmap);
    dc.SetBackground(wxBrush(colour));
    dc.Clear();
    dc.SelectObject(wxNullBitmap);
    return bitmap;
}

class CaptionButtonTest : public ::testing::Test {
public:
    void SetUp() override {
        m_frame = new wxFrame(nullptr, wxID_ANY, "buttons");
        m_panel = new wxPanel(m_frame);
        m_frame->Bind(wxEVT_BUTTON, [this](wxCommandEvent& event) {
            m_clicks.push_back(event.GetId());
            EXPECT_EQ(event.GetEventObject(), m_button);
        });
        m_button = new CaptionButton(m_panel, kButtonId, SolidBitmap(kNormal), "", wxPoint(0, 0),
                                     kButtonSize);
    }
    void TearDown() override { delete m_frame; }

    void SetAllImages() {
        m_button->SetBitmapSelected(SolidBitmap(kPressed));
        m_button->SetBitmapHover(SolidBitmap(kHover));
        m_button->SetBitmapDisabled(SolidBitmap(kDisabled));
    }

    void Mouse(wxEventType type, int x = 30, int y = 30) {
        wxMouseEvent event(type);
        event.SetPosition(wxPoint(x, y));
        event.SetEventObject(m_button);
        m_button->GetEventHandler()->ProcessEvent(event);
    }

    void Key(int code) {
        wxKeyEvent event(wxEVT_KEY_DOWN);
        event.m_keyCode = code;
        event.SetEventObject(m_button);
        m_button->GetEventHandler()->ProcessEvent(event);
    }

    wxBitmap Painted(const wxSize& size) {
        wxBitmap bitmap(size.x, size.y, 24);
        wxMemoryDC dc(bitmap);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        m_button->Paint(dc, size);
        dc.SelectObject(wxNullBitmap);
        return bitmap;
    }

    wxColour CentreColour() { return PixelAt(Painted(kButtonSize), 30, 30); }

    wxFrame* m_frame = nullptr;
    wxPanel* m_panel = nullptr;
    CaptionButton* m_button = nullptr;
    std::vector<int> m_clicks;
};

// The main window binds its buttons through static event table entries for their ids.
class TableWindow : public wxFrame {
public:
    TableWindow() : wxFrame(nullptr, wxID_ANY, "table") {}
    void OnButton(wxCommandEvent&) { ++clicks; }
    int clicks = 0;
    wxDECLARE_EVENT_TABLE();
};

wxBEGIN_EVENT_TABLE(TableWindow, wxFrame)
    EVT_BUTTON(22, TableWindow::OnButton)
wxEND_EVENT_TABLE()

struct ImageCase {
    const char* name;
    bool allImages;
    std::function<void(CaptionButtonTest&)> act;
    wxColour shown;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const ImageCase& c, std::ostream* os) {
    *os << c.name;
}

class CaptionButtonImage : public CaptionButtonTest,
                           public ::testing::WithParamInterface<ImageCase> {};

TEST_P(CaptionButtonImage, ShowsTheImageOfItsState) {
    if (GetParam().allImages) {
        SetAllImages();
    }
    GetParam().act(*this);
    EXPECT_EQ(CentreColour(), GetParam().shown);
}

void Idle(CaptionButtonTest&) {}
void Press(CaptionButtonTest& t) {
    t.Mouse(wxEVT_LEFT_DOWN);
}
void Hover(CaptionButtonTest& t) {
    t.Mouse(wxEVT_ENTER_WINDOW);
}
void Disable(CaptionButtonTest& t) {
    t.m_button->Disable();
}

const ImageCase kImageCases[] = {
    {"Idle", true, Idle, kNormal},
    {"Pressed", true, Press, kPressed},
    {"PressedWhileHovered", true, [](CaptionButtonTest& t) { Hover(t), Press(t); }, kPressed},
    {"PressedThenDraggedOut", true,
     [](CaptionButtonTest& t) { Press(t), t.Mouse(wxEVT_MOTION, -20, 30); }, kNormal},
    {"Hovered", true, Hover, kHover},
    {"HoveredThenLeft", true, [](CaptionButtonTest& t) { Hover(t), t.Mouse(wxEVT_LEAVE_WINDOW); },
     kNormal},
    {"Disabled", true, Disable, kDisabled},
    {"DisabledAndHovered", true, [](CaptionButtonTest& t) { Disable(t), Hover(t); }, kDisabled},
    {"NormalOnlyPressed", false, Press, kNormal},
    {"NormalOnlyHovered", false, Hover, kNormal},
    {"NormalOnlyDisabled", false, Disable, kNormal},
};

INSTANTIATE_TEST_SUITE_P(States, CaptionButtonImage, ::testing::ValuesIn(kImageCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct HoverRepaintCase {
    const char* name;
    bool hoverImage;
    bool enabled;
    bool repaints;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const HoverRepaintCase& c, std::ostream* os) {
    *os << c.name;
}

class CaptionButtonHoverRepaint : public CaptionButtonTest,
                                  public ::testing::WithParamInterface<HoverRepaintCase> {};

// Entering and leaving only repaint a button whose look can change: enabled, with a hover image.
TEST_P(CaptionButtonHoverRepaint, EnteringAndLeavingRepaintOnlyWhenTheLookCanChange) {
    const HoverRepaintCase& c = GetParam();
    if (c.hoverImage) {
        m_button->SetBitmapHover(SolidBitmap(kHover));
    }
    m_button->Enable(c.enabled);
    int paints = 0;
    m_button->Bind(wxEVT_PAINT, [&paints](wxPaintEvent& event) {
        ++paints;
        event.Skip();
    });
    m_frame->SetSize(wxRect(0, 0, 200, 150));
    m_frame->Show();
    ASSERT_TRUE(WaitFor([&] { return paints > 0; })) << "never painted";
    PumpEvents(150);

    for (wxEventType type : {wxEVT_ENTER_WINDOW, wxEVT_LEAVE_WINDOW}) {
        paints = 0;
        Mouse(type);
        if (c.repaints) {
            EXPECT_TRUE(WaitFor([&] { return paints > 0; }));
        } else {
            PumpEvents(150);
            EXPECT_EQ(paints, 0);
        }
    }
    m_frame->Hide();
}

const HoverRepaintCase kHoverRepaintCases[] = {
    {"EnabledWithHoverImage", true, true, true},
    {"DisabledWithHoverImage", true, false, false},
    {"EnabledWithoutHoverImage", false, true, false},
};

INSTANTIATE_TEST_SUITE_P(Looks, CaptionButtonHoverRepaint, ::testing::ValuesIn(kHoverRepaintCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CaptionButtonTest, FocusedButtonShowsItsFocusImageOrElseTheNormalOne) {
    m_frame->SetSize(wxRect(0, 0, 200, 150));
    m_frame->Show();
    m_button->SetFocus();
    ASSERT_TRUE(WaitFor([&] { return m_button->HasFocus(); })) << "no focus";
    EXPECT_EQ(CentreColour(), kNormal) << "only a normal image";

    const wxColour focus(230, 200, 0);
    m_button->SetBitmapFocus(SolidBitmap(focus));
    EXPECT_EQ(CentreColour(), focus);
    m_button->SetBitmapDisabled(SolidBitmap(kDisabled));
    m_button->SetBitmapHover(SolidBitmap(kHover));
    Mouse(wxEVT_ENTER_WINDOW);
    EXPECT_EQ(CentreColour(), kHover) << "hover comes before focus";
    m_frame->Hide();
}

TEST_F(CaptionButtonTest, GivenSizeIsTheMinimumInASizer) {
    EXPECT_EQ(m_button->GetMinSize(), kButtonSize);
    EXPECT_EQ(m_button->GetSize(), kButtonSize);
}

TEST_F(CaptionButtonTest, ImageIsCentred) {
    const wxBitmap bitmap = Painted(kButtonSize);
    // a 20 x 20 image in 60 x 60 covers 20..39 both ways
    EXPECT_EQ(PixelAt(bitmap, 20, 20), kNormal);
    EXPECT_EQ(PixelAt(bitmap, 39, 39), kNormal);
    EXPECT_EQ(PixelAt(bitmap, 19, 30), *wxWHITE);
    EXPECT_EQ(PixelAt(bitmap, 40, 30), *wxWHITE);
}

TEST_F(CaptionButtonTest, CaptionSitsCentredOnTheBottomEdge) {
    m_button->SetCaption("Masurare F");
    EXPECT_EQ(m_button->GetCaption(), "Masurare F");
    const wxSize size(120, 60);
    const wxSize text = m_button->GetTextExtent("Masurare F");
    const wxImage image = Painted(size).ConvertToImage();
    wxRect ink;
    for (int y = 0; y < size.y; ++y) {
        for (int x = 0; x < size.x; ++x) {
            if (image.GetRed(x, y) < 90 && image.GetGreen(x, y) < 90 && image.GetBlue(x, y) < 90) {
                ink = ink.IsEmpty() ? wxRect(x, y, 1, 1) : ink.Union(wxRect(x, y, 1, 1));
            }
        }
    }
    ASSERT_FALSE(ink.IsEmpty()) << "no caption drawn";
    EXPECT_GE(ink.GetTop(), size.y - text.y);
    EXPECT_LE(ink.GetBottom(), size.y - 1);
    EXPECT_GE(ink.GetLeft(), (size.x - text.x) / 2);
    EXPECT_LE(ink.GetRight(), (size.x + text.x) / 2);
    EXPECT_NEAR(ink.GetLeft() + ink.GetRight(), size.x, text.x / 4 + 2) << "centred";
}

TEST_F(CaptionButtonTest, CaptionWiderThanTheButtonStartsLeftOfIt) {
    m_button->SetCaption("Grafic de Presiune foarte lung");
    const wxBitmap bitmap = Painted(wxSize(40, 60));
    const wxImage image = bitmap.ConvertToImage();
    bool inkAtLeftEdge = false;
    for (int y = 40; y < 60; ++y) {
        inkAtLeftEdge = inkAtLeftEdge || image.GetRed(0, y) < 200;
    }
    EXPECT_TRUE(inkAtLeftEdge);
}

// The caption takes the largest size, no larger than the button's font, in which it fits the
// width: on one line if it can, else on two lines broken at a blank.
TEST_F(CaptionButtonTest, CaptionShrinksAndBreaksToFitTheWidth) {
    wxFont font = m_button->GetFont();
    font.SetPointSize(12);
    m_button->SetFont(font);
    wxBitmap bitmap(10, 10);
    wxMemoryDC dc(bitmap);
    auto widthAt = [&](const wxString& text, int points) {
        wxFont sized = font;
        sized.SetPointSize(points);
        dc.SetFont(sized);
        return dc.GetTextExtent(text).x;
    };
    const wxString caption = "Grafic de Presiune";
    auto twoLineWidthAt = [&](int points) {
        return std::max(widthAt("Grafic de", points), widthAt("Presiune", points));
    };
    struct Case {
        const char* name;
        int width;
        int points;
        std::vector<wxString> lines;
    };
    const Case cases[] = {
        {"fits at the button's size", widthAt(caption, 12), 12, {caption}},
        {"fits at 9 points only", widthAt(caption, 9), 9, {caption}},
        {"one pixel short of 10 points", widthAt(caption, 10) - 1, 9, {caption}},
        {"two lines at the most even blank", twoLineWidthAt(12), 12, {"Grafic de", "Presiune"}},
        {"two lines in a smaller size", twoLineWidthAt(8), 8, {"Grafic de", "Presiune"}},
        {"too narrow even on two lines", twoLineWidthAt(7) - 1, 7, {caption}},
    };
    m_button->SetCaption(caption);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CaptionButton::CaptionLayout layout = m_button->LayOutCaption(dc, c.width);
        EXPECT_EQ(layout.font.GetPointSize(), c.points);
        EXPECT_EQ(layout.font.GetFamily(), font.GetFamily());
        EXPECT_EQ(layout.lines, c.lines);
    }
    // A font smaller than the smallest caption size is kept as it is.
    font.SetPointSize(6);
    m_button->SetFont(font);
    EXPECT_EQ(m_button->LayOutCaption(dc, 1).font.GetPointSize(), 6);
}

TEST_F(CaptionButtonTest, ATwoLineCaptionEndsOnTheBottomEdge) {
    m_button->SetCaption("Grafic de Presiune");
    const wxImage image = Painted(wxSize(60, 60)).ConvertToImage();
    wxBitmap scratch(10, 10);
    wxMemoryDC dc(scratch);
    const CaptionButton::CaptionLayout layout = m_button->LayOutCaption(dc, 60);
    ASSERT_EQ(layout.lines.size(), 2u);
    dc.SetFont(layout.font);
    const int lineHeight = dc.GetTextExtent("Presiune").y;
    int top = -1, bottom = -1, left = 60, right = -1;
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 60; ++x) {
            if (image.GetRed(x, y) < 90 && image.GetGreen(x, y) < 90 && image.GetBlue(x, y) < 90) {
                top = top < 0 ? y : top;
                bottom = y;
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    EXPECT_GE(top, 60 - 2 * lineHeight);
    EXPECT_LT(top, 60 - lineHeight) << "two lines of text";
    EXPECT_LE(bottom, 59);
    EXPECT_GT(left, 0) << "not clipped";
    EXPECT_LT(right, 59) << "not clipped";
}

TEST_F(CaptionButtonTest, ClickSendsButtonEventWithItsId) {
    Mouse(wxEVT_LEFT_DOWN);
    EXPECT_TRUE(m_button->IsPressed());
    EXPECT_TRUE(m_clicks.empty()) << "a press alone is no click";
    Mouse(wxEVT_LEFT_UP);
    EXPECT_FALSE(m_button->IsPressed());
    EXPECT_EQ(m_clicks, std::vector<int>{kButtonId});
}

TEST_F(CaptionButtonTest, ReleaseOutsideIsNoClick) {
    Mouse(wxEVT_LEFT_DOWN);
    Mouse(wxEVT_LEFT_UP, 70, 30);
    EXPECT_TRUE(m_clicks.empty());
    Mouse(wxEVT_LEFT_UP);
    EXPECT_TRUE(m_clicks.empty()) << "a release without a press is no click";
}

TEST_F(CaptionButtonTest, DisabledButtonSendsNothing) {
    m_button->Disable();
    Mouse(wxEVT_LEFT_DOWN);
    Mouse(wxEVT_LEFT_UP);
    Key(WXK_SPACE);
    EXPECT_TRUE(m_clicks.empty());
}

TEST_F(CaptionButtonTest, DisablingDuringAPressCancelsIt) {
    Mouse(wxEVT_LEFT_DOWN);
    m_button->Disable();
    m_button->Enable();
    Mouse(wxEVT_LEFT_UP);
    EXPECT_TRUE(m_clicks.empty());
}

TEST_F(CaptionButtonTest, SpaceAndEnterClick) {
    Key(WXK_SPACE);
    Key(WXK_RETURN);
    Key(WXK_NUMPAD_ENTER);
    Key('A');
    EXPECT_EQ(m_clicks, (std::vector<int>{kButtonId, kButtonId, kButtonId}));
}

TEST_F(CaptionButtonTest, StaticEventTableOfTheFrameReceivesTheClick) {
    TableWindow* window = new TableWindow;
    wxPanel* panel = new wxPanel(window);
    CaptionButton* button = new CaptionButton(panel, 22, SolidBitmap(kNormal), "Deschidere");
    wxMouseEvent down(wxEVT_LEFT_DOWN), up(wxEVT_LEFT_UP);
    button->GetEventHandler()->ProcessEvent(down);
    button->GetEventHandler()->ProcessEvent(up);
    EXPECT_EQ(window->clicks, 1);
    delete window;
}

TEST_F(CaptionButtonTest, RealMouseAndKeyboardDriveTheButton) {
    SetAllImages();
    CaptionButton* other = new CaptionButton(m_panel, wxID_ANY, SolidBitmap(kNormal), "",
                                             wxPoint(100, 0), kButtonSize);
    m_frame->SetSize(wxRect(0, 0, 300, 200));
    m_frame->Show();
    wxUIActionSimulator input;

    input.MouseMove(m_button->ClientToScreen(wxPoint(30, 30)));
    ASSERT_TRUE(WaitFor([&] { return m_button->IsHovered(); })) << "no enter event";
    input.MouseDown();
    ASSERT_TRUE(WaitFor([&] { return m_button->IsPressed(); }));
    EXPECT_EQ(CentreColour(), kPressed);
    input.MouseUp();
    ASSERT_TRUE(WaitFor([&] { return !m_clicks.empty(); }));
    EXPECT_EQ(m_clicks, std::vector<int>{kButtonId});

    // Pressed, dragged onto another window and released there: no click.
    input.MouseDown();
    ASSERT_TRUE(WaitFor([&] { return m_button->IsPressed(); }));
    input.MouseMove(other->ClientToScreen(wxPoint(30, 30)));
    ASSERT_TRUE(WaitFor([&] { return !m_button->IsPressed(); }));
    input.MouseUp();
    PumpEvents(100);
    EXPECT_EQ(m_clicks.size(), 1u);

    m_button->SetFocus();
    ASSERT_TRUE(WaitFor([&] { return m_button->HasFocus(); }));
    input.Char(WXK_SPACE);
    ASSERT_TRUE(WaitFor([&] { return m_clicks.size() == 2; }));
    m_frame->Hide();
}

TEST_F(CaptionButtonTest, CreatedDynamicallyByClassName) {
    wxObject* object = wxCreateDynamicObject("CaptionButton");
    ASSERT_NE(object, nullptr);
    CaptionButton* button = wxDynamicCast(object, CaptionButton);
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(button->GetCaption().empty());
    EXPECT_TRUE(button->Create(m_panel, wxID_ANY, SolidBitmap(kNormal), "Salvare"));
    EXPECT_EQ(button->GetCaption(), "Salvare");
    EXPECT_EQ(button->GetBackgroundColour(), wxColour(236, 233, 216));
}

} // namespace
