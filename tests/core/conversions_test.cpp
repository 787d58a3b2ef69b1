// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "conversions.h"
#include "runtime_error.h"
#include "throws.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>

struct ValCase {
    const char* name;
    const char* text;
    double value;
};

class ValTest : public testing::TestWithParam<ValCase> {};

TEST_P(ValTest, readsTheLeadingNumber) {
    const double got = Val(GetParam().text);
    EXPECT_EQ(got, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Conversions, ValTest,
    testing::Values(ValCase{"empty", "", 0}, ValCase{"minusAlone", "-", 0},
                    ValCase{"minusZero", "-0", 0}, ValCase{"digit", "9", 9},
                    ValCase{"negativeDigit", "-6", -6}, ValCase{"stopsAtNonDigit", "12x3", 12},
                    ValCase{"zeroDigit", "-10", -10}, ValCase{"beyond16Bits", "32768", 32768},
                    ValCase{"mostNegative", "-32768", -32768}),
    [](const testing::TestParamInfo<ValCase>& info) { return info.param.name; });

TEST(Conversions, minusZeroConvertsToPlainZero) {
    EXPECT_TRUE(std::signbit(Val("-0")));
    EXPECT_EQ(integerText(toInteger(Val("-0"))), "0");
}

struct RoundCase {
    const char* name;
    double value;
    std::int16_t rounded;
};

class ToIntegerTest : public testing::TestWithParam<RoundCase> {};

TEST_P(ToIntegerTest, roundsHalfToEven) {
    EXPECT_EQ(toInteger(GetParam().value), GetParam().rounded);
}

INSTANTIATE_TEST_SUITE_P(
    Conversions, ToIntegerTest,
    testing::Values(RoundCase{"halfDownToEven", 0.5, 0}, RoundCase{"halfUpToEven", 1.5, 2},
                    RoundCase{"twoAndAHalf", 2.5, 2}, RoundCase{"negativeHalf", -2.5, -2},
                    RoundCase{"negativeOneAndAHalf", -1.5, -2}, RoundCase{"belowHalf", 2.49, 2},
                    RoundCase{"largest", 32767, 32767}, RoundCase{"smallest", -32768, -32768},
                    RoundCase{"largestHalfRoundsDown", 32766.5, 32766},
                    RoundCase{"smallestHalfRoundsIn", -32768.5, -32768}),
    [](const testing::TestParamInfo<RoundCase>& info) { return info.param.name; });

TEST(Conversions, outsideSixteenBitsIsOverflow) {
    SKIP_UNLESS_CATCHABLE();
    for (double value : {32768.0, 32767.5, -32769.0, -32768.6, 1e300, double(NAN)})
        EXPECT_THROW(toInteger(value), RuntimeError) << value;
}

TEST(Conversions, roundingIgnoresTheCallersRoundingMode) {
#ifndef FE_UPWARD
    GTEST_SKIP() << "WebAssembly rounds one way only";
#else
    std::fesetround(FE_UPWARD);
    const std::int16_t rounded = toInteger(2.5);
    const int mode = std::fegetround();
    std::fesetround(FE_TONEAREST);
    EXPECT_EQ(rounded, 2);
    EXPECT_EQ(mode, FE_UPWARD);
#endif
}

TEST(Conversions, integerTextHasNoLeadingBlank) {
    EXPECT_EQ(integerText(9), "9");
    EXPECT_EQ(integerText(-6), "-6");
    EXPECT_EQ(integerText(0), "0");
    EXPECT_EQ(integerText(-32768), "-32768");
    EXPECT_EQ(integerText(2147483647), "2147483647");
}

TEST(Conversions, absoluteValueOverflowsOnlyForTheMostNegative) {
    EXPECT_EQ(absolute(-6), 6);
    EXPECT_EQ(absolute(6), 6);
    EXPECT_EQ(absolute(0), 0);
    EXPECT_EQ(absolute(-32767), 32767);
}

TEST(Conversions, absoluteOfTheMostNegativeOverflows) {
    SKIP_UNLESS_CATCHABLE();
    EXPECT_THROW(absolute(-32768), RuntimeError);
}

TEST(Conversions, runningSumWidensBeyondSixteenBits) {
    RunningSum up(32767);
    up.add(1);
    EXPECT_EQ(up.value(), 32768);
    RunningSum down(-32768);
    down.add(-1);
    EXPECT_EQ(down.value(), -32769);
}

TEST(Conversions, runningSumOverflowsBeyondThirtyTwoBits) {
    RunningSum sum(32767);
    // 65537 more terms of 32767 come one short of the largest 32-bit value.
    for (int i = 0; i < 65537; ++i)
        sum.add(32767);
    EXPECT_EQ(sum.value(), 2147483646);
    sum.add(1);
    EXPECT_EQ(sum.value(), 2147483647);
    SKIP_UNLESS_CATCHABLE();
    EXPECT_THROW(sum.add(1), RuntimeError);
}
