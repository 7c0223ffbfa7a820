// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Words joined as a list, `last` before the last one: "a, b and c",
// "cento centimetri, sessanta centimetri oppure ottanta centimetri".
template <typename Words>
std::string wordList(const Words& words, std::string_view last, std::string_view between = ", ") {
    std::string list;
    std::size_t i = 0;
    for (const auto& word : words) {
        if (i > 0)
            list += i + 1 == std::size(words) ? last : between;
        list += word;
        ++i;
    }
    return list;
}
