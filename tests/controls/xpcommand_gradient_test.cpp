#include <gtest/gtest.h>

#include <vector>

#include "controls/XPCommand/xp_gradient.h"
#include "support/row_print.h"

namespace {

struct GradientCase {
    const char* name;
    int depth;
    int height;
    std::vector<int> amounts;  // for lines 1, 2, ... (as many as listed)
};

using support::PrintTo;

// Depth 25 is the normal face, 15 the pressed one, 50 the disabled one.
const GradientCase kCases[] = {
    {"normal20", 25, 20, {-1,  -2,  -4,  -5,  -6,  -8,  -9,  -10, -11, -12,
                          -14, -15, -16, -18, -19, -20, -21, -22, -24, -25}},
    {"pressed20", 15, 20, {-1, -2, -2,  -3,  -4,  -4,  -5,  -6,  -7,  -8,
                           -8, -9, -10, -10, -11, -12, -13, -14, -14, -15}},
    {"disabled20", 50, 20, {-2,  -5,  -8,  -10, -12, -15, -18, -20, -22, -25,
                            -28, -30, -32, -35, -38, -40, -42, -45, -48, -50}},
    {"normal25", 25, 25, {-1,  -2,  -3,  -4,  -5,  -6,  -7,  -8,  -9,  -10, -11, -12, -13,
                          -14, -15, -16, -17, -18, -19, -20, -21, -22, -23, -24, -25}},
    // 15 / 25 in single precision lies a little above 0.6: 0.6 * 5 is not a
    // tie, and no line of this face is.
    {"pressed25", 15, 25, {-1, -1, -2,  -2,  -3,  -4,  -4,  -5,  -5,  -6,  -7,  -7, -8,
                           -8, -9, -10, -10, -11, -11, -12, -13, -13, -14, -14, -15}},
};

class GradientAmounts : public ::testing::TestWithParam<GradientCase> {};

TEST_P(GradientAmounts, EveryLineRoundsHalfToEvenFromTheSingleStep) {
    const GradientCase& c = GetParam();
    const float step = controls::GradientStep(c.depth, c.height);
    for (int i = 1; i <= static_cast<int>(c.amounts.size()); ++i)
        EXPECT_EQ(controls::GradientAmount(step, i), c.amounts[i - 1]) << "line " << i;
}

INSTANTIATE_TEST_SUITE_P(Faces, GradientAmounts, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Lines where a step computed in double precision would give a tie and round
// the other way: the single-precision step lies just below.
struct NearTie {
    int depth;
    int height;
    int line;
    int amount;
};

const NearTie kNearTies[] = {
    {25, 30, 9, -7},
    {25, 30, 21, -17},
    {15, 14, 7, -7},
};

TEST(GradientAmounts, SinglePrecisionStepDecidesLinesThatWouldBeTies) {
    for (const NearTie& t : kNearTies)
        EXPECT_EQ(controls::GradientAmount(controls::GradientStep(t.depth, t.height), t.line),
                  t.amount)
            << t.depth << "/" << t.height << " line " << t.line;
}

}  // namespace
