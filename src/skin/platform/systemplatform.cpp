// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/platform/systemplatform.h"

#include "skin/platform/afterfirstpaint.h"
#include "skin/sound/systemplayer.h"
#include "skin/speech/qtspeech.h"

#include <QCoreApplication>

#include <chrono>

namespace {
// Should no window be painted, the sound still opens this long after the
// event loop starts.
constexpr std::chrono::milliseconds kLatestOpen{1000};
} // namespace

SystemPlatform::SystemPlatform(std::string schoolSounds, ReadingPace pace)
    : random_(clock_), pause_(clock_), player_(makeSystemSoundPlayer()),
      audio_(*player_, random_, QCoreApplication::applicationDirPath().toStdString(),
             std::move(schoolSounds)),
      speech_(std::make_unique<QtSpeech>(QtSpeech::engineInstalled() ? QtSpeech::defaultModulePath()
                                                                     : QString(),
                                         QtSpeech::kOpenTimeoutMs, pace)),
      soundOpener_(std::make_unique<AfterFirstPaint>([player = player_.get()] { player->open(); },
                                                     kLatestOpen)) {}

SystemPlatform::~SystemPlatform() = default;

PlatformServices SystemPlatform::services() {
    return {clock_, random_, pause_, screen_, audio_, speech_.get()};
}
