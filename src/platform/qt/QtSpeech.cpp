#include "platform/qt/QtSpeech.h"

#include "platform/qt/QtText.h"

#include <QTextToSpeech>

#include <utility>

namespace quillet::platform {

QtSpeech::QtSpeech(const QString& engine, QObject* parent) : QObject(parent)
{
    // Asking for an engine that is absent breaks the object on its next call.
    if (!QTextToSpeech::availableEngines().contains(engine))
        return;
    m_engine = new QTextToSpeech(engine, this);
    connect(m_engine, &QTextToSpeech::stateChanged, this,
            [this](QTextToSpeech::State state) { onStateChanged(state); });
    // Once the engine is in its error state, further requests fail without a
    // state change; they only raise this signal (sometimes more than once).
    connect(m_engine, &QTextToSpeech::errorOccurred, this,
            [this](QTextToSpeech::ErrorReason, const QString& reason) { fail(reason); });
}

void QtSpeech::speak(const std::u16string& text, FailureHandler onFailure)
{
    if (m_engine == nullptr) {
        if (onFailure)
            onFailure(u"no speech engine");
        return;
    }
    // A newer request supersedes the older one's failure report.
    m_pendingFailure = std::move(onFailure);
    if (text.empty()) {
        // The engine ignores empty text without any signal; nothing to say
        // is a request that succeeded at once.
        m_pendingFailure = nullptr;
        m_busy = false;
        emit requestEnded(false);
        return;
    }
    m_busy = true;
    m_engine->say(toQString(text));
}

void QtSpeech::fail(const QString& reason)
{
    if (!m_busy)
        return;
    m_busy = false;
    auto handler = std::exchange(m_pendingFailure, nullptr);
    if (handler)
        handler(toU16(reason));
    emit requestEnded(true);
}

void QtSpeech::onStateChanged(int state)
{
    if (state == QTextToSpeech::Error) {
        fail(m_engine->errorString());
    } else if (state == QTextToSpeech::Ready && m_busy) {
        m_busy = false;
        m_pendingFailure = nullptr;
        emit requestEnded(false);
    }
}

}  // namespace quillet::platform
