#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <limits>

#include "platform/basic/rounding.h"

namespace {

using Limits = std::numeric_limits<long long>;

struct RoundCase {
    double value;
    long long rounded;
};

void PrintTo(const RoundCase& c, std::ostream* os) {
    *os << std::setprecision(17) << c.value;
}

class RoundHalfEvenTest : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundHalfEvenTest, Rounds) {
    EXPECT_EQ(platform::basic::RoundHalfEven(GetParam().value), GetParam().rounded)
        << "value " << GetParam().value;
}

const RoundCase kRoundCases[] = {
    {2.5, 2},
    {3.5, 4},
    {-7.5, -8},
    {-2.5, -2},
    {0.5, 0},
    {1.5, 2},
    {-0.5, 0},
    {-1.5, -2},
    {2.4999999, 2},
    {2.5000001, 3},
    {-2.6, -3},
    {-2.4, -2},
    {0.0, 0},
    {7.0, 7},
    // Adding one half and flooring gets these two wrong.
    {0.49999999999999994, 0},
    {4503599627370497.0, 4503599627370497},
    {1e300, Limits::max()},
    {-1e300, Limits::min()},
    {std::numeric_limits<double>::infinity(), Limits::max()},
    {-std::numeric_limits<double>::infinity(), Limits::min()},
    {std::numeric_limits<double>::quiet_NaN(), 0},
};

INSTANTIATE_TEST_SUITE_P(Table, RoundHalfEvenTest, ::testing::ValuesIn(kRoundCases));

}  // namespace
