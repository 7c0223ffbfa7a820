// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// How a classroom is set up: one value a setting, each default keeping the
// program as it is with no settings at all. Filled in once at start-up from the
// settings files and the command line, then handed to whoever needs it.

// When the exercise window shows its on-screen number pad.
enum class PadMode {
    Automatic, // when the system has a touch screen, and from the first touch on
    Always,    // for whiteboards whose pen arrives as a mouse
    Never,
};

// How fast the voice reads: slow enough for the youngest pupils, or the voice's own pace.
enum class ReadingPace { Slow, Normal };

struct ClassroomSettings {
    PadMode pad = PadMode::Automatic;
    // Each new question is read aloud as it appears.
    bool autoRead = false;
    ReadingPace readingPace = ReadingPace::Slow;
    // The school's own cue files, played instead of the shipped ones of the
    // same name; a folder the package does not own, so upgrades keep it.
    std::string schoolSounds = "/etc/frazioni/suoni";
};
