#include "files/LineScanner.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

namespace {

// What a number token read as before the quick path: from_chars after an optional plus sign.
struct Reference {
    LineScanner::Status status;
    float value;
};

Reference ReadByFromChars(std::string_view token) {
    if (token.size() > 1 && token[0] == '+' && token[1] != '-' && token[1] != '+') {
        token.remove_prefix(1);
    }
    float value = 0;
    const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value,
                                              std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        return {LineScanner::Status::OutOfRange, 0};
    }
    if (error != std::errc() || end != token.data() + token.size()) {
        return {LineScanner::Status::NotANumber, 0};
    }
    return {LineScanner::Status::Ok, value};
}

std::uint32_t BitsOf(float value) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// Reads one float from "token\n" and checks it against the reference, bit for bit.
void ExpectReadsAsBefore(const std::string& token) {
    const std::string text = token + "\n";
    LineScanner scanner(text);
    float value = 0;
    const LineScanner::Status status = scanner.ReadFloat(value);
    const Reference expected = ReadByFromChars(token);
    ASSERT_EQ(status, expected.status) << token;
    if (status == LineScanner::Status::Ok) {
        if (expected.value != expected.value) {
            ASSERT_NE(value, value) << token;
        } else {
            ASSERT_EQ(BitsOf(value), BitsOf(expected.value)) << token;
        }
    }
}

} // namespace

TEST(LineScannerFloat, AcceptsAndRejectsWhatFromCharsDid) {
    for (const char* token : {"0",
                              "-0",
                              "-0.000000",
                              "12.345678",
                              "+1.5",
                              "+-1",
                              "++1",
                              "1e5",
                              "1E-3",
                              ".5",
                              "5.",
                              "-.5",
                              ".",
                              "-",
                              "+",
                              "inf",
                              "-inf",
                              "INF",
                              "nan",
                              "-nan",
                              "infinity",
                              "1e-50",
                              "1e50",
                              "0x1p3",
                              "1.5x",
                              "1..5",
                              "1.5.",
                              "--1",
                              "1,5",
                              "340282346638528859811704183484516925440.0",
                              "340282356779733661637539395458142568448.0",
                              "0.0000000000000000000000000000000000000117549435",
                              "0.000000000000000000000000000000000000000000001",
                              "9999999999999999999.9",
                              "12345678901234567890",
                              "0.00000000000000000001",
                              "16777217",
                              "16777217.000000",
                              "33554433.0",
                              "0.1",
                              "-0.3"}) {
        ExpectReadsAsBefore(token);
    }
}

TEST(LineScannerFloat, EveryWrittenFloatReadsAsBefore) {
    std::mt19937 random(11);
    std::uniform_int_distribution<std::uint32_t> bits;
    char text[512];
    for (int i = 0; i < 100000; ++i) {
        const std::uint32_t pattern = bits(random);
        float value = 0;
        std::memcpy(&value, &pattern, sizeof value);
        std::snprintf(text, sizeof text, "%f", value);
        ExpectReadsAsBefore(text);
    }
}

TEST(LineScannerFloat, DecimalsOfEveryLengthReadAsBefore) {
    // Up to 20 digits with the point anywhere: the quick path's limits and its ties.
    std::mt19937_64 random(3);
    for (int i = 0; i < 100000; ++i) {
        const int length = 1 + static_cast<int>(random() % 20);
        std::string token = random() % 2 == 0 ? "-" : "";
        for (int d = 0; d < length; ++d) {
            token += static_cast<char>('0' + random() % 10);
        }
        token.insert(token.size() - random() % (length + 1), ".");
        ExpectReadsAsBefore(token);
    }
}

TEST(LineScannerFloat, NumbersAfterWhiteSpaceAndLineEnds) {
    LineScanner scanner("  1.5\t-2.25\r\n\n3 x");
    float value = 0;
    ASSERT_EQ(scanner.ReadFloat(value), LineScanner::Status::Ok);
    EXPECT_EQ(value, 1.5f);
    ASSERT_EQ(scanner.ReadFloat(value), LineScanner::Status::Ok);
    EXPECT_EQ(value, -2.25f);
    ASSERT_EQ(scanner.ReadFloat(value), LineScanner::Status::Ok);
    EXPECT_EQ(value, 3.0f);
    EXPECT_EQ(scanner.LineNumber(), 3);
    EXPECT_EQ(scanner.ReadFloat(value), LineScanner::Status::NotANumber);
    EXPECT_EQ(scanner.NextToken(), "x");
}
