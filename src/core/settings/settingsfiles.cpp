// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/settingsfiles.h"

#include "core/common/numbertext.h"
#include "core/settings/settingmessages.h"

#include <algorithm>

namespace {

// A file that is something else in text form (a README, a script) would give
// a line for each of its lines; past these few, one line says how many more.
constexpr std::size_t kWarningsPerFile = 5;

// The rest of a line from a # with a blank before it is a comment.
std::string_view beforeComment(std::string_view value) {
    for (std::size_t k = value.find('#'); k != std::string_view::npos; k = value.find('#', k + 1)) {
        if (k > 0 && isBlank(value[k - 1]))
            return value.substr(0, k);
    }
    return value;
}

// A file of binary bytes holds control characters that text never has.
bool isSettingsText(std::string_view bytes) {
    return std::none_of(bytes.begin(), bytes.end(), [](char c) {
        return (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) && c != '\t' && c != '\n' &&
               c != '\r';
    });
}

// The folder of a path as the XDG rules take it: absolute, without a slash at its end.
void addFolder(std::vector<std::string>& files, std::string_view folder) {
    while (folder.size() > 1 && folder.ends_with('/'))
        folder.remove_suffix(1);
    const std::string file = std::string(folder) + "/frazioni/frazioni.conf";
    if (folder.starts_with('/') && std::find(files.begin(), files.end(), file) == files.end())
        files.push_back(file);
}

} // namespace

std::vector<std::string> settingsFilePaths(std::string_view configHome, std::string_view configDirs,
                                           std::string_view home) {
    std::vector<std::string> files;
    addFolder(files, configHome.starts_with('/') ? std::string(configHome)
                                                 : std::string(home) + "/.config");
    const std::size_t userFiles = files.size();
    while (!configDirs.empty()) {
        const std::size_t colon = std::min(configDirs.find(':'), configDirs.size());
        addFolder(files, configDirs.substr(0, colon));
        configDirs.remove_prefix(std::min(colon + 1, configDirs.size()));
    }
    if (files.size() == userFiles)
        addFolder(files, "/etc/xdg");
    return files;
}

SettingsFileContent settingsFileContent(std::string path, std::string_view bytes) {
    const bool text = isSettingsText(bytes);
    return {.path = std::move(path),
            .problem = text ? FileProblem::None : FileProblem::NotText,
            .reason = {},
            .entries = text ? readSettingsLines(bytes) : std::vector<SettingEntry>{}};
}

std::vector<SettingEntry> readSettingsLines(std::string_view text) {
    // Some editors begin a UTF-8 file with the byte order mark.
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.starts_with(kByteOrderMark))
        text.remove_prefix(kByteOrderMark.size());
    std::vector<SettingEntry> entries;
    for (std::size_t number = 1; !text.empty(); ++number) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = trimmed(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.empty() || line.starts_with('#') || line.starts_with(';'))
            continue;
        const std::size_t equals = std::min(line.find('='), line.size());
        const std::string_view value = line.substr(std::min(equals + 1, line.size()));
        entries.push_back({.key = std::string(trimmed(line.substr(0, equals))),
                           .value = std::string(trimmed(beforeComment(value))),
                           .line = number});
    }
    return entries;
}

ClassroomSetup combineSettings(const std::vector<SettingsFileContent>& files,
                               const std::vector<SettingEntry>& commandLine, Language language) {
    ClassroomSetup setup;
    setup.origins.fill(kByDefault.in(language));
    const auto apply = [&](const SettingEntry& entry, const std::string& origin) {
        const SettingKey* key = findSetting(entry.key);
        if (key == nullptr || !key->apply(setup.settings, entry.value))
            return false;
        setup.origins.at(std::size_t(key - kSettingKeys.data())) = origin;
        return true;
    };
    std::vector<std::vector<const SettingEntry*>> unused;
    for (auto file = files.rbegin(); file != files.rend(); ++file) {
        unused.emplace_back();
        for (const SettingEntry& entry : file->entries) {
            if (!apply(entry, fromFile(file->path, entry.line, language)))
                unused.back().push_back(&entry);
        }
    }
    for (const SettingEntry& entry : commandLine)
        apply(entry, kFromCommandLine.in(language));
    // Only now is it known what each key ends up with, which the warnings tell.
    for (auto file = files.rbegin(); file != files.rend(); ++file) {
        const auto& entries = unused.at(std::size_t(file - files.rbegin()));
        if (file->problem != FileProblem::None)
            setup.warnings.push_back(
                fileProblemLine(file->path, file->problem, file->reason, language));
        for (std::size_t i = 0; i < entries.size() && i < kWarningsPerFile; ++i)
            setup.warnings.push_back(unusedEntryLine(file->path, *entries[i], setup, language));
        if (entries.size() > kWarningsPerFile)
            setup.warnings.push_back(
                moreUnusedLine(file->path, entries.size() - kWarningsPerFile, language));
    }
    return setup;
}
