// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The number a text begins with: an optional minus sign and the decimal
// digits after it. "" and "-" give 0.
double Val(std::string_view text);

// Rounds half to even; a result outside the signed 16-bit range is an
// overflow error.
std::int16_t toInteger(double value);

// Decimal digits, "-" in front when negative, no blank in front otherwise.
std::string integerText(std::int32_t value);

// Overflow error for the most negative 16-bit value, which has no positive.
std::int16_t absolute(std::int16_t value);

// A running sum of 16-bit terms: it starts as a 16-bit integer and widens to
// 32 bits instead of overflowing there; only leaving 32 bits is an error.
class RunningSum {
  public:
    explicit RunningSum(std::int16_t start) : value_(start) {}
    void add(std::int16_t term);
    std::int32_t value() const { return value_; }

  private:
    std::int32_t value_;
};
