#include "files/ClassicNumber.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

const std::uint64_t kPowersOfTen[] = {1ULL,         10ULL,        100ULL,     1000ULL,
                                      10000ULL,     100000ULL,    1000000ULL, 10000000ULL,
                                      100000000ULL, 1000000000ULL};
const int kMostFastDecimals = 9;

using Wide = unsigned __int128;

// The magnitude of value times 10^decimals, rounded to an integer the way printf rounds
// (to nearest, ties to even, from the exact binary value); false for NaN, infinities and
// results that do not fit 64 bits.
bool ScaledMagnitude(double value, int decimals, std::uint64_t& scaled) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    const int biasedExponent = static_cast<int>((bits >> 52) & 0x7FF);
    std::uint64_t mantissa = bits & ((1ULL << 52) - 1);
    if (biasedExponent == 0x7FF) {
        return false;
    }
    int exponent = -1074;
    if (biasedExponent != 0) {
        mantissa |= 1ULL << 52;
        exponent = biasedExponent - 1075;
    }
    // mantissa < 2^53 and 10^decimals < 2^30: the product is exact in 128 bits.
    const Wide product = static_cast<Wide>(mantissa) * kPowersOfTen[decimals];
    if (exponent >= 0) {
        if (exponent >= 64 || (product >> (64 - exponent)) != 0) {
            return false;
        }
        scaled = static_cast<std::uint64_t>(product << exponent);
        return true;
    }
    const int shift = -exponent;
    if (shift >= 100) {
        // product < 2^83: far below one half.
        scaled = 0;
        return true;
    }
    Wide quotient = product >> shift;
    const Wide remainder = product - (quotient << shift);
    const Wide half = static_cast<Wide>(1) << (shift - 1);
    if (remainder > half || (remainder == half && (quotient & 1) != 0)) {
        ++quotient;
    }
    if ((quotient >> 64) != 0) {
        return false;
    }
    scaled = static_cast<std::uint64_t>(quotient);
    return true;
}

// Writes "%.Nf" of value into buffer when the fast path can; returns the end or nullptr.
char* FastFixed(char* buffer, char* bufferEnd, double value, int decimals) {
    std::uint64_t scaled = 0;
    if (decimals < 0 || decimals > kMostFastDecimals || !ScaledMagnitude(value, decimals, scaled)) {
        return nullptr;
    }
    char* at = buffer;
    if (std::signbit(value)) {
        *at++ = '-';
    }
    const std::uint64_t unit = kPowersOfTen[decimals];
    at = std::to_chars(at, bufferEnd, scaled / unit).ptr;
    if (decimals == 0) {
        return at;
    }
    *at++ = '.';
    std::uint64_t fraction = scaled % unit;
    for (int i = decimals - 1; i >= 0; --i) {
        at[i] = static_cast<char>('0' + fraction % 10);
        fraction /= 10;
    }
    return at + decimals;
}

} // namespace

void ClassicNumber::AppendInt(std::string& out, long long value) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

char* ClassicNumber::WriteFixed(char* buffer, double value, int decimals) {
    char* const bufferEnd = buffer + kMostFixedChars;
    if (char* end = FastFixed(buffer, bufferEnd, value, decimals)) {
        return end;
    }
    const auto result = std::to_chars(buffer, bufferEnd, value, std::chars_format::fixed, decimals);
    if (result.ec == std::errc()) {
        return result.ptr;
    }
    // Out of the buffer's reach: keep the file readable with the scientific form.
    return std::to_chars(buffer, bufferEnd, value, std::chars_format::scientific, decimals).ptr;
}

void ClassicNumber::AppendFixed(std::string& out, double value, int decimals) {
    char buffer[kMostFixedChars];
    out.append(buffer, WriteFixed(buffer, value, decimals));
}

std::string ClassicNumber::Fixed(double value, int decimals) {
    std::string text;
    AppendFixed(text, value, decimals);
    return text;
}
