#include "device/AutoLogValidation.h"
#include "device/SettingsTexts.h"

#include <gtest/gtest.h>

namespace {

using namespace SettingsTexts;

AutoLogCheck Check(const char* flowOn, const char* flowOff, const char* delayOn,
                   const char* delayOff, int period = 10) {
    return AutoLogValidation::Check({true, flowOn, flowOff, delayOn, delayOff}, period);
}

std::vector<std::string> MessageTexts(const AutoLogCheck& check) {
    std::vector<std::string> texts;
    for (const SettingsMessage& m : check.messages) {
        texts.push_back(m.text);
    }
    return texts;
}

TEST(AutoLogValidation, DelaysBecomeSamplesAndAreShownBackAsTheLoggerUsesThem) {
    const struct {
        int period;
        const char* delay;
        int samples;
        const char* shown;
    } cases[] = {
        {10, "5", 5, "5"}, {3, "1", 3, "0"},  {3, "0", 0, "0"},     {25, "2", 0, "0"},
        {25, "5", 2, "5"}, {1, "7", 70, "7"}, {159, "16", 1, "15"}, {10, " 12 ", 12, "12"},
    };
    for (const auto& c : cases) {
        const AutoLogCheck check = Check("50", "20", c.delay, c.delay, c.period);
        ASSERT_TRUE(check.accepted) << c.period << " " << c.delay;
        EXPECT_EQ(check.delayOnSamples, c.samples) << c.period << " " << c.delay;
        EXPECT_EQ(check.delayOffSamples, c.samples);
        EXPECT_EQ(check.delayOnText, c.shown);
        EXPECT_EQ(check.delayOffText, c.shown);
        EXPECT_TRUE(check.messages.empty());
    }
}

TEST(AutoLogValidation, ThresholdsAndTheBoxAreSentAsTyped) {
    AutoLogCheck check = AutoLogValidation::Check({false, "50", "50", "10", "30"}, 10);
    ASSERT_TRUE(check.accepted);
    EXPECT_EQ(check.flowOn, 50);
    EXPECT_EQ(check.flowOff, 50);
    EXPECT_FALSE(check.enabled);
    EXPECT_TRUE(Check("50", "20", "1", "1").enabled);
}

TEST(AutoLogValidation, FirstTextThatIsNotANumberIsRejectedUnderItsOwnCaption) {
    const struct {
        const char* flowOn;
        const char* flowOff;
        const char* delayOn;
        const char* delayOff;
        const char* caption;
    } cases[] = {
        {"abc", "x", "10", "30", "abc"}, {"50", "", "10", "30", ""},
        {"50", "20", "1.5", "y", "1.5"}, {"50", "20", "10", "3O", "3O"},
        {"-5", "0", "10", "30", "-5"},   {"65536", "0", "10", "30", "65536"},
        {"50", "20", "+3", "30", "+3"},  {"50", "20", "10", "65536", "65536"},
    };
    for (const auto& c : cases) {
        const AutoLogCheck check = Check(c.flowOn, c.flowOff, c.delayOn, c.delayOff);
        EXPECT_FALSE(check.accepted) << c.caption;
        ASSERT_EQ(check.messages.size(), 1u) << c.caption;
        EXPECT_EQ(check.messages[0].text, ReenterValue);
        EXPECT_EQ(check.messages[0].caption, c.caption);
    }
}

TEST(AutoLogValidation, DelaysWhoseSamplesPassSixteenBitsAreRejected) {
    EXPECT_TRUE(Check("50", "20", "65535", "30", 10).accepted);
    EXPECT_TRUE(Check("50", "20", "19660", "30", 3).accepted); // 65533 samples
    EXPECT_FALSE(Check("50", "20", "19661", "30", 3).accepted);
}

TEST(AutoLogValidation, WarningsAndRejectionsInTheirOrder) {
    const struct {
        const char* name;
        const char* flowOn;
        const char* flowOff;
        const char* delayOn;
        const char* delayOff;
        int period;
        bool accepted;
        std::vector<std::string> messages;
    } cases[] = {
        {"off above on", "50", "60", "10", "30", 10, false, {OnBelowOff}},
        {"high on warns and sends", "2500", "30", "10", "30", 10, true, {VeryHighThresholds}},
        {"both high",
         "3000",
         "2500",
         "10",
         "30",
         10,
         true,
         {VeryHighThresholds, VeryHighThresholds}},
        {"high off above on",
         "2500",
         "3000",
         "10",
         "30",
         10,
         false,
         {VeryHighThresholds, VeryHighThresholds, OnBelowOff}},
        {"2000 is not high", "2000", "2000", "10", "30", 10, true, {}},
        {"delay below the period", "50", "20", "1", "30", 25, false, {DelayBelowPeriod}},
        {"delay off below the period", "50", "20", "30", "1", 25, false, {DelayBelowPeriod}},
        {"long delay on", "50", "20", "4001", "30", 10, true, {VeryLongDelays}},
        {"4000 samples is not long", "50", "20", "4000", "4000", 10, true, {}},
        {"both long", "50", "20", "5000", "5000", 10, true, {VeryLongDelays, VeryLongDelays}},
    };
    for (const auto& c : cases) {
        const AutoLogCheck check = Check(c.flowOn, c.flowOff, c.delayOn, c.delayOff, c.period);
        EXPECT_EQ(check.accepted, c.accepted) << c.name;
        EXPECT_EQ(MessageTexts(check), c.messages) << c.name;
        for (const SettingsMessage& m : check.messages) {
            EXPECT_EQ(m.caption, MessageCaption) << c.name;
        }
    }
    const AutoLogCheck high = Check("2500", "30", "10", "30");
    EXPECT_EQ(high.flowOn, 2500);
    EXPECT_EQ(high.flowOff, 30);
}

} // namespace
