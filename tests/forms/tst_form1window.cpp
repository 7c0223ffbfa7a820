// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise window's controls where the scale factors put them. Which ones show
// for each kind of question, and their texts, the reference pictures hold.
#include "windowharness.h"

#include "core/screen/twips.h"

class TestForm1Window : public QObject {
    Q_OBJECT
  private slots:
    void controlsSitWhereTheScaleFactorsPutThemOnAnyScreen() {
        for (QSize screen : {QSize(1024, 768), QSize(1920, 1080), QSize(1080, 1920),
                             QSize(3840, 1080), QSize(64, 48), QSize(32, 24)}) {
            WindowHarness h(screen.width(), screen.height());
            const double fx = screen.width() * 15.0 / 12060; // the design's size in twips
            const double fy = screen.height() * 15.0 / 9030;
            const Form1ControlDesign& frame = design(Ctl::Frame1);
            for (const Form1ControlDesign& d : form1Design()) {
                const PixelRect r =
                    toPixels(d.inFrame1 ? fx * frame.left : 0, d.inFrame1 ? fy * frame.top : 0,
                             fx * d.left, fy * d.top, fx * d.width, fy * d.height, 15);
                const QWidget* w = h.window.control(d.id);
                QCOMPARE(w->geometry(), QRect(QPoint(r.x, r.y),
                                              d.autoSize ? w->size() : QSize(r.width, r.height)));
                QCOMPARE(w->font().pointSizeF(),
                         double(std::max(1.0f, float(std::min(fx, fy) * d.font.size))));
            }
            if (screen.width() == 1024) // Frame1 (0, 8055, 12075, 990) in twips
                QCOMPARE(h.window.control(Ctl::Frame1)->geometry(), QRect(0, 685, 1025, 84));
            for (int row : {0, 3, 12, 19, 25, 34}) // each kind lays out without fault
                h.putQuestion(row);
            QCOMPARE(h.window.size(), screen);
            QVERIFY(h.window.windowFlags() & Qt::FramelessWindowHint);
        }
    }
};

QTEST_MAIN(TestForm1Window)
#include "tst_form1window.moc"
