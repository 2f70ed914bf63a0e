#include "maps/CellText.h"

#include <gtest/gtest.h>

namespace qz7t {
namespace {

TEST(ByteToCellTextTest, PlainDecimalThatReadsBackAsTheSameByte)
{
    EXPECT_EQ(ByteToCellText(0), "0");
    EXPECT_EQ(ByteToCellText(9), "9");
    EXPECT_EQ(ByteToCellText(86), "86");
    EXPECT_EQ(ByteToCellText(100), "100");
    EXPECT_EQ(ByteToCellText(255), "255");
    for (int byte = 0; byte <= 255; ++byte) {
        EXPECT_EQ(CellTextToByte(ByteToCellText(static_cast<std::uint8_t>(byte))), byte);
    }
}

struct Accepted {
    const char* text;
    int value;
};

void PrintTo(const Accepted& accepted, std::ostream* out) { *out << '"' << accepted.text << '"'; }

class CellTextAcceptedTest : public testing::TestWithParam<Accepted> {};

TEST_P(CellTextAcceptedTest, GivesTheNumber) { EXPECT_EQ(CellTextToByte(GetParam().text), GetParam().value); }

INSTANTIATE_TEST_SUITE_P(Forms, CellTextAcceptedTest,
                         testing::Values(Accepted{"0", 0}, Accepted{"255", 255}, Accepted{"007", 7},
                                         Accepted{"000000000000255", 255}, Accepted{" 12 ", 12},
                                         Accepted{"\t3\t", 3},
                                         Accepted{"\u3000" "128" "\u3000", 128},  // ideographic spaces
                                         Accepted{"\uFF11\uFF12\uFF18", 128},       // full-width digits
                                         Accepted{"\uFF12\uFF15\uFF15", 255}, Accepted{"\uFF10", 0},
                                         Accepted{"\uFF19", 9}, Accepted{"1\uFF12", 12}));

class CellTextRefusedTest : public testing::TestWithParam<const char*> {};

TEST_P(CellTextRefusedTest, IsNoByte) { EXPECT_EQ(CellTextToByte(GetParam()), std::nullopt) << GetParam(); }

INSTANTIATE_TEST_SUITE_P(Forms, CellTextRefusedTest,
                         testing::Values("", " ", "\u3000", "256", "1000", "99999999999999999999", "-1", "+1",
                                         "1.5", "1,0", "0x10", "1e2", "abc", "12a", "1 2", "Text1", "Tex",
                                         "\uFF12\uFF15\uFF16",  // 256 in full-width digits
                                         "\uFF0F", "\uFF1A",     // the characters either side of ０ to ９
                                         "\xEF\xBC", "1\xEF", "\u0663"));

}  // namespace
}  // namespace qz7t
