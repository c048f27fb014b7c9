#pragma once
#include <wx/string.h>

#include <string>

class Storage;

// The crash journal of one live recording: a file in the state folder holding the new record's
// header and then the raw live block of every tick, each block flushed to the disk before the
// tick ends. The file is locked while a journal object holds it, so that a second running copy
// of the program leaves it alone.
//
// Layout (integers little-endian):
//   "DXLJ", format u16 = 1, header length u32 L, header (L bytes), CRC-32 u32 of the format,
//   length and header;
//   header: interval i32, metric i32, flow unit i32, pressure offset, gain, gain hundredths and
//   unit (one byte each), serial number i32, date text and title (u16 length + UTF-8 each);
//   then one block per tick with samples: 'T', byte count B u8, the first B bytes of the live
//   block (its count byte and samples), CRC-32 u32 of the tag, B and those bytes.
class LiveJournal {
public:
    static constexpr std::uint16_t kFormat = 1;
    static constexpr char kTickTag = 'T';

    LiveJournal() = default;
    LiveJournal(const LiveJournal&) = delete;
    LiveJournal& operator=(const LiveJournal&) = delete;
    LiveJournal(LiveJournal&& other) noexcept;
    LiveJournal& operator=(LiveJournal&& other) noexcept;
    // Closes the file and keeps it: the record is not safe yet.
    ~LiveJournal();

    // Creates and locks a new journal for record (just made, no samples yet) in folder, which is
    // made when missing. False with error set when it cannot be written.
    bool Create(const wxString& folder, const Storage& record, wxString& error);
    // Takes over an existing journal that the caller opened and locked.
    static LiveJournal Adopt(int descriptor, const wxString& path);

    // Appends the tick's live block and flushes it; a block without samples writes nothing.
    // On a failed write the journal closes (keeping what was flushed) and false is returned.
    bool AppendTick(const unsigned char* block);
    // The record is safe: the file goes.
    void Remove();
    // The record is not safe, but this process lets go of the file.
    void Close();

    bool IsOpen() const { return m_descriptor >= 0; }
    const wxString& GetPath() const { return m_path; }

    static std::string EncodeHeader(const Storage& record);
    // Empty for a block without samples.
    static std::string EncodeTick(const unsigned char* block);
    // The live block's bytes that carry samples: its count byte and the whole samples.
    static int UsedBytes(const unsigned char* block);

private:
    int m_descriptor = -1;
    wxString m_path;
};
