// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings/classroomsettings.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The classroom settings by name: each is the option --<name>=<value> on the
// command line and the line <name>=<value> in the settings files, with the
// same values in both.

// The language of what the program tells the technician: --help and every
// line about the command line and the settings.
enum class Language { English, Italian };

// Italian when the locale that messages follow is an Italian one: LC_ALL if
// set, else LC_MESSAGES, else LANG, as the manual pages are chosen.
Language messageLanguage(std::string_view lcAll, std::string_view lcMessages,
                         std::string_view lang);

// A text in both languages.
struct Wording {
    std::string_view english;
    std::string_view italian;
    std::string in(Language language) const {
        return std::string(language == Language::Italian ? italian : english);
    }
};

// One setting: its name, its values and what --help says of it.
struct SettingKey {
    std::string_view name;
    // Its values, in the order of their meanings; none for a folder.
    std::vector<std::string_view> words = {};
    Wording help; // lines ending in "\n"
    int (*get)(const ClassroomSettings&) = nullptr;
    void (*set)(ClassroomSettings&, int) = nullptr;

    // Sets the setting from its text: a word in any case ("Always"), or a
    // folder's absolute path. A value not accepted leaves `settings` as it was.
    bool apply(ClassroomSettings& settings, std::string_view value) const;
    // The value `settings` has, as it would be written: "auto", "off".
    std::string text(const ClassroomSettings& settings) const;
    // The value as --help writes it: "auto|always|never", "DIR".
    std::string syntax(Language language) const;
    // What it accepts, in words: "auto, always or never".
    std::string accepted(Language language) const;
};

// In the order --help and the manual list them.
extern const std::array<SettingKey, 4> kSettingKeys;

// The setting named `name`; null for a name that is none.
const SettingKey* findSetting(std::string_view name);
