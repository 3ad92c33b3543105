#include "platform/qt/QtSpeech.h"

#include <QSignalSpy>
#include <QTest>
#include <QTextToSpeech>

using namespace quillet;

class QtSpeechTest : public QObject
{
    Q_OBJECT
private slots:
    void missingEngineFailsEveryRequestOnce()
    {
        platform::QtSpeech speech(QStringLiteral("no-such-engine"));
        QVERIFY(!speech.hasVoice());

        int failures = 0;
        std::u16string reason;
        speech.speak(u"house", [&](const std::u16string& why) {
            ++failures;
            reason = why;
        });
        QCOMPARE(failures, 1);
        QVERIFY(!reason.empty());

        speech.speak(u"house", [&](const std::u16string&) { ++failures; });
        QCoreApplication::processEvents();
        QCOMPARE(failures, 2);
    }

    // The real engine, where installed. Whether this machine has an audio
    // device is not known, so both outcomes are accepted; what must hold is
    // that every request ends (no endless "Speaking") and that a failure is
    // reported exactly when the request ends in failure, once.
    void fliteRequestsEndAndFailAtMostOnce()
    {
        if (!QTextToSpeech::availableEngines().contains(QStringLiteral("flite")))
            QSKIP("the flite speech engine is not installed");
        platform::QtSpeech speech;
        QVERIFY(speech.hasVoice());
        QSignalSpy ended(&speech, &platform::QtSpeech::requestEnded);

        int failures = 0;
        for (int press = 1; press <= 2; ++press) {
            speech.speak(u"house", [&](const std::u16string&) { ++failures; });
            QTRY_COMPARE_WITH_TIMEOUT(ended.size(), press, 30000);
            QVERIFY(!speech.isBusy());
        }
        // Empty text ends at once, without a failure.
        speech.speak(u"", [&](const std::u16string&) { ++failures; });
        QVERIFY(!speech.isBusy());
        QCOMPARE(ended.size(), 3);
        QCOMPARE(ended.at(2).at(0).toBool(), false);

        QTest::qWait(200);  // late duplicate error signals must not count again
        QCOMPARE(ended.size(), 3);
        const int endedInFailure = ended.at(0).at(0).toBool() + ended.at(1).at(0).toBool();
        QCOMPARE(failures, endedInFailure);
    }
};

QTEST_MAIN(QtSpeechTest)
#include "QtSpeechTest.moc"
