// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/common/numbertext.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

namespace {

// The fewest decimals that read back as the same value. Written with
// snprintf rather than std::to_chars, whose floating-point forms the older
// standard library of the web build lacks.
template <typename T> std::string shortestText(T value) {
    constexpr int kMaxDecimals = 17;
    char buffer[400];
    for (int decimals = 0; decimals <= kMaxDecimals; ++decimals) {
        std::snprintf(buffer, sizeof buffer, "%.*f", decimals, static_cast<double>(value));
        if (static_cast<T>(std::strtod(buffer, nullptr)) == value)
            break;
    }
    std::string text = buffer;
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

} // namespace

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::optional<std::int16_t> answerValue(std::string_view text) {
    text = trimmed(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }

    const auto separator = text.find_first_of(",.");
    std::string_view whole = text.substr(0, separator);
    std::string_view fraction =
        separator == std::string_view::npos ? std::string_view{} : text.substr(separator + 1);
    if (whole.empty() && fraction.empty())
        return std::nullopt;
    if (!std::all_of(whole.begin(), whole.end(), isDigit) ||
        !std::all_of(fraction.begin(), fraction.end(), isDigit))
        return std::nullopt;

    // Leading zeros carry no value; what is left must fit before we count.
    while (whole.size() > 1 && whole.front() == '0')
        whole.remove_prefix(1);
    if (whole.size() > 5)
        return std::nullopt;
    long magnitude = 0;
    for (char c : whole)
        magnitude = magnitude * 10 + (c - '0');

    // Round half to even on the exact decimal fraction.
    if (!fraction.empty()) {
        const char first = fraction.front();
        const bool restNonZero =
            std::any_of(fraction.begin() + 1, fraction.end(), [](char c) { return c != '0'; });
        const bool up = first > '5' || (first == '5' && (restNonZero || magnitude % 2 == 1));
        if (up)
            ++magnitude;
    }

    const long value = negative ? -magnitude : magnitude;
    if (value < -32768 || value > 32767)
        return std::nullopt;
    return static_cast<std::int16_t>(value);
}

std::string shortestDecimal(double value) {
    return shortestText(value);
}

std::string shortestDecimal(float value) {
    return shortestText(value);
}
