#include "unitsim/faults.h"

#include <gtest/gtest.h>

namespace dorvik::unitsim {
namespace {

std::vector<bool> Answers(FaultPlan& plan, int commands) {
    std::vector<bool> answers;
    for (int i = 0; i < commands; ++i) answers.push_back(plan.OnCommand().answer);
    return answers;
}

TEST(UnitsimFaults, SilenceSwitchesPickTheCommandsLeftUnanswered) {
    FaultPlan plain({});
    EXPECT_EQ(Answers(plain, 3), (std::vector<bool>{true, true, true}));
    FaultPlan once({.silentOnce = true});
    EXPECT_EQ(Answers(once, 3), (std::vector<bool>{false, true, true}));
    FaultPlan after({.silentAfter = 2});
    EXPECT_EQ(Answers(after, 4), (std::vector<bool>{true, true, false, false}));
    FaultPlan mute({.silentAfter = 0});
    EXPECT_EQ(Answers(mute, 1), (std::vector<bool>{false}));
}

TEST(UnitsimFaults, HangsUpAfterTheGivenCommand) {
    FaultPlan plan({.hangupAfter = 2});
    EXPECT_FALSE(plan.OnCommand().hangup);
    const FaultDecision second = plan.OnCommand();
    EXPECT_TRUE(second.hangup);
    EXPECT_TRUE(second.answer);
}

TEST(UnitsimFaults, NoiseOnlyWhenAskedAndNeverALineEnd) {
    FaultPlan quiet({});
    EXPECT_TRUE(quiet.Noise().empty());
    FaultPlan noisy({.garbage = true});
    bool sawEmptyLine = false;
    for (int i = 0; i < 50; ++i) {
        const auto lines = noisy.Noise();
        ASSERT_FALSE(lines.empty());
        EXPECT_FALSE(lines[0].empty());
        for (const std::string& line : lines) {
            EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos);
            sawEmptyLine = sawEmptyLine || line.empty();
        }
    }
    EXPECT_TRUE(sawEmptyLine);
}

}  // namespace
}  // namespace dorvik::unitsim
