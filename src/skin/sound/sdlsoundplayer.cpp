// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/sound/sdlsoundplayer.h"

#include "skin/sound/cuefile.h"
#include "skin/sound/defaultsound.h"
#include "skin/sound/sdlfunctions.h"

#include <atomic>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <system_error>
#include <thread>
#include <unordered_map>

namespace {

constexpr std::size_t kMaxCueBytes = 16 * 1024 * 1024; // far beyond any short cue
constexpr const char* kAppName = "frazioni";
// These drivers never reach a loudspeaker; they are used only when asked for by name.
constexpr const char* kSilentDrivers[] = {"disk", "dummy"};
constexpr int kUnpause = 0;
constexpr int kPause = 1;

// SDL's audio set-up (and the search for a driver) is one per process: the
// first player owns it.
std::atomic<bool> audioTaken{false};

enum class State { Starting, Ready, Unavailable };

// A cue's samples in the device's format; empty when there is nothing to play.
using Samples = std::vector<Uint8>;

bool sameFormat(const SDL_AudioSpec& a, const SDL_AudioSpec& b) {
    return a.format == b.format && a.channels == b.channels && a.freq == b.freq;
}

// `length` bytes of audio in `from`'s format, converted to `to`'s; empty if
// the conversion fails.
Samples convert(const SdlFunctions& sdl, const Uint8* data, Uint32 length,
                const SDL_AudioSpec& from, const SDL_AudioSpec& to) {
    if (sameFormat(from, to))
        return Samples(data, data + length);
    const std::unique_ptr<SDL_AudioStream, decltype(sdl.FreeAudioStream)> stream(
        sdl.NewAudioStream(from.format, from.channels, from.freq, to.format, to.channels, to.freq),
        sdl.FreeAudioStream);
    if (!stream || length > static_cast<Uint32>(INT32_MAX) ||
        sdl.AudioStreamPut(stream.get(), data, static_cast<int>(length)) != 0 ||
        sdl.AudioStreamFlush(stream.get()) != 0)
        return {};
    Samples out(static_cast<std::size_t>(sdl.AudioStreamAvailable(stream.get())));
    const int got = sdl.AudioStreamGet(stream.get(), out.data(), static_cast<int>(out.size()));
    if (got < 0)
        return {};
    out.resize(static_cast<std::size_t>(got));
    return out;
}

// The samples of WAV bytes in the device's format; none for anything that is
// not a WAV with at least one sample.
Samples decodeWav(const SdlFunctions& sdl, const std::vector<std::uint8_t>& bytes,
                  const SDL_AudioSpec& device) {
    if (!hasWavSignature(bytes) || bytes.size() > static_cast<std::size_t>(INT32_MAX))
        return {};
    SDL_RWops* source = sdl.RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    if (source == nullptr)
        return {};
    SDL_AudioSpec format{};
    Uint8* raw = nullptr;
    Uint32 length = 0;
    if (sdl.LoadWAV_RW(source, 1, &format, &raw, &length) == nullptr)
        return {};
    const std::unique_ptr<Uint8, decltype(sdl.FreeWAV)> buffer(raw, sdl.FreeWAV);
    if (length == 0)
        return {};
    return convert(sdl, buffer.get(), length, format, device);
}

bool isSilentDriver(const char* name) {
    for (const char* silent : kSilentDrivers) {
        if (std::strcmp(name, silent) == 0)
            return true;
    }
    return false;
}

// SDL's audio and one output device fed from SDL's queue, open for as long as
// the object lives.
class AudioSession {
  public:
    AudioSession(const SdlFunctions& sdl, const SdlSoundPlayer::Options& options)
        : sdl_(sdl), options_(options) {
        // Qt handles the program's signals; SDL must not take Ctrl+C for itself.
        sdl_.SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        // A damaged cue file gives the default sound, not half a cue.
        sdl_.SetHint(SDL_HINT_WAVE_TRUNCATION, "strict");
        sdl_.SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, kAppName);
        initialised_ = sdl_.InitSubSystem(SDL_INIT_AUDIO) == 0;
        if (initialised_ && !openDevice())
            openWithOtherDrivers();
    }
    ~AudioSession() {
        if (device_ != 0)
            sdl_.CloseAudioDevice(device_);
        if (initialised_)
            sdl_.QuitSubSystem(SDL_INIT_AUDIO);
    }
    AudioSession(const AudioSession&) = delete;
    AudioSession& operator=(const AudioSession&) = delete;

    bool isOpen() const { return device_ != 0; }
    const SDL_AudioSpec& format() const { return format_; }
    const SdlFunctions& sdl() const { return sdl_; }

    // Drops whatever is still queued and starts `samples` in its place; the
    // lock keeps the device from playing anything in between.
    void play(const Samples& samples) const {
        sdl_.LockAudioDevice(device_);
        sdl_.ClearQueuedAudio(device_);
        sdl_.QueueAudio(device_, samples.data(), static_cast<Uint32>(samples.size()));
        sdl_.UnlockAudioDevice(device_);
        sdl_.PauseAudioDevice(device_, kUnpause);
    }

    void stop() const {
        sdl_.PauseAudioDevice(device_, kPause);
        sdl_.ClearQueuedAudio(device_);
    }

  private:
    bool openDevice() {
        SDL_AudioSpec wanted{};
        wanted.freq = options_.frequency;
        wanted.format = AUDIO_S16SYS;
        wanted.channels = static_cast<Uint8>(options_.channels);
        wanted.samples = static_cast<Uint16>(options_.bufferFrames);
        wanted.callback = nullptr; // fed with SDL_QueueAudio
        device_ = sdl_.OpenAudioDevice(nullptr, 0, &wanted, &format_,
                                       SDL_AUDIO_ALLOW_FREQUENCY_CHANGE |
                                           SDL_AUDIO_ALLOW_CHANNELS_CHANGE);
        return device_ != 0;
    }

    // SDL settles on the first driver that starts, even when it then finds no
    // device (ALSA with no card, say); the others may still reach a sound
    // server. A driver chosen by the user is kept.
    bool openWithOtherDrivers() {
        if (sdl_.GetHint(SDL_HINT_AUDIODRIVER) != nullptr)
            return false;
        const char* current = sdl_.GetCurrentAudioDriver();
        const std::string tried = current != nullptr ? current : "";
        for (int i = 0; i < sdl_.GetNumAudioDrivers(); ++i) {
            const char* name = sdl_.GetAudioDriver(i);
            if (name == nullptr || tried == name || isSilentDriver(name))
                continue;
            sdl_.AudioQuit();
            if (sdl_.AudioInit(name) == 0 && openDevice())
                return true;
        }
        return false;
    }

    const SdlFunctions& sdl_;
    SdlSoundPlayer::Options options_;
    bool initialised_ = false;
    SDL_AudioDeviceID device_ = 0;
    SDL_AudioSpec format_{};
};

} // namespace

struct SdlSoundPlayer::Shared {
    explicit Shared(Options o) : options(std::move(o)) {}

    Options options;
    std::mutex mutex;
    std::condition_variable wake;    // a path is waiting, opening is asked, or the player closes
    std::condition_variable changed; // the state moved on, or the thread ended
    // The files of the latest cue, in the order they are tried.
    std::optional<std::vector<std::string>> pending;
    bool openAsked = options.openAtOnce;
    bool stopping = false;
    bool finished = false;
    State state = State::Starting;
};

namespace {

void setState(SdlSoundPlayer::Shared& shared, State state) {
    {
        std::lock_guard lock(shared.mutex);
        shared.state = state;
    }
    shared.changed.notify_all();
}

// Plays requests one after the other until the player closes. Only the latest
// request counts: one that was overtaken before it started would have been
// cut off at once anyway.
void serve(SdlSoundPlayer::Shared& shared, const AudioSession& session) {
    // Made in the device's own rate and layout (its sample format is always
    // the 16-bit one asked for), so that it plays unconverted.
    const SDL_AudioSpec& device = session.format();
    const std::vector<std::int16_t> pcm = defaultSoundSamples(device.freq, device.channels);
    const auto* pcmBytes = reinterpret_cast<const Uint8*>(pcm.data());
    const Samples fallback(pcmBytes, pcmBytes + pcm.size() * sizeof(std::int16_t));
    std::unordered_map<std::string, Samples> cache; // empty samples: play the default
    setState(shared, State::Ready);

    const auto samplesOf = [&](const std::string& path) -> const Samples& {
        auto found = cache.find(path);
        if (found == cache.end()) {
            const auto bytes = shared.options.readFile ? shared.options.readFile(path)
                                                       : readCueFile(path, kMaxCueBytes);
            found =
                cache.emplace(path, bytes ? decodeWav(session.sdl(), *bytes, device) : Samples{})
                    .first;
        }
        return found->second;
    };

    for (;;) {
        std::vector<std::string> paths;
        {
            std::unique_lock lock(shared.mutex);
            shared.wake.wait(lock, [&] { return shared.stopping || shared.pending; });
            if (shared.stopping)
                break;
            paths = std::move(*shared.pending);
            shared.pending.reset();
        }
        // The first file that plays wins: the school's own, then the shipped one.
        const Samples* samples = &fallback;
        for (const std::string& path : paths) {
            if (const Samples& found = samplesOf(path); !found.empty()) {
                samples = &found;
                break;
            }
        }
        if (!samples->empty())
            session.play(*samples);
    }
    session.stop();
}

// Waits until the player may load SDL and open the device; false when it
// closes first.
bool waitForOpen(SdlSoundPlayer::Shared& shared) {
    std::unique_lock lock(shared.mutex);
    shared.wake.wait(lock, [&] { return shared.stopping || shared.openAsked; });
    return !shared.stopping;
}

void run(std::shared_ptr<SdlSoundPlayer::Shared> shared) {
    const std::string& library = shared->options.library;
    const SdlFunctions* sdl =
        waitForOpen(*shared) ? loadSdl(library.empty() ? kSdlLibrary : library) : nullptr;
    if (sdl != nullptr && !audioTaken.exchange(true)) {
        {
            const AudioSession session(*sdl, shared->options);
            if (session.isOpen())
                serve(*shared, session);
            else
                setState(*shared, State::Unavailable);
        }
        audioTaken = false;
        // SDL keeps per-thread data (its error text) for threads it did not
        // start itself; this thread must free its own.
        sdl->TLSCleanup();
    } else {
        setState(*shared, State::Unavailable);
    }
    {
        std::lock_guard lock(shared->mutex);
        shared->finished = true;
    }
    shared->changed.notify_all();
}

} // namespace

SdlSoundPlayer::SdlSoundPlayer() : SdlSoundPlayer(Options{}) {}

SdlSoundPlayer::SdlSoundPlayer(Options options)
    : shared_(std::make_shared<Shared>(std::move(options))) {
    try {
        std::thread(run, shared_).detach();
    } catch (const std::system_error&) {
        // No thread, no sound: the program goes on silently.
        shared_->state = State::Unavailable;
        shared_->finished = true;
    }
}

SdlSoundPlayer::~SdlSoundPlayer() {
    std::unique_lock lock(shared_->mutex);
    shared_->stopping = true;
    shared_->wake.notify_all();
    // The thread shares its state with this object, so a thread stuck in the
    // sound system may be left behind safely while the program closes.
    shared_->changed.wait_for(lock, shared_->options.closeWait, [&] { return shared_->finished; });
}

void SdlSoundPlayer::open() {
    {
        std::lock_guard lock(shared_->mutex);
        shared_->openAsked = true;
    }
    shared_->wake.notify_all();
}

void SdlSoundPlayer::play(const std::vector<std::string>& paths) {
    {
        std::lock_guard lock(shared_->mutex);
        if (shared_->state == State::Unavailable || shared_->stopping)
            return;
        shared_->pending = paths;
    }
    shared_->wake.notify_one();
}

bool SdlSoundPlayer::waitUntilReady(std::chrono::milliseconds timeout) {
    std::unique_lock lock(shared_->mutex);
    shared_->changed.wait_for(lock, timeout, [&] { return shared_->state != State::Starting; });
    return shared_->state == State::Ready;
}
