#pragma once
#include <string>

// Numbers as files carry them: decimal point ".", whatever the user's locale, with the digits
// that printf's "%d" and "%.Nf" give.
class ClassicNumber {
public:
    static void AppendInt(std::string& out, long long value);
    static void AppendFixed(std::string& out, double value, int decimals);
    static std::string Fixed(double value, int decimals);
};
