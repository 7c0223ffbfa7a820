#include "sound/sdlsoundplayer.h"

#include "sound/cuefile.h"
#include "sound/cues/cuerecipes.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <atomic>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <system_error>
#include <thread>
#include <unordered_map>

namespace {

constexpr int kCueChannel = 0; // the one mixer channel: a new cue replaces the old
constexpr int kMixerChannels = 1;
constexpr std::size_t kMaxCueBytes = 16 * 1024 * 1024; // far beyond any short cue
// How long closing the player waits for its thread before leaving it behind.
constexpr std::chrono::seconds kShutdownWait{2};
constexpr const char* kAppName = "frazioni";
// These drivers never reach a loudspeaker; they are used only when asked for by name.
constexpr const char* kSilentDrivers[] = {"disk", "dummy"};

// SDL_mixer is one per process: the first player owns it.
std::atomic<bool> mixerTaken{false};

enum class State { Starting, Ready, Unavailable };

struct ChunkDeleter {
    void operator()(Mix_Chunk* chunk) const { Mix_FreeChunk(chunk); }
};
using Chunk = std::unique_ptr<Mix_Chunk, ChunkDeleter>;

// A decoded chunk for WAV bytes, in the device's format; none for anything
// that is not a WAV with at least one sample.
Chunk decodeWav(const std::vector<std::uint8_t>& bytes) {
    if (!hasWavSignature(bytes) || bytes.size() > static_cast<std::size_t>(INT32_MAX))
        return nullptr;
    SDL_RWops* source = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    if (source == nullptr)
        return nullptr;
    Chunk chunk(Mix_LoadWAV_RW(source, 1));
    if (chunk && chunk->alen == 0)
        return nullptr;
    return chunk;
}

bool isSilentDriver(const char* name) {
    for (const char* silent : kSilentDrivers) {
        if (std::strcmp(name, silent) == 0)
            return true;
    }
    return false;
}

// SDL's audio and the mixer, open for as long as the object lives.
class MixerSession {
  public:
    explicit MixerSession(const SdlSoundPlayer::Options& options) : options_(options) {
        // Qt handles the program's signals; SDL must not take Ctrl+C for itself.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        // A damaged cue file gives the default sound, not half a cue.
        SDL_SetHint(SDL_HINT_WAVE_TRUNCATION, "strict");
        SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, kAppName);
        initialised_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
        open_ = initialised_ && (openMixer() || openWithOtherDrivers());
        if (open_)
            Mix_AllocateChannels(kMixerChannels);
    }
    ~MixerSession() {
        if (open_)
            Mix_CloseAudio();
        if (initialised_)
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    MixerSession(const MixerSession&) = delete;
    MixerSession& operator=(const MixerSession&) = delete;

    bool isOpen() const { return open_; }

  private:
    bool openMixer() {
        return Mix_OpenAudioDevice(options_.frequency, AUDIO_S16SYS, options_.channels,
                                   options_.bufferFrames, nullptr,
                                   SDL_AUDIO_ALLOW_FREQUENCY_CHANGE |
                                       SDL_AUDIO_ALLOW_CHANNELS_CHANGE) == 0;
    }

    // SDL settles on the first driver that starts, even when it then finds no
    // device (ALSA with no card, say); the others may still reach a sound
    // server. A driver chosen by the user is kept.
    bool openWithOtherDrivers() {
        if (SDL_GetHint(SDL_HINT_AUDIODRIVER) != nullptr)
            return false;
        const char* current = SDL_GetCurrentAudioDriver();
        const std::string tried = current != nullptr ? current : "";
        for (int i = 0; i < SDL_GetNumAudioDrivers(); ++i) {
            const char* name = SDL_GetAudioDriver(i);
            if (name == nullptr || tried == name || isSilentDriver(name))
                continue;
            SDL_AudioQuit();
            if (SDL_AudioInit(name) == 0 && openMixer())
                return true;
        }
        return false;
    }

    SdlSoundPlayer::Options options_;
    bool initialised_ = false;
    bool open_ = false;
};

} // namespace

struct SdlSoundPlayer::Shared {
    explicit Shared(Options o) : options(std::move(o)) {}

    Options options;
    std::mutex mutex;
    std::condition_variable wake;    // a path is waiting, or the player closes
    std::condition_variable changed; // the state moved on, or the thread ended
    std::optional<std::string> pending;
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
void serve(SdlSoundPlayer::Shared& shared, const MixerSession&) {
    int frequency = 0;
    int channels = 0;
    Uint16 format = 0;
    Mix_QuerySpec(&frequency, &format, &channels);
    // Made in the device's own rate and layout, so that it plays unconverted.
    const Chunk fallback = decodeWav(synth::defaultCueWav(frequency, channels));
    std::unordered_map<std::string, Chunk> cache; // an empty chunk: play the default
    setState(shared, State::Ready);

    for (;;) {
        std::string path;
        {
            std::unique_lock lock(shared.mutex);
            shared.wake.wait(lock, [&] { return shared.stopping || shared.pending; });
            if (shared.stopping)
                break;
            path = std::move(*shared.pending);
            shared.pending.reset();
        }
        auto found = cache.find(path);
        if (found == cache.end()) {
            const auto bytes = shared.options.readFile ? shared.options.readFile(path)
                                                       : readCueFile(path, kMaxCueBytes);
            found = cache.emplace(path, bytes ? decodeWav(*bytes) : nullptr).first;
        }
        Mix_Chunk* chunk = found->second ? found->second.get() : fallback.get();
        if (chunk != nullptr)
            Mix_PlayChannel(kCueChannel, chunk, 0);
    }
    Mix_HaltChannel(-1);
}

void run(std::shared_ptr<SdlSoundPlayer::Shared> shared) {
    if (!mixerTaken.exchange(true)) {
        {
            const MixerSession session(shared->options);
            if (session.isOpen())
                serve(*shared, session);
            else
                setState(*shared, State::Unavailable);
        }
        mixerTaken = false;
        // SDL keeps per-thread data (its error text) for threads it did not
        // start itself; this thread must free its own.
        SDL_TLSCleanup();
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
    shared_->changed.wait_for(lock, kShutdownWait, [&] { return shared_->finished; });
}

void SdlSoundPlayer::play(const std::string& path) {
    {
        std::lock_guard lock(shared_->mutex);
        if (shared_->state == State::Unavailable || shared_->stopping)
            return;
        shared_->pending = path;
    }
    shared_->wake.notify_one();
}

bool SdlSoundPlayer::waitUntilReady(std::chrono::milliseconds timeout) {
    std::unique_lock lock(shared_->mutex);
    shared_->changed.wait_for(lock, timeout, [&] { return shared_->state != State::Starting; });
    return shared_->state == State::Ready;
}
