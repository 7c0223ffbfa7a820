// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings/classroomsettings.h"
#include "core/settings/settingkeys.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// One key and its value as a settings file or the command line gives them.
struct SettingEntry {
    std::string key;
    std::string value;
};

// Why a settings file gave nothing at all.
enum class FileProblem { None, Folder, NotAFile, Unreadable, TooLarge, NotText, NotIni };

// What one settings file gave: its entries, or the reason it gave none. A
// file that is not there gives no entries and no problem.
struct SettingsFileContent {
    std::string path;
    FileProblem problem = FileProblem::None;
    std::string reason; // the system's words for a file that cannot be read
    std::vector<SettingEntry> entries;
};

// A settings file holds three short lines; anything this large is something else.
inline constexpr std::size_t kMaxSettingsFileBytes = 64 * 1024;

// Whether `bytes` can be a settings file: UTF-8 text with no control
// characters but tabs and line ends.
bool isSettingsText(std::string_view bytes);

// The settings a classroom starts with, and one line for each thing in the
// files that could not be used.
struct ClassroomSetup {
    ClassroomSettings settings;
    std::vector<std::string> warnings;
};

// Applies the files in order, each over the one before (the machine's, then
// the user's), then the command line's entries over all of them. An entry not
// accepted is left out with a warning, so that key keeps the value it had
// before it: the default, or the value of an earlier file. The command line's
// entries are taken as already checked.
ClassroomSetup combineSettings(const std::vector<SettingsFileContent>& files,
                               const std::vector<SettingEntry>& commandLine, Language language);
