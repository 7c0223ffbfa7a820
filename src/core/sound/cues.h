// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

// The program's sound cues. Each is the file <name>.wav in the folder suoni
// beside the executable; the files themselves are kept in data/suoni/.
namespace cues {

inline constexpr std::string_view kPremivia = "premivia";     // ready: press VIA
inline constexpr std::string_view kSbagliato1 = "sbagliato1"; // a wrong answer
// A right answer plays one of these, drawn with equal chances.
inline constexpr std::array<std::string_view, 5> kEsatto = {"esatto", "esatto2", "esatto3",
                                                            "esatto4", "esatto5"};

// Every cue the program plays.
inline constexpr std::array<std::string_view, 7> kAll = {
    kPremivia, kSbagliato1, kEsatto[0], kEsatto[1], kEsatto[2], kEsatto[3], kEsatto[4]};

} // namespace cues
