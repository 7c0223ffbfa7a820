// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/settingkeys.h"

#include "core/common/wordlist.h"

#include <algorithm>
#include <utility>

namespace {

template <typename T> using Choice = std::pair<std::string_view, T>;

constexpr std::array<Choice<PadMode>, 3> kPadModes = {
    {{"auto", PadMode::Automatic}, {"always", PadMode::Always}, {"never", PadMode::Never}}};
constexpr std::array<Choice<bool>, 2> kReadAloudValues = {{{"off", false}, {"on", true}}};

constexpr char kFolderSeparator = '/';

bool sameWord(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

template <typename T, std::size_t N>
bool choose(const std::array<Choice<T>, N>& choices, std::string_view value, T& into) {
    for (const auto& [word, meaning] : choices) {
        if (sameWord(word, value)) {
            into = meaning;
            return true;
        }
    }
    return false;
}

template <typename T, std::size_t N>
std::string_view wordOf(const std::array<Choice<T>, N>& choices, T meaning) {
    for (const auto& [word, m] : choices) {
        if (m == meaning)
            return word;
    }
    return {};
}

template <typename T, std::size_t N> auto wordsOf(const std::array<Choice<T>, N>& choices) {
    std::array<std::string_view, N> words;
    std::transform(choices.begin(), choices.end(), words.begin(),
                   [](const auto& c) { return c.first; });
    return words;
}

std::string_view orWord(Language language) {
    return language == Language::Italian ? " o " : " or ";
}

} // namespace

Language messageLanguage(std::string_view lcAll, std::string_view lcMessages,
                         std::string_view lang) {
    const std::string_view locale =
        !lcAll.empty() ? lcAll : (!lcMessages.empty() ? lcMessages : lang);
    // "it", "it_IT.UTF-8", "it_CH@euro"; not "italic" or "iu".
    const bool italian = locale.starts_with("it") && (locale.size() == 2 || locale[2] == '_' ||
                                                      locale[2] == '.' || locale[2] == '@');
    return italian ? Language::Italian : Language::English;
}

SettingCheck applySetting(ClassroomSettings& settings, std::string_view key,
                          std::string_view value) {
    using namespace settingkeys;
    if (key == kNumberPad)
        return choose(kPadModes, value, settings.pad) ? SettingCheck::Applied
                                                      : SettingCheck::BadValue;
    if (key == kReadAloud)
        return choose(kReadAloudValues, value, settings.autoRead) ? SettingCheck::Applied
                                                                  : SettingCheck::BadValue;
    if (key == kSoundsFolder) {
        // A relative folder would depend on where the program happens to be
        // started from: the menu starts it in the user's home.
        if (!value.starts_with(kFolderSeparator))
            return SettingCheck::BadValue;
        settings.schoolSounds = std::string(value);
        return SettingCheck::Applied;
    }
    return SettingCheck::UnknownKey;
}

std::string valueSyntax(std::string_view key, Language language) {
    using namespace settingkeys;
    if (key == kNumberPad)
        return wordList(wordsOf(kPadModes), "|", "|");
    if (key == kReadAloud)
        return wordList(wordsOf(kReadAloudValues), "|", "|");
    return language == Language::Italian ? "CARTELLA" : "DIR";
}

std::string acceptedValues(std::string_view key, Language language) {
    using namespace settingkeys;
    if (key == kNumberPad)
        return wordList(wordsOf(kPadModes), orWord(language));
    if (key == kReadAloud)
        return wordList(wordsOf(kReadAloudValues), orWord(language));
    return language == Language::Italian
               ? "il percorso completo di una cartella, che comincia con /"
               : "the full path of a folder, starting with /";
}

std::string settingText(const ClassroomSettings& settings, std::string_view key) {
    using namespace settingkeys;
    if (key == kNumberPad)
        return std::string(wordOf(kPadModes, settings.pad));
    if (key == kReadAloud)
        return std::string(wordOf(kReadAloudValues, settings.autoRead));
    return settings.schoolSounds;
}
