// SPDX-License-Identifier: GPL-3.0-or-later
// The screen adaptation: the design stretched in proportion to the screen or
// window, and twips to pixels.
#include "../exercise/harness.h"
#include "core/screen/twips.h"

#include <QTest>

#include <cmath>

namespace {

bool allFinite(const Stage& s) {
    return std::all_of(s.controls.begin(), s.controls.end(), [](const ControlState& c) {
        const ScalableGeometry& g = c.geometry;
        return std::isfinite(g.left + g.top + g.width + g.height + g.fontSize);
    });
}

} // namespace

class TestRidimschermo : public QObject {
    Q_OBJECT
  private slots:
    void startUpStretchesTheWorkedExampleToTheScreen() {
        // On 1024 x 768, Frame1 (0, 8055, 12075, 990) becomes about (0, 10276, 15379,
        // 1263) and a 20.25-point font about 25.8 points.
        LogicHarness h(1, 1024, 768);
        const Stage& s = h.form.stage();
        const ScalableGeometry& f = s[Ctl::Frame1].geometry;
        QCOMPARE(QList<int>({qRound(f.left), qRound(f.top), qRound(f.width), qRound(f.height),
                             qRound(s[Ctl::LbRisposte].geometry.fontSize * 10)}),
                 QList<int>({0, 10276, 15379, 1263, 258}));
        QCOMPARE(s.window.windowState, 2);
    }

    void windowSizesMoveTheLayoutWithoutNaNAndTheDesignSizeRestoresIt() {
        LogicHarness h(1, 804, 602); // a screen of the design size moves nothing
        for (const Form1ControlDesign& d : form1Design())
            QCOMPARE(h.form.stage()[d.id].geometry,
                     (ScalableGeometry{d.left, d.top, d.width, d.height, d.font.size}));
        const Stage before = h.form.stage();
        for (auto [w, hgt] : {std::pair{333, 222}, {0, 0}, {804, 0}}) {
            h.form.setWindowSize(w * 15, hgt * 15);
            h.form.Form_Resize();
            QVERIFY(allFinite(h.form.stage()));
            QCOMPARE(h.form.stage()[Ctl::Frame1].geometry.height, 0.0f + hgt * 990 / 602.0f);
        }
        h.form.setWindowSize(804 * 15, 602 * 15);
        h.form.Form_Resize();
        QVERIFY(h.form.stage().controls == before.controls);
        QVERIFY(allFinite(LogicHarness(1, 0, 0).form.stage())); // a screen of no size
    }

    void resizeBeforeStartUpMovesNothing() {
        Ridimschermo r;
        r.ncontrolli = 2;
        r.preparatabelle();
        WindowGeometry window{0, 12060, 9030, 0};
        ScalableGeometry g{10, 20, 30, 40, 8};
        r.formdaridim = &window;
        r.controlli[1] = &g;
        r.ridimensiona();
        QCOMPARE(g, (ScalableGeometry{10, 20, 30, 40, 8}));
    }

    void pixelEdgesRoundFromAbsoluteTwips() {
        // Ten pieces of 22.5 twips side by side in a frame at 7.5 twips: each edge
        // rounds on its own, so the row ends where 232.5 twips end, at pixel 16.
        int right = 0;
        for (int i = 0; i < 10; ++i) {
            const PixelRect r = toPixels(7.5, 0, i * 22.5, 0, 22.5, 15, 15);
            QCOMPARE(r.x, right);
            right = r.x + r.width;
        }
        QCOMPARE(right, 16 - 1); // the frame itself starts at pixel 1
    }
};

QTEST_GUILESS_MAIN(TestRidimschermo)
#include "tst_ridimschermo.moc"
