// SPDX-License-Identifier: GPL-3.0-or-later
// Which cue file each call of the sound module asks the player for.
#include "core/sound/audio.h"
#include "core/sound/cues.h"
#include "fakes/fakes.h"
#include <QTest>

// Gives `draw` at every draw, and notes each reseed ('r') and draw ('n').
struct ScriptedRandom final : Random {
    explicit ScriptedRandom(double d) : draw(d) {}
    void randomize() override { calls += 'r'; }
    double next() override { return calls += 'n', draw; }
    double draw;
    std::string calls;
};

class AudioTest : public QObject {
    Q_OBJECT
  private slots:
    void eachCueIsTheWavFileInSuoniBesideTheExecutable_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<double>("draw"); // for a right answer; -1: the wrong-answer cue
        QTest::addColumn<QString>("expected");
        // Pins a fault: an executable in the root folder gave "//suoni/...".
        QTest::newRow("root folder") << "/" << 0.3 << "/suoni/esatto2.wav";
        // Pins a fault: an off-by-one draw shows at the edges of the fifths.
        QTest::newRow("0") << "/app" << 0.0 << "/app/suoni/esatto.wav";
        QTest::newRow("0.1999") << "/app" << 0.1999 << "/app/suoni/esatto.wav";
        QTest::newRow("0.2") << "/app" << 0.2 << "/app/suoni/esatto2.wav";
        QTest::newRow("0.5") << "/app" << 0.5 << "/app/suoni/esatto3.wav";
        QTest::newRow("0.7") << "/app" << 0.7 << "/app/suoni/esatto4.wav";
        QTest::newRow("0.99999") << "/app" << 0.99999 << "/app/suoni/esatto5.wav";
        QTest::newRow("1, from a broken generator") << "/app" << 1.0 << "/app/suoni/esatto5.wav";
    }
    void eachCueIsTheWavFileInSuoniBesideTheExecutable() {
        QFETCH(QString, folder);
        QFETCH(double, draw);
        ScriptedRandom random(draw);
        FakePlayer player;
        Audio audio(player, random, folder.toStdString());
        draw < 0 ? audio.suona(cues::kSbagliato1) : audio.suonaesatto(cues::kEsatto[0]);
        QCOMPARE(player.played.size(), std::size_t{1});
        QTEST(QString::fromStdString(player.played[0]), "expected");
        QCOMPARE(random.calls, std::string(draw < 0 ? "" : "rn")); // a reseed before each draw
    }
};

QTEST_APPLESS_MAIN(AudioTest)
#include "tst_audio.moc"
