// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings/classroomsettings.h"
#include "core/settings/settingkeys.h"
#include "core/settings/settingsfiles.h"

#include <QStringList>

#include <optional>
#include <string>
#include <vector>

// What the program does at start, worked out before any window or sound: the
// settings to start with, or an answer and an exit status (--help, --version,
// --check-settings, an option it does not take).
struct StartUp {
    ClassroomSettings settings;
    std::optional<int> exitStatus; // set: end at once with it
    std::string out;               // for standard output
    std::string errors;            // for standard error, one line for each problem
};

// The exit status of a command line not taken, and of a settings file with a mistake.
inline constexpr int kBadSettings = 2;

// The settings files of this user and machine from the environment, the strongest first.
std::vector<std::string> settingsFiles();

// Reads one settings file. The file is looked at before it is read, so that a
// folder, a pipe, a huge file or a file of binary bytes is reported and never
// read, and nothing can block.
SettingsFileContent readSettingsFile(const std::string& path);

// Reads the command line `arguments` (the program first, as in argv) with
// QCommandLineParser, then the settings `files`, the strongest first; the
// command line wins over them all. Qt's own options (-platform, -display ...)
// are passed over for QApplication to take.
StartUp setUpClassroom(const QStringList& arguments, const std::vector<std::string>& files,
                       Language language);

// The language of the user's locale, from the environment.
Language localeLanguage();
