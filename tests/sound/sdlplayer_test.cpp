// The real player with no sound card: SDL's "disk" driver (set in the test's
// environment) writes the mixed output to a file, and the tests look for the
// exact samples of each cue in it.
#include "diskoutput.h"
#include "sound/cues/cuerecipes.h"
#include "sound/cues/synth.h"
#include "sound/sdlsoundplayer.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <future>
#include <random>
#include <sys/stat.h>

using namespace std::chrono_literals;

namespace {

constexpr auto kReady = 5s; // opening the disk driver takes milliseconds
constexpr auto kHeard = 5s; // a cue of a fraction of a second is written well within this
constexpr int kShortFrames = kTestRate / 5;
constexpr int kLongFrames = kTestRate;
constexpr std::size_t kHeaderBytes = 44;
constexpr std::size_t kRandomBytes = 4096;

std::vector<std::uint8_t> wavOf(const std::vector<std::int16_t>& samples) {
    return synth::wavFile(samples, kTestChannels, kTestRate);
}

void writeFile(const QString& path, const std::vector<std::uint8_t>& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
}

std::vector<std::uint8_t> randomBytes(unsigned seed, std::size_t count) {
    std::mt19937 engine(seed);
    std::vector<std::uint8_t> bytes(count);
    for (auto& b : bytes)
        b = static_cast<std::uint8_t>(engine());
    return bytes;
}

std::vector<std::int16_t> defaultSound() {
    return synth::defaultCueSamples(kTestRate, kTestChannels);
}

SdlSoundPlayer::Options testOptions() {
    SdlSoundPlayer::Options options;
    options.frequency = kTestRate;
    options.channels = kTestChannels;
    return options;
}

std::vector<std::int16_t> slice(const std::vector<std::int16_t>& v, long from, std::size_t count) {
    return {v.begin() + from, v.begin() + from + static_cast<long>(count)};
}

// A sound in Creative Voice format: SDL_mixer could play it, but it is not a
// WAV, whatever its name says.
std::vector<std::uint8_t> vocFile() {
    constexpr int kSamples = 4000;
    constexpr std::uint8_t kRateCode = 156; // 256 - 1000000 / 10000 Hz
    const char magic[] = "Creative Voice File\x1a";
    std::vector<std::uint8_t> bytes(magic, magic + sizeof magic - 1);
    const std::uint8_t header[] = {26, 0, 0x0a, 0x01, 0x29, 0x11}; // size, version, check
    bytes.insert(bytes.end(), std::begin(header), std::end(header));
    const int length = kSamples + 2;
    const std::uint8_t block[] = {1,
                                  static_cast<std::uint8_t>(length & 0xff),
                                  static_cast<std::uint8_t>((length >> 8) & 0xff),
                                  0,
                                  kRateCode,
                                  0};
    bytes.insert(bytes.end(), std::begin(block), std::end(block));
    for (int i = 0; i < kSamples; ++i)
        bytes.push_back(static_cast<std::uint8_t>(i % 2 ? 40 : 216)); // a loud square wave
    bytes.push_back(0);                                               // end of the blocks
    return bytes;
}

} // namespace

class SdlPlayerTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { QFile::remove(QString::fromStdString(diskOutputPath())); }

    void aCueReachesTheOutputSampleForSample() {
        QTemporaryDir dir;
        const auto cue = noiseSignal(1, kShortFrames);
        writeFile(dir.filePath("cue.wav"), wavOf(cue));
        SdlSoundPlayer player(testOptions());
        QVERIFY(player.waitUntilReady(kReady));
        player.play(dir.filePath("cue.wav").toStdString());
        QVERIFY(waitForFrames(cue, kHeard) >= 0);
    }

    void aNewCueCutsOffTheOneStillPlaying() {
        QTemporaryDir dir;
        const auto first = noiseSignal(2, kLongFrames);
        const auto second = noiseSignal(3, kShortFrames);
        writeFile(dir.filePath("first.wav"), wavOf(first));
        writeFile(dir.filePath("second.wav"), wavOf(second));
        SdlSoundPlayer player(testOptions());
        QVERIFY(player.waitUntilReady(kReady));

        player.play(dir.filePath("first.wav").toStdString());
        const long firstAt = waitForFrames(slice(first, 0, 2048), kHeard);
        QVERIFY(firstAt >= 0);
        player.play(dir.filePath("second.wav").toStdString());
        const long secondAt = waitForFrames(second, kHeard);
        QVERIFY(secondAt > firstAt);

        // The first cue was cut short, not mixed under the second (the exact
        // match above already rules that out) and does not come back after it.
        QVERIFY(static_cast<std::size_t>(secondAt - firstAt) < first.size());
        const std::size_t after = static_cast<std::size_t>(secondAt) + second.size();
        QVERIFY(waitForLength(after + kShortFrames * kTestChannels, kHeard));
        const auto tail = slice(readDiskOutput(), static_cast<long>(after),
                                static_cast<std::size_t>(kShortFrames * kTestChannels));
        QVERIFY(std::all_of(tail.begin(), tail.end(), [](std::int16_t s) { return s == 0; }));
    }

    void aFileThatCannotBePlayedGivesTheDefaultSound_data() {
        QTest::addColumn<QString>("kind");
        for (const char* kind : {"missing", "zero-length", "truncated header", "random bytes",
                                 "WAV signature then random bytes", "data cut short", "no samples",
                                 "another sound format", "a folder", "a pipe"})
            QTest::newRow(kind) << kind;
    }
    void aFileThatCannotBePlayedGivesTheDefaultSound() {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString path = dir.filePath("esatto.wav");
        const auto good = wavOf(noiseSignal(4, kShortFrames));
        if (kind == "zero-length")
            writeFile(path, {});
        else if (kind == "truncated header")
            writeFile(path, {good.begin(), good.begin() + kHeaderBytes / 2});
        else if (kind == "random bytes")
            writeFile(path, randomBytes(5, kRandomBytes));
        else if (kind == "WAV signature then random bytes") {
            auto bytes = randomBytes(6, kRandomBytes);
            std::copy(good.begin(), good.begin() + 12, bytes.begin());
            writeFile(path, bytes);
        } else if (kind == "data cut short")
            writeFile(path, {good.begin(), good.begin() + static_cast<long>(good.size() / 2)});
        else if (kind == "no samples")
            writeFile(path, wavOf({}));
        else if (kind == "another sound format")
            writeFile(path, vocFile());
        else if (kind == "a folder")
            QVERIFY(QDir(dir.path()).mkdir("esatto.wav"));
        else if (kind == "a pipe")
            QCOMPARE(::mkfifo(path.toLocal8Bit().constData(), 0600), 0);

        SdlSoundPlayer player(testOptions());
        QVERIFY(player.waitUntilReady(kReady));
        player.play(path.toStdString());
        QVERIFY(waitForFrames(defaultSound(), kHeard) >= 0);
    }

    // play() runs on the window's thread: it must return while the file is
    // still being read, and a later cue must win over one not yet started.
    void playReturnsWhileTheFileIsStillBeingRead() {
        const auto late = noiseSignal(7, kShortFrames);
        std::promise<void> entered;
        std::promise<void> release;
        auto released = release.get_future().share();
        std::atomic<int> reads{0};
        SdlSoundPlayer::Options options = testOptions();
        options.readFile =
            [&](const std::string& path) -> std::optional<std::vector<std::uint8_t>> {
            if (reads++ == 0) {
                entered.set_value();
                released.wait();
                return std::nullopt;
            }
            if (path == "late.wav")
                return wavOf(late);
            return std::nullopt;
        };
        SdlSoundPlayer player(options);
        QVERIFY(player.waitUntilReady(kReady));

        player.play("slow.wav");
        QCOMPARE(entered.get_future().wait_for(kReady), std::future_status::ready);
        player.play("overtaken.wav");
        player.play("late.wav");
        release.set_value();
        QVERIFY(waitForFrames(late, kHeard) >= 0);
        QCOMPARE(reads.load(), 2); // "overtaken.wav" never started
    }

    void eachFileIsReadOnce() {
        const auto cue = noiseSignal(8, kShortFrames / 4);
        std::atomic<int> reads{0};
        SdlSoundPlayer::Options options = testOptions();
        options.readFile = [&](const std::string&) {
            ++reads;
            return std::optional(wavOf(cue));
        };
        SdlSoundPlayer player(options);
        QVERIFY(player.waitUntilReady(kReady));
        const auto heardAfter = [&](std::size_t before) {
            const auto out = readDiskOutput();
            return out.size() > before &&
                   findFrames({out.begin() + static_cast<long>(before), out.end()}, cue) >= 0;
        };
        for (int i = 0; i < 3; ++i) {
            const std::size_t before = readDiskOutput().size();
            player.play("cue.wav");
            // Each playing is written out before the next is asked for.
            QTRY_VERIFY_WITH_TIMEOUT(heardAfter(before), 5000);
        }
        QCOMPARE(reads.load(), 1);
    }

    void withNoAudioDeviceThePlayerStaysSilent() {
        const QByteArray driver = qgetenv("SDL_AUDIODRIVER");
        qputenv("SDL_AUDIODRIVER", "no-such-driver");
        {
            SdlSoundPlayer player(testOptions());
            QVERIFY(!player.waitUntilReady(kReady));
            player.play("/nowhere/premivia.wav");
        }
        qputenv("SDL_AUDIODRIVER", driver);
        QVERIFY(!QFile::exists(QString::fromStdString(diskOutputPath())));
    }

    void aSecondPlayerStaysSilentWhileTheFirstOwnsTheDevice() {
        SdlSoundPlayer first(testOptions());
        QVERIFY(first.waitUntilReady(kReady));
        SdlSoundPlayer second(testOptions());
        QVERIFY(!second.waitUntilReady(kReady));
        second.play("/nowhere/premivia.wav");
    }
};

QTEST_GUILESS_MAIN(SdlPlayerTest)
#include "sdlplayer_test.moc"
