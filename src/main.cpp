// The exercise on fractions of segments: a full-screen window for pupils.
#include "forms/fonts.h"
#include "forms/form1window.h"
#include "forms/systemplatform.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    prepareApplication();

    SystemPlatform platform;
    Form1Window window(platform.services());
    window.start();
    return QApplication::exec();
}
