#pragma once
#include <cstdint>
#include <string_view>

// Reads numbers and lines from a text held in memory, the way the workspace format was
// written: a number skips the white space before it and must be followed by white space or
// the end; a line runs to its line end (LF or CR LF), which is not part of it.
// Keeps the line number of its position for error messages.
class LineScanner {
public:
    enum class Status { Ok, End, NotANumber, OutOfRange };

    explicit LineScanner(std::string_view text) : m_text(text) {}

    Status ReadInt(long long& value);
    Status ReadFloat(float& value);
    // False at the end of the text.
    bool ReadLine(std::string_view& line);
    // Skips blanks up to and including the line end that follows a number, so that the next
    // line is read whole even when it is made only of blanks.
    void SkipToNextLine();

    // Line of the position (1 for the first); after SkipWhiteSpace, the line of the next item.
    int LineNumber() const { return m_line; }
    void SkipWhiteSpace();
    std::size_t Remaining() const { return m_text.size() - m_position; }
    // The item that failed to read, for messages (at most a few dozen characters).
    std::string_view NextToken() const;

private:
    static bool ReadPlainDecimal(std::string_view text, float& value, std::size_t& length);
    std::string_view TakeToken();
    void Advance(std::size_t count);

    std::string_view m_text;
    std::size_t m_position = 0;
    int m_line = 1;
};
