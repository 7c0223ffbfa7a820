// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise on fractions of segments: a full-screen window for pupils.
#include "skin/forms/fonts.h"
#include "skin/forms/form1window.h"
#include "skin/platform/systemplatform.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    prepareApplication();

    SystemPlatform platform;
    Form1Window window(platform.services());
    window.start();
    return QApplication::exec();
}
