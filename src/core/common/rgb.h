// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// A colour as red, green and blue.
struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The colour stored as the old toolkit stored it: 0x00BBGGRR.
constexpr std::uint32_t storedValue(Rgb c) {
    return static_cast<std::uint32_t>(c.r) | static_cast<std::uint32_t>(c.g) << 8 |
           static_cast<std::uint32_t>(c.b) << 16;
}

constexpr Rgb fromStoredValue(std::uint32_t v) {
    return {static_cast<std::uint8_t>(v & 0xff), static_cast<std::uint8_t>(v >> 8 & 0xff),
            static_cast<std::uint8_t>(v >> 16 & 0xff)};
}

// The colours of the two windows' designs, each named once here; the designs
// and the figures say which control or piece takes which.
namespace colour {
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kGrey{192, 192, 192};
constexpr Rgb kLightGrey{224, 224, 224};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kDarkRed{192, 0, 0};
constexpr Rgb kSalmon{255, 128, 128};
constexpr Rgb kOrange{255, 128, 0};
constexpr Rgb kLightOrange{255, 224, 192};
constexpr Rgb kYellow{255, 255, 0};
constexpr Rgb kLightYellow{255, 255, 128};
constexpr Rgb kPaleYellow{255, 255, 192};
constexpr Rgb kDarkGreen{0, 128, 0};
constexpr Rgb kGreen{0, 192, 0};
constexpr Rgb kLightGreen{128, 255, 128};
constexpr Rgb kPaleGreen{192, 255, 192};
constexpr Rgb kLightCyan{192, 255, 255};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kDarkBlue{0, 0, 128};
} // namespace colour
