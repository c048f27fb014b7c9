#include "widgets/TipLines.h"

#include <gtest/gtest.h>
#include <ostream>

namespace {

const wxString kLongestTip = wxString::FromUTF8(
    "Download all recorded Flow and Pressure events from the Vendrix via the USB. Descarcati "
    "\xC3\xAEnregistrarile de Flux si Presiune de la Vendrix prin cablu USB");

TEST(TipLines, LongestTipIsCutAtBlanksIntoShortLines) {
    const std::vector<wxString> lines = CutTipLines(kLongestTip);
    ASSERT_GT(lines.size(), 1u);
    wxString joined;
    for (const wxString& line : lines) {
        EXPECT_LE(line.length(), 40u) << line;
        joined += (joined.empty() ? "" : " ") + line;
    }
    EXPECT_EQ(joined, kLongestTip); // only the blanks at the cuts are gone
    EXPECT_EQ(lines.front(), "Download all recorded Flow and Pressure");
}

TEST(TipLines, DoubleBlankLeavesOneBlankAtTheLineEnd) {
    const std::vector<wxString> lines = CutTipLines(
        "Citeste si inregistreaza in timp real  masuratorile din Vendrix-ul conectat prin USB.");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "Citeste si inregistreaza in timp real ");
    EXPECT_EQ(lines[1], "masuratorile din Vendrix-ul conectat");
    EXPECT_EQ(lines[2], "prin USB.");
}

struct CutCase {
    const char* name;
    wxString text;
    std::vector<wxString> lines;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const CutCase& c, std::ostream* os) {
    *os << c.name;
}

class TipLinesRule : public ::testing::TestWithParam<CutCase> {};

TEST_P(TipLinesRule, CutsAsTheRuleSays) {
    EXPECT_EQ(CutTipLines(GetParam().text, 10), GetParam().lines);
}

const CutCase kCutCases[] = {
    {"Empty", "", {}},
    {"ShortTextIsOneLine", "abc def", {"abc def"}},
    {"ExactlyTheWidth", "abcd efghi", {"abcd efghi"}},
    {"CutAtTheLastBlankWithinTheWidth", "ab cd ef ghij", {"ab cd ef", "ghij"}},
    {"BlankJustPastTheWidthIsNotUsed", "abcd efghij kl", {"abcd", "efghij kl"}},
    {"TrailingBlankKept", "abcdefgh ij ", {"abcdefgh", "ij "}},
    {"NoBlankKeepsTheRestWhole", "abcdefghijklmn", {"abcdefghijklmn"}},
    {"BlankTooEarlyKeepsTheRestWhole", "a bcdefghijklmn", {"a bcdefghijklmn"}},
    {"BlankAtThirdCharacterCuts", "ab cdefghijklmn", {"ab", "cdefghijklmn"}},
};

INSTANTIATE_TEST_SUITE_P(Texts, TipLinesRule, ::testing::ValuesIn(kCutCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
