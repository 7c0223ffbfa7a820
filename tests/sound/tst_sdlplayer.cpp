// SPDX-License-Identifier: GPL-3.0-or-later
// The real player with SDL's "disk" driver (set in the test's environment) for a sound card:
// it writes what it plays, 16-bit mono at 44.1 kHz as asked, to a file read back here.
#include "core/sound/cues.h"
#include "skin/sound/defaultsound.h"
#include "skin/sound/sdlsoundplayer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QtEndian>

#include <cstdio>
#include <functional>

#include <sys/stat.h>
#include <unistd.h>

using namespace std::chrono_literals;
using Bytes = std::optional<std::vector<std::uint8_t>>;
const SdlSoundPlayer::Options kMono{
    .frequency = 44100, .channels = 1, .readFile = {}, .library = {}};

QByteArray output() {
    QFile file(qEnvironmentVariable("SDL_DISKAUDIOFILE"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Where `heard` starts in the output once written whole; -1 after 5 s.
qsizetype waitFor(const QByteArray& heard) {
    qsizetype at = -1;
    for (int tries = 0; at < 0 && tries < 500; ++tries, QTest::qSleep(10))
        at = output().indexOf(heard);
    return at;
}

// An even number of samples of noise: no two signals and no stretch of silence alike.
QByteArray noise(quint32 seed, int samples) {
    QByteArray b(2 * samples, '\0');
    QRandomGenerator(seed).fillRange(reinterpret_cast<quint32*>(b.data()), samples / 2);
    return b;
}

// A WAV of 16-bit mono `samples` at 44.1 kHz, as the shipped cues are: "RIFF", size, "WAVE",
// the format (PCM, 1 channel, 44100 Hz, 88200 bytes a second, 2 a frame, 16 bits), "data", size.
QByteArray wavOf(const QByteArray& samples) {
    QByteArray w = samples;
    w.prepend(QByteArray::fromHex("524946460000000057415645666d74201000000001000100"
                                  "44ac000088580100020010006461746100000000"));
    qToLittleEndian<quint32>(static_cast<quint32>(36 + samples.size()), w.data() + 4);
    qToLittleEndian<quint32>(static_cast<quint32>(samples.size()), w.data() + 40);
    return w;
}

// What `run` writes to standard error, from any thread.
QByteArray standardErrorOf(const std::function<void()>& run) {
    QTemporaryFile file;
    if (!file.open())
        return "no temporary file";
    std::fflush(stderr);
    const int saved = ::dup(STDERR_FILENO);
    ::dup2(file.handle(), STDERR_FILENO);
    run();
    std::fflush(stderr);
    ::dup2(saved, STDERR_FILENO);
    ::close(saved);
    file.seek(0);
    return file.readAll();
}

class SdlPlayerTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { QFile::remove(qEnvironmentVariable("SDL_DISKAUDIOFILE")); }

    // A cue plays sample for sample; every file that cannot be played gives the next file of the
    // cue (the shipped one after the school's own), and with none left the default sound.
    void eachFileGivesItsOwnSamplesOrTheNextOrTheDefaultSound_data() {
        QTest::addColumn<QString>("node"); // what stands at the cue's first path, the school's
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QByteArray>("shipped"); // the file at the second path; none when empty
        QTest::addColumn<QByteArray>("heard");
        const QByteArray cue = noise(1, 8820), good = wavOf(cue), junk = noise(5, 2048);
        const auto pcm = defaultSoundSamples(44100, 1);
        const QByteArray fallback(reinterpret_cast<const char*>(pcm.data()), 2 * pcm.size());
        // The default sound fades in and out, loud enough to hear, never past 0.6 of full scale.
        QVERIFY(pcm.front() == 0 && pcm.back() == 0 && std::ranges::max(pcm) > 9830 &&
                std::ranges::max(pcm) <= 19660);
        const QByteArray shippedCue = noise(3, 4410), shipped = wavOf(shippedCue);
        QTest::newRow("the school's cue over the shipped one") << "file" << good << shipped << cue;
        QTest::newRow("no school cue: the shipped one")
            << "none" << QByteArray() << shipped << shippedCue;
        QTest::newRow("a school folder in its place: the shipped one")
            << "folder" << QByteArray() << shipped << shippedCue;
        for (const std::string_view name : cues::kAll) { // each as shipped, in the device's format
            QFile file(QStringLiteral(FRAZIONI_CUES_DIR "/") + name.data() + ".wav");
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray b = file.readAll();
            QTest::newRow(name.data())
                << "file" << (b == wavOf(b.mid(44)) ? b : "") << QByteArray() << b.mid(44);
        } // and the folder holds no other file
        QCOMPARE(QDir(FRAZIONI_CUES_DIR).entryList(QDir::Files).size(),
                 qsizetype(cues::kAll.size()));
        const std::tuple<const char*, const char*, QByteArray> unusable[] = {
            {"missing", "none", {}},
            {"a folder", "folder", {}},
            {"a pipe with no writer", "pipe", {}}, // Pins a fault: it blocked the player for good
            {"empty", "file", {}},
            {"a truncated header", "file", good.left(22)},
            {"random bytes", "file", junk},
            {"a WAV signature, then random bytes", "file", good.left(12) + junk},
            {"another kind of RIFF", "file", QByteArray(good).replace(8, 4, "AVI ")},
            {"data cut short", "file", good.left(good.size() / 2)},
            {"no samples", "file", wavOf({})},
            {"over 16 MiB", "file", wavOf(noise(6, 8 * 1024 * 1024 - 20) + "..")}};
        for (const auto& [name, node, content] : unusable)
            QTest::newRow(name) << node << content << QByteArray() << fallback;
    }
    void eachFileGivesItsOwnSamplesOrTheNextOrTheDefaultSound() {
        QFETCH(QString, node);
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, shipped);
        QFETCH(QByteArray, heard);
        QTemporaryDir dir;
        const QString path = dir.filePath("cue.wav"), next = dir.filePath("shipped.wav");
        if (QFile file(next); !shipped.isEmpty())
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(shipped) == shipped.size());
        if (QFile file(path); node == "file")
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        QVERIFY(node != "folder" || QDir(dir.path()).mkdir("cue.wav"));
        QVERIFY(node != "pipe" || ::mkfifo(qPrintable(path), 0600) == 0);
        SdlSoundPlayer player(kMono);
        QVERIFY(player.waitUntilReady(5s));
        player.play({path.toStdString(), next.toStdString()});
        QVERIFY(waitFor(heard) >= 0);
    }

    // A cue asked for before SDL is loaded (the start cue) plays once the device is open.
    // play() returns while a file is still being read; a later cue wins over one not yet started
    // and cuts off the one playing. Pins a fault: closing waited two seconds for a thread held
    // by a hung sound server. With no usable device, or no SDL, the player stays silent, never
    // blocks, and says why on one line.
    void playAndClosingNeverWaitAndTheLatestCueWins() {
        static std::atomic<int> reads = 0, released = 0; // the player's thread may outlive the test
        const QByteArray first = noise(2, 44100), late = noise(7, 8820);
        SdlSoundPlayer::Options options = kMono;
        options.closeWait = 20ms;
        options.openAtOnce = false;
        options.readFile = [=](const std::string& path) -> Bytes {
            for (++reads; (path == "held" && released < 1) || (path == "hung" && released < 2);)
                QTest::qSleep(1);
            const QByteArray wav = wavOf(path == "first" ? first : late);
            return path == "first" || path == "late" ? Bytes(std::in_place, wav.begin(), wav.end())
                                                     : std::nullopt;
        };
        QElapsedTimer closing;
        {
            SdlSoundPlayer player(options);
            player.play({"first"});
            QVERIFY(!player.waitUntilReady(100ms) && reads == 0);
            player.open();
            const qsizetype firstAt = waitFor(first.left(late.size()));
            player.play({"held"});
            QTRY_COMPARE(reads.load(), 2);
            player.play({"overtaken"});
            player.play({"late"});
            released = 1;
            const qsizetype lateAt = waitFor(late);
            // "overtaken" was never read; the first cue was cut short, not mixed under the late one
            QVERIFY(reads == 3 && firstAt >= 0 && lateAt > firstAt &&
                    lateAt - firstAt < first.size());
            player.play({"hung"});
            QTRY_COMPARE(reads.load(), 4);
            closing.start();
        }
        QVERIFY(closing.elapsed() < 1000);
        released = 2; // the thread left behind lets the device go once it is free
        QTRY_VERIFY_WITH_TIMEOUT(SdlSoundPlayer(kMono).waitUntilReady(5s), 5000);
        init();
        SdlSoundPlayer::Options noLibrary = kMono;
        noLibrary.library = "libSDL2-no-such.so.0";
        qputenv("LC_ALL", "C.UTF-8"); // the line is in the locale's language
        const QByteArray said = standardErrorOf([&] {
            SdlSoundPlayer none(noLibrary);
            none.play({"late"});
            QVERIFY(!none.waitUntilReady(5s));
        });
        QVERIFY2(said.startsWith("frazioni: no sound: libSDL2-no-such.so.0") &&
                     said.count('\n') == 1,
                 said.constData());
        qputenv("SDL_AUDIODRIVER", "no-such-driver");
        SdlSoundPlayer none(kMono);
        none.play({"late"});
        QVERIFY(!none.waitUntilReady(5s) &&
                !QFile::exists(qEnvironmentVariable("SDL_DISKAUDIOFILE")));
    }
};

QTEST_GUILESS_MAIN(SdlPlayerTest)
#include "tst_sdlplayer.moc"
