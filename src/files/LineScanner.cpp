#include "files/LineScanner.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

bool IsWhiteSpace(char c) {
    return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\v' || c == '\f';
}

bool IsBlank(char c) {
    return c == ' ' || c == '\r' || c == '\t' || c == '\v' || c == '\f';
}

const std::size_t kShownTokenLength = 40;

// from_chars takes no leading plus sign; the formatted-input functions do.
std::string_view WithoutPlusSign(std::string_view token) {
    if (token.size() > 1 && token[0] == '+' && token[1] != '-' && token[1] != '+') {
        token.remove_prefix(1);
    }
    return token;
}

// Digits that always fit 64 bits, and the powers of ten a double holds exactly.
const int kMostPlainDigits = 19;
const double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                    1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                    1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
const std::uint64_t kLargestExactInteger = 1ULL << 53;

// The nearest float to a double, when it is also the nearest float to every number that
// rounds to that double: not when the double lies exactly halfway between two floats, nor
// in the subnormal range, where rounding twice could differ from rounding once.
bool NearestFloatOnce(double value, float& result) {
    const double magnitude = std::fabs(value);
    if (magnitude != 0.0 && magnitude < std::numeric_limits<float>::min()) {
        return false;
    }
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    const std::uint64_t droppedBits = bits & ((1ULL << 29) - 1);
    if (droppedBits == 1ULL << 28) {
        return false;
    }
    result = static_cast<float>(value);
    return true;
}

} // namespace

// The numbers workspaces are made of ("-12.345678"): at most 19 digits around one point,
// followed by white space or the end. Anything else, or a case the quick way cannot round
// exactly, is left to from_chars.
bool LineScanner::ReadPlainDecimal(std::string_view text, float& value, std::size_t& length) {
    std::size_t at = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (negative) {
        ++at;
    }
    std::uint64_t digits = 0;
    int digitCount = 0;
    int decimals = -1;
    for (; at < text.size() && !IsWhiteSpace(text[at]); ++at) {
        const char c = text[at];
        if (c >= '0' && c <= '9') {
            digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
            ++digitCount;
            if (decimals >= 0) {
                ++decimals;
            }
        } else if (c == '.' && decimals < 0) {
            decimals = 0;
        } else {
            return false;
        }
        if (digitCount > kMostPlainDigits) {
            return false;
        }
    }
    if (digitCount == 0 || digits > kLargestExactInteger) {
        return false;
    }
    // Both operands are exact, so the quotient is the double nearest to the decimal number.
    const double magnitude =
        static_cast<double>(digits) / kExactPowersOfTen[decimals < 0 ? 0 : decimals];
    if (!NearestFloatOnce(negative ? -magnitude : magnitude, value)) {
        return false;
    }
    length = at;
    return true;
}

void LineScanner::Advance(std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        if (m_text[m_position] == '\n') {
            ++m_line;
        }
        ++m_position;
    }
}

void LineScanner::SkipWhiteSpace() {
    while (m_position < m_text.size() && IsWhiteSpace(m_text[m_position])) {
        if (m_text[m_position] == '\n') {
            ++m_line;
        }
        ++m_position;
    }
}

void LineScanner::SkipToNextLine() {
    while (m_position < m_text.size() && IsBlank(m_text[m_position])) {
        Advance(1);
    }
    if (m_position < m_text.size() && m_text[m_position] == '\n') {
        Advance(1);
    }
}

std::string_view LineScanner::TakeToken() {
    SkipWhiteSpace();
    std::size_t end = m_position;
    while (end < m_text.size() && !IsWhiteSpace(m_text[end])) {
        ++end;
    }
    return m_text.substr(m_position, end - m_position);
}

std::string_view LineScanner::NextToken() const {
    std::size_t start = m_position;
    while (start < m_text.size() && IsWhiteSpace(m_text[start])) {
        ++start;
    }
    std::size_t end = start;
    while (end < m_text.size() && !IsWhiteSpace(m_text[end]) && end - start < kShownTokenLength) {
        ++end;
    }
    return m_text.substr(start, end - start);
}

LineScanner::Status LineScanner::ReadInt(long long& value) {
    const std::string_view token = TakeToken();
    if (token.empty()) {
        return Status::End;
    }
    const std::string_view digits = WithoutPlusSign(token);
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error == std::errc::result_out_of_range) {
        return Status::OutOfRange;
    }
    if (error != std::errc() || end != digits.data() + digits.size()) {
        return Status::NotANumber;
    }
    // A token holds no line end.
    m_position += token.size();
    return Status::Ok;
}

LineScanner::Status LineScanner::ReadFloat(float& value) {
    SkipWhiteSpace();
    std::size_t length = 0;
    if (ReadPlainDecimal(m_text.substr(m_position), value, length)) {
        m_position += length;
        return Status::Ok;
    }
    const std::string_view token = TakeToken();
    if (token.empty()) {
        return Status::End;
    }
    const std::string_view digits = WithoutPlusSign(token);
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                              std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        return Status::OutOfRange;
    }
    if (error != std::errc() || end != digits.data() + digits.size()) {
        return Status::NotANumber;
    }
    m_position += token.size();
    return Status::Ok;
}

bool LineScanner::ReadLine(std::string_view& line) {
    if (m_position >= m_text.size()) {
        return false;
    }
    const std::size_t newline = m_text.find('\n', m_position);
    const std::size_t end = newline == std::string_view::npos ? m_text.size() : newline;
    line = m_text.substr(m_position, end - m_position);
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    m_position = end;
    if (newline != std::string_view::npos) {
        ++m_position;
        ++m_line;
    }
    return true;
}
