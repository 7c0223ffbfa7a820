// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings/classroomsettings.h"
#include "core/settings/settingkeys.h"
#include "skin/settings/settingsfile.h"

#include <QStringList>

#include <optional>
#include <string>

// What the program does at start, worked out before any window or sound: the
// settings to start with, or an answer and an exit status (--help, --version,
// an option it does not take).
struct StartUp {
    ClassroomSettings settings;
    std::optional<int> exitStatus; // set: end at once with it
    std::string out;               // for standard output
    std::string errors;            // for standard error, one line for each problem
};

inline constexpr int kBadCommandLine = 2;

// Reads the command line `arguments` (the program first, as in argv) with
// QCommandLineParser, then the machine's and the user's settings files of
// `paths`; the command line wins over both files, the user's file over the
// machine's. Qt's own options (-platform, -display ...) are passed over for
// QApplication to take.
StartUp setUpClassroom(const QStringList& arguments, const SettingsPaths& paths, Language language);

// The language of the user's locale, from the environment.
Language localeLanguage();
