// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <SDL.h>

#include <string>

// Every SDL2 function the sound player calls. SDL2 is not linked into the
// program: the player's thread loads it once the first window is up, so that
// the library and the sound systems it pulls in (PulseAudio, ALSA and more)
// do not delay the start.
#define FRAZIONI_SDL_FUNCTIONS(X)                                                                  \
    X(SetHint)                                                                                     \
    X(GetHint)                                                                                     \
    X(InitSubSystem)                                                                               \
    X(QuitSubSystem)                                                                               \
    X(AudioInit)                                                                                   \
    X(AudioQuit)                                                                                   \
    X(GetNumAudioDrivers)                                                                          \
    X(GetAudioDriver)                                                                              \
    X(GetCurrentAudioDriver)                                                                       \
    X(OpenAudioDevice)                                                                             \
    X(CloseAudioDevice)                                                                            \
    X(PauseAudioDevice)                                                                            \
    X(LockAudioDevice)                                                                             \
    X(UnlockAudioDevice)                                                                           \
    X(QueueAudio)                                                                                  \
    X(ClearQueuedAudio)                                                                            \
    X(RWFromConstMem)                                                                              \
    X(LoadWAV_RW)                                                                                  \
    X(FreeWAV)                                                                                     \
    X(NewAudioStream)                                                                              \
    X(AudioStreamPut)                                                                              \
    X(AudioStreamFlush)                                                                            \
    X(AudioStreamAvailable)                                                                        \
    X(AudioStreamGet)                                                                              \
    X(FreeAudioStream)                                                                             \
    X(TLSCleanup)

// The functions above as found in the loaded library: `sdl.OpenAudioDevice(…)`
// calls SDL_OpenAudioDevice.
struct SdlFunctions {
#define FRAZIONI_SDL_POINTER(name) decltype(&::SDL_##name) name = nullptr;
    FRAZIONI_SDL_FUNCTIONS(FRAZIONI_SDL_POINTER)
#undef FRAZIONI_SDL_POINTER
};

// SDL2's library as Linux distributions install it.
inline constexpr const char* kSdlLibrary = "libSDL2-2.0.so.0";

// The functions of the SDL2 library `soname`, loaded by the first call that
// names it and kept until the program ends (SDL's own threads and those of the
// sound server's client may outlive any player). Null, after one line on
// standard error saying why, when the library is missing or lacks a function.
const SdlFunctions* loadSdl(const std::string& soname);
