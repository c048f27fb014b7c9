#pragma once
#include <string>

// Points HOME, XDG_CONFIG_HOME and XDG_STATE_HOME at a fresh temporary folder so that no test can
// read or write the user's real files, and removes that folder again at the end of the run.
class TestEnvironment {
public:
    TestEnvironment();
    ~TestEnvironment();
    const std::string& Home() const { return m_home; }

private:
    std::string m_home;
};

// Routes wxWidgets assertion failures into test failures.
void RouteWxAssertsToGTest();
