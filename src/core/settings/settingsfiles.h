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
    std::size_t line = 0; // its line in the file
};

// Why a settings file gave nothing at all.
enum class FileProblem { None, Folder, NotAFile, Unreadable, TooLarge, NotText };

// What one settings file gave: its entries, or the reason it gave none. A
// file that is not there gives no entries and no problem.
struct SettingsFileContent {
    std::string path;
    FileProblem problem = FileProblem::None;
    std::string reason; // the system's words for a file that cannot be read
    std::vector<SettingEntry> entries;
};

// A settings file holds a few short lines; anything this large is something else.
inline constexpr std::size_t kMaxSettingsFileBytes = 64 * 1024;

// The settings files, the strongest first: the user's in XDG_CONFIG_HOME
// (else ~/.config), then the machine's in each folder of XDG_CONFIG_DIRS
// (else /etc/xdg), as the XDG base directory rules have it. A relative folder
// in either is not a folder of these rules and is passed over.
std::vector<std::string> settingsFilePaths(std::string_view configHome, std::string_view configDirs,
                                           std::string_view home);

// What a settings file holding `bytes` gives: text with no control characters
// but tabs and line ends, read by readSettingsLines.
SettingsFileContent settingsFileContent(std::string path, std::string_view bytes);

// The key=value lines of a settings file. Blanks around the key and the value
// do not count; an empty line, or one starting with # or ;, is a comment, and
// so is the rest of a line from a # with a blank before it. A line with no =
// is a key with no value.
std::vector<SettingEntry> readSettingsLines(std::string_view text);

// The settings a classroom starts with, where each came from, and one line
// for each thing in the files that could not be used.
struct ClassroomSetup {
    ClassroomSettings settings;
    std::array<std::string, kSettingKeys.size()> origins; // as the messages word them
    std::vector<std::string> warnings;
};

// Applies the files from the weakest to the strongest (the reverse of
// `files`), then the command line's entries, taken as already checked, over
// them all. An entry not accepted is left out, and its warning says what the
// key ends up with.
ClassroomSetup combineSettings(const std::vector<SettingsFileContent>& files,
                               const std::vector<SettingEntry>& commandLine, Language language);
