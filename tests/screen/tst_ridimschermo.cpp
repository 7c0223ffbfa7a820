// SPDX-License-Identifier: GPL-3.0-or-later
// The screen adaptation, and twips to pixels.
#include "../exercise/harness.h"
#include "core/screen/twips.h"
#include <QTest>

class TestRidimschermo : public QObject {
    Q_OBJECT
  private slots:
    void layoutStretchesToTheScreenAndWindowWithoutNaNAndComesBack() {
        // On 1024 x 768, Frame1 (0, 8055, 12075, 990) becomes about (0, 10276, 15379,
        // 1263) and a 20.25-point font about 25.8 points.
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
            const ScalableGeometry& g =
                h.form.stage()[Ctl::VIA].geometry; // 180, 180, 1455, 645, 21.75
            QCOMPARE(QList<float>({g.left, g.top, g.width, g.height, g.fontSize}),
                     QList<float>({180.f * w / 804, 180.f * ht / 602, 1455.f * w / 804,
                                   645.f * ht / 602, 21.75f * std::min(w / 804.f, ht / 602.f)}));
        }
        QVERIFY(h.form.stage().controls == start.controls);
    }

    void resizeBeforeStartUpMovesNothing() {
        Ridimschermo r;
        r.ncontrolli = 1;
        r.preparatabelle();
        WindowGeometry window{0, 12060, 9030, 0};
        ScalableGeometry g{10, 20, 30, 40, 8};
        r.formdaridim = &window;
        r.controlli[1] = &g;
        r.ridimensiona();
        QCOMPARE(g, (ScalableGeometry{10, 20, 30, 40, 8}));
    }

    // Ten pieces of 22.5 twips in a frame at 7.5: each edge rounds on its own, so
    // neighbours neither gap nor overlap, and the row ends at (7.5 + 225) / 15 -> 16.
    void pixelEdgesRoundFromAbsoluteTwips() {
        int right = 0;
        for (int i = 0; i < 10; ++i) {
            const PixelRect r = toPixels(7.5, 0, i * 22.5, 0, 22.5, 15, 15);
            QCOMPARE(r.x, std::exchange(right, r.x + r.width));
        }
        QCOMPARE(right, 16 - 1); // the frame itself starts at pixel 1
    }
};

QTEST_GUILESS_MAIN(TestRidimschermo)
#include "tst_ridimschermo.moc"
