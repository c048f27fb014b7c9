#pragma once
#include "records/Storage.h"

#include <string>
#include <vector>

// The workspace format written and read the plain way, with fprintf("%f") and fscanf("%f"),
// as the yardstick of the program's own writer and reader.
class StdioWorkspace {
public:
    // Writes, flushes and fsyncs the file; fsyncSeconds is the time of the fsync alone.
    static bool Write(const std::string& path, const std::vector<Storage>& records, int flowUnit,
                      double& fsyncSeconds);
    // Reads a file written by Write (titles, dates and information of one line each).
    static bool Read(const std::string& path, std::vector<Storage>& records);
};
