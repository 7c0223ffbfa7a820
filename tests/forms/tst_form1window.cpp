// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise window as the pupil sees it: controls, captions and places.
#include "windowharness.h"

#include "core/screen/twips.h"

class TestForm1Window : public QObject {
    Q_OBJECT
  private slots:
    void eachScreenShowsItsOwnControls_data() {
        QTest::addColumn<int>("row");          // -1: the start screen
        QTest::addColumn<QString>("controls"); // the visible ones, in the design's order
        QTest::addColumn<QString>("texts");    // avviso, LbCodice, counters, focus
        const QString bar = "Frame1 avviso FINE gratifica LbRisposte LbErrori LbCodice LbTempo "
                            "Command1 ";
        const QString segments = bar + "LbSegmento1 LbSegmento2 LbSegmento3 LbDOMANDA ";
        const QString strips = " FrSegmento1 FrSegmento3 FrSegmento2";
        const QString type = "Scrivi il risultato e premi il tasto INVIO. |";
        QTest::newRow("start") << -1
                               << "Frame1 avviso VIA FINE gratifica LbRisposte LbErrori LbCodice "
                                  "Command1 LbDOMANDA"
                               << "Clicca sul tasto VIA per iniziare.|codice|risposte/errori|";
        QTest::newRow("type on segments")
            << 0 << segments + "Text1" + strips << type + "0|risposte/0|Text1";
        QTest::newRow("click a segment") << 3 << segments.trimmed() + strips << "|3|risposte/0|";
        QTest::newRow("click an answer")
            << 12 << segments + "LbRisposta1 LbRisposta2 LbRisposta3" + strips
            << "Clicca sulla risposta esatta.|12|risposte/0|";
        QTest::newRow("four measures")
            << 19 << segments + "LbSub1 Inp1" + strips << type + "19|risposte/0|Inp1";
        QTest::newRow("type on a rectangle")
            << 25 << bar + "LbDOMANDA Text1 FrRet1" << type + "25|risposte/0|Text1";
        QTest::newRow("click a rectangle") << 30 << bar + "LbDOMANDA FrRet1 FrRet2 FrRet3"
                                           << "|30|risposte/0|";
    }
    void eachScreenShowsItsOwnControls() {
        QFETCH(int, row);
        WindowHarness h;
        if (row >= 0)
            h.putQuestion(row);
        QStringList shown;
        for (const Form1ControlDesign& d : form1Design())
            if (h.visible(d.id))
                shown << toQString(d.name);
        QTEST(shown.join(' '), "controls");
        QWidget* focus = h.window.focusWidget();
        QTEST(QStringList({h.text(Ctl::avviso), h.text(Ctl::LbCodice), h.counters(),
                           focus ? focus->objectName() : ""})
                  .join('|'),
              "texts");
    }

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
