// SPDX-License-Identifier: GPL-3.0-or-later
// The least a Qt program can show: one label in a window over the whole
// screen, made as frazioni makes its first window (the screen's size first,
// then full screen, so that even without a window manager its image is the
// screen's). bench/startup compares frazioni with it.
#include <QApplication>
#include <QLabel>
#include <QScreen>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Clicca sul tasto VIA per iniziare."));
    label.setGeometry(QGuiApplication::primaryScreen()->geometry());
    label.showFullScreen();
    return QApplication::exec();
}
