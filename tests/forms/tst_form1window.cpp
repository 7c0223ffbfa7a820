// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise window as the pupil sees it: controls, captions and places.
#include "windowharness.h"

#include "core/screen/twips.h"

namespace {

// The names of the visible controls, in the design's order.
QString visibleControls(const WindowHarness& h) {
    QStringList names;
    for (const Form1ControlDesign& d : form1Design())
        if (h.visible(d.id))
            names << toQString(d.name);
    return names.join(' ');
}

QString texts(const WindowHarness& h, std::initializer_list<Ctl> ids) {
    QStringList s;
    for (Ctl id : ids)
        s << h.text(id);
    return s.join('|');
}

} // namespace

class TestForm1Window : public QObject {
    Q_OBJECT
  private slots:
    void startUpShowsTheWaitingWindow() {
        WindowHarness h;
        QCOMPARE(visibleControls(h), "Frame1 avviso VIA FINE gratifica LbRisposte LbErrori "
                                     "LbCodice Command1 LbDOMANDA");
        QCOMPARE(texts(h, {Ctl::avviso, Ctl::VIA, Ctl::FINE, Ctl::gratifica, Ctl::LbRisposte,
                           Ctl::LbErrori, Ctl::LbCodice, Ctl::Command1, Ctl::LbDOMANDA}),
                 "Clicca sul tasto VIA per iniziare.|VIA|FINE||risposte|errori|codice|"
                 "CLASSIFICA|");
        QCOMPARE(h.window.objectName(), "Form1");
        QVERIFY(h.window.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(h.window.palette().color(QPalette::Window), toQColor(form1::kBack));
    }

    void eachKindShowsItsOwnControls_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("controls"); // beyond those every question shows
        QTest::addColumn<QString>("avviso");
        QTest::addColumn<QString>("focus");
        const QString type = "Scrivi il risultato e premi il tasto INVIO. ";
        const QString segs = "LbSegmento1 LbSegmento2 LbSegmento3 LbDOMANDA ";
        const QString strips = " FrSegmento1 FrSegmento3 FrSegmento2";
        QTest::newRow("type on segments") << 0 << segs + "Text1" + strips << type << "Text1";
        QTest::newRow("click a segment") << 3 << segs.trimmed() + strips << ""
                                         << "";
        QTest::newRow("click an answer")
            << 12 << segs + "LbRisposta1 LbRisposta2 LbRisposta3" + strips
            << "Clicca sulla risposta esatta."
            << "";
        QTest::newRow("four measures") << 19 << segs + "LbSub1 Inp1" + strips << type << "Inp1";
        QTest::newRow("type on a rectangle") << 25 << "LbDOMANDA Text1 FrRet1" << type << "Text1";
        QTest::newRow("click a rectangle") << 30 << "LbDOMANDA FrRet1 FrRet2 FrRet3"
                                           << ""
                                           << "";
    }
    void eachKindShowsItsOwnControls() {
        QFETCH(int, row);
        QFETCH(QString, controls);
        QFETCH(QString, avviso);
        QFETCH(QString, focus);
        WindowHarness h;
        h.putQuestion(row);
        QCOMPARE(visibleControls(h),
                 "Frame1 avviso FINE gratifica LbRisposte LbErrori LbCodice LbTempo Command1 " +
                     controls);
        QCOMPARE(texts(h, {Ctl::avviso, Ctl::LbCodice, Ctl::LbTempo, Ctl::LbErrori}),
                 QString("%1|%2|0|0").arg(avviso).arg(row));
        QCOMPARE(h.text(Ctl::LbDOMANDA), toQString(cellText(h.window.modulo().domande(row, 1))));
        QCOMPARE(h.window.focusWidget() ? h.window.focusWidget()->objectName() : "", focus);
        if (row == 12)
            QCOMPARE(texts(h, {Ctl::LbRisposta1, Ctl::LbRisposta2, Ctl::LbRisposta3}),
                     "100 cm|64 cm|48 cm");
        // The first question's hint line takes the second of its two colours.
        QCOMPARE(h.window.control(Ctl::avviso)->palette().color(QPalette::Window),
                 toQColor(form1::kAvvisoOtherBack));
    }

    void controlsSitWhereTheScaleFactorsPutThemOnAnyScreen_data() {
        QTest::addColumn<QSize>("screen");
        for (QSize s : {QSize(1024, 768), QSize(1920, 1080), QSize(1080, 1920), QSize(3840, 1080),
                        QSize(64, 48), QSize(32, 24)})
            QTest::addRow("%dx%d", s.width(), s.height()) << s;
    }
    void controlsSitWhereTheScaleFactorsPutThemOnAnyScreen() {
        QFETCH(QSize, screen);
        WindowHarness h(screen.width(), screen.height());
        const double fx = screen.width() * 15.0 / 12060; // the design's size in twips
        const double fy = screen.height() * 15.0 / 9030;
        const Form1ControlDesign& frame = design(Ctl::Frame1);
        for (const Form1ControlDesign& d : form1Design()) {
            const PixelRect r =
                toPixels(d.inFrame1 ? fx * frame.left : 0, d.inFrame1 ? fy * frame.top : 0,
                         fx * d.left, fy * d.top, fx * d.width, fy * d.height, 15);
            const QWidget* w = h.window.control(d.id);
            QCOMPARE(w->pos(), QPoint(r.x, r.y));
            if (!d.autoSize)
                QCOMPARE(w->size(), QSize(r.width, r.height));
            QCOMPARE(w->font().pointSizeF(),
                     double(std::max(1.0f, float(std::min(fx, fy) * d.font.size))));
        }
        // Frame1 (0, 8055, 12075, 990) in twips.
        if (screen.width() == 1024)
            QCOMPARE(h.window.control(Ctl::Frame1)->geometry(), QRect(0, 685, 1025, 84));
        for (int row : {0, 3, 12, 19, 25, 34}) // a question of each kind lays out without fault
            h.putQuestion(row);
        QCOMPARE(h.window.size(), screen);
    }
};

QTEST_MAIN(TestForm1Window)
#include "tst_form1window.moc"
