// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// An ASCII digit, 0 to 9; digits of other scripts are none here.
bool isDigit(char c);

// A blank: a space, a tab, or the carriage return of a Windows line end.
bool isBlank(char c);
// `text` without the blanks at its two ends.
std::string_view trimmed(std::string_view text);

// What a typed answer is worth: a whole number in the 16-bit range, or nothing.
//
// A number is, with blanks allowed around it: an optional sign,
// then digits with at most one decimal separator among or around them, at least
// one digit in all. The separator is the Italian comma; a point is taken as a
// decimal separator too, since the keypad's decimal key types one.
// Anything else (letters, exponents, several signs or separators, digits of
// other scripts, an empty box) is not a number.
// The value is rounded to the nearest whole number, halves to the even
// neighbour, exactly (no binary floating point in between), and must then lie
// in -32768..32767; a number outside that range is not an acceptable answer.
std::optional<std::int16_t> answerValue(std::string_view text);

// The shortest decimal text that reads back as the same value, with a decimal
// comma: 45.3 gives "45,3", 200 gives "200".
std::string shortestDecimal(double value);
std::string shortestDecimal(float value);
