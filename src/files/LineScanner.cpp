#include "files/LineScanner.h"

#include <charconv>

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

} // namespace

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
        Advance(1);
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
    Advance(token.size());
    return Status::Ok;
}

LineScanner::Status LineScanner::ReadFloat(float& value) {
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
    Advance(token.size());
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
