// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise window as the pupil sees it: controls, captions and places.
#include "windowharness.h"

#include "core/screen/twips.h"

#include <set>

namespace {

std::set<QString> visibleControls(const WindowHarness& h) {
    std::set<QString> names;
    for (const Form1ControlDesign& d : form1Design())
        if (h.visible(d.id))
            names.insert(QString::fromUtf8(d.name.data(), qsizetype(d.name.size())));
    return names;
}

const QString kType = "Scrivi il risultato e premi il tasto INVIO. ";

} // namespace

class TestForm1Window : public QObject {
    Q_OBJECT
  private slots:
    void startUpShowsTheWaitingWindow();
    void eachKindShowsItsOwnControls_data();
    void eachKindShowsItsOwnControls();
    void registeredControlsSitWhereTheFactorsPutThem_data();
    void registeredControlsSitWhereTheFactorsPutThem();
    void anyScreenLaysOutWithoutFault_data();
    void anyScreenLaysOutWithoutFault();
};

void TestForm1Window::startUpShowsTheWaitingWindow() {
    WindowHarness h;
    QCOMPARE(h.window.objectName(), QString("Form1"));
    QVERIFY(h.window.windowFlags() & Qt::FramelessWindowHint);
    const std::set<QString> expected = {"Frame1",    "avviso",     "VIA",      "FINE",
                                        "gratifica", "LbRisposte", "LbErrori", "LbCodice",
                                        "Command1",  "LbDOMANDA"};
    QCOMPARE(visibleControls(h), expected);
    QCOMPARE(h.text(Ctl::avviso), QString("Clicca sul tasto VIA per iniziare."));
    QCOMPARE(h.text(Ctl::LbRisposte), QString("risposte"));
    QCOMPARE(h.text(Ctl::LbErrori), QString("errori"));
    QCOMPARE(h.text(Ctl::LbCodice), QString("codice"));
    QCOMPARE(h.text(Ctl::Command1), QString("CLASSIFICA"));
    QCOMPARE(h.text(Ctl::gratifica), QString());
    QCOMPARE(h.text(Ctl::LbDOMANDA), QString());
    QCOMPARE(h.window.palette().color(QPalette::Window), toQColor(form1::kBack));
    QCOMPARE(h.window.size(), QSize(1024, 768));
}

void TestForm1Window::eachKindShowsItsOwnControls_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("shown"); // beyond Frame1 and the always-visible labels
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("focus");
    const QStringList segments = {"LbSegmento1", "LbSegmento2", "LbSegmento3",
                                  "FrSegmento1", "FrSegmento2", "FrSegmento3"};
    QTest::newRow("kind 1") << 0 << segments + QStringList{"Text1"} << kType << "Text1";
    QTest::newRow("kind 2") << 3 << segments << QString() << QString();
    QTest::newRow("kind 3") << 12
                            << segments + QStringList{"LbRisposta1", "LbRisposta2", "LbRisposta3"}
                            << "Clicca sulla risposta esatta." << QString();
    QTest::newRow("kind 4") << 19 << segments + QStringList{"LbSub1", "Inp1"} << kType << "Inp1";
    QTest::newRow("kind 5") << 25 << QStringList{"FrRet1", "Text1"} << kType << "Text1";
    QTest::newRow("kind 6") << 30 << QStringList{"FrRet1", "FrRet2", "FrRet3"} << QString()
                            << QString();
}

void TestForm1Window::eachKindShowsItsOwnControls() {
    QFETCH(int, row);
    QFETCH(QStringList, shown);
    QFETCH(QString, hint);
    QFETCH(QString, focus);
    WindowHarness h;
    h.putQuestion(row);

    std::set<QString> expected = {"Frame1",   "avviso",   "FINE",    "gratifica", "LbRisposte",
                                  "LbErrori", "LbCodice", "LbTempo", "Command1",  "LbDOMANDA"};
    expected.insert(shown.begin(), shown.end());
    QCOMPARE(visibleControls(h), expected);
    QCOMPARE(h.text(Ctl::avviso), hint);
    QCOMPARE(h.text(Ctl::LbCodice), QString::number(row));
    QCOMPARE(h.text(Ctl::LbTempo), QString("0"));
    QCOMPARE(h.text(Ctl::LbErrori), QString("0"));
    QCOMPARE(h.text(Ctl::LbDOMANDA),
             QString::fromStdString(cellText(h.window.modulo().domande(row, 1))));
    if (!focus.isEmpty())
        QCOMPARE(h.window.focusWidget() ? h.window.focusWidget()->objectName() : QString(), focus);
    if (row == 12) {
        QCOMPARE(h.text(Ctl::LbRisposta1), QString("100 cm"));
        QCOMPARE(h.text(Ctl::LbRisposta2), QString("64 cm"));
        QCOMPARE(h.text(Ctl::LbRisposta3), QString("48 cm"));
    }
    // The first question's hint line takes the other of its two colours.
    QCOMPARE(h.window.control(Ctl::avviso)->palette().color(QPalette::Window),
             toQColor(form1::kAvvisoOtherBack));
}

void TestForm1Window::registeredControlsSitWhereTheFactorsPutThem_data() {
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("h");
    QTest::newRow("1024x768") << 1024 << 768;
    QTest::newRow("1920x1080") << 1920 << 1080;
}

void TestForm1Window::registeredControlsSitWhereTheFactorsPutThem() {
    QFETCH(int, w);
    QFETCH(int, h);
    WindowHarness harness(w, h);
    const double fx = w * 15.0 / 12060;
    const double fy = h * 15.0 / 9030;
    const Form1ControlDesign& frame = design(Ctl::Frame1);
    for (const Form1ControlDesign& d : form1Design()) {
        const double cl = d.inFrame1 ? fx * frame.left : 0;
        const double ct = d.inFrame1 ? fy * frame.top : 0;
        const PixelRect r =
            toPixels(cl, ct, fx * d.left, fy * d.top, fx * d.width, fy * d.height, 15);
        const QRect g = harness.window.control(d.id)->geometry();
        QCOMPARE(g.topLeft(), QPoint(r.x, r.y));
        if (!d.autoSize)
            QCOMPARE(g.size(), QSize(r.width, r.height));
        QCOMPARE(harness.window.control(d.id)->font().pointSizeF(),
                 double(float(std::min(fx, fy) * d.font.size)));
    }
    if (w == 1024) {
        // Frame1 (0, 8055, 12075, 990) in twips is about (0, 10276, 15379, 1263).
        QCOMPARE(harness.window.control(Ctl::Frame1)->geometry(), QRect(0, 685, 1025, 84));
    }
}

void TestForm1Window::anyScreenLaysOutWithoutFault_data() {
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("h");
    QTest::newRow("very small") << 64 << 48;
    QTest::newRow("tiny") << 32 << 24;
    QTest::newRow("portrait") << 1080 << 1920;
    QTest::newRow("wide") << 3840 << 1080;
}

void TestForm1Window::anyScreenLaysOutWithoutFault() {
    QFETCH(int, w);
    QFETCH(int, h);
    for (int row : {0, 3, 12, 19, 25, 34}) {
        WindowHarness harness(w, h);
        harness.putQuestion(row);
        QCOMPARE(harness.window.size(), QSize(w, h));
        QVERIFY(!harness.visible(Ctl::VIA));
    }
}

QTEST_MAIN(TestForm1Window)
#include "tst_form1window.moc"
