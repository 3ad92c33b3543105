#pragma once
// Speech through QTextToSpeech. One engine object lives as long as this one:
// destroying it right after a playback error can crash Qt 6.4, and creating
// it anew per request is slow.

#include "platform/Speech.h"

#include <QObject>
#include <QString>

class QTextToSpeech;

namespace quillet::platform {

class QtSpeech : public QObject, public Speech
{
    Q_OBJECT
public:
    // The flite engine speaks without an audio server; speech-dispatcher waits
    // for ever in "Speaking" when there is none. An engine that is not
    // installed leaves the object without a voice: every request then fails.
    explicit QtSpeech(const QString& engine = QStringLiteral("flite"), QObject* parent = nullptr);

    void speak(const std::u16string& text, FailureHandler onFailure) override;

    bool hasVoice() const { return m_engine != nullptr; }
    // From speak() until the request has been spoken or has failed.
    bool isBusy() const { return m_busy; }

signals:
    void requestEnded(bool failed);

private:
    void onStateChanged(int state);
    void fail(const QString& reason);

    QTextToSpeech* m_engine = nullptr;
    FailureHandler m_pendingFailure;
    bool m_busy = false;
};

}  // namespace quillet::platform
