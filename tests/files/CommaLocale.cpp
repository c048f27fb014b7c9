#include "files/CommaLocale.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const char* const kRomanian = "ro_RO.UTF-8";

bool UsesDecimalComma() {
    char text[16];
    std::snprintf(text, sizeof text, "%.1f", 1.5);
    return std::strcmp(text, "1,5") == 0;
}

} // namespace

CommaLocale::CommaLocale() : m_previousLocale(std::setlocale(LC_NUMERIC, nullptr)) {
    m_active = TryRomanian() || (CompileRomanian() && TryRomanian());
}

CommaLocale::~CommaLocale() {
    std::setlocale(LC_NUMERIC, m_previousLocale.c_str());
    if (m_localeFolder) {
        unsetenv("LOCPATH");
    }
}

bool CommaLocale::TryRomanian() {
    return std::setlocale(LC_NUMERIC, kRomanian) != nullptr && UsesDecimalComma();
}

bool CommaLocale::CompileRomanian() {
    m_localeFolder = std::make_unique<TempFolder>();
    const std::string command =
        "localedef -i ro_RO -f UTF-8 '" + m_localeFolder->File(kRomanian) + "' >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0) {
        return false;
    }
    setenv("LOCPATH", m_localeFolder->Path().c_str(), 1);
    return true;
}
