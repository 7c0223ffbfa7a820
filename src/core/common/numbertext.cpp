// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/common/numbertext.h"

#include <algorithm>
#include <charconv>

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

template <typename T> std::string shortestText(T value) {
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    std::string text = ec == std::errc{} ? std::string(buffer, end) : std::string("0");
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
