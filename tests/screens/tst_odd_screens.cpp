// SPDX-License-Identifier: GPL-3.0-or-later
// The window on the screen the offscreen platform was given (HiDPI, 5:4,
// 4K, portrait): it fills the screen, its texts fit their controls and the
// strips stay countable. With FRAZIONI_SHOTS set to a folder, it also saves
// what it showed there.
#include "../forms/windowharness.h"
#include "core/sound/audio.h"
#include "skin/figures/figureframe.h"
#include "skin/forms/fonts.h"
#include "skin/forms/form1window.h"
#include "skin/platform/qtscreen.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

namespace {

struct RealScreenWindow {
    RealScreenWindow()
        : random(clock, 3), pause(clock), audio(player, random, "/app"),
          window(PlatformServices{clock, random, pause, screen, audio}) {
        window.setTerminator([] {});
        window.start();
    }
    void put(int row) {
        auto& fatte = window.modulo().domandefatte;
        fatte.fill(1);
        fatte[std::size_t(row)] = 0;
        window.logic().VIA_Click();
        window.showStage();
        QApplication::processEvents();
    }
    FakeClock clock;
    ClockSeededRandom random;
    FakePause pause;
    QtScreen screen;
    FakePlayer player;
    Audio audio;
    Form1Window window;
};

void checkTextsFit(const Form1Window& window) {
    for (const Form1ControlDesign& d : form1Design()) {
        QWidget* w = window.control(d.id);
        const QString text = controlText(w).trimmed();
        if (!w->isVisible() || text.isEmpty())
            continue;
        const QFontMetrics fm(w->font());
        const QString where = QString::fromUtf8(d.name.data(), qsizetype(d.name.size()));
        // The text lies on screen (a few controls reach past the window by design)...
        const int shown = std::min(w->width(), fm.horizontalAdvance(text));
        QVERIFY2(w->x() + shown <= w->parentWidget()->width() + 1, qPrintable(where));
        // ...and wide enough for its text (boxes and buttons have a margin of their own).
        const int margin = d.kind == ControlKind::Label ? 0 : 4;
        QVERIFY2(
            fm.horizontalAdvance(text) + margin <= w->width() + 1,
            qPrintable(
                QString("%1: %2 > %3").arg(where).arg(fm.horizontalAdvance(text)).arg(w->width())));
    }
}

void checkStripsCountable(const Form1Window& window) {
    for (Ctl id : {Ctl::FrSegmento1, Ctl::FrSegmento2, Ctl::FrSegmento3}) {
        const auto& pieces = static_cast<FigureFrame*>(window.control(id))->pieces();
        QVERIFY(pieces.size() >= 6);
        int shortest = INT_MAX, longest = 0, narrowestGap = INT_MAX;
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            shortest = std::min(shortest, pieces[i].rect.width());
            longest = std::max(longest, pieces[i].rect.width());
            if (i > 0)
                narrowestGap =
                    std::min(narrowestGap, pieces[i].rect.left() - pieces[i - 1].rect.right() - 1);
        }
        QVERIFY(longest - shortest <= 1);
        QVERIFY(narrowestGap >= 1);
        QVERIFY(pieces.front().rect.height() >= 1);
    }
}

void save(Form1Window& window, const QString& name) {
    const QString folder = qEnvironmentVariable("FRAZIONI_SHOTS");
    if (folder.isEmpty())
        return;
    const QScreen* s = QGuiApplication::primaryScreen();
    window.grab().save(QDir(folder).filePath(QString("screen-%1x%2-dpr%3-%4.png")
                                                 .arg(s->geometry().width())
                                                 .arg(s->geometry().height())
                                                 .arg(s->devicePixelRatio())
                                                 .arg(name)));
}

} // namespace

class TestOddScreens : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { installFontSubstitutes(); }
    void windowFillsTheScreenAndTextsFit();
};

void TestOddScreens::windowFillsTheScreenAndTextsFit() {
    RealScreenWindow h;
    QCOMPARE(h.window.geometry(), QGuiApplication::primaryScreen()->geometry());
    checkTextsFit(h.window);
    for (int row : {24, 17, 5, 28, 39}) {
        h.put(row);
        checkTextsFit(h.window);
        if (row < 25)
            checkStripsCountable(h.window);
        if (row == 24 || row == 39)
            save(h.window, QString("question%1").arg(row));
    }
}

QTEST_MAIN(TestOddScreens)
#include "tst_odd_screens.moc"
