#include "support/TestEnvironment.h"

#include <gtest/gtest.h>
#include <wx/debug.h>
#include <wx/string.h>

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

TestEnvironment::TestEnvironment() {
    char pattern[] = "/tmp/dextrel-test-XXXXXX";
    char* dir = mkdtemp(pattern);
    if (dir == nullptr) {
        std::abort();
    }
    m_home = dir;
    std::filesystem::create_directories(m_home + "/.config");
    setenv("HOME", m_home.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (m_home + "/.config").c_str(), 1);
    setenv("XDG_STATE_HOME", (m_home + "/.local/state").c_str(), 1);
}

TestEnvironment::~TestEnvironment() {
    std::error_code ignored;
    std::filesystem::remove_all(m_home, ignored);
}

static void FailTestOnAssert(const wxString& file, int line, const wxString& func,
                             const wxString& cond, const wxString& msg) {
    ADD_FAILURE_AT(file.utf8_str().data(), line)
        << "wxWidgets assertion in " << func.utf8_str().data() << ": " << cond.utf8_str().data()
        << " " << msg.utf8_str().data();
}

void RouteWxAssertsToGTest() {
    wxSetAssertHandler(FailTestOnAssert);
}
