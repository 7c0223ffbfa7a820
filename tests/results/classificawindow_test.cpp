// The results window on screen: its design, what it shows after grading, the
// blinking grade, PROSEGUI, and its modal opening over the exercise window.
#include "exercise/modulo1.h"
#include "fakes/fakes.h"
#include "forms/classificaform.h"
#include "forms/classificawindow.h"
#include "forms/fonts.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

constexpr double kTpp = 15;

template <typename T = QWidget> T* find(QWidget* window, const char* name) {
    return window->findChild<T*>(QString::fromLatin1(name));
}

QString text(QWidget* window, const char* name) {
    return find<QLabel>(window, name)->text();
}

int shownDots(QWidget* window, const char* row) {
    int n = 0;
    for (int k = 1; k <= 10; ++k)
        if (find(window, (QByteArray(row) + QByteArray::number(k)).constData())->isVisible())
            ++n;
    return n;
}

// The series state after the exercise window's load handler, with a clock.
struct Stato {
    Modulo1 m;
    FakeClock clock;
    Stato() { m.record = 200; }
    // A window for a series of `giudizio` that lasted `seconds`, shown.
    std::unique_ptr<ClassificaWindow> apri(int giudizio, double seconds, double tpp = kTpp) {
        m.giudizio = giudizio;
        m.temposerie = clock.seconds();
        clock.advance(seconds);
        auto w = std::make_unique<ClassificaWindow>(m, clock, tpp);
        w->setAttribute(Qt::WA_DeleteOnClose, false);
        w->show();
        return w;
    }
};

} // namespace

class ClassificaWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { installFontSubstitutes(); }

    void windowKeepsItsDesignSizeOnAnyScreen_data() {
        QTest::addColumn<double>("tpp");
        QTest::addColumn<QSize>("size");
        QTest::newRow("96 dpi") << 15.0 << QSize(511, 446);
        QTest::newRow("120 dpi") << 12.0 << QSize(639, 558);
    }
    void windowKeepsItsDesignSizeOnAnyScreen() {
        QFETCH(double, tpp);
        QFETCH(QSize, size);
        Stato s;
        auto w = s.apri(7, 0, tpp);
        QCOMPARE(w->objectName(), QStringLiteral("classificaform"));
        QVERIFY(w->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(w->size(), size);
        QCOMPARE(w->minimumSize(), size);
        QCOMPARE(w->maximumSize(), size);
        // The grade labels end where the rows of circles begin, whatever their text.
        for (const char* name :
             {"LbOttimo", "LbDistinto", "LbBuono", "LbSufficiente", "LbOccorre"}) {
            QCOMPARE(find(w.get(), name)->geometry().right() + 1, qRound(4284 / tpp));
            QVERIFY(find<QLabel>(w.get(), name)->alignment() & Qt::AlignRight);
        }
        const int x0 = qRound(4500 / tpp);
        const int y0 = qRound(2600 / tpp);
        QCOMPARE(find(w.get(), "ShOttimo1")->geometry(),
                 QRect(x0, y0, qRound(4695 / tpp) - x0, qRound(2795 / tpp) - y0));
        QCOMPARE(find(w.get(), "ShOccorre10")->geometry().left(), qRound(6525 / tpp));
        QCOMPARE(
            find(w.get(), "Image1")->geometry(),
            QRect(qRound(810 / tpp), qRound(540 / tpp), qRound(1560 / tpp), qRound(1440 / tpp)));
        // The 10-pixel border is centred on the designed outline.
        QCOMPARE(find(w.get(), "Shape1")->geometry(),
                 QRect(qRound(90 / tpp) - 5, qRound(45 / tpp) - 5,
                       qRound(7605 / tpp) - qRound(90 / tpp) + 10,
                       qRound(6645 / tpp) - qRound(45 / tpp) + 10));
    }

    void recordSeriesShowsGradeDotRecordAndPicture() {
        Stato s;
        auto w = s.apri(5, 45.37);
        QLabel* risultato = find<QLabel>(w.get(), "RISULTATO");
        QCOMPARE(risultato->text(), QStringLiteral("ottimo!!!"));
        QCOMPARE(risultato->palette().color(QPalette::Window), QColor(255, 255, 0));
        // Auto-size: keeps its left edge and grows right to hold the word.
        QCOMPARE(risultato->x(), qRound(2970 / kTpp));
        QVERIFY(risultato->width() >= risultato->fontMetrics().horizontalAdvance("ottimo!!!"));
        QCOMPARE(shownDots(w.get(), "ShOttimo"), 1);
        QCOMPARE(shownDots(w.get(), "ShBuono"), 0);
        QCOMPARE(text(w.get(), "LbNuovoRecord"), QStringLiteral("Nuovo Record!"));
        QVERIFY(find(w.get(), "Image1")->isVisible());
        QLabel* trecord = find<QLabel>(w.get(), "LbTrecord");
        QVERIFY(trecord->isVisible());
        QCOMPARE(trecord->text(), QStringLiteral("45,3  secondi"));
        // Right-aligned auto-size: it keeps its right edge and grows left.
        QCOMPARE(trecord->geometry().right() + 1, qRound(2520 / kTpp));
        QVERIFY(trecord->width() >= trecord->fontMetrics().horizontalAdvance(trecord->text()));
    }

    void classificaBeforeAnySeriesShowsEmptyRowsOnly() {
        Stato s;
        auto w = s.apri(7, 12);
        QVERIFY(!find(w.get(), "Label5")->isVisible());
        QCOMPARE(find<QPushButton>(w.get(), "Command1")->text(), QStringLiteral("PROSEGUI"));
        QCOMPARE(text(w.get(), "RISULTATO"), QString());
        QCOMPARE(find(w.get(), "RISULTATO")->palette().color(QPalette::Window),
                 QColor(192, 192, 192));
        for (const char* row : {"ShOttimo", "ShDistinto", "ShBuono", "ShSufficiente", "ShOccorre"})
            QCOMPARE(shownDots(w.get(), row), 0);
        QVERIFY(!find(w.get(), "LbTrecord")->isVisible());
        QCOMPARE(text(w.get(), "LbNuovoRecord"), QString());
        QVERIFY(!find(w.get(), "Image1")->isVisible());
    }

    void gradeWordBlinksAtItsInterval_data() {
        QTest::addColumn<int>("giudizio");
        QTest::addColumn<int>("interval");
        QTest::newRow("ottimo") << 5 << 200;
        QTest::newRow("sufficiente") << 2 << 800;
    }
    void gradeWordBlinksAtItsInterval() {
        QFETCH(int, giudizio);
        QFETCH(int, interval);
        Stato s;
        QElapsedTimer elapsed;
        elapsed.start();
        auto w = s.apri(giudizio, 30);
        auto* timer = w->findChild<QTimer*>(QStringLiteral("Timer1"));
        QVERIFY(timer && timer->isActive());
        QCOMPARE(timer->interval(), interval);
        QCOMPARE(timer->timerType(), Qt::PreciseTimer);
        QLabel* risultato = find<QLabel>(w.get(), "RISULTATO");
        QVERIFY(risultato->isVisible());
        // On for one interval, off for the next, on again.
        QTRY_VERIFY_WITH_TIMEOUT(!risultato->isVisible(), interval * 5);
        QVERIFY(elapsed.elapsed() >= interval - 5);
        QTRY_VERIFY_WITH_TIMEOUT(risultato->isVisible(), interval * 5);
        QVERIFY(elapsed.elapsed() >= 2 * interval - 5);
    }

    void prosequiClosesAndDestroysTheWindowAndEscapeDoesNot() {
        Stato s;
        s.m.giudizio = 7;
        QPointer<ClassificaWindow> w = new ClassificaWindow(s.m, s.clock, kTpp);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QTest::keyClick(w, Qt::Key_Escape);
        QVERIFY(w && w->isVisible());
        QTest::mouseClick(find(w, "Command1"), Qt::LeftButton);
        QTRY_VERIFY(w.isNull());
    }

    void opensModalOverItsOwnerAtTheCornerOrLower_data() {
        QTest::addColumn<bool>("lowered");
        QTest::newRow("after a series") << false;
        QTest::newRow("after the last question") << true;
    }
    void opensModalOverItsOwnerAtTheCornerOrLower() {
        QFETCH(bool, lowered);
        Stato s;
        s.m.giudizio = 5;
        QWidget owner;
        owner.setObjectName(QStringLiteral("Form1"));
        owner.resize(800, 600);
        owner.show();
        const double top = 768 * kTpp / 14;
        QPointer<QWidget> seen;
        bool wasModal = false;
        QWidget* parent = nullptr;
        QPoint where;
        QTimer poll;
        poll.setInterval(10);
        connect(&poll, &QTimer::timeout, &owner, [&] {
            seen = QApplication::activeModalWidget();
            if (!seen)
                return;
            poll.stop();
            wasModal = seen->isModal() && seen->isVisible();
            parent = seen->parentWidget();
            where = seen->pos();
            QTest::mouseClick(find(seen, "Command1"), Qt::LeftButton);
        });
        poll.start();
        apriClassifica(s.m, s.clock, &owner, lowered ? std::optional<double>(top) : std::nullopt,
                       kTpp);
        QVERIFY(seen.isNull()); // destroyed once PROSEGUI has closed it
        QVERIFY(wasModal);
        QCOMPARE(parent, &owner);
        const QPoint corner = owner.screen()->geometry().topLeft();
        QCOMPARE(where, corner + QPoint(0, lowered ? qRound(top / kTpp) : 0));
        QVERIFY(owner.findChildren<ClassificaWindow*>().isEmpty());
        QCOMPARE(s.m.nottimo, 1);
    }
};

QTEST_MAIN(ClassificaWindowTest)
#include "classificawindow_test.moc"
