// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: answerValue on any bytes must not crash and must agree
// with the independent reference reading.
//   fuzz_answervalue -max_total_time=60
#include "core/common/numbertext.h"
#include "referencenumber.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (answerValue(text) != referenceAnswerValue(text))
        std::abort();
    return 0;
}
