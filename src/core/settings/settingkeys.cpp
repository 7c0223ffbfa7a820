// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/settingkeys.h"

#include "core/common/wordlist.h"

#include <algorithm>
#include <type_traits>

namespace {

template <auto Member> int getChoice(const ClassroomSettings& settings) {
    return static_cast<int>(settings.*Member);
}

template <auto Member> void setChoice(ClassroomSettings& settings, int choice) {
    settings.*Member = static_cast<std::remove_reference_t<decltype(settings.*Member)>>(choice);
}

bool sameWord(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

} // namespace

const std::array<SettingKey, 4> kSettingKeys = {{
    {.name = "number-pad",
     .words = {"auto", "always", "never"},
     .help = {"when the exercise shows its on-screen number pad: auto on a touch\n"
              "screen and from the first touch on, always (for whiteboards whose pen\n"
              "acts as a mouse) or never\n",
              "quando l'esercizio mostra il tastierino numerico sullo schermo: auto\n"
              "su uno schermo tattile e dal primo tocco in poi, always (per le LIM\n"
              "la cui penna fa da mouse) o never\n"},
     .get = getChoice<&ClassroomSettings::pad>,
     .set = setChoice<&ClassroomSettings::pad>},
    {.name = "read-aloud",
     .words = {"off", "on"},
     .help = {"whether each new question is read aloud as it appears\n",
              "se ogni nuova domanda viene letta ad alta voce appena compare\n"},
     .get = getChoice<&ClassroomSettings::autoRead>,
     .set = setChoice<&ClassroomSettings::autoRead>},
    {.name = "read-aloud-rate",
     .words = {"slow", "normal"},
     .help = {"how fast the voice reads: slow, for the youngest pupils, or the\n"
              "voice's normal pace\n",
              "quanto in fretta legge la voce: slow, lenta per gli alunni più piccoli,\n"
              "o normal, il passo normale della voce\n"},
     .get = getChoice<&ClassroomSettings::readingPace>,
     .set = setChoice<&ClassroomSettings::readingPace>},
    {.name = "sounds-folder",
     .help = {"the school's own sounds: a WAV file there with the name of one of the\n"
              "program's sounds (esatto.wav, premivia.wav ...) plays in its place\n",
              "i suoni propri della scuola: un file WAV lì con il nome di uno dei\n"
              "suoni del programma (esatto.wav, premivia.wav ...) suona al suo posto\n"}},
}};

Language messageLanguage(std::string_view lcAll, std::string_view lcMessages,
                         std::string_view lang) {
    const std::string_view locale =
        !lcAll.empty() ? lcAll : (!lcMessages.empty() ? lcMessages : lang);
    // "it", "it_IT.UTF-8", "it_CH@euro"; not "italic" or "iu".
    const bool italian = locale.starts_with("it") && (locale.size() == 2 || locale[2] == '_' ||
                                                      locale[2] == '.' || locale[2] == '@');
    return italian ? Language::Italian : Language::English;
}

const SettingKey* findSetting(std::string_view name) {
    for (const SettingKey& key : kSettingKeys) {
        if (key.name == name)
            return &key;
    }
    return nullptr;
}

bool SettingKey::apply(ClassroomSettings& settings, std::string_view value) const {
    if (set == nullptr) {
        // A relative folder would depend on where the program happens to be
        // started from: the menu starts it in the user's home.
        if (!value.starts_with('/'))
            return false;
        settings.schoolSounds = std::string(value);
        return true;
    }
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (sameWord(words[i], value)) {
            set(settings, static_cast<int>(i));
            return true;
        }
    }
    return false;
}

std::string SettingKey::text(const ClassroomSettings& settings) const {
    return get == nullptr ? settings.schoolSounds : std::string(words.at(get(settings)));
}

std::string SettingKey::syntax(Language language) const {
    return get == nullptr ? Wording{"DIR", "CARTELLA"}.in(language) : wordList(words, "|", "|");
}

std::string SettingKey::accepted(Language language) const {
    return get == nullptr ? Wording{"the full path of a folder, starting with /",
                                    "il percorso completo di una cartella, che comincia con /"}
                                .in(language)
                          : wordList(words, Wording{" or ", " o "}.in(language));
}
