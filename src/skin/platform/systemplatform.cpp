// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/platform/systemplatform.h"

#include "skin/sound/systemplayer.h"
#include "skin/speech/qtspeech.h"

#include <QCoreApplication>

SystemPlatform::SystemPlatform()
    : random_(clock_), pause_(clock_), player_(makeSystemSoundPlayer()),
      audio_(*player_, random_, QCoreApplication::applicationDirPath().toStdString()),
      speech_(std::make_unique<QtSpeech>()) {}

SystemPlatform::~SystemPlatform() = default;

PlatformServices SystemPlatform::services() {
    return {clock_, random_, pause_, screen_, audio_, speech_.get()};
}
