#include "plot/FilterDialog.h"
#include "plot/PenDialog.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/choice.h>
#include <wx/slider.h>
#include <wx/stattext.h>
#include <wx/testing.h>

#include <functional>
#include <ostream>
#include <string>
#include <tuple>

namespace {

// Runs a test's own steps on a dialog when the code under test shows it modally.
template <class Dialog> class DriveDialog : public wxExpectModalBase<Dialog, DriveDialog<Dialog>> {
public:
    explicit DriveDialog(std::function<int(Dialog&)> drive) : m_drive(std::move(drive)) {}

protected:
    int OnInvoked(Dialog* dialog) const override { return m_drive(*dialog); }

private:
    std::function<int(Dialog&)> m_drive;
};

// Clicks the dialog's button with the given id, as the toolkit does.
void Press(wxDialog& dialog, int id) {
    wxWindow* button = dialog.FindWindow(id);
    ASSERT_NE(button, nullptr) << id;
    wxCommandEvent click(wxEVT_BUTTON, id);
    click.SetEventObject(button);
    button->GetEventHandler()->ProcessEvent(click);
}

// Moves the slider and sends the scroll event its user would cause.
void Scroll(FilterDialog& dialog, wxEventType type, int value) {
    wxSlider* slider = dialog.GetSlider();
    slider->SetValue(value);
    wxScrollEvent event(type, slider->GetId(), slider->GetValue(), wxHORIZONTAL);
    event.SetEventObject(slider);
    slider->GetEventHandler()->ProcessEvent(event);
}

// Shows the dialog modally for real; drive runs inside the modal loop and should end it.
int ShowModalDriven(wxDialog& dialog, const std::function<void()>& drive) {
    wxTheApp->CallAfter([&dialog, drive] {
        drive();
        if (dialog.IsModal()) {
            dialog.EndModal(wxID_ABORT); // a dialog that did not close must not hang the run
        }
    });
    return dialog.ShowModal();
}

wxString ButtonLabel(wxDialog& dialog, int id) {
    wxWindow* button = dialog.FindWindow(id);
    return button != nullptr ? button->GetLabel() : wxString("<none>");
}

TEST(PlotFilterDialog, HasItsTitleButtonsAndSliderRange) {
    FilterDialog dialog(nullptr, 2);
    EXPECT_EQ(dialog.GetTitle(), "Setari filtrare");
    EXPECT_EQ(dialog.GetName(), "dialog");
    EXPECT_EQ(ButtonLabel(dialog, wxID_OK), "Ok");
    EXPECT_EQ(ButtonLabel(dialog, wxID_CANCEL), "&Iesire");
    EXPECT_EQ(dialog.FindWindow(wxID_OK)->GetMinSize(), wxSize(60, 30));
    EXPECT_EQ(dialog.FindWindow(wxID_CANCEL)->GetMinSize(), wxSize(60, 30));
    EXPECT_EQ(dialog.GetSlider()->GetMin(), 1);
    EXPECT_EQ(dialog.GetSlider()->GetMax(), 10);
    EXPECT_EQ(dialog.GetSlider()->GetMinSize().x, 180);
    EXPECT_EQ(dialog.GetSlider()->GetValue(), 2);
}

TEST(PlotFilterDialog, OpenedWithTwoShowsFivePointsAndOkKeepsIt) {
    FilterDialog dialog(nullptr, 2);
    wxString shown;
    int result = wxID_NONE;
    wxTEST_DIALOG(result = dialog.ShowModal(), DriveDialog<FilterDialog>([&](FilterDialog& d) {
                      shown = d.GetText()->GetLabel();
                      return wxID_OK;
                  }));
    EXPECT_EQ(shown, "5 puncte Miscare Filtru mediu");
    EXPECT_EQ(result, wxID_OK);
    EXPECT_EQ(dialog.GetHalfWidth(), 2);
}

struct ScrollCase {
    const char* name;
    wxEventType type;
};

void PrintTo(const ScrollCase& c, std::ostream* os) {
    *os << c.name;
}

class FilterScroll : public ::testing::TestWithParam<ScrollCase> {};

TEST_P(FilterScroll, EveryScrollEventUpdatesTheWidthAndTextAtOnce) {
    FilterDialog dialog(nullptr, 2);
    Scroll(dialog, GetParam().type, 10);
    EXPECT_EQ(dialog.GetHalfWidth(), 10);
    EXPECT_EQ(dialog.GetText()->GetLabel(), "21 puncte Miscare Filtru mediu");
    Scroll(dialog, GetParam().type, 4);
    EXPECT_EQ(dialog.GetHalfWidth(), 4);
    EXPECT_EQ(dialog.GetText()->GetLabel(), "9 puncte Miscare Filtru mediu");
}

INSTANTIATE_TEST_SUITE_P(Plot, FilterScroll,
                         ::testing::Values(ScrollCase{"Top", wxEVT_SCROLL_TOP},
                                           ScrollCase{"Bottom", wxEVT_SCROLL_BOTTOM},
                                           ScrollCase{"LineUp", wxEVT_SCROLL_LINEUP},
                                           ScrollCase{"LineDown", wxEVT_SCROLL_LINEDOWN},
                                           ScrollCase{"PageUp", wxEVT_SCROLL_PAGEUP},
                                           ScrollCase{"PageDown", wxEVT_SCROLL_PAGEDOWN},
                                           ScrollCase{"ThumbTrack", wxEVT_SCROLL_THUMBTRACK},
                                           ScrollCase{"ThumbRelease", wxEVT_SCROLL_THUMBRELEASE},
                                           ScrollCase{"Changed", wxEVT_SCROLL_CHANGED}),
                         [](const ::testing::TestParamInfo<ScrollCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(PlotFilterDialog, DraggingToTenWhileShownGivesTwentyOneAndOk) {
    FilterDialog dialog(nullptr, 2);
    wxString whileDragging;
    int result = wxID_NONE;
    wxTEST_DIALOG(result = dialog.ShowModal(), DriveDialog<FilterDialog>([&](FilterDialog& d) {
                      Scroll(d, wxEVT_SCROLL_THUMBTRACK, 10);
                      whileDragging = d.GetText()->GetLabel();
                      Press(d, wxID_OK);
                      return wxID_OK;
                  }));
    EXPECT_EQ(whileDragging, "21 puncte Miscare Filtru mediu");
    EXPECT_EQ(result, wxID_OK);
    EXPECT_EQ(dialog.GetHalfWidth(), 10);
}

TEST(PlotFilterDialog, SliderStopsAtOneSoThreePointsIsTheNarrowest) {
    FilterDialog dialog(nullptr, 2);
    Scroll(dialog, wxEVT_SCROLL_THUMBTRACK, 0);
    EXPECT_EQ(dialog.GetHalfWidth(), 1);
    EXPECT_EQ(dialog.GetText()->GetLabel(), "3 puncte Miscare Filtru mediu");
}

TEST(PlotFilterDialog, WidthOutsideTheRangeIsShownAndReturnedAsTheNearestLimit) {
    for (auto [given, expected, text] : {std::tuple<int, int, const char*>{0, 1, "3"},
                                         {-5, 1, "3"},
                                         {11, 10, "21"},
                                         {1000, 10, "21"}}) {
        FilterDialog dialog(nullptr, given);
        EXPECT_EQ(dialog.GetHalfWidth(), expected) << given;
        EXPECT_EQ(dialog.GetSlider()->GetValue(), expected) << given;
        EXPECT_EQ(dialog.GetText()->GetLabel(), wxString(text) + " puncte Miscare Filtru mediu")
            << given;
    }
}

// The caller's pattern: read the width only when the dialog ends with OK.
int RunFilterCommand(int current, const std::function<void(FilterDialog&)>& drive, int* result) {
    FilterDialog dialog(nullptr, current);
    *result = ShowModalDriven(dialog, [&] { drive(dialog); });
    return *result == wxID_OK ? dialog.GetHalfWidth() : current;
}

TEST(PlotFilterDialog, ShownForRealOkAcceptsAndIesireOrCloseLeaveTheValue) {
    auto moveThenPress = [](int id) {
        return [id](FilterDialog& d) {
            Scroll(d, wxEVT_SCROLL_THUMBTRACK, 7);
            Press(d, id);
        };
    };
    int result = wxID_NONE;
    EXPECT_EQ(RunFilterCommand(2, moveThenPress(wxID_OK), &result), 7);
    EXPECT_EQ(result, wxID_OK);
    EXPECT_EQ(RunFilterCommand(2, moveThenPress(wxID_CANCEL), &result), 2);
    EXPECT_EQ(result, wxID_CANCEL);
    auto moveThenClose = [](FilterDialog& d) {
        Scroll(d, wxEVT_SCROLL_THUMBTRACK, 7);
        d.Close();
    };
    EXPECT_EQ(RunFilterCommand(2, moveThenClose, &result), 2);
    EXPECT_EQ(result, wxID_CANCEL);
}

TEST(PlotPenDialog, HasItsTitleEntriesAndButtons) {
    PenDialog dialog(nullptr, 2);
    EXPECT_EQ(dialog.GetTitle(), "Stil linie grafic");
    EXPECT_EQ(dialog.GetName(), "dialog");
    EXPECT_EQ(ButtonLabel(dialog, wxID_OK), "Ok");
    EXPECT_EQ(ButtonLabel(dialog, wxID_CANCEL), "Iesire");
    EXPECT_EQ(dialog.FindWindow(wxID_OK)->GetMinSize(), wxSize(60, 30));
    EXPECT_EQ(dialog.FindWindow(wxID_CANCEL)->GetMinSize(), wxSize(60, 30));
    wxChoice* choice = dialog.GetChoice();
    EXPECT_EQ(choice->GetMinSize().x, 150);
    ASSERT_EQ(choice->GetCount(), 7u);
    for (unsigned n = 0; n < 7; ++n) {
        EXPECT_EQ(choice->GetString(n), wxString::Format("Latime linie %u", n + 1));
    }
}

struct PenCase {
    const char* name;
    int width;
    int preselected;
    int widthOnOk;
};

void PrintTo(const PenCase& c, std::ostream* os) {
    *os << c.name;
}

class PenPreselection : public ::testing::TestWithParam<PenCase> {};

TEST_P(PenPreselection, SelectsTheCurrentWidthAndOkWithoutChangeReturnsIt) {
    const PenCase& c = GetParam();
    PenDialog dialog(nullptr, c.width);
    int preselected = -2;
    int result = wxID_NONE;
    wxTEST_DIALOG(result = dialog.ShowModal(), DriveDialog<PenDialog>([&](PenDialog& d) {
                      preselected = d.GetChoice()->GetSelection();
                      Press(d, wxID_OK);
                      return d.GetReturnCode();
                  }));
    EXPECT_EQ(preselected, c.preselected);
    EXPECT_EQ(result, wxID_OK);
    EXPECT_EQ(dialog.GetWidth(), c.widthOnOk);
}

INSTANTIATE_TEST_SUITE_P(Plot, PenPreselection,
                         ::testing::Values(PenCase{"One", 1, 0, 1}, PenCase{"Two", 2, 1, 2},
                                           PenCase{"Seven", 7, 6, 7},
                                           PenCase{"NineSelectsNothing", 9, wxNOT_FOUND, 0},
                                           PenCase{"ZeroSelectsNothing", 0, wxNOT_FOUND, 0},
                                           PenCase{"NegativeSelectsNothing", -3, wxNOT_FOUND, 0}),
                         [](const ::testing::TestParamInfo<PenCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(PlotPenDialog, ChoosingTheSeventhEntryAndOkGivesSeven) {
    PenDialog dialog(nullptr, 2);
    int result = wxID_NONE;
    wxTEST_DIALOG(result = dialog.ShowModal(), DriveDialog<PenDialog>([&](PenDialog& d) {
                      d.GetChoice()->SetSelection(6);
                      Press(d, wxID_OK);
                      return d.GetReturnCode();
                  }));
    EXPECT_EQ(result, wxID_OK);
    EXPECT_EQ(dialog.GetWidth(), 7);
}

// The caller's pattern: take the width only when the dialog ends with OK.
int RunPenCommand(int current, const std::function<void(PenDialog&)>& drive, int* result) {
    PenDialog dialog(nullptr, current);
    *result = ShowModalDriven(dialog, [&] { drive(dialog); });
    return *result == wxID_OK ? dialog.GetWidth() : current;
}

TEST(PlotPenDialog, ShownForRealOkAcceptsAndIesireOrCloseLeaveTheWidth) {
    auto chooseThenPress = [](int id) {
        return [id](PenDialog& d) {
            d.GetChoice()->SetSelection(4);
            Press(d, id);
        };
    };
    int result = wxID_NONE;
    EXPECT_EQ(RunPenCommand(2, chooseThenPress(wxID_OK), &result), 5);
    EXPECT_EQ(result, wxID_OK);
    EXPECT_EQ(RunPenCommand(2, chooseThenPress(wxID_CANCEL), &result), 2);
    EXPECT_EQ(result, wxID_CANCEL);
    auto chooseThenClose = [](PenDialog& d) {
        d.GetChoice()->SetSelection(4);
        d.Close();
    };
    EXPECT_EQ(RunPenCommand(2, chooseThenClose, &result), 2);
    EXPECT_EQ(result, wxID_CANCEL);
}

TEST(PlotPenDialog, NothingSelectedAndOkGivesZeroWidth) {
    PenDialog dialog(nullptr, 9);
    int result = ShowModalDriven(dialog, [&] { Press(dialog, wxID_OK); });
    EXPECT_EQ(result, wxID_OK);
    EXPECT_EQ(dialog.GetWidth(), 0);
}

} // namespace
