// The cue files the build made: valid 16-bit PCM WAVs, short, neither silent
// nor clipped, and clearly different from one another.
#include <QFile>
#include <QTest>
#include <QtEndian>

#include <cmath>
#include <cstdint>
#include <numbers>
#include <optional>
#include <vector>

namespace {

const QStringList kCues = {"premivia", "sbagliato1", "esatto", "esatto2",
                           "esatto3",  "esatto4",    "esatto5"};
constexpr double kMaxSeconds = 1.5;
constexpr int kFullScale = 32767;
constexpr int kAudibleLevel = 1000;     // a cue must rise well above this
constexpr int kQuietEdge = 300;         // and start and end below this, with no click
constexpr double kFrameSeconds = 0.1;   // the time step of a cue's fingerprint
constexpr double kLowestPitch = 261.63; // C4
constexpr int kPitches = 49;            // semitones up to C8
// Fingerprints of cues that sound alike (a cue and a slightly shifted, quieter
// copy of it) score near 1; distinct cues must stay below this.
constexpr double kMostAlike = 0.5;
constexpr double kShiftSeconds = 0.01;

struct Wav {
    int rate = 0;
    std::vector<std::int16_t> mono; // the first channel
};

// The little-endian number of type T at byte `at` of `b`.
template <typename T> T readLe(const QByteArray& b, qsizetype at) {
    return qFromLittleEndian<T>(b.constData() + at);
}

// A strict reading of the cue's file as a 16-bit PCM WAV; nothing when any part is off.
std::optional<Wav> readPcm16(const QString& cue) {
    QFile file(QStringLiteral(FRAZIONI_CUES_DIR "/%1.wav").arg(cue));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray b = file.readAll();
    if (b.size() < 12 || b.left(4) != "RIFF" || b.mid(8, 4) != "WAVE" ||
        readLe<quint32>(b, 4) != static_cast<quint32>(b.size() - 8))
        return std::nullopt;
    Wav wav;
    int bits = 0, channels = 0;
    for (qsizetype at = 12; at + 8 <= b.size();) {
        const QByteArray id = b.mid(at, 4);
        const qsizetype size = readLe<quint32>(b, at + 4), body = at + 8;
        if (body + size > b.size())
            return std::nullopt;
        if (id == "fmt ") {
            if (size < 16 || readLe<quint16>(b, body) != 1) // 1: PCM
                return std::nullopt;
            channels = static_cast<int>(readLe<quint16>(b, body + 2));
            wav.rate = static_cast<int>(readLe<quint32>(b, body + 4));
            bits = static_cast<int>(readLe<quint16>(b, body + 14));
        } else if (id == "data") {
            if (bits != 16 || channels < 1 || wav.rate < 1 || size % (2 * channels) != 0)
                return std::nullopt;
            for (qsizetype i = 0; i < size; i += 2 * channels)
                wav.mono.push_back(readLe<qint16>(b, body + i));
            return wav;
        }
        at = body + size + (size % 2);
    }
    return std::nullopt;
}

// How strongly each semitone sounds in each tenth of a second (Goertzel).
std::vector<double> fingerprint(const Wav& wav) {
    const auto frame = static_cast<std::size_t>(kFrameSeconds * wav.rate);
    std::vector<double> print;
    for (std::size_t start = 0; start + frame <= wav.mono.size(); start += frame) {
        for (int p = 0; p < kPitches; ++p) {
            const double f = kLowestPitch * std::pow(2.0, p / 12.0);
            const double c = 2 * std::cos(2 * std::numbers::pi * f / wav.rate);
            double s1 = 0, s2 = 0;
            for (std::size_t i = start; i < start + frame; ++i) {
                const double s0 = wav.mono[i] + c * s1 - s2;
                s2 = s1;
                s1 = s0;
            }
            print.push_back(std::sqrt(std::max(0.0, s1 * s1 + s2 * s2 - c * s1 * s2)));
        }
    }
    return print;
}

double likeness(std::vector<double> a, std::vector<double> b) {
    const std::size_t n = std::max(a.size(), b.size());
    a.resize(n);
    b.resize(n);
    double ab = 0, aa = 0, bb = 0;
    for (std::size_t i = 0; i < n; ++i) {
        ab += a[i] * b[i];
        aa += a[i] * a[i];
        bb += b[i] * b[i];
    }
    return ab / std::sqrt(aa * bb);
}

} // namespace

class CueFilesTest : public QObject {
    Q_OBJECT

  private slots:
    void eachCueIsAShortCleanPcm16Wav_data() {
        QTest::addColumn<QString>("cue");
        for (const QString& cue : kCues)
            QTest::newRow(qPrintable(cue)) << cue;
    }
    void eachCueIsAShortCleanPcm16Wav() {
        QFETCH(QString, cue);
        const auto wav = readPcm16(cue);
        QVERIFY2(wav && !wav->mono.empty(), "missing, empty or not a 16-bit PCM WAV");
        QVERIFY(static_cast<double>(wav->mono.size()) / wav->rate < kMaxSeconds);
        int loudest = 0;
        for (std::int16_t s : wav->mono)
            loudest = std::max(loudest, std::abs(static_cast<int>(s)));
        QVERIFY2(loudest > kAudibleLevel, "silent");
        QVERIFY2(loudest < kFullScale, "clipped");
        QVERIFY(std::abs(wav->mono.front()) < kQuietEdge);
        QVERIFY(std::abs(wav->mono.back()) < kQuietEdge);
    }

    void theCuesSoundClearlyDifferent() {
        std::vector<std::vector<double>> prints;
        for (const QString& cue : kCues) {
            Wav wav = readPcm16(cue).value_or(Wav{});
            QVERIFY2(!wav.mono.empty(), qPrintable(cue));
            prints.push_back(fingerprint(wav));
            // The measure must see a shifted, quieter copy as alike, or the
            // comparison below could not fail.
            wav.mono.insert(wav.mono.begin(), static_cast<std::size_t>(kShiftSeconds * wav.rate),
                            0);
            for (auto& s : wav.mono)
                s = static_cast<std::int16_t>(s / 2);
            QVERIFY2(likeness(prints.back(), fingerprint(wav)) > kMostAlike, qPrintable(cue));
        }
        for (std::size_t i = 0; i < prints.size(); ++i) {
            for (std::size_t j = i + 1; j < prints.size(); ++j) {
                const double alike = likeness(prints[i], prints[j]);
                QVERIFY2(alike < kMostAlike, qPrintable(QStringLiteral("%1 and %2 sound alike (%3)")
                                                            .arg(kCues[i], kCues[j])
                                                            .arg(alike)));
            }
        }
    }
};

QTEST_APPLESS_MAIN(CueFilesTest)
#include "cuefiles_test.moc"
