// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings/settingkeys.h"
#include "core/settings/settingsfiles.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Everything the program tells the technician, in English or Italian: the
// answers to --help, --version and --check-settings, and one line, ending in
// "\n", for each option it cannot take and each thing in a settings file it
// cannot use.

inline constexpr std::string_view kProgramName = "frazioni";
inline constexpr std::string_view kCheckSettings = "check-settings";

// Where a setting's value came from.
inline constexpr Wording kByDefault = {"by default", "come predefinito"};
inline constexpr Wording kFromCommandLine = {"from the command line", "dalla riga di comando"};
std::string fromFile(std::string_view path, std::size_t line, Language language);

// The usage, the options with their values and defaults, and the settings
// files `files`, the strongest first.
std::string usageText(Language language, const std::vector<std::string>& files);
std::string versionText(std::string_view version);
// Each setting in effect as a line of a settings file, with where it came from.
std::string checkText(const ClassroomSetup& setup);

// A line for a command line the program does not take, with a hint to --help.
// `option` is as written ("--number-pad", "-platform"); `value` only for BadValue.
enum class CommandLineProblem { BadValue, NeedsValue, UnknownOption, TakesNoValue, Unexpected };
std::string commandLineLine(CommandLineProblem problem, std::string_view option,
                            std::string_view value, Language language);

// Lines for what a settings file holds that the program does not use; a value
// not taken is told with what its key ends up with in `setup`.
std::string fileProblemLine(std::string_view path, FileProblem problem, std::string_view reason,
                            Language language);
std::string unusedEntryLine(std::string_view path, const SettingEntry& entry,
                            const ClassroomSetup& setup, Language language);
std::string moreUnusedLine(std::string_view path, std::size_t count, Language language);

// The line for a sound library that cannot be used: the system's words for why
// it cannot be loaded, or the function it lacks.
std::string noSoundLine(std::string_view library, std::string_view missing, Language language);
