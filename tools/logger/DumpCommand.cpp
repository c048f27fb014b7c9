// dextrel-logger dump: the logger's whole memory image into a file.
#include "LoggerCommand.h"
#include "ToolSupport.h"

#include "device/LoggerProtocol.h"
#include "device/LoggerUsb.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

using namespace ToolSupport;

namespace {

int RunDump(const Arguments& arguments) {
    if (arguments.size() != 2 || arguments[0] != "-o") {
        return UsageError(DumpCommand, "dump needs -o FILE");
    }
    const std::string& path = arguments[1];
    LoggerUsb usb;
    if (!FindLogger(usb)) {
        return 1;
    }
    std::vector<unsigned char> image(LoggerProtocol::MemorySize);
    if (!usb.ReadMemory(0, LoggerProtocol::MemorySize, image.data())) {
        return FailOnLogger(usb, "reading the memory failed");
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(image.data()),
              static_cast<std::streamsize>(image.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "%s: cannot write %s\n", Program, path.c_str());
        return 1;
    }
    std::printf("Wrote %zu bytes of logger memory to %s\n", image.size(), path.c_str());
    return 0;
}

} // namespace

const LoggerCommand DumpCommand = {
    "dump", "-o FILE", "writes the logger's whole 128 KiB memory image to FILE",
    "Writes the logger's whole memory, settings header, recorded samples and table of\n"
    "contents, to FILE as 131072 bytes.\n",
    RunDump};
