#include "app/ConfigFile.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

class ConfigFileTest : public ::testing::Test {
protected:
    std::string m_path = std::string(getenv("HOME")) + "/config-test.ini";
    void TearDown() override { std::remove(m_path.c_str()); }
    void Write(const std::string& text) { std::ofstream(m_path) << text; }
    std::string Read() {
        std::ifstream in(m_path);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
};

TEST_F(ConfigFileTest, MissingFileGivesDefaultsAndSavingWritesTheSevenDefaultLines) {
    AppSettingsBlock settings = ConfigFile::Load(m_path);
    EXPECT_EQ(settings.metric, 1);
    EXPECT_EQ(settings.pressureUnit, 98);
    EXPECT_EQ(settings.firmwareVersion, 0);
    EXPECT_TRUE(settings.showTips);
    EXPECT_EQ(settings.flowUnit, 0);
    EXPECT_FALSE(settings.settingsLocked);
    EXPECT_FALSE(settings.absoluteTime);
    ASSERT_TRUE(ConfigFile::Save(m_path, settings));
    EXPECT_EQ(Read(), "1\n98\n0\n1\n0\n0\n0\n");
}

struct LoadCase {
    const char* text;
    int metric, pressureUnit, firmware;
    bool tips;
    int flowUnit;
    bool locked, absolute;
};

void PrintTo(const LoadCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class ConfigFileLoadTest : public ConfigFileTest, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(ConfigFileLoadTest, ReadsFieldsAsSpecified) {
    const LoadCase& c = GetParam();
    Write(c.text);
    AppSettingsBlock s = ConfigFile::Load(m_path);
    EXPECT_EQ(s.metric, c.metric);
    EXPECT_EQ(s.pressureUnit, c.pressureUnit);
    EXPECT_EQ(s.firmwareVersion, c.firmware);
    EXPECT_EQ(s.showTips, c.tips);
    EXPECT_EQ(s.flowUnit, c.flowUnit);
    EXPECT_EQ(s.settingsLocked, c.locked);
    EXPECT_EQ(s.absoluteTime, c.absolute);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConfigFileLoadTest,
    ::testing::Values(LoadCase{"0\n112\n1027\n0\n3\n1\n1\n", 0, 112, 1027, false, 3, true, true},
                      LoadCase{"1\n98\n0\n1\n-3\n0\n0\n", 1, 98, 0, true, 253, false, false},
                      LoadCase{"\n\n  0 \n\n 8\n  -1\n 2 \n1\n\n0\n", 0, 8, -1, true, 1, false,
                               false},
                      LoadCase{"1\n16\n", 1, 16, 0, true, 0, false, false},
                      LoadCase{"1\n16\nabc\n0\n", 1, 16, 0, true, 0, false, false},
                      LoadCase{"", 1, 98, 0, true, 0, false, false},
                      LoadCase{"257\n354\n5\n7\n2\n9\n3\n", 1, 98, 5, true, 2, true, true},
                      // A number beyond int has no defined value: reading stops there.
                      LoadCase{"0\n112\n2147483648\n0\n", 0, 112, 0, true, 0, false, false},
                      LoadCase{"0 112 -2147483648 0\n", 0, 112, INT_MIN, false, 0, false, false},
                      LoadCase{"1\n98\n12abc\n0\n", 1, 98, 12, true, 0, false, false},
                      LoadCase{"1\n-\n", 1, 98, 0, true, 0, false, false}));

TEST_F(ConfigFileTest, SaveFailsWhenTheFolderDoesNotExist) {
    EXPECT_FALSE(ConfigFile::Save(m_path + ".missing/x.ini", AppSettingsBlock()));
}

TEST(ConfigFileUserPathTest, LiesInTheUsersConfigurationFolder) {
    EXPECT_EQ(ConfigFile::UserPath(), std::string(getenv("XDG_CONFIG_HOME")) + "/dextrelv48.ini");
}

} // namespace
