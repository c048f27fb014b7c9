#include "files/ClassicNumber.h"

#include <charconv>

namespace {

// Enough for the largest float with six decimals and for any double written in "%f" form
// below 1e300; larger doubles are not written by this program.
const int kBufferSize = 400;

} // namespace

void ClassicNumber::AppendInt(std::string& out, long long value) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

void ClassicNumber::AppendFixed(std::string& out, double value, int decimals) {
    char buffer[kBufferSize];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (result.ec != std::errc()) {
        // Out of the buffer's reach: keep the file readable with the scientific form.
        const auto scientific = std::to_chars(buffer, buffer + sizeof buffer, value,
                                              std::chars_format::scientific, decimals);
        out.append(buffer, scientific.ptr);
        return;
    }
    out.append(buffer, result.ptr);
}

std::string ClassicNumber::Fixed(double value, int decimals) {
    std::string text;
    AppendFixed(text, value, decimals);
    return text;
}
