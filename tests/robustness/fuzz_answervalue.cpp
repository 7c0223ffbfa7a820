// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: answerValue on any bytes never crashes, and a value it gives
// reads back the same from its own decimal text.   fuzz_answervalue -max_total_time=60
#include "core/common/numbertext.h"

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const auto value = answerValue({reinterpret_cast<const char*>(data), size});
    if (value && answerValue(std::to_string(*value)) != value)
        std::abort();
    return 0;
}
