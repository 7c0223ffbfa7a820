// SPDX-License-Identifier: GPL-3.0-or-later
// A speech module for the tests of the real voice. By default its engine takes a
// second to open, then fails: a speech server that hangs. With FRAZIONI_TEST_VOICE
// set to "log" it opens at once and notes "rate:<rate>", "say:<text>" and "stop" in the
// application's property "voiceLog".
#include "skin/speech/voiceengine.h"

#include <QCoreApplication>
#include <QThread>
#include <QVariant>

namespace {

class TestEngine final : public VoiceEngine {
  public:
    bool open() override {
        if (qgetenv("FRAZIONI_TEST_VOICE") == "log")
            return true;
        QThread::msleep(1000);
        return false;
    }
    void say(const QString& text) override { note(QStringLiteral("say:") + text); }
    void stop() override { note(QStringLiteral("stop")); }
    void setRate(double rate) override { note(QStringLiteral("rate:%1").arg(rate)); }
    void setOnError(std::function<void()>) override {}

  private:
    // Noted on the application's thread, where the test reads it.
    static void note(const QString& line) {
        QCoreApplication* app = QCoreApplication::instance();
        QMetaObject::invokeMethod(app, [app, line] {
            app->setProperty("voiceLog", app->property("voiceLog").toStringList() << line);
        });
    }
};

} // namespace

class TestVoiceFactory final : public QObject, public VoiceEngineFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID VoiceEngineFactory_iid)
    Q_INTERFACES(VoiceEngineFactory)
  public:
    VoiceEngine* create() override { return new TestEngine; }
};

#include "testvoice.moc"
