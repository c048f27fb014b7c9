#include "support/TestEnvironment.h"

#include <gtest/gtest.h>
#include <wx/init.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    TestEnvironment environment;
    wxInitializer initializer;
    if (!initializer.IsOk()) {
        return 2;
    }
    RouteWxAssertsToGTest();
    return RUN_ALL_TESTS();
}
