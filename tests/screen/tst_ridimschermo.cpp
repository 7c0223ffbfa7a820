// SPDX-License-Identifier: GPL-3.0-or-later
// The screen adaptation: design geometry stretched in proportion to the screen.
#include "core/exercise/form1.h"
#include "core/screen/twips.h"

#include "../exercise/harness.h"

#include <QTest>

class TestRidimschermo : public QObject {
    Q_OBJECT
  private slots:
    void startUpStretchesToTheScreen();
    void designSizeScreenMovesNothing();
    void shrinkThenEnlargeRestoresTheStartUpLayout();
    void emptyEntriesAreSkipped();
    void edgesRoundFromAbsoluteTwips();
};

void TestRidimschermo::startUpStretchesToTheScreen() {
    // The worked example: on 1024 x 768, Frame1 (0, 8055, 12075, 990) becomes about
    // (0, 10276, 15379, 1263) and a 20.25-point font about 25.8 points.
    LogicHarness harness(1, 1024, 768);
    harness.form.Form_Load();
    const Stage& s = harness.form.stage();
    QCOMPARE(s.window.windowState, 2);
    QCOMPARE(s.window.top, 0.0f);
    const ScalableGeometry& f = s[Ctl::Frame1].geometry;
    QCOMPARE(qRound(f.top), 10276);
    QCOMPARE(qRound(f.width), 15379);
    QCOMPARE(qRound(f.height), 1263);
    QCOMPARE(qRound(s[Ctl::LbRisposte].geometry.fontSize * 10), 258);
}

void TestRidimschermo::designSizeScreenMovesNothing() {
    LogicHarness harness(1, 804, 602);
    harness.form.Form_Load();
    for (const Form1ControlDesign& d : form1Design()) {
        const ScalableGeometry& g = harness.form.stage()[d.id].geometry;
        QCOMPARE(g, (ScalableGeometry{d.left, d.top, d.width, d.height, d.font.size}));
    }
}

void TestRidimschermo::shrinkThenEnlargeRestoresTheStartUpLayout() {
    LogicHarness harness(1, 1024, 768);
    harness.form.Form_Load();
    harness.form.setWindowSize(1024 * 15, 768 * 15);
    harness.form.Form_Resize();
    const Stage before = harness.form.stage();
    harness.form.setWindowSize(333 * 15, 222 * 15);
    harness.form.Form_Resize();
    QVERIFY(harness.form.stage()[Ctl::Frame1].geometry != before[Ctl::Frame1].geometry);
    harness.form.setWindowSize(1024 * 15, 768 * 15);
    harness.form.Form_Resize();
    for (const Form1ControlDesign& d : form1Design())
        QCOMPARE(harness.form.stage()[d.id].geometry, before[d.id].geometry);
}

void TestRidimschermo::emptyEntriesAreSkipped() {
    Ridimschermo r;
    r.ncontrolli = 50;
    r.preparatabelle();
    QCOMPARE(r.controlli.size(), std::size_t{51});
    WindowGeometry window{0, 12060, 9030, 100};
    ScalableGeometry only{10, 20, 30, 40, 8};
    r.formdaridim = &window;
    r.controlli[1] = &only;
    FakeScreen screen(1608, 1204); // twice the design size
    r.adattaschermo(screen);
    QCOMPARE(only, (ScalableGeometry{20, 40, 60, 80, 16}));
    QCOMPARE(window.top, 0.0f);
    window.width = 12060;
    window.height = 9030;
    r.ridimensiona();
    QCOMPARE(only, (ScalableGeometry{10, 20, 30, 40, 8}));
}

void TestRidimschermo::edgesRoundFromAbsoluteTwips() {
    // Ten pieces of 22.5 twips side by side, in a frame at 7.5 twips: each
    // edge rounds on its own, so the row ends where 225 twips end.
    int right = 0;
    for (int i = 0; i < 10; ++i) {
        const PixelRect r = toPixels(7.5, 0, i * 22.5, 0, 22.5, 15, 15);
        QVERIFY(r.width == 1 || r.width == 2);
        if (i > 0)
            QCOMPARE(r.x, right);
        right = r.x + r.width;
    }
    // (7.5 + 225) / 15 = 15.5 rounds to 16; the frame itself starts at pixel 1.
    QCOMPARE(right, 16 - 1);
}

QTEST_GUILESS_MAIN(TestRidimschermo)
#include "tst_ridimschermo.moc"
