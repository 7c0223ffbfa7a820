// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/exercise/tastierino.h"

#include "core/exercise/form1.h"

#include <algorithm>

std::optional<int> codiceTasto(Ctl tasto) {
    if (tasto == Ctl::INVIO)
        return kTastoInvio;
    if (tasto == Ctl::TastoCancella)
        return kTastoCancella;
    if (std::find(kTastierino.begin(), kTastierino.end(), tasto) == kTastierino.end())
        return std::nullopt;
    // A digit key sends the digit it shows.
    return static_cast<int>(design(tasto).text.front());
}

bool tastierinoVisibile(PadMode mode, bool touch, bool boxWaits) {
    switch (mode) {
    case PadMode::Always:
        return boxWaits;
    case PadMode::Never:
        return false;
    case PadMode::Automatic:
        break;
    }
    return boxWaits && touch;
}

void cancellaUltimo(std::string& text) {
    // Continuation bytes of UTF-8 are 10xxxxxx: drop them, then the byte that
    // starts the character.
    while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0xC0) == 0x80)
        text.pop_back();
    if (!text.empty())
        text.pop_back();
}
