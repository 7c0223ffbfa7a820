// SPDX-License-Identifier: GPL-3.0-or-later
#include "referencenumber.h"

#include <string>

namespace {

constexpr int kSmallest = -32768;
constexpr int kLargest = 32767;
// A whole part with more digits than this (after leading zeros) is at least
// 100000, beyond the range whatever the rounding.
constexpr std::size_t kMaxWholeDigits = 5;

enum class State { Lead, Sign, Whole, Separator, Fraction, Trail };

struct Parts {
    bool negative = false;
    std::string whole;
    std::string fraction;
};

std::optional<Parts> split(std::string_view text) {
    Parts parts;
    State state = State::Lead;
    bool digitSeen = false;
    for (const char c : text) {
        const bool blank = c == ' ' || c == '\t';
        const bool digit = c >= '0' && c <= '9';
        const bool sign = c == '+' || c == '-';
        const bool separator = c == ',' || c == '.';
        switch (state) {
        case State::Lead:
            if (blank)
                continue;
            if (sign) {
                parts.negative = c == '-';
                state = State::Sign;
                continue;
            }
            [[fallthrough]];
        case State::Sign:
        case State::Whole:
            if (digit) {
                parts.whole += c;
                digitSeen = true;
                state = State::Whole;
            } else if (separator) {
                state = State::Separator;
            } else if (blank && digitSeen) {
                state = State::Trail;
            } else {
                return std::nullopt;
            }
            break;
        case State::Separator:
        case State::Fraction:
            if (digit) {
                parts.fraction += c;
                digitSeen = true;
                state = State::Fraction;
            } else if (blank && digitSeen) {
                state = State::Trail;
            } else {
                return std::nullopt;
            }
            break;
        case State::Trail:
            if (!blank)
                return std::nullopt;
            break;
        }
    }
    if (!digitSeen)
        return std::nullopt;
    return parts;
}

// Compares the decimal fraction 0.<digits> with one half: -1 below, 0 equal, 1 above.
int compareWithHalf(const std::string& digits) {
    // Twice the fraction, digit by digit from the right; the carry out of the
    // first digit is its whole part.
    std::string doubled(digits.size(), '0');
    int carry = 0;
    for (std::size_t i = digits.size(); i-- > 0;) {
        const int d = (digits[i] - '0') * 2 + carry;
        doubled[i] = static_cast<char>('0' + d % 10);
        carry = d / 10;
    }
    const bool restZero = doubled.find_first_not_of('0') == std::string::npos;
    if (carry == 0)
        return -1;
    return restZero ? 0 : 1;
}

} // namespace

std::optional<std::int16_t> referenceAnswerValue(std::string_view text) {
    const auto parts = split(text);
    if (!parts)
        return std::nullopt;
    const std::size_t firstNonZero = parts->whole.find_first_not_of('0');
    const std::string whole =
        firstNonZero == std::string::npos ? std::string() : parts->whole.substr(firstNonZero);
    if (whole.size() > kMaxWholeDigits)
        return std::nullopt;
    int magnitude = whole.empty() ? 0 : std::stoi(whole);
    const int half = compareWithHalf(parts->fraction);
    if (half > 0 || (half == 0 && magnitude % 2 != 0))
        ++magnitude;
    const int value = parts->negative ? -magnitude : magnitude;
    if (value < kSmallest || value > kLargest)
        return std::nullopt;
    return static_cast<std::int16_t>(value);
}
