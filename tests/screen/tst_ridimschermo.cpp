// SPDX-License-Identifier: GPL-3.0-or-later
// The screen adaptation: the design stretched in proportion to the screen or window.
#include "../exercise/harness.h"
#include <QTest>

class TestRidimschermo : public QObject {
    Q_OBJECT
  private slots:
    void layoutStretchesToScreenAndWindowWithoutNaNAndComesBack() {
        // On 1024 x 768, Frame1 (0, 8055, 12075, 990) and a 20.25-point font become:
        LogicHarness h(1, 1024, 768);
        const Stage start = h.form.stage();
        const ScalableGeometry& f = start[Ctl::Frame1].geometry;
        QCOMPARE(QList<int>({qRound(f.left), qRound(f.top), qRound(f.width), qRound(f.height),
                             qRound(start[Ctl::LbRisposte].geometry.fontSize * 10),
                             start.window.windowState}),
                 QList<int>({0, 10276, 15379, 1263, 258, 2}));
        for (auto [w, ht] : {std::pair{804, 602}, {333, 222}, {0, 0}, {804, 0}, {1024, 768}}) {
            h.form.setWindowSize(w * 15, ht * 15);
            h.form.Form_Resize();
            const ScalableGeometry& g = h.form.stage()[Ctl::VIA].geometry; // as designed:
            QCOMPARE(QList<float>({g.left, g.top, g.width, g.height, g.fontSize}),
                     QList<float>({180.f * w / 804, 180.f * ht / 602, 1455.f * w / 804,
                                   645.f * ht / 602, 21.75f * std::min(w / 804.f, ht / 602.f)}));
        }
        QVERIFY(h.form.stage().controls == start.controls);
        for (auto [dw, dh] : {std::pair{0.f, 9030.f}, {12060.f, 0.f}}) { // a design of no size
            Ridimschermo r;
            WindowGeometry window{0, dw, dh, 0};
            ScalableGeometry g{10, 20, 30, 40, 8};
            r.ncontrolli = 1;
            r.preparatabelle();
            r.formdaridim = &window;
            r.controlli[1] = &g;
            r.adattaschermo(FakeScreen(804, 602));
            const ScalableGeometry before = g;
            window = {2, 2 * dw + 1, 2 * dh + 1, 0};
            r.ridimensiona(); // nothing to scale from, so nothing moves
            QCOMPARE(g, before);
        }
    }
};

QTEST_GUILESS_MAIN(TestRidimschermo)
#include "tst_ridimschermo.moc"
