#include "widgets/LcdText.h"

#include <cmath>

namespace {
struct MaskEntry {
    char character;
    int mask;
};

const MaskEntry kMasks[] = {
    {'0', 63},  {'1', 20},  {'2', 109}, {'3', 117}, {'4', 86},  {'5', 115}, {'6', 123}, {'7', 21},
    {'8', 127}, {'9', 119}, {' ', 0},   {'-', 64},  {'r', 72},  {'o', 120}, {'H', 94},  {'^', 71},
    {'A', 95},  {'B', 122}, {'C', 43},  {'D', 124}, {'E', 107}, {'F', 75},
};

const int kSecondsPerDay = 24 * 60 * 60;
} // namespace

int LcdText::SegmentMask(wxUniChar character) {
    // Characters beyond eight bits must not alias onto a digit through their low byte.
    const wxUint32 code = character.GetValue();
    if (code > 0xFF) {
        return 0;
    }
    for (const MaskEntry& entry : kMasks) {
        if (static_cast<unsigned char>(entry.character) == code) {
            return entry.mask;
        }
    }
    return 0;
}

wxString LcdText::SeparateDots(const wxString& text) {
    wxString separated = text;
    while (separated.Replace("..", ". .") > 0) {
    }
    // A leading dot has no character to sit on: give it a blank one, so ".5" does not read 5.
    if (separated.StartsWith(".")) {
        separated.Prepend(' ');
    }
    return separated;
}

std::vector<LcdCell> LcdText::Layout(const wxString& text, int cellCount) {
    std::vector<LcdCell> cells(cellCount > 0 ? cellCount : 0);
    const wxString walked = SeparateDots(text);
    const long length = static_cast<long>(walked.length());
    long position = length - 1;
    for (LcdCell& cell : cells) {
        while (position >= 0 && walked[position] == '.') {
            --position;
        }
        if (position < 0) {
            break; // the remaining cells stay blank
        }
        cell.character = walked[position];
        cell.point = position + 1 < length && walked[position + 1] == '.';
        --position;
    }
    return cells;
}

wxString LcdText::TimeOfDay(float seconds) {
    double whole = std::isfinite(seconds) ? std::trunc(static_cast<double>(seconds)) : 0.0;
    long inDay = static_cast<long>(std::fmod(whole, kSecondsPerDay));
    if (inDay < 0) {
        inDay += kSecondsPerDay; // before midnight
    }
    return wxString::Format("%02ld:%02ld:%02ld", inDay / 3600, inDay / 60 % 60, inDay % 60);
}
