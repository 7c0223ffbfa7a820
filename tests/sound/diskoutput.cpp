#include "diskoutput.h"

#include <QFile>

#include <algorithm>
#include <random>
#include <thread>

namespace {
constexpr std::chrono::milliseconds kPollInterval{10};
constexpr int kNoiseAmplitude = 8000;
} // namespace

std::string diskOutputPath() {
    return qEnvironmentVariable("SDL_DISKAUDIOFILE").toStdString();
}

std::vector<std::int16_t> readDiskOutput() {
    QFile file(QString::fromStdString(diskOutputPath()));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    std::vector<std::int16_t> samples(static_cast<std::size_t>(bytes.size()) / 2);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const auto low = static_cast<std::uint8_t>(bytes[static_cast<qsizetype>(2 * i)]);
        const auto high = static_cast<std::uint8_t>(bytes[static_cast<qsizetype>(2 * i + 1)]);
        samples[i] = static_cast<std::int16_t>(low | (high << 8));
    }
    return samples;
}

long findFrames(const std::vector<std::int16_t>& haystack,
                const std::vector<std::int16_t>& needle) {
    auto from = haystack.begin();
    for (;;) {
        const auto at = std::search(from, haystack.end(), needle.begin(), needle.end());
        if (at == haystack.end())
            return -1;
        const long index = at - haystack.begin();
        if (index % kTestChannels == 0)
            return index;
        from = at + 1;
    }
}

long waitForFrames(const std::vector<std::int16_t>& needle, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    do {
        const long at = findFrames(readDiskOutput(), needle);
        if (at >= 0)
            return at;
        std::this_thread::sleep_for(kPollInterval);
    } while (std::chrono::steady_clock::now() < deadline);
    return -1;
}

bool waitForLength(std::size_t samples, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (readDiskOutput().size() < samples) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(kPollInterval);
    }
    return true;
}

std::vector<std::int16_t> noiseSignal(unsigned seed, int frames) {
    std::mt19937 engine(seed);
    std::uniform_int_distribution<int> value(-kNoiseAmplitude, kNoiseAmplitude);
    std::vector<std::int16_t> samples;
    for (int i = 0; i < frames; ++i) {
        const auto s = static_cast<std::int16_t>(value(engine));
        samples.insert(samples.end(), kTestChannels, s);
    }
    return samples;
}
