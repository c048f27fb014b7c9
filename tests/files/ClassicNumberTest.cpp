#include "files/ClassicNumber.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace {

std::string Printed(double value, int decimals) {
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

float FloatOfBits(std::uint32_t bits) {
    float value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

struct FixedCase {
    double value;
    int decimals;
    const char* text;
};

} // namespace

TEST(ClassicNumberFixed, AwkwardValuesGiveThePrintfText) {
    const double infinity = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const FixedCase cases[] = {
        {0.0, 6, "0.000000"},
        {-0.0, 6, "-0.000000"},
        {-0.0000004, 6, "-0.000000"}, // rounds to zero and keeps its sign
        {-12.5f, 6, "-12.500000"},
        {0.0078125, 6, "0.007812"}, // a tie: to the even digit
        {0.0234375, 6, "0.023438"}, // a tie: to the even digit, upwards
        {2.5, 0, "2"},
        {3.5, 0, "4"},
        {0.125, 2, "0.12"},
        {0.375, 2, "0.38"},
        {1.005, 2, "1.00"}, // 1.005 is stored just below the tie
        {0.1f, 6, "0.100000"},
        {16777217.0f, 6, "16777216.000000"},
        {1e-45f, 6, "0.000000"}, // the smallest float
        {std::numeric_limits<float>::max(), 6, nullptr},
        {-std::numeric_limits<float>::max(), 6, nullptr},
        {9.2e12, 6, nullptr}, // about where six decimals stop fitting 64 bits
        {1.8446744073709e13, 6, nullptr},
        {1e22, 6, nullptr},
        {123456789.123456789, 9, nullptr},
        {infinity, 6, "inf"},
        {-infinity, 6, "-inf"},
        {nan, 6, "nan"},
        {-nan, 6, "-nan"},
    };
    for (const FixedCase& c : cases) {
        const std::string expected = c.text != nullptr ? c.text : Printed(c.value, c.decimals);
        EXPECT_EQ(ClassicNumber::Fixed(c.value, c.decimals), expected) << expected;
        EXPECT_EQ(Printed(c.value, c.decimals), expected) << "the table itself is wrong";
    }
}

TEST(ClassicNumberFixed, EveryKindOfFloatGivesThePrintfText) {
    // Random bit patterns reach every exponent, subnormals and non-finite values included.
    std::mt19937 random(20261211);
    std::uniform_int_distribution<std::uint32_t> bits;
    for (int i = 0; i < 40000; ++i) {
        const float value = FloatOfBits(bits(random));
        for (int decimals : {2, 6}) {
            ASSERT_EQ(ClassicNumber::Fixed(value, decimals), Printed(value, decimals))
                << std::hexfloat << value;
        }
    }
}

TEST(ClassicNumberFixed, RecordedValuesGiveThePrintfText) {
    // Values as recordings hold them: hundredths of flows, sample times, growing volumes.
    std::mt19937 random(7);
    std::uniform_real_distribution<float> spread(-100000.0f, 100000.0f);
    for (int i = 0; i < 100000; ++i) {
        const float value = i % 2 == 0 ? spread(random) : static_cast<float>(i) * 0.01f;
        ASSERT_EQ(ClassicNumber::Fixed(value, 6), Printed(value, 6)) << std::hexfloat << value;
    }
}
