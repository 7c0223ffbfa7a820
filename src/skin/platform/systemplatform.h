// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/clock.h"
#include "core/platform/random.h"
#include "core/platform/speech.h"
#include "core/settings/classroomsettings.h"
#include "core/sound/audio.h"
#include "skin/platform/eventlooppause.h"
#include "skin/platform/qtscreen.h"
#include "skin/sound/sdlsoundplayer.h"

#include <QObject>

#include <memory>
#include <string>

// The services a window of the program works with; the program passes the
// real ones, tests pass fakes.
struct PlatformServices {
    Clock& clock;
    Random& random;
    Pause& pause;
    const Screen& screen;
    Audio& audio;
    // The voice that reads aloud, if any.
    Speech* speech = nullptr;
};

// The real services of this machine. Needs a running QApplication. The sound
// device opens once the program's first window has been painted: a cue asked
// for before (the start cue) plays as soon as it is open.
class SystemPlatform {
  public:
    // `schoolSounds`: the folder of the school's own cue files; `pace`: how fast
    // the voice reads.
    explicit SystemPlatform(std::string schoolSounds = ClassroomSettings{}.schoolSounds,
                            ReadingPace pace = ClassroomSettings{}.readingPace);
    ~SystemPlatform();
    PlatformServices services();

  private:
    SteadyClock clock_;
    ClockSeededRandom random_;
    EventLoopPause pause_;
    QtScreen screen_;
    std::unique_ptr<SdlSoundPlayer> player_;
    Audio audio_;
    std::unique_ptr<Speech> speech_;
    std::unique_ptr<QObject> soundOpener_; // goes before the player it opens
};
