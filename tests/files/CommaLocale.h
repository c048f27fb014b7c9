#pragma once
#include "files/TempFolder.h"

#include <memory>
#include <string>

// Switches LC_NUMERIC to Romanian (decimal comma) for the lifetime of the object, compiling
// the locale into a temporary folder when the system has none installed. Active() is false
// when neither works; the previous locale is restored on destruction.
class CommaLocale {
public:
    CommaLocale();
    ~CommaLocale();
    CommaLocale(const CommaLocale&) = delete;
    CommaLocale& operator=(const CommaLocale&) = delete;

    bool Active() const { return m_active; }

private:
    bool TryRomanian();
    bool CompileRomanian();

    std::string m_previousLocale;
    std::unique_ptr<TempFolder> m_localeFolder;
    bool m_active = false;
};
