#include "revlimit/RevLimit.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

namespace qz7t {
namespace {

TEST(RevLimitRpmTest, NearestWholeNumberWithHalvesToEven)
{
    const std::pair<std::uint16_t, int> cases[] = {
        {2000, 7500},  {2143, 7000},   {1920, 7812},       {640, 23438}, {458, 32751},
        {32767, 458},  {457, 32823},   {1, 15000000},      {65535, 229}, {4096, 3662},
        {4095, 3663},  {32768, 458},   {3, 5000000},
    };
    for (const auto& [period, rpm] : cases) EXPECT_EQ(RevLimitRpm(period), rpm) << "period " << period;
    EXPECT_EQ(RevLimitRpm(0), std::nullopt);
}

class RevLimitTest : public testing::TestWithParam<ImageLayout> {
protected:
    EditorState state = test::PatternState(GetParam());
    const std::size_t high = GetParam() == ShiftedLayout ? 27945 : 27946;

    void SetPeriod(std::uint16_t period)
    {
        state.image[high] = static_cast<std::uint8_t>(period >> 8);
        state.image[high + 1] = static_cast<std::uint8_t>(period);
    }
};

INSTANTIATE_TEST_SUITE_P(BothLayouts, RevLimitTest, testing::Values(BaseLayout, ShiftedLayout),
                         [](const auto& info) { return info.param == BaseLayout ? "Base" : "Shifted"; });

TEST_P(RevLimitTest, ReadsTheBigEndianPeriodAtTheLayoutsBytes)
{
    SetPeriod(2000);
    EXPECT_EQ(ReadRevLimitPeriod(state), 2000);
    EXPECT_EQ(ShowRevLimit(state), "7500");
    SetPeriod(0);
    EXPECT_EQ(ShowRevLimit(state), "");
}

TEST_P(RevLimitTest, StepsBorrowAndCarryBetweenTheTwoBytes)
{
    struct Step {
        RevLimitStep (*step)(EditorState&);
        std::uint16_t from, to;
        const char* shown;
    };
    for (const Step s : {Step{StepRevLimitUp, 0x1000, 0x0FFF, "3663"}, Step{StepRevLimitDown, 0x0FFF, 0x1000, "3662"},
                         Step{StepRevLimitUp, 0x07D1, 0x07D0, "7500"}, Step{StepRevLimitDown, 0x7FFF, 0x8000, "458"},
                         Step{StepRevLimitUp, 2, 1, "15000000"}, Step{StepRevLimitDown, 0, 1, "15000000"},
                         Step{StepRevLimitUp, 458, 457, "32823"}}) {
        SetPeriod(s.from);
        const ImageBuffer before = state.image;
        ASSERT_EQ(s.step(state), RevLimitStep::Stepped) << s.from;
        EXPECT_EQ(ReadRevLimitPeriod(state), s.to) << s.from;
        EXPECT_EQ(ShowRevLimit(state), s.shown) << s.from;
        EXPECT_TRUE(test::UnchangedOutside(before, state.image, high, 2));
    }
}

TEST_P(RevLimitTest, StepToZeroOrPastTheEndChangesNoByte)
{
    struct Refused {
        RevLimitStep (*step)(EditorState&);
        std::uint16_t from;
    };
    for (const Refused r : {Refused{StepRevLimitUp, 1}, Refused{StepRevLimitUp, 0}, Refused{StepRevLimitDown, 0xFFFF}}) {
        SetPeriod(r.from);
        const ImageBuffer before = state.image;
        EXPECT_EQ(r.step(state), RevLimitStep::OutOfRange) << r.from;
        EXPECT_EQ(state.image, before) << r.from;
    }
}

}  // namespace
}  // namespace qz7t
