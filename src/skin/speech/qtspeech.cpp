// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/speech/qtspeech.h"

#include "skin/speech/voiceengine.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QPluginLoader>
#include <QThread>

#include <memory>

namespace {

// How long the end of the program waits for the speech thread to stop; a
// thread held by a hung server is left to delete itself when it is let go, or
// to the end of the process.
constexpr int kQuitWaitMs = 100;

// espeak-ng's own pace, about 175 words a minute, is fast for six-year-olds;
// half-way to Qt's slowest reads at about 120.
constexpr double kSlowRate = -0.5;

} // namespace

// Lives on the speech thread: loads the module, opens its engine and passes
// the readings on.
class VoiceWorker final : public QObject {
    Q_OBJECT
  public:
    VoiceWorker(QString modulePath, double rate)
        : modulePath_(std::move(modulePath)), rate_(rate) {}
    ~VoiceWorker() override {
        if (engine_)
            engine_->stop();
    }

    void open() {
        QPluginLoader loader(modulePath_);
        auto* factory = qobject_cast<VoiceEngineFactory*>(loader.instance());
        if (factory)
            engine_.reset(factory->create());
        const bool ok = engine_ && engine_->open();
        if (ok) {
            engine_->setRate(rate_);
            engine_->setOnError([this] { emit failed(); });
        } else
            engine_.reset();
        emit opened(ok);
    }
    void say(const QString& text) {
        if (engine_)
            engine_->say(text);
    }
    void stop() {
        if (engine_)
            engine_->stop();
    }

  signals:
    void opened(bool ok);
    void failed();

  private:
    QString modulePath_;
    double rate_;
    std::unique_ptr<VoiceEngine> engine_;
};

QtSpeech::QtSpeech(QString modulePath, int openTimeoutMs, ReadingPace pace)
    : modulePath_(std::move(modulePath)), rate_(rate(pace)) {
    if (!QFileInfo(modulePath_).isFile())
        state_ = State::Unavailable;
    openTimeout_.setSingleShot(true);
    openTimeout_.setInterval(openTimeoutMs);
    connect(&openTimeout_, &QTimer::timeout, this, [this] {
        if (state_ == State::Opening)
            fail();
    });
}

QtSpeech::~QtSpeech() {
    if (!thread_)
        return;
    thread_->quit();
    if (thread_->wait(QDeadlineTimer(kQuitWaitMs)))
        delete thread_;
    else
        connect(thread_, &QThread::finished, thread_, &QObject::deleteLater);
}

QString QtSpeech::defaultModulePath() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/speech/frazioni_speech.so");
}

double QtSpeech::rate(ReadingPace pace) {
    return pace == ReadingPace::Slow ? kSlowRate : 0.0;
}

bool QtSpeech::engineInstalled() {
    const QString plugin = QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                           QStringLiteral("/texttospeech/libqtexttospeech_speechd.so");
    return QFileInfo(plugin).isFile() && QFileInfo(QStringLiteral(SPEECHD_SERVER)).isFile();
}

void QtSpeech::prepare() {
    if (state_ != State::Closed)
        return;
    state_ = State::Opening;
    // No parent: a thread still held by the server must outlive this object.
    thread_ = new QThread;
    thread_->setObjectName(QStringLiteral("speech"));
    worker_ = new VoiceWorker(modulePath_, rate_);
    worker_->moveToThread(thread_);
    connect(thread_, &QThread::finished, worker_, &QObject::deleteLater);
    connect(worker_, &VoiceWorker::opened, this, &QtSpeech::opened);
    connect(worker_, &VoiceWorker::failed, this, &QtSpeech::fail);
    thread_->start();
    QMetaObject::invokeMethod(worker_, &VoiceWorker::open, Qt::QueuedConnection);
    openTimeout_.start();
}

void QtSpeech::say(const std::string& text) {
    if (state_ == State::Unavailable)
        return;
    const QString spoken = QString::fromStdString(text);
    if (state_ != State::Ready) {
        pending_ = spoken;
        prepare();
        return;
    }
    QMetaObject::invokeMethod(
        worker_, [w = worker_, spoken] { w->say(spoken); }, Qt::QueuedConnection);
}

void QtSpeech::stop() {
    pending_.reset();
    if (state_ == State::Ready)
        QMetaObject::invokeMethod(worker_, &VoiceWorker::stop, Qt::QueuedConnection);
}

void QtSpeech::opened(bool ok) {
    if (state_ != State::Opening)
        return;
    openTimeout_.stop();
    if (!ok) {
        fail();
        return;
    }
    state_ = State::Ready;
    availabilityChanged();
    if (pending_) {
        const std::string text = pending_->toStdString();
        pending_.reset();
        say(text);
    }
}

void QtSpeech::fail() {
    if (state_ == State::Unavailable)
        return;
    state_ = State::Unavailable;
    pending_.reset();
    availabilityChanged();
}

#include "qtspeech.moc"
