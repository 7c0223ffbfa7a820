// SPDX-License-Identifier: GPL-3.0-or-later
// Measures the program as a pupil meets it, under a real window system:
//   launch   starts itself afresh in the start-up mode (exec), see launch()
//   startup  time from main() (and from the exec) to the first painted window
//   idle     puts a typed question on screen, prints "ready" and idles until killed
//   pause    one wrong and several right typed answers: CPU during each
//            feedback pause, and time from a right answer's pause end to the
//            next question painted
//   via      time for VIA_Click to put a question, alone and up to the paint
//   results  resident memory over 600 openings of the results window (CLASSIFICA, then Enter)
//   morning  resident memory over a school morning of a child's random keys,
//            clicks and taps (100,000 events, the feedback pause shortened)
// Each figure is printed as "name value" on a line of its own.
#include "benchtools.h"
#include "monkey.h"

#include "core/common/cell.h"
#include "skin/forms/fonts.h"
#include "skin/forms/form1window.h"
#include "skin/platform/systemplatform.h"
#include "skin/settings/commandline.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

constexpr int kRightAnswers = 5;   // right answers measured in the pause mode
constexpr int kViaCalls = 40;      // questions put in the via mode; the bank holds 42
constexpr int kQuestionsLeft = 40; // the pause mode stops before the bank runs out
constexpr const char* kWrongAnswer = "99999";
constexpr const char* kExecAtVariable = "FRAZIONI_BENCH_EXEC_AT";

void figure(const char* name, double value) {
    std::printf("%s %.6f\n", name, value);
    std::fflush(stdout);
}

double median(std::vector<double> v) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double maximum(const std::vector<double>& v) {
    return v.empty() ? 0 : *std::max_element(v.begin(), v.end());
}

// A line of /proc/self/status in KiB, such as "VmRSS" or "RssAnon".
long statusKiB(const std::string& key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(key + ":", 0) == 0)
            return std::stol(line.substr(key.size() + 1));
    return -1;
}

long residentKiB() {
    return statusKiB("VmRSS");
}

// Resident memory and what it is made of: the program's own (anonymous),
// mapped files (library code) and shared memory (window images shared with the X server).
void residentFigures(const char* prefix) {
    for (const char* key : {"VmRSS", "RssAnon", "RssFile", "RssShmem"})
        figure((std::string(prefix) + "." + key + "_kib").c_str(),
               static_cast<double>(statusKiB(key)));
}

// The window as the program makes it, with the pause measured.
struct Bench {
    explicit Bench(SystemPlatform& platform)
        : real(platform.services()), pause(real.pause),
          window(PlatformServices{real.clock, real.random, pause, real.screen, real.audio}),
          watch(&window) {}

    // Shows the window as main() does and waits for its first paint.
    bool start() {
        watch.arm();
        window.start();
        return watch.waitPainted();
    }

    // Presses VIA the way its click does (the handler, then the window shows
    // the stage), and waits until the question is painted.
    bool putQuestion() {
        watch.arm();
        static_cast<QPushButton*>(window.control(Ctl::VIA))->click();
        return watch.waitPainted();
    }

    bool typedQuestionShown() const { return window.control(Ctl::Text1)->isVisible(); }
    int questionsPut() {
        const auto& fatte = window.modulo().domandefatte;
        return static_cast<int>(std::count(fatte.begin(), fatte.end(), 1));
    }
    int expected() {
        Modulo1& m = window.modulo();
        return static_cast<int>(cellNumber(m.soluzioni(m.ndomanda, 1)));
    }

    // Types an answer in Text1 and presses Enter, as the pupil does.
    void type(const QString& text) {
        auto* box = static_cast<QLineEdit*>(window.control(Ctl::Text1));
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    }

    PlatformServices real;
    MeasuredPause pause;
    Form1Window window;
    PaintWatch watch;
};

// Moments of the start-up, on the steady clock.
struct StartupTimes {
    double mainStarted = 0;
    double settingsRead = 0;
    double appMade = 0;
    double platformMade = 0;
};

int startupMode(SystemPlatform& platform, const StartupTimes& t) {
    Bench bench(platform);
    const double windowMade = steadySeconds();
    if (!bench.start())
        return 1;
    if (const char* execAt = std::getenv(kExecAtVariable)) {
        figure("startup.exec_to_paint_s", bench.watch.paintedAt() - std::atof(execAt));
        figure("startup.exec_to_main_s", t.mainStarted - std::atof(execAt));
    }
    figure("startup.main_to_paint_s", bench.watch.paintedAt() - t.mainStarted);
    figure("startup.phase.settings_s", t.settingsRead - t.mainStarted);
    figure("startup.phase.application_s", t.appMade - t.settingsRead);
    figure("startup.phase.platform_s", t.platformMade - t.appMade);
    figure("startup.phase.window_s", windowMade - t.platformMade);
    figure("startup.phase.show_to_paint_s", bench.watch.paintedAt() - windowMade);
    figure("startup.rss_kib", static_cast<double>(residentKiB()));
    return 0;
}

int idleMode(SystemPlatform& platform) {
    Bench bench(platform);
    if (!bench.start())
        return 1;
    // A question answered by typing: its box has the focus and the text
    // cursor, the busiest of the idle screens.
    do {
        if (bench.questionsPut() >= kQuestionsLeft || !bench.putQuestion())
            return 1;
    } while (!bench.typedQuestionShown());
    std::printf("ready\n");
    std::fflush(stdout);
    return QApplication::exec();
}

int pauseMode(SystemPlatform& platform) {
    Bench bench(platform);
    if (!bench.start())
        return 1;
    bool armedAtEnd = false;
    bench.pause.onEnd([&] {
        if (armedAtEnd)
            bench.watch.arm();
    });

    std::vector<double> rightCpu, rightWall, toPaint;
    bool wrongDone = false;
    while (static_cast<int>(rightCpu.size()) < kRightAnswers) {
        if (bench.questionsPut() >= kQuestionsLeft)
            return 1;
        if (!bench.typedQuestionShown()) {
            if (!bench.putQuestion())
                return 1;
            continue;
        }
        if (!wrongDone) {
            armedAtEnd = false;
            bench.type(QString::fromLatin1(kWrongAnswer));
            figure("pause.wrong.wall_s", bench.pause.lastWall());
            figure("pause.wrong.cpu_s", bench.pause.lastCpu());
            wrongDone = true;
            QTest::qWait(0);
            continue;
        }
        armedAtEnd = true;
        bench.type(QString::number(bench.expected()));
        if (!bench.watch.waitPainted())
            return 1;
        rightCpu.push_back(bench.pause.lastCpu());
        rightWall.push_back(bench.pause.lastWall());
        toPaint.push_back(bench.watch.paintedAt() - bench.pause.endedAt());
    }
    figure("pause.right.wall_s", median(rightWall));
    figure("pause.right.cpu_s", median(rightCpu));
    figure("pause.right.cpu_max_s", maximum(rightCpu));
    figure("pause.end_to_paint_s", median(toPaint));
    figure("pause.end_to_paint_max_s", maximum(toPaint));
    return 0;
}

int viaMode(SystemPlatform& platform) {
    std::vector<double> alone, handled, painted;
    {
        Bench bench(platform);
        if (!bench.start())
            return 1;
        for (int i = 0; i < kViaCalls; ++i) {
            const double t0 = steadySeconds();
            bench.window.logic().VIA_Click();
            alone.push_back(steadySeconds() - t0);
        }
    }
    {
        Bench bench(platform);
        if (!bench.start())
            return 1;
        auto* via = static_cast<QPushButton*>(bench.window.control(Ctl::VIA));
        for (int i = 0; i < kViaCalls; ++i) {
            bench.watch.arm();
            const double t0 = steadySeconds();
            via->click();
            handled.push_back(steadySeconds() - t0);
            if (!bench.watch.waitPainted())
                return 1;
            painted.push_back(bench.watch.paintedAt() - t0);
        }
    }
    figure("via.logic_s", median(alone));
    figure("via.logic_max_s", maximum(alone));
    figure("via.click_s", median(handled));
    figure("via.click_to_paint_s", median(painted));
    figure("via.click_to_paint_max_s", maximum(painted));
    return 0;
}

constexpr int kResultsOpenings = 600;
constexpr int kResultsReportEvery = 100;
constexpr int kMorningEvents = 100000;
constexpr int kMorningReportEvery = 10000;
constexpr unsigned kMorningSeed = 1;
constexpr int kSettleMs = 1000;

// The window as the program makes it, with the feedback pause shortened.
struct LongUse {
    explicit LongUse(SystemPlatform& platform)
        : real(platform.services()),
          window(PlatformServices{real.clock, real.random, pause, real.screen, real.audio}) {
        window.start();
        if (!QTest::qWaitForWindowExposed(&window))
            std::fprintf(stderr, "the window was not shown\n");
        QTest::qWait(kSettleMs);
        figure("rss_once_up_kib", static_cast<double>(residentKiB()));
        residentFigures("once_up");
    }
    PlatformServices real;
    ShortPause pause;
    Form1Window window;
};

int resultsMode(SystemPlatform& platform) {
    LongUse use(platform);
    auto* classifica = static_cast<QPushButton*>(use.window.control(Ctl::Command1));
    for (int i = 1; i <= kResultsOpenings; ++i) {
        // The results window holds the click until it is closed: Enter comes from its own loop.
        QTimer::singleShot(0, [] {
            if (QWidget* results = QApplication::activeModalWidget())
                QTest::keyClick(results->windowHandle(), Qt::Key_Return);
        });
        QTest::mouseClick(classifica, Qt::LeftButton);
        if (i % kResultsReportEvery == 0) {
            QTest::qWait(0);
            figure("results.openings", i);
            figure("results.rss_kib", static_cast<double>(residentKiB()));
        }
    }
    return 0;
}

int morningMode(SystemPlatform& platform) {
    LongUse use(platform);
    // The child never reaches FINE; should anything else ask for the end, it is counted.
    int ends = 0;
    use.window.setTerminator([&ends] { ++ends; });
    Monkey monkey(use.window, use.pause, kMorningSeed);
    for (int sent = 0; sent < kMorningEvents;) {
        sent = monkey.run(sent + kMorningReportEvery, {});
        QTest::qWait(0);
        figure("morning.events", sent);
        figure("morning.rss_kib", static_cast<double>(residentKiB()));
        residentFigures("morning");
    }
    figure("morning.feedback_pauses", use.pause.count);
    figure("morning.ends_asked", ends);
    return ends == 0 ? 0 : 1;
}

} // namespace

// Starts this program afresh in the start-up mode, telling it when: the time
// it reports then runs from the exec, through loading the libraries, to the paint.
int launch(const char* self) {
    char when[64];
    std::snprintf(when, sizeof when, "%.9f", steadySeconds());
    setenv(kExecAtVariable, when, 1);
    char startup[] = "startup";
    char* args[] = {const_cast<char*>(self), startup, nullptr};
    execv("/proc/self/exe", args);
    std::perror("execv");
    return 1;
}

int main(int argc, char* argv[]) {
    StartupTimes times;
    times.mainStarted = steadySeconds();
    const std::string mode = argc > 1 ? argv[1] : "startup";
    if (mode == "launch")
        return launch(argv[0]);

    // As the program does: the settings files of this machine and user, read
    // before QApplication (the benchmark's own arguments are not options).
    const StartUp startUp =
        setUpClassroom({QString::fromLocal8Bit(argv[0])}, settingsFiles(), localeLanguage());
    std::fputs(startUp.errors.c_str(), stderr);
    times.settingsRead = steadySeconds();
    QApplication app(argc, argv);
    prepareApplication();
    times.appMade = steadySeconds();
    SystemPlatform platform(startUp.settings.schoolSounds);
    times.platformMade = steadySeconds();

    if (mode == "startup")
        return startupMode(platform, times);
    if (mode == "idle")
        return idleMode(platform);
    if (mode == "pause")
        return pauseMode(platform);
    if (mode == "via")
        return viaMode(platform);
    if (mode == "results")
        return resultsMode(platform);
    if (mode == "morning")
        return morningMode(platform);
    std::fprintf(stderr, "usage: %s startup|idle|pause|via|results|morning\n", argv[0]);
    return 2;
}
