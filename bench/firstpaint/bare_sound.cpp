// SPDX-License-Identifier: GPL-3.0-or-later
// The bare window (bare_window.cpp) that also opens the sound device once its
// window is up, as frazioni does: after the first paint, a thread loads SDL2
// by its soname, opens the default device and plays a second of silence. Its
// memory once up is the least any program can have that shows a Qt window and
// keeps an SDL2 sound device open; bench/startup prints it beside the others.
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include <SDL.h>

#include <thread>
#include <vector>

#include <dlfcn.h>

namespace {

template <typename F> F function(void* library, const char* name) {
    return reinterpret_cast<F>(dlsym(library, name));
}

void openSound() {
    void* sdl = dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
    if (sdl == nullptr)
        return;
    auto init = function<int (*)(Uint32)>(sdl, "SDL_Init");
    auto open = function<SDL_AudioDeviceID (*)(const char*, int, const SDL_AudioSpec*,
                                               SDL_AudioSpec*, int)>(sdl, "SDL_OpenAudioDevice");
    auto queue = function<int (*)(SDL_AudioDeviceID, const void*, Uint32)>(sdl, "SDL_QueueAudio");
    auto pause = function<void (*)(SDL_AudioDeviceID, int)>(sdl, "SDL_PauseAudioDevice");
    if (init == nullptr || open == nullptr || queue == nullptr || pause == nullptr ||
        init(SDL_INIT_AUDIO) != 0)
        return;
    SDL_AudioSpec wanted{};
    wanted.freq = 44100;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 1;
    wanted.samples = 1024;
    SDL_AudioSpec got{};
    const SDL_AudioDeviceID device = open(nullptr, 0, &wanted, &got, 0);
    if (device == 0)
        return;
    const std::vector<Sint16> silence(44100);
    queue(device, silence.data(), static_cast<Uint32>(silence.size() * sizeof(Sint16)));
    pause(device, 0);
}

// Opens the sound on the event loop's turn after the window's first paint.
class SoundAfterFirstPaint final : public QObject {
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !started_) {
            started_ = true;
            QTimer::singleShot(0, [] { std::thread(openSound).detach(); });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool started_ = false;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Clicca sul tasto VIA per iniziare."));
    label.setGeometry(QGuiApplication::primaryScreen()->geometry());
    label.showFullScreen();
    SoundAfterFirstPaint after;
    label.installEventFilter(&after);
    return QApplication::exec();
}
