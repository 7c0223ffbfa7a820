// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/settingsfiles.h"

#include "core/settings/settingmessages.h"

namespace {

// A file that is something else in text form (a README, a script) would give
// a line for each of its lines; past these few, one line says how many more.
constexpr std::size_t kWarningsPerFile = 5;

// The length of a UTF-8 sequence from its lead byte; 0 for a byte that cannot lead one.
std::size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

bool isAllowedControl(unsigned char c) {
    return c == '\t' || c == '\n' || c == '\r';
}

} // namespace

bool isSettingsText(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const std::size_t length = sequenceLength(lead);
        if (length == 0 || i + length > bytes.size())
            return false;
        if ((lead < 0x20 || lead == 0x7F) && !isAllowedControl(lead))
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            if (!isContinuation(static_cast<unsigned char>(bytes[i + k])))
                return false;
        }
        i += length;
    }
    return true;
}

ClassroomSetup combineSettings(const std::vector<SettingsFileContent>& files,
                               const std::vector<SettingEntry>& commandLine, Language language) {
    ClassroomSetup setup;
    for (const SettingsFileContent& file : files) {
        if (file.problem != FileProblem::None) {
            setup.warnings.push_back(
                fileProblemLine(file.path, file.problem, file.reason, language));
            continue;
        }
        std::size_t unused = 0;
        for (const auto& [key, value] : file.entries) {
            const SettingCheck check = applySetting(setup.settings, key, value);
            if (check == SettingCheck::Applied)
                continue;
            if (++unused > kWarningsPerFile)
                continue;
            setup.warnings.push_back(check == SettingCheck::UnknownKey
                                         ? unknownKeyLine(file.path, key, value, language)
                                         : badValueInFileLine(file.path, key, value,
                                                              settingText(setup.settings, key),
                                                              language));
        }
        if (unused > kWarningsPerFile)
            setup.warnings.push_back(
                moreUnusedLine(file.path, unused - kWarningsPerFile, language));
    }
    for (const auto& [key, value] : commandLine)
        applySetting(setup.settings, key, value);
    return setup;
}
