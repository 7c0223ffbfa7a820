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
