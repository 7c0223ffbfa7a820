// SPDX-License-Identifier: GPL-3.0-or-later
// Which cue file each call of the sound module asks the player for.
#include "core/sound/audio.h"
#include "core/sound/cues.h"
#include "fakes/fakes.h"

#include <QTest>

namespace {

// Gives `draw` at every draw, and notes each reseed ('r') and draw ('n').
class ScriptedRandom final : public Random {
  public:
    explicit ScriptedRandom(double draw) : draw_(draw) {}
    void randomize() override { calls += 'r'; }
    double next() override {
        calls += 'n';
        return draw_;
    }
    std::string calls;

  private:
    double draw_;
};

} // namespace

class AudioTest : public QObject {
    Q_OBJECT
  private slots:
    // `draw` is the generator's value for a right answer; without one, the cue is
    // played as named and nothing is drawn.
    void eachCueIsTheWavFileInSuoniBesideTheExecutable_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<double>("draw"); // -1: no right answer, the wrong-answer cue
        QTest::addColumn<QString>("expected");
        QTest::newRow("wrong answer") << "/opt" << -1.0 << "/opt/suoni/sbagliato1.wav";
        QTest::newRow("folder with a slash") << "/opt/" << -1.0 << "/opt/suoni/sbagliato1.wav";
        QTest::newRow("two slashes lose one") << "/opt//" << -1.0 << "/opt//suoni/sbagliato1.wav";
        QTest::newRow("no folder") << "" << -1.0 << "/suoni/sbagliato1.wav";
        // Pins a fault: an executable in the root folder gave "//suoni/...".
        QTest::newRow("root folder") << "/" << -1.0 << "/suoni/sbagliato1.wav";
        QTest::newRow("right answer, root folder") << "/" << 0.3 << "/suoni/esatto2.wav";
        // Pins a fault: the edges of the fifths, where an off-by-one draw shows.
        QTest::newRow("0") << "/app" << 0.0 << "/app/suoni/esatto.wav";
        QTest::newRow("0.1999") << "/app" << 0.1999 << "/app/suoni/esatto.wav";
        QTest::newRow("0.2") << "/app" << 0.2 << "/app/suoni/esatto2.wav";
        QTest::newRow("0.5") << "/app" << 0.5 << "/app/suoni/esatto3.wav";
        QTest::newRow("0.7") << "/app" << 0.7 << "/app/suoni/esatto4.wav";
        QTest::newRow("0.99999") << "/app" << 0.99999 << "/app/suoni/esatto5.wav";
        QTest::newRow("1, a broken generator") << "/app" << 1.0 << "/app/suoni/esatto5.wav";
    }
    void eachCueIsTheWavFileInSuoniBesideTheExecutable() {
        QFETCH(QString, folder);
        QFETCH(double, draw);
        ScriptedRandom random(draw);
        FakePlayer player;
        Audio audio(player, random, folder.toStdString());
        if (draw >= 0)
            audio.suonaesatto(cues::kEsatto[0]);
        else
            audio.suona(cues::kSbagliato1);
        QCOMPARE(player.played.size(), std::size_t{1});
        QTEST(QString::fromStdString(player.played[0]), "expected");
        QCOMPARE(random.calls, std::string(draw >= 0 ? "rn" : ""));
    }
};

QTEST_APPLESS_MAIN(AudioTest)
#include "tst_audio.moc"
