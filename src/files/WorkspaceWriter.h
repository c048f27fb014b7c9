#pragma once
#include "records/Storage.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Formats a workspace text, handing it on in pieces of about a mebibyte so that a large
// workspace never needs its whole text in memory at once.
class WorkspaceWriter {
public:
    // Takes the next piece; false stops the writing.
    using PieceWriter = std::function<bool(std::string_view)>;

    explicit WorkspaceWriter(PieceWriter write);

    // False when the piece writer refused a piece.
    bool Write(const std::vector<Storage>& records, int flowUnit);

private:
    void AppendLine(const wxString& text);
    void AppendIntLine(long long value);
    void AppendTextBoxCodes(const wxString& text);
    void AppendRecordHeader(const Storage& record, int flowUnit);
    bool AppendSamples(const Storage& record);
    bool PassOnWhenFull();
    bool PassOn();

    PieceWriter m_write;
    std::string m_piece;
};
