// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings/settingsfiles.h"

#include <QString>

// The two settings files, where QSettings keeps them for the organisation and
// application "frazioni": the machine's in the first folder of
// XDG_CONFIG_DIRS (/etc/xdg), the user's in XDG_CONFIG_HOME (~/.config).
struct SettingsPaths {
    QString system;
    QString user;
};
SettingsPaths settingsPaths();

// Reads one settings file in QSettings' INI format. The file is looked at
// before QSettings reads it, so that a folder, a pipe, a huge file or a file
// of binary bytes is reported and never read, and nothing can block.
SettingsFileContent readSettingsFile(const QString& path);
