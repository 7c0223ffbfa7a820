// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/sound/soundplayer.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// Plays cues through SDL's own audio queue: starting a cue empties the queue
// first, so that a new cue replaces the one still sounding. All audio work
// (loading SDL, opening the device, reading and decoding files, starting
// sounds) happens on the player's own thread:
// play() only leaves the paths for that thread and returns, so the window never
// waits for the disk or the sound system. Each file is read and checked once
// and kept; a cue none of whose files can be played gives the program's own
// default sound, made in memory when the device opens. Cues are converted to the
// device's format once, when first read. With no usable audio device the
// player stays silent and play() does nothing. A cue asked for before the
// device is open plays as soon as it is. Without SDL2 the player is silent too.
// Only one player may own the audio device at a time; a second one stays silent.
class SdlSoundPlayer final : public SoundPlayer {
  public:
    using FileReader =
        std::function<std::optional<std::vector<std::uint8_t>>(const std::string& path)>;

    struct Options {
        int frequency = 44100;   // hertz asked of the device; it may choose another
        int channels = 2;        // likewise
        int bufferFrames = 1024; // frames per device buffer: about 23 ms at 44.1 kHz
        FileReader readFile;     // how cue files are read; empty reads them from disk
        // How long closing the player waits for its thread to let the device go.
        // A sound system that hangs must not hold up the end of the program:
        // past this wait the thread is left behind with the state it shares.
        std::chrono::milliseconds closeWait{2000};
        // The SDL2 library to load; empty: SDL2 as Linux distributions install it.
        std::string library;
        // false: SDL is loaded and the device opened only once open() is called.
        bool openAtOnce = true;
    };

    SdlSoundPlayer();
    explicit SdlSoundPlayer(Options options);
    ~SdlSoundPlayer() override;
    SdlSoundPlayer(const SdlSoundPlayer&) = delete;
    SdlSoundPlayer& operator=(const SdlSoundPlayer&) = delete;

    // Lets a player made with openAtOnce false load SDL and open the device.
    void open();

    void play(const std::vector<std::string>& paths) override;

    // Waits at most `timeout` for the device to open; true when sound can play.
    bool waitUntilReady(std::chrono::milliseconds timeout);

    struct Shared;

  private:
    std::shared_ptr<Shared> shared_;
};
