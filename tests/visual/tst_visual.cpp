// SPDX-License-Identifier: GPL-3.0-or-later
// Reference pictures of the windows at 1024 x 768, compared with what the
// windows paint now. The comparison forgives the soft edges of anti-aliased
// text but not a control that moved, went missing or changed colour.
// FRAZIONI_REFRESH_REFERENCES=1 writes the pictures anew instead, on purpose.
#include "../forms/windowharness.h"
#include "skin/forms/classificawindow.h"
#include "skin/forms/controls.h"
#include "skin/forms/fonts.h"

#include <QDir>
#include <QRegularExpression>

namespace {

// Compares in blocks of 4 x 4 pixels: a block differs when the mean of a
// channel moved by more than 40; 0.2 % of the blocks may differ.
void compareWithReference(QWidget& window, const QString& name) {
    const QImage now = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString path = QDir(REFERENCE_DIR).filePath(name + ".png");
    if (qEnvironmentVariableIntValue("FRAZIONI_REFRESH_REFERENCES") == 1)
        QVERIFY(now.save(path));
    const QImage reference = QImage(path).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(reference.size(), now.size());
    auto blocks = [&](const QImage& i) {
        return i.scaled(now.size() / 4, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    };
    const QImage a = blocks(now), b = blocks(reference);
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            differing += std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                   std::abs(qBlue(p) - qBlue(q))}) > 40;
        }
    if (differing > a.width() * a.height() / 500) {
        const QString saved = QDir::temp().filePath(name + "-now.png");
        now.save(saved);
        QFAIL(qPrintable(
            QString("%1: %2 blocks differ; see %3").arg(name).arg(differing).arg(saved)));
    }
}

// The controls on screen whose font is not their design's face at the size the
// layout gives them now; a control hidden until the question showed it included.
QStringList wrongFonts(WindowHarness& h) {
    QStringList wrong;
    for (const Form1ControlDesign& d : form1Design()) {
        const QWidget* w = h.window.control(d.id);
        const float size = h.window.logic().stage()[d.id].geometry.fontSize;
        if (w->isVisible() && w->font() != toQFont(d.font, std::max(1.0f, size)))
            wrong << QString::fromUtf8(d.name.data(), qsizetype(d.name.size()));
    }
    return wrong;
}

} // namespace

class TestVisual : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { installFontSubstitutes(); }
    void exerciseWindowMatchesItsReferences() {
        for (int kind = 0; kind <= 6; ++kind) { // the window at start-up, then each kind
            WindowHarness h;
            if (kind > 0)
                h.putQuestion(std::array{0, 3, 12, 19, 25, 30}[kind - 1]);
            compareWithReference(h.window, kind > 0 ? QString("kind%1").arg(kind) : "start");
            QVERIFY2(wrongFonts(h).isEmpty(), qPrintable(wrongFonts(h).join(' ')));
        }
    }
    // The number pad where it shows: the questions answered by typing, with the setting on.
    void numberPadMatchesItsReferences() {
        for (int kind : {1, 4, 5}) {
            WindowHarness h(1024, 768, 1, nullptr, nullptr, nullptr, {.pad = PadMode::Always});
            h.putQuestion(std::array{0, 3, 12, 19, 25, 30}[kind - 1]);
            compareWithReference(h.window, QString("pad-kind%1").arg(kind));
            QVERIFY2(wrongFonts(h).isEmpty(), qPrintable(wrongFonts(h).join(' ')));
        }
    }
    // The record state is the reference picture. In every state the target and the
    // announcement show only for a new record, the record line whenever there is one; the
    // grade blinks at its own pace. The window keeps its design size (7665 x 6690 twips).
    void resultsWindowShowsTheRecordOnlyWhenThereIsOneAndBlinksAtItsGradesPace() {
        using enum Giudizio;
        QStringList seen; // target, announcement, record line, blink interval
        for (auto [giudizio, record, seconds] : {std::tuple{Ottimo, kNessunRecord, 45.37},
                                                 {Ottimo, 45.3, 50.0},
                                                 {Buono, 45.3, 20.0},
                                                 {SoloClassifica, 45.3, 20.0},
                                                 {SoloClassifica, kNessunRecord, 20.0}}) {
            Modulo1 m{
                .temposerie = 500 - seconds, .record = record, .giudizio = giudizio, .nbuono = 2};
            FakeClock clock(500);
            ClassificaWindow w(m, clock, 15);
            auto shown = [&](const char* name) { // "-" when hidden
                const QWidget* c = w.findChild<QWidget*>(name);
                return c->isHidden() ? "-" : c->inherits("QLabel") ? controlText(c) : "target";
            };
            seen << shown("Image1") + '|' + shown("LbNuovoRecord") + '|' + shown("LbTrecord") +
                        '|' + QString::number(w.findChild<QTimer*>("Timer1")->interval());
            if (seen.size() > 1) // the first, a new record, is also the reference picture
                continue;
            w.show();
            compareWithReference(w, "results-record");
            QWidget* risultato = w.findChild<QWidget*>("RISULTATO");
            QTRY_VERIFY(!risultato->isVisible());
            QTRY_VERIFY(risultato->isVisible());
            ClassificaWindow at120dpi(m, clock, 12);
            QCOMPARE(at120dpi.minimumSize(), QSize(639, 558));
            QCOMPARE(at120dpi.maximumSize(), QSize(639, 558));
            // Open as the screen changes to 120 dpi: laid out anew as an opening there is.
            w.colloca(std::nullopt, 12);
            QCOMPARE(w.maximumSize(), QSize(639, 558));
            // (That second opening graded the series again: its labels may say other things.)
            for (const QWidget* c : at120dpi.findChildren<QWidget*>(QRegularExpression("."))) {
                const QWidget* mine = w.findChild<QWidget*>(c->objectName());
                QVERIFY2(controlText(mine) != controlText(c) || mine->geometry() == c->geometry(),
                         qPrintable(c->objectName()));
            }
        }
        QCOMPARE(seen.join(' '), "target|Nuovo Record!|45,3  secondi|200 -||45,3  secondi|200 "
                                 "-||45,3  secondi|600 -||45,3  secondi|1000 -||-|1000");
    }
};

QTEST_MAIN(TestVisual)
#include "tst_visual.moc"
