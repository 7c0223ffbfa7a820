// SPDX-License-Identifier: GPL-3.0-or-later
// The speech module: Qt's text-to-speech engine behind the VoiceEngine the
// program loads when the pupil first asks for a reading.
#include "skin/speech/voiceengine.h"

#include <QLocale>
#include <QObject>
#include <QTextToSpeech>

#include <memory>

namespace {

class QtVoiceEngine final : public VoiceEngine {
  public:
    bool open() override {
        tts_ = std::make_unique<QTextToSpeech>();
        if (tts_->state() == QTextToSpeech::Error)
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
