#pragma once
#include <wx/string.h>

#include <vector>

// One digit cell of a seven-segment display: the character it shows and its decimal point.
struct LcdCell {
    wxUniChar character = ' ';
    bool point = false;
};

// Which character and which decimal point go into which cell of a seven-segment display.
// Window-free so that the display's reading of a text can be checked without a screen.
class LcdText {
public:
    // Segment bits: 0 top, 1 upper left, 2 upper right, 3 lower left, 4 lower right,
    // 5 bottom, 6 middle. Unknown characters light nothing.
    static int SegmentMask(wxUniChar character);

    // The cells, cell 0 being the rightmost. A "." lights the point of the character before
    // it and takes no cell of its own, except after another "." (or at the very start), where
    // it gets a blank cell. Cells left of the text are blank; what does not fit is dropped.
    static std::vector<LcdCell> Layout(const wxString& text, int cellCount);

    // A duration as a clock face "HH:MM:SS": whole seconds (cut towards zero) taken as a time
    // of day, so hours wrap at 24.
    static wxString TimeOfDay(float seconds);

private:
    static wxString SeparateDots(const wxString& text);
};
