// SPDX-License-Identifier: GPL-3.0-or-later
// The results window on screen: its fixed size, what it shows after its load
// handler, the blinking grade, PROSEGUI, and its modal opening over its owner.
#include "core/exercise/modulo1.h"
#include "core/forms/classificadesign.h"
#include "fakes/fakes.h"
#include "skin/forms/classificawindow.h"
#include "skin/forms/fonts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(Giudizio)

namespace {

constexpr double kTpp = 15;
const char* const kRows[] = {"ShOttimo", "ShDistinto", "ShBuono", "ShSufficiente", "ShOccorre"};

template <typename T = QWidget> T* find(QWidget* window, const QString& name) {
    return window->findChild<T*>(name);
}

// A window for a series of `giudizio` that lasted `seconds`, shown; the
// record as the exercise window's load handler leaves it.
std::unique_ptr<ClassificaWindow> apri(Modulo1& m, FakeClock& clock, Giudizio giudizio,
                                       double seconds, double tpp = kTpp) {
    m.giudizio = giudizio;
    m.temposerie = clock.seconds();
    clock.advance(seconds);
    auto w = std::make_unique<ClassificaWindow>(m, clock, tpp);
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    w->show();
    return w;
}

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
        Modulo1 m;
        FakeClock clock;
        auto w = apri(m, clock, Giudizio::SoloClassifica, 0, tpp);
        QCOMPARE(w->objectName(), QStringLiteral("classificaform"));
        QVERIFY(w->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(w->minimumSize(), size);
        QCOMPARE(w->maximumSize(), size);
        // The grade labels end where the rows of circles begin, whatever their text.
        for (const char* name : {"LbOttimo", "LbDistinto", "LbBuono", "LbSufficiente", "LbOccorre"})
            QCOMPARE(find(w.get(), name)->geometry().right() + 1, qRound(4284 / tpp));
        QCOMPARE(find(w.get(), "Image1")->size(), QSize(qRound(1560 / tpp), qRound(1440 / tpp)));
    }

    void showsWhatItsLoadHandlerDecided_data() {
        QTest::addColumn<Giudizio>("giudizio");
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("word");
        QTest::newRow("record, 45,37 s")
            << Giudizio::Ottimo << 45.37 << QStringLiteral("ottimo!!!");
        QTest::newRow("two errors") << Giudizio::Buono << 20.0 << QStringLiteral("buono!");
        QTest::newRow("CLASSIFICA before any series")
            << Giudizio::SoloClassifica << 12.0 << QString();
    }
    void showsWhatItsLoadHandlerDecided() {
        QFETCH(Giudizio, giudizio);
        QFETCH(double, seconds);
        QFETCH(QString, word);
        Modulo1 m;
        m.record = kNessunRecord;
        FakeClock clock;
        auto w = apri(m, clock, giudizio, seconds);
        const ClassificaView& v = w->view();
        auto* risultato = find<QLabel>(w.get(), "RISULTATO");
        QCOMPARE(risultato->text(), word);
        const Rgb back = v.risultatoBack.value_or(classifica::kBack);
        QCOMPARE(risultato->palette().color(QPalette::Window), QColor(back.r, back.g, back.b));
        for (std::size_t r = 0; r < kRighe; ++r)
            for (int k = 1; k <= kMaxPallini; ++k)
                QCOMPARE(find(w.get(), kRows[r] + QString::number(k))->isVisible(), k <= v.dots[r]);
        QCOMPARE(find<QLabel>(w.get(), "LbNuovoRecord")->text(),
                 QString::fromStdString(v.nuovoRecord));
        QCOMPARE(find(w.get(), "Image1")->isVisible(), v.imageVisible);
        auto* trecord = find<QLabel>(w.get(), "LbTrecord");
        QCOMPARE(trecord->isVisible(), v.trecordVisible);
        QCOMPARE(trecord->text(), QString::fromStdString(v.trecord));
        // Auto-size: the grade keeps its left edge and the record time its right
        // edge, and each grows to hold its whole text.
        QCOMPARE(risultato->x(), qRound(2970 / kTpp));
        QCOMPARE(trecord->geometry().right() + 1, qRound(2520 / kTpp));
        for (QLabel* l : {risultato, trecord})
            QVERIFY(l->width() >= l->fontMetrics().horizontalAdvance(l->text()));
    }

    void gradeWordBlinksAtItsInterval_data() {
        QTest::addColumn<Giudizio>("giudizio");
        QTest::addColumn<int>("interval");
        QTest::newRow("ottimo") << Giudizio::Ottimo << 200;
        QTest::newRow("sufficiente") << Giudizio::Sufficiente << 800;
    }
    void gradeWordBlinksAtItsInterval() {
        QFETCH(Giudizio, giudizio);
        QFETCH(int, interval);
        Modulo1 m;
        FakeClock clock;
        QElapsedTimer elapsed;
        elapsed.start();
        auto w = apri(m, clock, giudizio, 30);
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

    void onlyProseguiOrEnterLeavesTheWindow_data() {
        QTest::addColumn<bool>("byEnter");
        QTest::newRow("click on PROSEGUI") << false;
        QTest::newRow("Enter") << true;
    }
    // Pins a fault: PROSEGUI held the focus, so Space pressed it too.
    void onlyProseguiOrEnterLeavesTheWindow() {
        QFETCH(bool, byEnter);
        Modulo1 m;
        m.giudizio = Giudizio::SoloClassifica;
        FakeClock clock;
        QPointer<ClassificaWindow> w = new ClassificaWindow(m, clock, kTpp);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Space, Qt::Key_Tab, Qt::Key_Space})
            QTest::keyClick(w->windowHandle(), key);
        // Alt+F4 or a desktop's close button.
        QCloseEvent close;
        QSpontaneKeyEvent::setSpontaneous(&close);
        qApp->notify(w, &close); // as the window system delivers it
        QVERIFY(w && w->isVisible());
        if (byEnter)
            QTest::keyClick(w->windowHandle(), Qt::Key_Return);
        else
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
        Modulo1 m;
        m.giudizio = Giudizio::Ottimo;
        FakeClock clock;
        QWidget owner;
        owner.resize(800, 600);
        owner.show();
        const double top = 768 * kTpp / 14;
        // The opening returns only once the window is closed: look at it and
        // press PROSEGUI from the event loop of the modal window.
        QPointer<QWidget> seen;
        bool wasModal = false;
        QWidget* parent = nullptr;
        QPoint where;
        QTimer::singleShot(0, &owner, [&] {
            seen = QApplication::activeModalWidget();
            QVERIFY(seen);
            wasModal = seen->isModal() && seen->isVisible();
            parent = seen->parentWidget();
            where = seen->pos();
            QTest::mouseClick(find(seen, "Command1"), Qt::LeftButton);
        });
        apriClassifica(m, clock, &owner, lowered ? std::optional<double>(top) : std::nullopt, kTpp);
        QVERIFY(seen.isNull()); // destroyed once PROSEGUI has closed it
        QVERIFY(wasModal);
        QCOMPARE(parent, &owner);
        const QPoint corner = owner.screen()->geometry().topLeft();
        QCOMPARE(where, corner + QPoint(0, lowered ? qRound(top / kTpp) : 0));
        QCOMPARE(m.nottimo, 1); // graded once, by this one opening
    }
};

QTEST_MAIN(ClassificaWindowTest)
#include "tst_classificawindow.moc"
