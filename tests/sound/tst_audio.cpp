// SPDX-License-Identifier: GPL-3.0-or-later
// Which cue file each call of the sound module asks the player for, and the
// fairness of the right-answer draw.
#include "core/sound/audio.h"
#include "core/sound/cues.h"
#include "fakes/fakes.h"

#include <QTest>

#include <functional>
#include <map>

namespace {

QString q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

constexpr int kDraws = 10000;
constexpr int kCues = static_cast<int>(cues::kEsatto.size());
// Chi-square with 4 degrees of freedom is above this one time in a thousand
// for a fair draw; with a fixed seed the test is repeatable.
constexpr double kChiSquareBound = 18.47;
constexpr unsigned kSeed = 2024;

// Draws come from `draw`; reseeds go on to `reseeded`, if any. The calls are
// recorded, so a test can see that each draw is preceded by a reseed.
class ScriptedRandom final : public Random {
  public:
    explicit ScriptedRandom(std::function<double()> draw, Random* reseeded = nullptr)
        : draw_(std::move(draw)), reseeded_(reseeded) {}
    void randomize() override {
        calls += 'r';
        if (reseeded_ != nullptr)
            reseeded_->randomize();
    }
    double next() override {
        calls += 'n';
        return draw_();
    }
    std::string calls;

  private:
    std::function<double()> draw_;
    Random* reseeded_;
};

} // namespace

class AudioTest : public QObject {
    Q_OBJECT

  private slots:
    void toglibarraRemovesOneTrailingSlash_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* name, QString path, QString expected) {
            QTest::newRow(name) << path << expected;
        };
        row("empty", "", "");
        row("root", "/", "");
        row("trailing slash", "/a/b/", "/a/b");
        row("no trailing slash", "/a/b", "/a/b");
        row("only one of two", "/a/b//", "/a/b/");
        row("backslash is a name character", "/a/b\\", "/a/b\\");
    }
    void toglibarraRemovesOneTrailingSlash() {
        QFETCH(QString, path);
        QFETCH(QString, expected);
        std::string s = path.toStdString();
        toglibarra(s);
        QCOMPARE(QString::fromStdString(s), expected);
    }

    // `draw` is the generator's value for suonaesatto; suona (draw -1) must not draw.
    void eachCallAsksForTheCueInSuoniBesideTheExecutable_data() {
        QTest::addColumn<QString>("applicationPath");
        QTest::addColumn<QString>("cue");
        QTest::addColumn<double>("draw");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* name, QString folder, QString cue, double draw,
                            QString expected) {
            QTest::newRow(name) << folder << cue << draw << expected;
        };
        using cues::kEsatto;
        const auto at = [](const char* folder, std::string_view cue) {
            return QString::fromUtf8(folder) + q(cue) + ".wav";
        };
        row("greeting", "/opt", q(cues::kPremivia), -1, at("/opt/suoni/", cues::kPremivia));
        row("wrong answer", "/opt", q(cues::kSbagliato1), -1, at("/opt/suoni/", cues::kSbagliato1));
        row("folder with a slash", "/opt/", q(cues::kPremivia), -1,
            at("/opt/suoni/", cues::kPremivia));
        // Fault pinned: a root folder must not give "//suoni/...".
        row("executable in the root", "/", q(cues::kSbagliato1), -1,
            at("/suoni/", cues::kSbagliato1));
        // Fault pinned: the edges of the fifths, where an off-by-one draw shows.
        const QString esatto = q(kEsatto[0]);
        row("0 gives the first", "/app", esatto, 0.0, at("/app/suoni/", kEsatto[0]));
        row("just below 0.2 gives the first", "/app", esatto, 0.1999,
            at("/app/suoni/", kEsatto[0]));
        row("0.2 gives the second", "/app", esatto, 0.2, at("/app/suoni/", kEsatto[1]));
        row("0.5 gives the third", "/app", esatto, 0.5, at("/app/suoni/", kEsatto[2]));
        row("0.7 gives the fourth", "/app", esatto, 0.7, at("/app/suoni/", kEsatto[3]));
        row("just below 1 gives the fifth", "/app", esatto, 0.99999, at("/app/suoni/", kEsatto[4]));
        row("right answer, root folder", "/", esatto, 0.3, at("/suoni/", kEsatto[1]));
    }
    void eachCallAsksForTheCueInSuoniBesideTheExecutable() {
        QFETCH(QString, applicationPath);
        QFETCH(QString, cue);
        QFETCH(double, draw);
        QFETCH(QString, expected);
        ScriptedRandom random([draw] { return draw; });
        FakePlayer player;
        Audio audio(player, random, applicationPath.toStdString());
        const bool rightAnswer = draw >= 0;
        if (rightAnswer)
            audio.suonaesatto(cue.toStdString());
        else
            audio.suona(cue.toStdString());
        QCOMPARE(player.played.size(), 1u);
        QCOMPARE(QString::fromStdString(player.played[0]), expected);
        QCOMPARE(QString::fromStdString(random.calls), rightAnswer ? "rn" : "");
    }

    // The bound must be tight enough to catch a generator that is only
    // slightly off: one that never reaches the top 5 % of its range.
    void rightAnswerCuesAreDrawnAboutOneTimeInFive_data() {
        QTest::addColumn<double>("share");
        QTest::addColumn<bool>("fair");
        QTest::newRow("fair generator") << 1.0 << true;
        QTest::newRow("generator missing the top 5 %") << 0.95 << false;
    }
    void rightAnswerCuesAreDrawnAboutOneTimeInFive() {
        QFETCH(double, share);
        QFETCH(bool, fair);
        FakeClock clock;
        ClockSeededRandom seeded(clock, kSeed);
        ScriptedRandom random([&] { return seeded.next() * share; }, &seeded);
        FakePlayer player;
        Audio audio(player, random, "/app");
        for (int i = 0; i < kDraws; ++i)
            audio.suonaesatto(cues::kEsatto[0]);
        std::map<std::string, int> counts;
        for (const std::string& path : player.played)
            ++counts[path];
        const double expected = static_cast<double>(kDraws) / kCues;
        double chiSquare = 0;
        for (const auto& [file, count] : counts)
            chiSquare += (count - expected) * (count - expected) / expected;
        QCOMPARE(counts.size(), std::size_t(kCues)); // the five cues and no other file
        QCOMPARE(chiSquare < kChiSquareBound, fair);
    }
};

QTEST_APPLESS_MAIN(AudioTest)
#include "tst_audio.moc"
