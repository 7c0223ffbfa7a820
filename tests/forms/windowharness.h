// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The real exercise window with fake platform services (or a real pause or screen),
// the pupil's ways to act on it, and a check of the figures it paints.

#include "fakes/fakes.h"
#include "skin/figures/figureframe.h"
#include "skin/forms/form1window.h"
#include "skin/forms/qtconvert.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPointingDevice>
#include <QPushButton>
#include <QRegion>
#include <QTest>

// The text a label, box or button shows.
inline QString controlText(const QWidget* w) {
    return w->property("text").toString();
}

// The results window while it is open over the exercise window, or nothing.
inline QWidget* openResults() {
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* results = top->findChild<QWidget*>("classificaform");
            results && results->isVisible())
            return results;
    return nullptr;
}

// Sends a close as the window system does for Alt+F4 or a desktop's close button.
inline void closeFromOutside(QWidget* w) {
    QCloseEvent close;
    QSpontaneKeyEvent::setSpontaneous(&close);
    qApp->notify(w, &close);
}

// On a touch screen or an interactive whiteboard a tap is the pupil's click: a finger
// put down on the widget at `at` and lifted. The touch screen is made at the first tap.
inline void tap(QWidget* w, QPoint at) {
    static QPointingDevice* const screen = QTest::createTouchDevice();
    QWindow* window = w->window()->windowHandle();
    QTest::touchEvent(window, screen).press(0, w->mapTo(w->window(), at), window);
    QTest::touchEvent(window, screen).release(0, w->mapTo(w->window(), at), window);
}

// What a question of a kind answered by a click offers, left to right; nothing for the others.
inline std::vector<Ctl> choices(TipoDomanda kind) {
    using enum TipoDomanda;
    if (kind == CliccaSegmento)
        return {Ctl::FrSegmento1, Ctl::FrSegmento2, Ctl::FrSegmento3};
    if (kind == CliccaMisura)
        return {Ctl::LbRisposta1, Ctl::LbRisposta2, Ctl::LbRisposta3};
    if (kind == CliccaRettangolo)
        return {Ctl::FrRet2, Ctl::FrRet1, Ctl::FrRet3};
    return {};
}

struct WindowHarness : FakeServices {
    explicit WindowHarness(int widthPx = 1024, int heightPx = 768, unsigned seed = 1,
                           Pause* realPause = nullptr, const Screen* realScreen = nullptr,
                           Speech* speech = nullptr, ClassroomSettings settings = {})
        : FakeServices(seed, widthPx, heightPx),
          window(PlatformServices{clock, random, realPause ? *realPause : pause,
                                  realScreen ? *realScreen : screen, audio, speech},
                 std::move(settings)) {
        window.setTerminator([this] { ++terminations; });
        window.start(false);
    }
    // Puts question `row` as the first of its pass (answering it ends no pass).
    void putQuestion(int row) {
        auto& fatte = window.modulo().domandefatte;
        fatte.fill(1);
        fatte[std::size_t(row)] = 0;
        static_cast<QPushButton*>(window.control(Ctl::VIA))->click();
        fatte.fill(0);
        fatte[std::size_t(row)] = 1;
    }
    void click(Ctl id) const { QTest::mouseClick(window.control(id), Qt::LeftButton); }
    // Types `text` into a box, which must hold the keyboard, and presses Enter.
    void type(Ctl box, const QString& text) const {
        QCOMPARE(window.focusWidget(), window.control(box));
        QTest::keyClicks(window.control(box), text);
        QTest::keyClick(window.control(box), Qt::Key_Return);
    }
    QString text(Ctl id) const { return controlText(window.control(id)); }
    QString counters() const { return text(Ctl::LbRisposte) + '/' + text(Ctl::LbErrori); }
    bool visible(Ctl id) const { return window.control(id)->isVisible(); }
    FigureFrame* frame(Ctl id) const { return static_cast<FigureFrame*>(window.control(id)); }

    Form1Window window;
    int terminations = 0;
};

// Checks a figure frame's pieces: a strip of `a` units filling the frame with a
// visible gap between each two (b == 0), or the closed outline of a rectangle
// `a` units high and `b` wide; its units all one length to within a pixel.
inline void checkFigure(const FigureFrame* f, int a, int b) {
    const auto& p = f->pieces();
    QCOMPARE(int(p.size()), b == 0 ? a : 2 * (a + b));
    QList<int> units, gaps;
    QRegion painted;
    for (std::size_t i = 0; i < p.size(); ++i) {
        const bool base = b > 0 && i >= std::size_t(2 * a); // after the left and right sides
        units << (b > 0 && !base ? p[i].rect.height() : p[i].rect.width());
        const std::size_t j = std::max<std::size_t>(i, 1); // the first unit takes the first gap
        gaps << (b > 0 ? 1 : p[j].rect.left() - p[j - 1].rect.right() - 1);
        // Rounding may leave a one-pixel seam where a base meets the left side.
        painted += base ? p[i].rect.adjusted(-1, 0, 0, 0) : p[i].rect;
    }
    std::ranges::sort(units);
    std::ranges::sort(gaps);
    QVERIFY(units.last() - units.first() <= 1 && gaps.first() >= 1 &&
            gaps.last() - gaps.first() <= 1);
    // Strips fill their frame; a rectangle's sides run its height, its bottom
    // base ends within a pixel of it, and the bases close the ring between them.
    const QRect all = painted.boundingRect();
    QVERIFY(all.topLeft().isNull() && all.bottom() + 1 == f->height());
    QVERIFY(b > 0 ? all.right() < f->width() : all.right() + 1 == f->width());
    const QRect& bottom = p[std::size_t(2 * a) % p.size()].rect;
    const QRect ring = all.adjusted(0, 0, 0, b > 0 ? bottom.bottom() - all.bottom() : 0);
    QVERIFY(all.bottom() - ring.bottom() <= 1);
    const QRect inner = ring.adjusted(p[0].rect.width(), p.back().rect.height(),
                                      -p[std::size_t(a) % p.size()].rect.width(), -bottom.height());
    QVERIFY(b == 0 || painted.intersected(ring) == QRegion(ring).subtracted(inner));
}

// Checks the figures of the question on screen: only the frames of its kind
// show, three strips of 8, 10 and 6 units or rectangles of the bank's sizes.
inline void checkFigures(WindowHarness& h) {
    const int row = h.window.modulo().ndomanda;
    auto bank = [&](int column) { return int(cellNumber(h.window.modulo().domande(row, column))); };
    const auto kind = TipoDomanda(bank(0));
    // The columns of the height and base of FrRet1 (middle), FrRet2 (left), FrRet3 (right).
    const int column[] = {kind == TipoDomanda::CliccaRettangolo ? 4 : 2, 2, 6};
    for (std::size_t i = 0; i < 3 && !QTest::currentTestFailed(); ++i) {
        const bool rectangle = kind == TipoDomanda::CliccaRettangolo ||
                               (kind == TipoDomanda::NumeroSulRettangolo && i == 0);
        QCOMPARE(h.visible(kSegmentFrames[i]) + 2 * h.visible(kRectangleFrames[i]),
                 conSegmenti(kind) + 2 * rectangle);
        if (conSegmenti(kind))
            checkFigure(h.frame(kSegmentFrames[i]), std::array{8, 10, 6}[i], 0);
        if (rectangle)
            checkFigure(h.frame(kRectangleFrames[i]), bank(column[i]), bank(column[i] + 1));
    }
}
