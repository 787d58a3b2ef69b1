// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "conversions.h"

#include "runtime_error.h"

#include <cfenv>
#include <cmath>
#include <limits>

double Val(std::string_view text) {
    std::size_t at = 0;
    const bool negative = !text.empty() && text.front() == '-';
    if (negative)
        ++at;
    double number = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at)
        number = number * 10 + (text[at] - '0');
    return negative ? -number : number;
}

std::int16_t toInteger(double value) {
    // Banker's rounding, whatever rounding mode a caller may have set.
    const int savedMode = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    std::fesetround(savedMode);
    if (!(rounded >= std::numeric_limits<std::int16_t>::min() &&
          rounded <= std::numeric_limits<std::int16_t>::max()))
        throw RuntimeError("Overflow");
    return static_cast<std::int16_t>(rounded);
}

std::string integerText(std::int32_t value) {
    return std::to_string(value);
}

std::int16_t absolute(std::int16_t value) {
    if (value == std::numeric_limits<std::int16_t>::min())
        throw RuntimeError("Overflow");
    return static_cast<std::int16_t>(value < 0 ? -value : value);
}

void RunningSum::add(std::int16_t term) {
    std::int32_t sum = 0;
    if (__builtin_add_overflow(value_, term, &sum))
        throw RuntimeError("Overflow");
    value_ = sum;
}
