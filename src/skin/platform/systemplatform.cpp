// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/platform/systemplatform.h"

#include "skin/sound/systemplayer.h"

#include <QCoreApplication>

SystemPlatform::SystemPlatform(std::string schoolSounds)
    : random_(clock_), pause_(clock_), player_(makeSystemSoundPlayer()),
      audio_(*player_, random_, QCoreApplication::applicationDirPath().toStdString(),
             std::move(schoolSounds)) {}

PlatformServices SystemPlatform::services() {
    return {clock_, random_, pause_, screen_, audio_};
}
