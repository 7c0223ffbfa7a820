// A pupil plays a series through the real exercise window: the results window
// opens modally over it after the tenth judged answer, PROSEGUI closes it, and
// the next question is on screen.
#include "exercise/cell.h"
#include "fakes/fakes.h"
#include "forms/classificawindow.h"
#include "forms/fonts.h"
#include "forms/form1window.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>

namespace {

template <typename T = QWidget> T* find(QWidget* window, const QString& name) {
    T* w = window->findChild<T*>(name);
    if (!w)
        qFatal("no control %s", qPrintable(name));
    return w;
}

QString caption(QWidget* window, const char* name) {
    return find<QLabel>(window, QString::fromLatin1(name))->text();
}

struct Servizi {
    FakeClock clock;
    FakePause pause{clock};
    SeededRandom random{clock, 11};
    FakeScreen screen{1024, 768};
    FakePlayer player;
    Audio audio{player, random, "/nonexistent"};
    PlatformServices services() { return {clock, random, pause, screen, audio}; }
};

// What the results window showed while it was open over the exercise window.
struct Veduta {
    bool opened = false;
    bool modal = false;
    QWidget* owner = nullptr;
    QString risultato;
    int nrisposte = 0;
    int distintoDots = 0;
};

} // namespace

class ClassificaPlayTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { installFontSubstitutes(); }

    void tenAnswersOpenTheResultsWindowAndPROSEGUIGoesOn() {
        Servizi s;
        Form1Window window(s.services());
        window.setTerminator([] {});
        window.start(false);
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        // Whenever a modal window is up, look at it and press PROSEGUI.
        Veduta veduta;
        QTimer poll;
        poll.setInterval(10);
        connect(&poll, &QTimer::timeout, &window, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || veduta.opened)
                return;
            veduta.opened = modal->objectName() == QLatin1String("classificaform");
            veduta.modal = modal->isModal() && modal->isVisible();
            veduta.owner = modal->parentWidget();
            veduta.risultato = caption(modal, "RISULTATO");
            veduta.nrisposte = window.modulo().nrisposte;
            for (int k = 1; k <= 10; ++k)
                if (find(modal, QStringLiteral("ShDistinto%1").arg(k))->isVisible())
                    ++veduta.distintoDots;
            QTest::mouseClick(find(modal, QStringLiteral("Command1")), Qt::LeftButton);
        });
        poll.start();

        QTest::mouseClick(find(&window, QStringLiteral("VIA")), Qt::LeftButton);
        int answers = 0;
        int before = -1;
        while (!veduta.opened && answers < 30) {
            before = window.modulo().ndomanda;
            rispondi(window, answers != 0); // the first answer is wrong
            ++answers;
        }
        QVERIFY(veduta.opened);
        QVERIFY(veduta.modal);
        QCOMPARE(veduta.owner, &window);
        QVERIFY(veduta.nrisposte >= 10);
        QCOMPARE(answers, veduta.nrisposte); // opened after the answer that made it ten or more
        QCOMPARE(veduta.risultato, QStringLiteral("distinto!! "));
        QCOMPARE(veduta.distintoDots, 1);

        // PROSEGUI destroyed it, and the next question of a new series is on screen.
        QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
        QVERIFY(window.findChildren<ClassificaWindow*>().isEmpty());
        Modulo1& m = window.modulo();
        QVERIFY(m.ndomanda != before);
        QCOMPARE(caption(&window, "LbCodice"), QString::number(m.ndomanda));
        QCOMPARE(caption(&window, "LbDOMANDA"),
                 QString::fromStdString(cellText(m.domande(m.ndomanda, 1))));
        QCOMPARE(caption(&window, "LbRisposte"), QStringLiteral("0"));
        QCOMPARE(caption(&window, "LbErrori"), QStringLiteral("0"));
        QCOMPARE(m.ndistinto, 1);
    }

  private:
    // Answers the question on screen as a pupil would, right or wrong.
    static void rispondi(Form1Window& window, bool right) {
        const Modulo1& m = window.modulo();
        const int kind = static_cast<int>(cellNumber(m.domande(m.ndomanda, 0)));
        const int expected = static_cast<int>(cellNumber(m.soluzioni(m.ndomanda, 1)));
        const int choice = right ? expected : expected % 3 + 1;
        auto click = [&](const QString& name) {
            QTest::mouseClick(find(&window, name), Qt::LeftButton);
        };
        auto type = [&](const QString& box, int value) {
            auto* edit = find<QLineEdit>(&window, box);
            QTest::keyClicks(edit, QString::number(value));
            QTest::keyClick(edit, Qt::Key_Return);
        };
        switch (kind) {
        case 1:
        case 5:
            type(QStringLiteral("Text1"), right ? expected : expected + 1);
            break;
        case 2:
            click(QStringLiteral("FrSegmento%1").arg(choice));
            break;
        case 3:
            click(QStringLiteral("LbRisposta%1").arg(choice));
            break;
        case 4: {
            // The box that waits is the last one shown and still open.
            constexpr int kFactors[] = {1, 8, 10, 6};
            for (int n = 4; n >= 1; --n) {
                auto* edit = find<QLineEdit>(&window, QStringLiteral("Inp%1").arg(n));
                if (edit->isVisible() && edit->isEnabled()) {
                    const int value = expected * kFactors[n - 1];
                    type(edit->objectName(), right ? value : value + 1);
                    break;
                }
            }
            break;
        }
        case 6: {
            // Choice 1 is drawn in the left frame, FrRet2; choice 2 in FrRet1.
            constexpr const char* kFrames[] = {"FrRet2", "FrRet1", "FrRet3"};
            click(QString::fromLatin1(kFrames[choice - 1]));
            break;
        }
        default:
            QFAIL("a question of no known kind");
        }
    }
};

QTEST_MAIN(ClassificaPlayTest)
#include "classificaplay_test.moc"
