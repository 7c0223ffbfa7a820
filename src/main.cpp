// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise on fractions of segments: a full-screen window for pupils.
#include "skin/forms/fonts.h"
#include "skin/forms/form1window.h"
#include "skin/platform/systemplatform.h"
#include "skin/settings/commandline.h"

#include <QApplication>

#include <iostream>

int main(int argc, char* argv[]) {
    // The command line and the settings files are read before QApplication
    // exists, so that --help, --version and a mistyped option answer at once,
    // with no display needed, no window and no sound.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const StartUp startUp = setUpClassroom(arguments, settingsFiles(), localeLanguage());
    std::cout << startUp.out << std::flush;
    std::cerr << startUp.errors << std::flush;
    if (startUp.exitStatus)
        return *startUp.exitStatus;

    QApplication app(argc, argv);
    prepareApplication();

    SystemPlatform platform(startUp.settings.schoolSounds, startUp.settings.readingPace);
    Form1Window window(platform.services(), startUp.settings);
    window.start();
    return QApplication::exec();
}
