// SPDX-License-Identifier: GPL-3.0-or-later
// The speech module: Qt's text-to-speech engine behind the VoiceEngine the
// program loads once its window is on screen.
#include "skin/speech/voiceengine.h"

#include <QEventLoop>
#include <QLocale>
#include <QObject>
#include <QTextToSpeech>
#include <QTimer>

#include <memory>

namespace {

// How long an engine made in the background may take to become ready; the
// program gives up on a voice sooner, so this only bounds the speech thread.
constexpr int kReadyWaitMs = 20000;

class QtVoiceEngine final : public VoiceEngine {
  public:
    bool open() override {
        tts_ = std::make_unique<QTextToSpeech>();
        // Some engines are made in the background: the voices are known only
        // once the engine is ready.
        if (tts_->state() != QTextToSpeech::Ready && tts_->state() != QTextToSpeech::Error) {
            QEventLoop loop;
            QObject::connect(tts_.get(), &QTextToSpeech::stateChanged, &loop, &QEventLoop::quit);
            QTimer::singleShot(kReadyWaitMs, &loop, &QEventLoop::quit);
            loop.exec();
        }
        if (tts_->state() != QTextToSpeech::Ready)
            return false;
        QLocale italian;
        bool found = false;
        for (const QLocale& locale : tts_->availableLocales())
            if (locale.language() == QLocale::Italian) {
                // Italy's Italian before that of other countries.
                if (!found || locale.territory() == QLocale::Italy)
                    italian = locale;
                found = true;
            }
        if (!found)
            return false;
        tts_->setLocale(italian);
        if (tts_->locale().language() != QLocale::Italian || tts_->availableVoices().isEmpty())
            return false;
        QObject::connect(tts_.get(), &QTextToSpeech::stateChanged, [this](QTextToSpeech::State s) {
            if (s == QTextToSpeech::Error && onError_)
                onError_();
        });
        return tts_->state() != QTextToSpeech::Error;
    }
    void say(const QString& text) override {
        tts_->stop(QTextToSpeech::BoundaryHint::Immediate);
        tts_->say(text);
    }
    void stop() override { tts_->stop(QTextToSpeech::BoundaryHint::Immediate); }
    void setRate(double rate) override { tts_->setRate(rate); }
    void setOnError(std::function<void()> onError) override { onError_ = std::move(onError); }

  private:
    std::unique_ptr<QTextToSpeech> tts_;
    std::function<void()> onError_;
};

} // namespace

class QtVoiceEngineFactory final : public QObject, public VoiceEngineFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID VoiceEngineFactory_iid)
    Q_INTERFACES(VoiceEngineFactory)
  public:
    VoiceEngine* create() override { return new QtVoiceEngine; }
};

#include "qtvoicemodule.moc"
