// Which cue file each call of the sound module asks the player for.
#include "fakes/fakes.h"
#include "sound/audio.h"
#include "soundfakes.h"

#include <QTest>

#include <array>
#include <map>

namespace {

constexpr int kDraws = 10000;
constexpr int kCues = 5;
// Chi-square with 4 degrees of freedom is above this one time in a thousand
// for a fair draw; with a fixed seed the test is repeatable.
constexpr double kChiSquareBound = 18.47;

const std::array<std::string, kCues> kRightAnswerFiles = {
    "/app/suoni/esatto.wav", "/app/suoni/esatto2.wav", "/app/suoni/esatto3.wav",
    "/app/suoni/esatto4.wav", "/app/suoni/esatto5.wav"};

// Draws `kDraws` right-answer cues and returns the chi-square of their counts
// against equal chances.
double chiSquareOfDraws(Random& random) {
    FakePlayer player;
    Audio audio(player, random, "/app");
    for (int i = 0; i < kDraws; ++i)
        audio.suonaesatto("esatto");
    std::map<std::string, int> counts;
    for (const std::string& path : player.played)
        ++counts[path];
    const double expected = static_cast<double>(kDraws) / kCues;
    double chiSquare = 0;
    for (const std::string& file : kRightAnswerFiles) {
        const double d = counts[file] - expected;
        chiSquare += d * d / expected;
        counts.erase(file);
    }
    return counts.empty() ? chiSquare : std::numeric_limits<double>::infinity();
}

} // namespace

class AudioTest : public QObject {
    Q_OBJECT

  private slots:
    void toglibarraRemovesOneTrailingSlash_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("root") << "/"
                              << "";
        QTest::newRow("trailing slash") << "/a/b/"
                                        << "/a/b";
        QTest::newRow("no trailing slash") << "/a/b"
                                           << "/a/b";
        QTest::newRow("only one of two") << "/a/b//"
                                         << "/a/b/";
        QTest::newRow("backslash is a name character") << "/a/b\\"
                                                       << "/a/b\\";
    }
    void toglibarraRemovesOneTrailingSlash() {
        QFETCH(QString, path);
        QFETCH(QString, expected);
        std::string s = path.toStdString();
        toglibarra(s);
        QCOMPARE(QString::fromStdString(s), expected);
    }

    void suonaAsksForTheCueInSuoniBesideTheExecutable_data() {
        QTest::addColumn<QString>("applicationPath");
        QTest::addColumn<QString>("cue");
        QTest::addColumn<QString>("expected");
        QTest::newRow("greeting") << "/opt/frazioni"
                                  << "premivia"
                                  << "/opt/frazioni/suoni/premivia.wav";
        QTest::newRow("wrong answer") << "/opt/frazioni"
                                      << "sbagliato1"
                                      << "/opt/frazioni/suoni/sbagliato1.wav";
        QTest::newRow("folder given with a slash") << "/opt/frazioni/"
                                                   << "premivia"
                                                   << "/opt/frazioni/suoni/premivia.wav";
        // Fault pinned: a root folder must not give "//suoni/...".
        QTest::newRow("executable in the root") << "/"
                                                << "sbagliato1"
                                                << "/suoni/sbagliato1.wav";
        QTest::newRow("spaces and accents")
            << "/home/maestra/Attività di classe"
            << "premivia"
            << "/home/maestra/Attività di classe/suoni/premivia.wav";
    }
    void suonaAsksForTheCueInSuoniBesideTheExecutable() {
        QFETCH(QString, applicationPath);
        QFETCH(QString, cue);
        QFETCH(QString, expected);
        FakeClock clock;
        SeededRandom random(clock, 1);
        FakePlayer player;
        Audio audio(player, random, applicationPath.toStdString());
        audio.suona(cue.toStdString());
        QCOMPARE(player.played.size(), 1u);
        QCOMPARE(QString::fromStdString(player.played[0]), expected);
    }

    void suonaesattoPlaysTheCueOfTheDrawnFifth_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<QString>("applicationPath");
        QTest::addColumn<QString>("expected");
        QTest::newRow("0 gives esatto") << 0.0 << "/app"
                                        << "/app/suoni/esatto.wav";
        QTest::newRow("just below 0.2 gives esatto") << 0.1999 << "/app"
                                                     << "/app/suoni/esatto.wav";
        QTest::newRow("0.2 gives esatto2") << 0.2 << "/app"
                                           << "/app/suoni/esatto2.wav";
        QTest::newRow("0.5 gives esatto3") << 0.5 << "/app"
                                           << "/app/suoni/esatto3.wav";
        QTest::newRow("0.7 gives esatto4") << 0.7 << "/app"
                                           << "/app/suoni/esatto4.wav";
        QTest::newRow("just below 1 gives esatto5") << 0.99999 << "/app"
                                                    << "/app/suoni/esatto5.wav";
        QTest::newRow("root folder") << 0.3 << "/"
                                     << "/suoni/esatto2.wav";
        QTest::newRow("folder with a slash") << 0.9 << "/app/"
                                             << "/app/suoni/esatto5.wav";
    }
    void suonaesattoPlaysTheCueOfTheDrawnFifth() {
        QFETCH(double, x);
        QFETCH(QString, applicationPath);
        QFETCH(QString, expected);
        ScriptedRandom random({x});
        FakePlayer player;
        Audio audio(player, random, applicationPath.toStdString());
        audio.suonaesatto("esatto");
        QCOMPARE(player.played.size(), 1u);
        QCOMPARE(QString::fromStdString(player.played[0]), expected);
        QCOMPARE(QString::fromStdString(random.calls), QStringLiteral("rn"));
    }

    void rightAnswerCuesAreDrawnAboutOneTimeInFive() {
        FakeClock clock;
        SeededRandom random(clock, 2024);
        QVERIFY2(chiSquareOfDraws(random) < kChiSquareBound,
                 "the five cues are not equally likely");
    }

    // The bound above must be tight enough to catch a generator that is only
    // slightly off: one that never reaches the top 5 % of its range.
    void aSlightlyBiasedDrawFailsTheBound() {
        constexpr double kShare = 0.95;
        FakeClock clock;
        SeededRandom fair(clock, 2024);
        SqueezedRandom biased(fair, kShare);
        QVERIFY(chiSquareOfDraws(biased) > kChiSquareBound);
    }
};

QTEST_APPLESS_MAIN(AudioTest)
#include "audio_test.moc"
