// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// A second, independent reading of what a typed answer is worth, for checking
// answerValue against: a character-by-character state machine for the grammar
// (blanks, an optional sign, digits with at most one ',' or '.', at least one
// digit, blanks) and exact decimal arithmetic for the rounding (the fraction is
// doubled digit by digit and compared with one, so no length of input loses
// precision). Returns the value rounded half to even if it is a number within
// -32768..32767, nothing otherwise.
std::optional<std::int16_t> referenceAnswerValue(std::string_view text);
