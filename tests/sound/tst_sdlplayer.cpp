// SPDX-License-Identifier: GPL-3.0-or-later
// The real player with no sound card: SDL's "disk" driver (set in the test's
// environment) writes the mixed output, 16-bit interleaved at the rate the
// player asked for, to a file, and the tests look for each cue's exact samples in it.
#include "skin/sound/defaultsound.h"
#include "skin/sound/sdlsoundplayer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <atomic>
#include <future>
#include <optional>
#include <random>
#include <sys/stat.h>
#include <thread>

using namespace std::chrono_literals;

namespace {

constexpr int kRate = 44100;
constexpr int kChannels = 2;
constexpr int kFrameBytes = 2 * kChannels;
constexpr auto kWait = 5s; // opening the device or writing out a short cue takes far less
constexpr int kWaitMs = std::chrono::milliseconds(kWait).count();
constexpr auto kPollInterval = 10ms;
constexpr int kNoiseAmplitude = 8000;
constexpr int kShortFrames = kRate / 5;
constexpr int kLongFrames = kRate;
constexpr int kHeaderBytes = 44;
constexpr int kWavSignatureBytes = 12; // "RIFF", the size, "WAVE"
constexpr int kRandomFrames = 1024;

// Where SDL's disk driver writes, as set in the test's environment.
const QString kOutputPath = qEnvironmentVariable("SDL_DISKAUDIOFILE");
const SdlSoundPlayer::Options kOptions{.frequency = kRate, .channels = kChannels, .readFile = {}};

QByteArray diskOutput() {
    QFile file(kOutputPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The bytes of `v`'s elements as they lie in memory (the output is little-endian, as is the host).
template <typename T> QByteArray bytesOf(const std::vector<T>& v) {
    return {reinterpret_cast<const char*>(v.data()), static_cast<qsizetype>(v.size() * sizeof(T))};
}

// Waits until the samples `needle` have been written whole from a frame
// boundary; returns where they start in the output, in bytes, or -1.
qsizetype waitForCue(const QByteArray& needle) {
    const auto deadline = std::chrono::steady_clock::now() + kWait;
    do {
        const QByteArray out = diskOutput();
        for (qsizetype at = out.indexOf(needle); at >= 0; at = out.indexOf(needle, at + 1)) {
            if (at % kFrameBytes == 0)
                return at;
        }
        std::this_thread::sleep_for(kPollInterval);
    } while (std::chrono::steady_clock::now() < deadline);
    return -1;
}

// Noise from `seed`, both channels alike, so that no two signals and no
// stretch of silence look alike.
std::vector<std::int16_t> noiseSignal(unsigned seed, int frames) {
    std::mt19937 engine(seed);
    std::uniform_int_distribution<int> value(-kNoiseAmplitude, kNoiseAmplitude);
    std::vector<std::int16_t> samples;
    for (int i = 0; i < frames; ++i)
        samples.insert(samples.end(), kChannels, static_cast<std::int16_t>(value(engine)));
    return samples;
}

// A 16-bit PCM WAV file of `samples`, kChannels interleaved at kRate.
QByteArray wavOf(const std::vector<std::int16_t>& samples) {
    const QByteArray data = bytesOf(samples);
    const auto le32 = [](quint32 v) {
        QByteArray b(4, '\0');
        qToLittleEndian(v, b.data());
        return b;
    };
    const auto le16 = [](quint16 v) {
        QByteArray b(2, '\0');
        qToLittleEndian(v, b.data());
        return b;
    };
    const quint32 size = static_cast<quint32>(data.size());
    return "RIFF" + le32(36 + size) + "WAVE" + "fmt " + le32(16) + le16(1) + le16(kChannels) +
           le32(kRate) + le32(kRate * kFrameBytes) + le16(kFrameBytes) + le16(16) + "data" +
           le32(size) + data;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// A loud square wave in Creative Voice format: a sound file other players take, but it
// is not a WAV, whatever its name says.
QByteArray vocFile() {
    constexpr int kSamples = 4000;
    constexpr char kRateCode = static_cast<char>(156); // 256 - 1000000 / 10000 Hz
    constexpr int kBlockLength = kSamples + 2;
    QByteArray b("Creative Voice File\x1a\x1a\x00\x0a\x01\x29\x11", 26);
    b += QByteArray("\x01", 1) + char(kBlockLength & 0xff) + char(kBlockLength >> 8) + '\0' +
         kRateCode + '\0';
    for (int i = 0; i < kSamples; ++i)
        b += static_cast<char>(i % 2 ? 40 : 216);
    return b + '\0'; // end of the blocks
}

} // namespace

class SdlPlayerTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { QFile::remove(kOutputPath); }

    void aNewCueCutsOffTheOneStillPlaying() {
        QTemporaryDir dir;
        const auto first = noiseSignal(2, kLongFrames);
        const auto second = noiseSignal(3, kShortFrames);
        writeFile(dir.filePath("first.wav"), wavOf(first));
        writeFile(dir.filePath("second.wav"), wavOf(second));
        SdlSoundPlayer player(kOptions);
        QVERIFY(player.waitUntilReady(kWait));

        player.play(dir.filePath("first.wav").toStdString());
        const qsizetype firstAt = waitForCue(bytesOf(first).left(kShortFrames * kFrameBytes));
        QVERIFY(firstAt >= 0);
        player.play(dir.filePath("second.wav").toStdString());
        const qsizetype secondAt = waitForCue(bytesOf(second));
        QVERIFY(secondAt > firstAt);

        // The first cue was cut short, not mixed under the second (the exact
        // match above already rules that out) and does not come back after it.
        QVERIFY(secondAt - firstAt < bytesOf(first).size());
        const QByteArray silence(kShortFrames * kFrameBytes, 0);
        const qsizetype after = secondAt + bytesOf(second).size();
        QTRY_VERIFY_WITH_TIMEOUT(diskOutput().size() >= after + silence.size(), kWaitMs);
        QCOMPARE(diskOutput().mid(after, silence.size()), silence);
    }

    // A cue's own samples reach the output; a file that cannot be played gives the default sound.
    void eachFileGivesItsCueOrTheDefaultSound_data() {
        QTest::addColumn<QString>("node"); // what stands at the cue's path
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QByteArray>("heard");
        const auto cue = noiseSignal(1, kShortFrames);
        const QByteArray good = wavOf(cue);
        const QByteArray noise = bytesOf(noiseSignal(5, kRandomFrames));
        const QByteArray fallback = bytesOf(defaultSoundSamples(kRate, kChannels));
        const auto row = [&](const char* name, QString node, const QByteArray& content = {}) {
            QTest::newRow(name) << node << content << fallback;
        };
        QTest::newRow("a valid cue, sample for sample") << "file" << good << bytesOf(cue);
        row("missing", "none");
        row("zero-length", "file");
        row("truncated header", "file", good.left(kHeaderBytes / 2));
        row("random bytes", "file", noise);
        row("WAV signature then random bytes", "file", good.left(kWavSignatureBytes) + noise);
        row("data cut short", "file", good.left(good.size() / 2));
        row("no samples", "file", wavOf({}));
        row("another sound format", "file", vocFile());
        row("a folder", "folder");
        // Fault pinned: reading a pipe with no writer would block the player for good.
        row("a pipe", "pipe");
    }
    void eachFileGivesItsCueOrTheDefaultSound() {
        QFETCH(QString, node);
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, heard);
        QTemporaryDir dir;
        const QString path = dir.filePath("cue.wav");
        if (node == "file")
            writeFile(path, content);
        else if (node == "folder")
            QVERIFY(QDir(dir.path()).mkdir("cue.wav"));
        else if (node == "pipe")
            QCOMPARE(::mkfifo(path.toLocal8Bit().constData(), 0600), 0);
        SdlSoundPlayer player(kOptions);
        QVERIFY(player.waitUntilReady(kWait));
        player.play(path.toStdString());
        QVERIFY(waitForCue(heard) >= 0);
    }

    // play() runs on the window's thread: it must return while the file is
    // still being read, and a later cue must win over one not yet started.
    void playReturnsWhileTheFileIsStillBeingRead() {
        const auto late = noiseSignal(7, kShortFrames);
        std::promise<void> entered, release;
        auto released = release.get_future().share();
        std::atomic<int> reads{0};
        SdlSoundPlayer::Options options = kOptions;
        options.readFile =
            [&](const std::string& path) -> std::optional<std::vector<std::uint8_t>> {
            if (reads++ == 0) {
                entered.set_value();
                released.wait();
            }
            if (path != "late.wav")
                return std::nullopt;
            const QByteArray wav = wavOf(late);
            return std::vector<std::uint8_t>(wav.begin(), wav.end());
        };
        SdlSoundPlayer player(options);
        QVERIFY(player.waitUntilReady(kWait));

        player.play("slow.wav");
        QCOMPARE(entered.get_future().wait_for(kWait), std::future_status::ready);
        player.play("overtaken.wav");
        player.play("late.wav");
        release.set_value();
        QVERIFY(waitForCue(bytesOf(late)) >= 0);
        QCOMPARE(reads.load(), 2); // "overtaken.wav" never started
    }

    // Pins a fault: closing waited two seconds for a thread held by a hung
    // sound server, so FINE took that long to end the program.
    void closingDoesNotWaitForAHungSoundSystem() {
        std::promise<void> entered, release;
        auto released = release.get_future().share();
        std::atomic<bool> held{false};
        SdlSoundPlayer::Options options = kOptions;
        options.closeWait = 20ms;
        options.readFile = [&](const std::string&) -> std::optional<std::vector<std::uint8_t>> {
            held = true;
            entered.set_value();
            released.wait();
            held = false;
            return std::nullopt;
        };
        QElapsedTimer closing;
        {
            SdlSoundPlayer player(options);
            QVERIFY(player.waitUntilReady(kWait));
            player.play("hung.wav");
            QCOMPARE(entered.get_future().wait_for(kWait), std::future_status::ready);
            closing.start();
        }
        QVERIFY(closing.elapsed() < 1000);
        QVERIFY(held);
        release.set_value();
        // The thread left behind still lets the device go once it is free.
        QTRY_VERIFY_WITH_TIMEOUT(SdlSoundPlayer(kOptions).waitUntilReady(kWait), kWaitMs);
    }

    // With no usable device the player stays silent and play() neither blocks
    // nor crashes; a driver that never reaches a loudspeaker is not tried instead.
    void withNoUsableDeviceThePlayerStaysSilent() {
        const QByteArray driver = qgetenv("SDL_AUDIODRIVER");
        qputenv("SDL_AUDIODRIVER", "no-such-driver");
        {
            SdlSoundPlayer player(kOptions);
            const bool ready = player.waitUntilReady(kWait);
            qputenv("SDL_AUDIODRIVER", driver);
            QVERIFY(!ready);
            player.play("/nowhere/cue.wav");
        }
        QVERIFY(!QFile::exists(kOutputPath));
    }
};

QTEST_GUILESS_MAIN(SdlPlayerTest)
#include "tst_sdlplayer.moc"
