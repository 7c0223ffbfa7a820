// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/speech.h"
#include "core/settings/classroomsettings.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <optional>

class QThread;
class VoiceWorker;

// The real voice: the speech module (Qt's text-to-speech through
// speech-dispatcher), loaded and opened on a thread of its own once prepared
// (after the window's first paint), so that neither loading nor a speech
// server that is slow to answer, or hung, ever holds the window. It is
// available once the engine is open with an Italian voice; without the
// module, an Italian voice or a working engine it never is, quietly.
class QtSpeech final : public QObject, public Speech {
    Q_OBJECT
  public:
    // A speech server that has not answered within this is taken as missing.
    static constexpr int kOpenTimeoutMs = 15000;

    // `modulePath`: the speech module's file; `openTimeoutMs`: how long the
    // server may take to answer. The voice reads at `pace`.
    explicit QtSpeech(QString modulePath = defaultModulePath(), int openTimeoutMs = kOpenTimeoutMs,
                      ReadingPace pace = ClassroomSettings{}.readingPace);
    ~QtSpeech() override;

    // The module in speech/ beside the executable.
    static QString defaultModulePath();
    // Whether this machine has the speech engine the module talks to: Qt's
    // speech-dispatcher plugin and the speech-dispatcher server. Only looks
    // for the two files, so it costs nothing at start-up; a machine set up
    // without them shows no loudspeaker at all.
    static bool engineInstalled();

    // Qt's speech rate for a reading pace: -1 the slowest, 0 the engine's own.
    static double rate(ReadingPace pace);

    bool available() const override { return state_ == State::Ready; }
    void prepare() override;
    void say(const std::string& text) override;
    void stop() override;

  private:
    enum class State { Closed, Opening, Ready, Unavailable };
    void opened(bool ok);
    void fail();

    State state_ = State::Closed;
    QString modulePath_;
    double rate_;
    QThread* thread_ = nullptr; // deleted only once it has stopped
    VoiceWorker* worker_ = nullptr;
    std::optional<QString> pending_; // said once the engine is ready
    QTimer openTimeout_;
};
