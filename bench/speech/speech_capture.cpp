// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise window exactly as main.cpp makes it, with the real voice, driven
// from outside so that bench/speech/capture can record what it says:
//   speech_capture read ROW SECONDS [slow|normal]
//                                     puts question ROW, presses the loudspeaker
//                                     (the voice at that pace, slow by default),
//                                     printing the wall-clock time of the press
//                                     and the number of words it reads, and
//                                     presses FINE SECONDS later
//   speech_capture fine               presses the loudspeaker, then FINE two
//                                     seconds later, printing the wall-clock time
//                                     of the press (for a speech server that hangs)
#include "core/forms/form1design.h"
#include "skin/forms/fonts.h"
#include "skin/forms/form1window.h"
#include "skin/platform/systemplatform.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include <chrono>
#include <cstdio>

namespace {

void press(Form1Window& window, Ctl id) {
    static_cast<QPushButton*>(window.control(id))->click();
}

double wallClock() {
    using namespace std::chrono;
    return duration<double>(system_clock::now().time_since_epoch()).count();
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    prepareApplication();
    const QStringList args = QApplication::arguments();
    if (args.size() < 2)
        return 2;

    const bool normal = args.size() == 5 && args[4] == QLatin1String("normal");
    SystemPlatform platform(ClassroomSettings{}.schoolSounds,
                            normal ? ReadingPace::Normal : ReadingPace::Slow);
    Form1Window window(platform.services());
    window.start();

    QTimer::singleShot(500, &window, [&] {
        if (args[1] == QLatin1String("read") && args.size() >= 4) {
            auto& fatte = window.modulo().domandefatte;
            fatte.fill(1);
            fatte[static_cast<std::size_t>(args[2].toInt())] = 0;
            press(window, Ctl::VIA);
            std::printf("pressed at %.3f\n", wallClock());
            const QString said = QString::fromStdString(window.logic().testoDaLeggere());
            std::printf("words %lld\n",
                        static_cast<long long>(said.split(' ', Qt::SkipEmptyParts).size()));
            std::fflush(stdout);
            press(window, Ctl::LEGGI);
            QTimer::singleShot(args[3].toInt() * 1000, &window, [&] { press(window, Ctl::FINE); });
        } else {
            press(window, Ctl::VIA);
            press(window, Ctl::LEGGI);
            QTimer::singleShot(2000, &window, [&] {
                std::printf("FINE pressed at %.3f\n", wallClock());
                std::fflush(stdout);
                press(window, Ctl::FINE);
            });
        }
    });
    return QApplication::exec();
}
