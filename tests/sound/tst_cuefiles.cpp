// SPDX-License-Identifier: GPL-3.0-or-later
// The cue files shipped with the program, as they lie beside the built
// executable: one for each cue the program plays and no other, each a 16-bit
// PCM WAV that the real player plays sample for sample rather than refusing
// it for the default sound. SDL's "disk" driver (set in the test's
// environment) stands in for a sound card and writes what it plays to a file.
#include "core/sound/cues.h"
#include "skin/sound/sdlsoundplayer.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QtEndian>

#include <chrono>
#include <optional>

using namespace std::chrono_literals;

namespace {

constexpr auto kWait = 5s; // opening the device or writing out a cue takes far less
constexpr int kWaitMs = std::chrono::milliseconds(kWait).count();
const QString kOutputPath = qEnvironmentVariable("SDL_DISKAUDIOFILE");

QString fileOf(std::string_view cue) {
    return QStringLiteral(FRAZIONI_CUES_DIR "/") +
           QString::fromUtf8(cue.data(), static_cast<qsizetype>(cue.size())) + ".wav";
}

struct Wav {
    int rate = 0;
    int channels = 0;
    QByteArray data; // the samples as they lie in the file
};

// The little-endian number of type T at byte `at` of `b`.
template <typename T> T readLe(const QByteArray& b, qsizetype at) {
    return qFromLittleEndian<T>(b.constData() + at);
}

// A strict reading of a 16-bit PCM WAV; nothing when any part is off.
std::optional<Wav> readPcm16(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray b = file.readAll();
    if (b.size() < 12 || b.left(4) != "RIFF" || b.mid(8, 4) != "WAVE" ||
        readLe<quint32>(b, 4) != static_cast<quint32>(b.size() - 8))
        return std::nullopt;
    Wav wav;
    int bits = 0;
    for (qsizetype at = 12; at + 8 <= b.size();) {
        const QByteArray id = b.mid(at, 4);
        const qsizetype size = readLe<quint32>(b, at + 4), body = at + 8;
        if (body + size > b.size())
            return std::nullopt;
        if (id == "fmt ") {
            if (size < 16 || readLe<quint16>(b, body) != 1) // 1: PCM
                return std::nullopt;
            wav.channels = static_cast<int>(readLe<quint16>(b, body + 2));
            wav.rate = static_cast<int>(readLe<quint32>(b, body + 4));
            bits = static_cast<int>(readLe<quint16>(b, body + 14));
        } else if (id == "data") {
            if (bits != 16 || wav.channels < 1 || wav.rate < 1 || size % (2 * wav.channels) != 0)
                return std::nullopt;
            wav.data = b.mid(body, size);
            return wav;
        }
        at = body + size + (size % 2);
    }
    return std::nullopt;
}

QByteArray diskOutput() {
    QFile file(kOutputPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class CueFilesTest : public QObject {
    Q_OBJECT

  private slots:
    void theFolderHoldsOneFileForEachCueAndNoOther() {
        QStringList expected;
        for (std::string_view cue : cues::kAll)
            expected << QFileInfo(fileOf(cue)).fileName();
        expected.sort();
        const QStringList found =
            QDir(QStringLiteral(FRAZIONI_CUES_DIR)).entryList({"*.wav"}, QDir::Files, QDir::Name);
        QCOMPARE(found, expected);
    }

    void eachCueIsAWavThePlayerPlaysAsItIs_data() {
        QTest::addColumn<QString>("path");
        for (std::string_view cue : cues::kAll)
            QTest::newRow(std::string(cue).c_str()) << fileOf(cue);
    }
    void eachCueIsAWavThePlayerPlaysAsItIs() {
        QFETCH(QString, path);
        const auto wav = readPcm16(path);
        QVERIFY2(wav && !wav->data.isEmpty(), "missing, empty or not a 16-bit PCM WAV");
        QFile::remove(kOutputPath);
        // A device in the cue's own format, so that its samples come out unconverted.
        SdlSoundPlayer player({.frequency = wav->rate,
                               .channels = wav->channels,
                               .bufferFrames = 1024,
                               .readFile = {}});
        QVERIFY(player.waitUntilReady(kWait));
        player.play(path.toStdString());
        QTRY_VERIFY_WITH_TIMEOUT(diskOutput().contains(wav->data), kWaitMs);
    }
};

QTEST_GUILESS_MAIN(CueFilesTest)
#include "tst_cuefiles.moc"
