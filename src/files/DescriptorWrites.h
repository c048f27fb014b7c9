#pragma once
#include <string>
#include <string_view>

// Writes that must reach the disk whole: shared by the kill-safe saves and the live journal.
class DescriptorWrites {
public:
    // Writes all of content, going on after interrupted and partial writes.
    static bool WriteAll(int descriptor, std::string_view content);
    // Makes a new or renamed name in folder durable; a failure leaves the file itself in
    // place, so it is not reported.
    static void SyncFolder(const std::string& folder);
};
