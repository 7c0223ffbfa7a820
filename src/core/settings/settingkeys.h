// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings/classroomsettings.h"

#include <array>
#include <string>
#include <string_view>

// The classroom settings by name: each is the option --<name>=<value> on the
// command line and the key <name>=<value> in the settings files, with the
// same values in both.

// The language of what the program tells the technician: --help and the lines
// about settings it cannot use.
enum class Language { English, Italian };

// Italian when the locale that messages follow is an Italian one: LC_ALL if
// set, else LC_MESSAGES, else LANG, as the manual pages are chosen.
Language messageLanguage(std::string_view lcAll, std::string_view lcMessages,
                         std::string_view lang);

namespace settingkeys {

inline constexpr std::string_view kNumberPad = "number-pad";
inline constexpr std::string_view kReadAloud = "read-aloud";
inline constexpr std::string_view kSoundsFolder = "sounds-folder";
// In the order --help and the manual list them.
inline constexpr std::array<std::string_view, 3> kAll = {kNumberPad, kReadAloud, kSoundsFolder};

} // namespace settingkeys

enum class SettingCheck { Applied, UnknownKey, BadValue };

// Sets the setting `key` from its text. The words are taken in any case
// ("Always"); a folder must be an absolute path. A key or value not accepted
// leaves `settings` as it was.
SettingCheck applySetting(ClassroomSettings& settings, std::string_view key,
                          std::string_view value);

// The value of `key` as --help writes it: "auto|always|never", "DIR".
std::string valueSyntax(std::string_view key, Language language);
// What `key` accepts, in words: "auto, always or never".
std::string acceptedValues(std::string_view key, Language language);
// The value `settings` has for `key`, as it would be written: "auto", "off".
std::string settingText(const ClassroomSettings& settings, std::string_view key);
