// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtPlugin>

#include <functional>

// What the speech module gives the program: a voice engine, made and used on
// one thread of the program's choosing. The module links Qt's text-to-speech
// library; the program does not, so none of it is loaded before it is needed.
class VoiceEngine {
  public:
    virtual ~VoiceEngine() = default;
    // Makes the engine and picks an Italian voice; false when there is no
    // engine, no Italian voice or the engine reports an error. May take long
    // (the speech server may be starting, or hung).
    virtual bool open() = 0;
    // Stops what is being said and says `text`.
    virtual void say(const QString& text) = 0;
    virtual void stop() = 0;
    // The pace of what is said from now on: Qt's rate, -1 (slowest) to 1.
    virtual void setRate(double rate) = 0;
    // Run when the engine reports an error after it was opened.
    virtual void setOnError(std::function<void()> onError) = 0;
};

class VoiceEngineFactory {
  public:
    virtual ~VoiceEngineFactory() = default;
    virtual VoiceEngine* create() = 0;
};

#define VoiceEngineFactory_iid "io.github.frazioni.VoiceEngineFactory/1"
Q_DECLARE_INTERFACE(VoiceEngineFactory, VoiceEngineFactory_iid)
