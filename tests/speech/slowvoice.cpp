// SPDX-License-Identifier: GPL-3.0-or-later
// A speech module whose engine takes a second to open, then fails: a speech
// server that hangs, for the test of the real voice.
#include "skin/speech/voiceengine.h"

#include <QObject>
#include <QThread>

namespace {

class SlowEngine final : public VoiceEngine {
  public:
    bool open() override {
        QThread::msleep(1000);
        return false;
    }
    void say(const QString&) override {}
    void stop() override {}
    void setOnError(std::function<void()>) override {}
};

} // namespace

class SlowVoiceFactory final : public QObject, public VoiceEngineFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID VoiceEngineFactory_iid)
    Q_INTERFACES(VoiceEngineFactory)
  public:
    VoiceEngine* create() override { return new SlowEngine; }
};

#include "slowvoice.moc"
