// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/clock.h"
#include "core/platform/random.h"
#include "core/settings/classroomsettings.h"
#include "core/sound/audio.h"
#include "core/sound/soundplayer.h"
#include "skin/platform/eventlooppause.h"
#include "skin/platform/qtscreen.h"

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
};

// The real services of this machine. Needs a running QApplication.
class SystemPlatform {
  public:
    // `schoolSounds`: the folder of the school's own cue files.
    explicit SystemPlatform(std::string schoolSounds = ClassroomSettings{}.schoolSounds);
    PlatformServices services();

  private:
    SteadyClock clock_;
    ClockSeededRandom random_;
    EventLoopPause pause_;
    QtScreen screen_;
    std::unique_ptr<SoundPlayer> player_;
    Audio audio_;
};
