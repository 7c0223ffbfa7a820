// SPDX-License-Identifier: GPL-3.0-or-later
// Loaded into a Qt program by LD_PRELOAD, which bench_launch sets together
// with the moment of the exec: the program itself carries no benchmark code. When the program makes
// its QApplication, this watches for the first paint of any of its windows; on the event loop's
// turn after that repaint pass it prints, one "name value" a line on standard output:
//   paint_s         seconds from the exec to the end of the first repaint pass
//   paint.cpu_s     processor time used by then
//   paint.minor_faults, paint.major_faults  page faults by then
//   paint.VmRSS_kib resident memory then, and its parts (RssAnon_kib and so on)
//   paint.objects   shared objects mapped then (/proc/self/maps, this one left out)
//   paint.mapped    those of SDL2, PulseAudio, ALSA and Qt Svg, by name ("none")
//   up.VmRSS_kib, up.objects and the rest: the same once up, FRAZIONI_BENCH_SETTLE_MS later
//   cue_s           with FRAZIONI_BENCH_CUE_FILE naming SDL's disk-driver output:
//                   seconds from the exec to the first sound written there
// and then ends the program.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include <dlfcn.h>
#include <sys/resource.h>

namespace {

constexpr int kDefaultSettleMs = 1000;
constexpr int kCueWaitMs = 5000;
constexpr auto kCuePoll = std::chrono::microseconds(500);
// Libraries the first window never needs.
constexpr const char* kNotAtStart[] = {"SDL2", "pulse", "asound", "Svg"};

double steadySeconds() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

double sinceExec() {
    const char* at = std::getenv("FRAZIONI_BENCH_EXEC_AT");
    return at != nullptr ? steadySeconds() - std::atof(at) : -1;
}

void figure(const char* name, double value) {
    std::printf("%s %.6f\n", name, value);
    std::fflush(stdout);
}

// Processor time (user and system, all threads) the process has used so far:
// less disturbed than the wall time by other work on a busy machine.
double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// A line of /proc/self/status in KiB, such as "VmRSS" or "RssAnon".
long statusKiB(const std::string& key) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(key + ":", 0) == 0)
            return std::stol(line.substr(key.size() + 1));
    return -1;
}

std::string self() {
    Dl_info info{};
    return dladdr(reinterpret_cast<void*>(&statusKiB), &info) != 0 && info.dli_fname != nullptr
               ? info.dli_fname
               : "";
}

// The shared objects mapped into the process, by path.
std::set<std::string> sharedObjects() {
    const std::string hook = self();
    std::set<std::string> objects;
    std::ifstream maps("/proc/self/maps");
    for (std::string line; std::getline(maps, line);) {
        const auto slash = line.find('/');
        if (slash == std::string::npos)
            continue;
        const std::string path = line.substr(slash);
        if (path.find(".so") != std::string::npos && path.find(hook) == std::string::npos)
            objects.insert(path);
    }
    return objects;
}

void memoryFigures(const char* when) {
    const auto objects = sharedObjects();
    // The program's own memory (anonymous), mapped files (mostly library code)
    // and shared memory (the window's image, shared with the X server).
    for (const char* key : {"VmRSS", "RssAnon", "RssFile", "RssShmem"})
        std::printf("%s.%s_kib %ld\n", when, key, statusKiB(key));
    std::printf("%s.objects %zu\n", when, objects.size());
    std::string unwanted;
    for (const std::string& path : objects)
        for (const char* name : kNotAtStart)
            if (path.find(name) != std::string::npos) {
                if (!unwanted.empty())
                    unwanted += ',';
                unwanted.append(path, path.rfind('/') + 1);
            }
    std::printf("%s.mapped %s\n", when, unwanted.empty() ? "none" : unwanted.c_str());
    std::fflush(stdout);
}

// Page faults so far: pages the process touched for the first time that were
// already in memory (minor: library code, the heap) and that had to be read (major).
void faultFigures(const char* when) {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%s.minor_faults %ld\n%s.major_faults %ld\n", when, usage.ru_minflt, when,
                usage.ru_majflt);
    std::fflush(stdout);
}

std::atomic<double> cueHeard{0};

// Waits for the first non-zero byte in SDL's disk-driver output.
void watchCue(std::string file) {
    std::vector<char> chunk(4096);
    std::streamoff read = 0;
    const double start = steadySeconds();
    while (steadySeconds() - start < kCueWaitMs / 1000.0) {
        std::ifstream in(file, std::ios::binary);
        in.seekg(read);
        while (in.read(chunk.data(), static_cast<std::streamsize>(chunk.size())) ||
               in.gcount() > 0) {
            const auto got = in.gcount();
            for (std::streamsize i = 0; i < got; ++i)
                if (chunk[static_cast<std::size_t>(i)] != 0) {
                    cueHeard = sinceExec();
                    return;
                }
            read += got;
        }
        std::this_thread::sleep_for(kCuePoll);
    }
}

class FirstPaint final : public QObject {
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            QCoreApplication::instance()->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] { painted(); });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    void painted() {
        figure("paint_s", sinceExec());
        figure("paint.cpu_s", cpuSeconds());
        faultFigures("paint");
        memoryFigures("paint");
        const char* settle = std::getenv("FRAZIONI_BENCH_SETTLE_MS");
        QTimer::singleShot(settle != nullptr ? std::atoi(settle) : kDefaultSettleMs, this,
                           [this] { up(); });
    }
    void up() {
        memoryFigures("up");
        waitForCue(0);
    }
    void waitForCue(int waited) {
        if (std::getenv("FRAZIONI_BENCH_CUE_FILE") == nullptr || cueHeard > 0 ||
            waited >= kCueWaitMs) {
            if (cueHeard > 0)
                figure("cue_s", cueHeard);
            QCoreApplication::quit();
            return;
        }
        QTimer::singleShot(10, this, [this, waited] { waitForCue(waited + 10); });
    }
};

void watch() {
    QCoreApplication::instance()->installEventFilter(new FirstPaint);
    if (const char* file = std::getenv("FRAZIONI_BENCH_CUE_FILE"))
        std::thread(watchCue, std::string(file)).detach();
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watch)
