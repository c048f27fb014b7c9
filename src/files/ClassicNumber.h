#pragma once
#include <string>

// Numbers as files carry them: decimal point ".", whatever the user's locale, with the digits
// that printf's "%d" and "%.Nf" give.
class ClassicNumber {
public:
    // Room WriteFixed needs: any double below 1e300 in "%f" form (the largest float with six
    // decimals included), or else its scientific form.
    static constexpr int kMostFixedChars = 400;

    static void AppendInt(std::string& out, long long value);
    static void AppendFixed(std::string& out, double value, int decimals);
    // Writes the number at buffer (kMostFixedChars long) and returns the end of its text.
    static char* WriteFixed(char* buffer, double value, int decimals);
    static std::string Fixed(double value, int decimals);
};
