#include "BuildConfig.h"
#include "core/Messages.h"
#include "fakes/FakeBrowser.h"
#include "fakes/FakeDialogs.h"
#include "fakes/FakeHttpClient.h"
#include "shell/UpdateChecker.h"

#include <QTest>

#include <memory>
#include <optional>
#include <string>

using namespace quillet;
using Outcome = shell::UpdateChecker::Outcome;

class UpdateCheckerTest : public QObject
{
    Q_OBJECT
private:
    core::SharedState m_state;
    fakes::FakeHttpClient m_http;
    fakes::FakeDialogs m_dialogs;
    fakes::FakeBrowser m_browser;

    void reset()
    {
        m_state = core::SharedState();
        m_state.interfaceLanguage = 1;
        m_state.webQuery = u"?v=2007&l=1";
        core::loadMessages(m_state);
        m_http = fakes::FakeHttpClient();
        m_dialogs = fakes::FakeDialogs();
        m_browser = fakes::FakeBrowser();
    }

private slots:
    void init() { reset(); }

    void addressesUseHttpsAndTheWebQuery()
    {
        shell::UpdateChecker checker(m_state, m_http, m_dialogs, m_browser);
        const std::u16string site = std::u16string(u"https://") + build::webHost;
        QVERIFY(checker.versionAddress() == site + u"/quillet/version.asp?v=2007&l=1");
        QVERIFY(checker.downloadAddress() == site + u"/quillet/newversion.asp?v=2007&l=1");

        checker.check(nullptr);
        QCOMPARE(m_http.requestCount(), std::size_t(1));
        QVERIFY(m_http.request(0).address == checker.versionAddress());
        QCOMPARE(m_http.request(0).timeout, std::chrono::milliseconds(60000));
    }

    void markerIsExactAndCaseSensitive()
    {
        for (const char* body : {"0X99VA", "<p>version 0X99VA ready</p>"})
            QVERIFY2(shell::UpdateChecker::announcesNewVersion(body), body);
        for (const char* body : {"0x99va", "0X99Va", "0X99 VA", "", "0X99V"})
            QVERIFY2(!shell::UpdateChecker::announcesNewVersion(body), body);
    }

    void questionAndAnswers_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }

    void questionAndAnswers()
    {
        QFETCH(bool, yes);
        m_dialogs.setAnswer(yes ? platform::MessageAnswer::Yes : platform::MessageAnswer::No);
        shell::UpdateChecker checker(m_state, m_http, m_dialogs, m_browser, u"http://site");
        std::optional<Outcome> outcome;
        checker.check([&](Outcome o) { outcome = o; });
        m_http.reply("0X99VA");

        QCOMPARE(m_dialogs.count(), std::size_t(1));
        QVERIFY(m_dialogs.last().icon == platform::MessageIcon::Question);
        QVERIFY(m_dialogs.last().buttons == platform::MessageButtons::YesNo);
        QVERIFY(m_dialogs.last().title == u"Quillet 2007");
        QVERIFY(m_dialogs.last().text.starts_with(u"A new Quillet 2007 version is available!"));
        QVERIFY(m_dialogs.last().text.ends_with(u"Do you want to download the new version now?"));
        if (yes) {
            QVERIFY(outcome == Outcome::Accepted);
            QCOMPARE(m_browser.opened().size(), std::size_t(1));
            QVERIFY(m_browser.opened()[0] == u"http://site/quillet/newversion.asp?v=2007&l=1");
        } else {
            QVERIFY(outcome == Outcome::Declined);
            QVERIFY(m_browser.opened().empty());
        }
    }

    void failedOrEmptyRepliesMeanNoNewVersion_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("failure") << 0;
        QTest::newRow("empty body") << 1;
        QTest::newRow("binary rubbish") << 2;
    }

    void failedOrEmptyRepliesMeanNoNewVersion()
    {
        QFETCH(int, kind);
        shell::UpdateChecker checker(m_state, m_http, m_dialogs, m_browser);
        std::optional<Outcome> outcome;
        checker.check([&](Outcome o) { outcome = o; });
        if (kind == 0)
            m_http.fail();
        else if (kind == 1)
            m_http.reply("");
        else
            m_http.reply(std::string("\0\xff\xfe 0X99\0VA", 12));
        QVERIFY(outcome == Outcome::NoNewVersion);
        QCOMPARE(m_dialogs.count(), std::size_t(0));
        QVERIFY(m_browser.opened().empty());
    }

    void replyAfterTheCheckerIsGoneIsIgnored()
    {
        bool called = false;
        {
            shell::UpdateChecker checker(m_state, m_http, m_dialogs, m_browser);
            checker.check([&](Outcome) { called = true; });
        }
        m_http.reply("0X99VA");
        QVERIFY(!called);
        QCOMPARE(m_dialogs.count(), std::size_t(0));
    }
};

QTEST_GUILESS_MAIN(UpdateCheckerTest)
#include "UpdateCheckerTest.moc"
