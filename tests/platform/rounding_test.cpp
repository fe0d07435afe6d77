#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <limits>

#include "platform/basic/rounding.h"
#include "platform/basic/runtime_error.h"

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
    EXPECT_EQ(platform::RoundHalfEven(GetParam().value), GetParam().rounded)
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

struct DivCase {
    long long a;
    long long b;
    long long quotient;
};

void PrintTo(const DivCase& c, std::ostream* os) {
    *os << c.a << " by " << c.b;
}

class IntDivTest : public ::testing::TestWithParam<DivCase> {};

TEST_P(IntDivTest, TruncatesTowardZero) {
    EXPECT_EQ(platform::IntDiv(GetParam().a, GetParam().b), GetParam().quotient)
        << GetParam().a << " / " << GetParam().b;
}

const DivCase kDivCases[] = {
    {-7, 2, -3},
    {7, -2, -3},
    {7, 2, 3},
    {-7, -2, 3},
    {0, 5, 0},
    {1, 2, 0},
    {-1, 2, 0},
    {Limits::min(), 1, Limits::min()},
    {Limits::max(), -1, -Limits::max()},
};

INSTANTIATE_TEST_SUITE_P(Table, IntDivTest, ::testing::ValuesIn(kDivCases));

struct DivErrorCase {
    long long a;
    long long b;
    long number;
};

void PrintTo(const DivErrorCase& c, std::ostream* os) {
    *os << c.a << " by " << c.b;
}

class IntDivErrorTest : public ::testing::TestWithParam<DivErrorCase> {};

TEST_P(IntDivErrorTest, RaisesRuntimeError) {
    try {
        platform::IntDiv(GetParam().a, GetParam().b);
        ADD_FAILURE() << "no error for " << GetParam().a << " / " << GetParam().b;
    } catch (const platform::RuntimeError& error) {
        EXPECT_EQ(error.number(), GetParam().number);
        EXPECT_FALSE(error.description().isEmpty());
    }
}

const DivErrorCase kDivErrorCases[] = {
    {1, 0, 11},
    {0, 0, 11},
    {Limits::min(), -1, 6},
};

INSTANTIATE_TEST_SUITE_P(Table, IntDivErrorTest, ::testing::ValuesIn(kDivErrorCases));

static_assert(platform::IntDiv(-7, 2) == -3, "usable in constant expressions");

}  // namespace
