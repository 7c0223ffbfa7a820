// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings/settingkeys.h"
#include "core/settings/settingsfiles.h"

#include <cstddef>
#include <string>
#include <string_view>

// What the program tells the technician, in English or Italian: the answers
// to --help and --version, and one line, ending in "\n", for each option it
// cannot take and each thing in a settings file it cannot use.

inline constexpr std::string_view kProgramName = "frazioni";

// The usage, the options with their values and defaults, and where the
// settings files of this machine and of this user are.
std::string usageText(Language language, std::string_view systemFile, std::string_view userFile);
std::string versionText(std::string_view version);

// Lines for a command line the program does not take; each ends with a hint to --help.
std::string badOptionValueLine(std::string_view key, std::string_view value, Language language);
std::string missingValueLine(std::string_view key, Language language);
std::string unknownOptionLine(std::string_view option, Language language);
std::string unexpectedValueLine(std::string_view option, Language language);
std::string unexpectedArgumentLine(std::string_view argument, Language language);
// Any other complaint of the parser, in its own words.
std::string commandLineErrorLine(std::string_view text, Language language);

// Lines for what a settings file holds that the program does not use.
std::string fileProblemLine(std::string_view path, FileProblem problem, std::string_view reason,
                            Language language);
std::string badValueInFileLine(std::string_view path, std::string_view key, std::string_view value,
                               std::string_view kept, Language language);
std::string unknownKeyLine(std::string_view path, std::string_view key, std::string_view value,
                           Language language);
std::string moreUnusedLine(std::string_view path, std::size_t count, Language language);
