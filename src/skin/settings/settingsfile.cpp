// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/settings/settingsfile.h"

#include "skin/files/smallfile.h"

#include <QLibraryInfo>
#include <QSettings>
#include <QStandardPaths>

#include <cstring>

namespace {

constexpr const char* kFolder = "/frazioni";
constexpr const char* kFileName = "/frazioni.conf";

FileProblem problemOf(SmallFile::Status status) {
    switch (status) {
    case SmallFile::Status::Folder:
        return FileProblem::Folder;
    case SmallFile::Status::NotAFile:
        return FileProblem::NotAFile;
    case SmallFile::Status::TooLarge:
        return FileProblem::TooLarge;
    case SmallFile::Status::Unreadable:
        return FileProblem::Unreadable;
    case SmallFile::Status::Read:
    case SmallFile::Status::Missing:
        break;
    }
    return FileProblem::None;
}

// A value as written in the file. QSettings reads "a, b" as a list of two;
// put back together it is the text as written (a folder name may hold a comma).
std::string valueText(const QVariant& value) {
    if (value.metaType().id() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", ")).toStdString();
    return value.toString().toStdString();
}

} // namespace

SettingsPaths settingsPaths() {
    // The same folders QSettings uses: the first is the user's own, the next
    // the first of the machine's. QSettings itself is not asked, because it
    // reads the file as soon as it is made.
    const QStringList folders =
        QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    const QString user = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString system =
        folders.size() > 1 ? folders.at(1) : QLibraryInfo::path(QLibraryInfo::SettingsPath);
    return {.system = system + kFolder + kFileName, .user = user + kFolder + kFileName};
}

SettingsFileContent readSettingsFile(const QString& path) {
    SettingsFileContent content{
        .path = path.toStdString(), .problem = FileProblem::None, .reason = {}, .entries = {}};
    const SmallFile file = readSmallFile(content.path, kMaxSettingsFileBytes);
    if (file.status != SmallFile::Status::Read) {
        content.problem = problemOf(file.status);
        if (file.error != 0)
            content.reason = std::strerror(file.error);
        return content;
    }
    if (!isSettingsText({reinterpret_cast<const char*>(file.bytes.data()), file.bytes.size()})) {
        content.problem = FileProblem::NotText;
        return content;
    }
    const QSettings settings(path, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError) {
        content.problem = FileProblem::NotIni;
        return content;
    }
    for (const QString& key : settings.allKeys())
        content.entries.push_back({key.toStdString(), valueText(settings.value(key))});
    return content;
}
