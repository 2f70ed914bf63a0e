#include "image/ImageLayout.h"

#include <gtest/gtest.h>

namespace qz7t {
namespace {

struct LayoutPositions {
    std::uint8_t firstByte;
    std::size_t fuel, ignition, revHigh, revLow, cleared;
};

void PrintTo(const LayoutPositions& layout, std::ostream* out) { *out << "first byte " << int(layout.firstByte); }

class LayoutPositionsTest : public testing::TestWithParam<LayoutPositions> {};

TEST_P(LayoutPositionsTest, FirstByteSelectsEveryPosition)
{
    const auto& expected = GetParam();
    const auto layout = RecognizeLayout(expected.firstByte);
    ASSERT_TRUE(layout);
    EXPECT_EQ(FuelMapPosition(*layout), expected.fuel);
    EXPECT_EQ(IgnitionMapPosition(*layout), expected.ignition);
    EXPECT_EQ(RevLimitHighPosition(*layout), expected.revHigh);
    EXPECT_EQ(RevLimitLowPosition(*layout), expected.revLow);
    EXPECT_EQ(ClearedBytePosition(*layout), expected.cleared);
}

INSTANTIATE_TEST_SUITE_P(BothLayouts, LayoutPositionsTest,
                         testing::Values(LayoutPositions{0x40, 29090, 29861, 27946, 27947, 31519},
                                         LayoutPositions{0x50, 29115, 29886, 27945, 27946, 31544}));

TEST(RecognizeLayoutTest, OnlyTheTwoMarksAreRecognized)
{
    for (int byte = 0; byte <= 255; ++byte) {
        const auto layout = RecognizeLayout(static_cast<std::uint8_t>(byte));
        EXPECT_EQ(layout.has_value(), byte == 0x40 || byte == 0x50) << "byte " << byte;
    }
    EXPECT_EQ(RecognizeLayout(0x40), BaseLayout);
    EXPECT_EQ(RecognizeLayout(0x50), ShiftedLayout);
}

}  // namespace
}  // namespace qz7t
