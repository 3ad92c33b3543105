// The speech service is created on the first request only, once, and the
// requests reach it unchanged.

#include "fakes/FakeSpeech.h"
#include "platform/LazySpeech.h"

#include <QTest>

#include <memory>

using namespace quillet;

class LazySpeechTest : public QObject
{
    Q_OBJECT

private slots:
    void createsTheServiceOnTheFirstRequestOnly()
    {
        int created = 0;
        fakes::FakeSpeech* real = nullptr;
        platform::LazySpeech speech([&] {
            ++created;
            auto service = std::make_unique<fakes::FakeSpeech>();
            real = service.get();
            return service;
        });
        QCOMPARE(created, 0);
        QVERIFY(!speech.created());

        speech.speak(u"house", {});
        speech.speak(u"casa", {});
        QCOMPARE(created, 1);
        QVERIFY(real);
        QCOMPARE(real->spoken().size(), 2u);
        QVERIFY(real->spoken()[0] == u"house");
        QVERIFY(real->spoken()[1] == u"casa");
    }

    void failuresOfTheServiceReachTheCaller()
    {
        platform::LazySpeech speech([] {
            auto service = std::make_unique<fakes::FakeSpeech>();
            service->setMode(fakes::FakeSpeech::Mode::NoVoice);
            return service;
        });
        int failures = 0;
        speech.speak(u"house", [&](const std::u16string&) { ++failures; });
        QCOMPARE(failures, 1);
    }

    void aServiceThatCannotBeCreatedIsAFailure()
    {
        platform::LazySpeech speech([] { return std::unique_ptr<platform::Speech>(); });
        int failures = 0;
        speech.speak(u"house", [&](const std::u16string&) { ++failures; });
        speech.speak(u"house", [&](const std::u16string&) { ++failures; });
        QCOMPARE(failures, 2);
    }
};

QTEST_MAIN(LazySpeechTest)
#include "LazySpeechTest.moc"
