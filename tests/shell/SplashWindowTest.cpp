#include "BuildConfig.h"
#include "core/Messages.h"
#include "fakes/FakeBrowser.h"
#include "fakes/FakeDialogs.h"
#include "fakes/FakeHttpClient.h"
#include "fakes/FakeScreen.h"
#include "fakes/FakeSystemInfo.h"
#include "fakes/LocalHttpServer.h"
#include "platform/HttpClient.h"
#include "platform/qt/QtHttpClient.h"
#include "platform/qt/QtText.h"
#include "shell/SplashWindow.h"
#include "shell/UpdateChecker.h"
#include "shell/WindowLayering.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>

using namespace quillet;

namespace {

// Everything a splash window needs, with fakes; ticks are driven by hand.
struct Rig
{
    core::SharedState state;
    fakes::FakeHttpClient http;
    fakes::FakeDialogs dialogs;
    fakes::FakeBrowser browser;
    fakes::FakeScreen screen;
    fakes::FakeSystemInfo system;
    shell::UpdateChecker checker{state, http, dialogs, browser};

    explicit Rig(std::u16string lastCheck, std::u16string today = u"20070315")
    {
        state.interfaceLanguage = 1;
        state.webQuery = u"?v=2007&l=1";
        core::loadMessages(state);
        state.lastUpdateCheck = std::move(lastCheck);
        system.setToday(std::move(today));
    }
};

std::unique_ptr<shell::SplashWindow> splashFor(Rig& rig)
{
    auto splash =
        std::make_unique<shell::SplashWindow>(rig.state, rig.screen, rig.system, rig.checker);
    splash->splashTimer().stop();
    splash->show();
    return splash;
}

QString labelText(const QWidget& window, const char* name)
{
    const auto* label = window.findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("<missing>");
}

}  // namespace

class SplashWindowTest : public QObject
{
    Q_OBJECT
private slots:
    // Left to its own timer, ticking every second from creation, a splash
    // with no check due goes away by itself.
    void ownTimerClosesTheSplash()
    {
        Rig rig(u"20070315");
        shell::SplashWindow splash(rig.state, rig.screen, rig.system, rig.checker);
        QCOMPARE(splash.splashTimer().objectName(), QStringLiteral("tmrSplash"));
        QCOMPARE(splash.splashTimer().interval(), 1000);
        QVERIFY(splash.splashTimer().isActive());
        QVERIFY(!splash.updateStarted());
        QVERIFY(!splash.updateChecked());
        splash.show();
        QTRY_VERIFY_WITH_TIMEOUT(rig.state.splashClosed, 10000);
        QVERIFY(!splash.isVisible());
    }

    void centredFramelessTopmostAndSizedInTwips()
    {
        Rig rig(u"20070315");
        rig.screen = fakes::FakeScreen(1280, 800, 15.0, 15.0);
        auto splash = splashFor(rig);

        // 6030 x 3600 twips at 15 twips a pixel.
        QCOMPARE(splash->size(), QSize(402, 240));
        QCOMPARE(splash->pos(), QPoint((1280 - 402) / 2, (800 - 240) / 2));
        QVERIFY(splash->windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(shell::isTopmost(*splash));
        QCOMPARE(splash->objectName(), QStringLiteral("frmSplash"));
    }

    void labelsShowVersionNoticeAndAddress()
    {
        Rig rig(u"20070315");
        auto splash = splashFor(rig);
        splash->setVersionText(shell::SplashWindow::versionText(2, 13));
        QCOMPARE(labelText(*splash, "splashLabel2"), QStringLiteral("V. 3.2.13"));
        QVERIFY(!labelText(*splash, "splashLabel3").isEmpty());
        QCOMPARE(labelText(*splash, "splashLabel4"),
                 QStringLiteral("https://") + platform::toQString(build::webHost));
    }

    void noCheckDueClosesOnTheSecondTickWithoutNetwork_data()
    {
        QTest::addColumn<QString>("lastCheck");
        QTest::newRow("checked today") << QStringLiteral("20070315");
        QTest::newRow("last check after today") << QStringLiteral("20070320");
    }

    void noCheckDueClosesOnTheSecondTickWithoutNetwork()
    {
        QFETCH(QString, lastCheck);
        Rig rig(platform::toU16(lastCheck));
        auto splash = splashFor(rig);
        QSignalSpy closed(splash.get(), &shell::SplashWindow::splashClosed);

        splash->tick();
        QVERIFY(splash->isVisible());
        QVERIFY(!rig.state.splashClosed);
        splash->tick();
        QVERIFY(!splash->isVisible());
        QVERIFY(rig.state.splashClosed);
        QCOMPARE(closed.size(), 1);
        QCOMPARE(rig.http.requestCount(), std::size_t(0));
        QCOMPARE(platform::toQString(rig.state.lastUpdateCheck), lastCheck);

        splash->tick();
        QCOMPARE(closed.size(), 1);
    }

    void dueCheckRunsOnceAndRecordsTheDateBeforeTheReply_data()
    {
        QTest::addColumn<QString>("lastCheck");
        QTest::newRow("first run") << QStringLiteral("20061001");
        QTest::newRow("yesterday") << QStringLiteral("20070314");
        QTest::newRow("empty") << QString();
    }

    void dueCheckRunsOnceAndRecordsTheDateBeforeTheReply()
    {
        QFETCH(QString, lastCheck);
        Rig rig(platform::toU16(lastCheck));
        auto splash = splashFor(rig);

        splash->tick();
        QCOMPARE(rig.http.requestCount(), std::size_t(1));
        QVERIFY(rig.state.lastUpdateCheck == u"20070315");
        QVERIFY(rig.http.request(0).address.find(u"/quillet/version.asp?v=2007&l=1") !=
                std::u16string::npos);

        // Ticks while the reply is awaited neither close nor ask again.
        splash->tick();
        splash->tick();
        QCOMPARE(rig.http.requestCount(), std::size_t(1));
        QVERIFY(splash->isVisible());

        rig.http.reply("no news");
        QVERIFY(splash->isVisible());
        splash->tick();
        QVERIFY(rig.state.splashClosed);
        QCOMPARE(rig.dialogs.count(), std::size_t(0));
    }

    void noLeavesTheSplashForTheNextTick()
    {
        Rig rig(u"20061001");
        rig.dialogs.setAnswer(platform::MessageAnswer::No);
        auto splash = splashFor(rig);
        splash->tick();
        rig.http.reply("0X99VA");
        QCOMPARE(rig.dialogs.count(), std::size_t(1));
        QVERIFY(!rig.state.splashClosed);
        splash->tick();
        QVERIFY(rig.state.splashClosed);
        QVERIFY(rig.browser.opened().empty());
    }

    void closingBeforeTheReplyIsHarmless()
    {
        Rig rig(u"20061001");
        auto splash = splashFor(rig);
        splash->tick();
        splash->close();
        QVERIFY(rig.state.splashClosed);
        splash.reset();
        rig.http.reply("no news");  // answered after the window is gone
        QVERIFY(rig.state.splashClosed);
        QCOMPARE(rig.dialogs.count(), std::size_t(0));
    }

    // The whole road over a real socket: local server, Qt HTTP client, the
    // checker and the splash's ticks.
    void realServerReplies_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("asked");
        QTest::newRow("marker present") << 0 << true;
        QTest::newRow("marker absent") << 1 << false;
        QTest::newRow("lower-case marker") << 2 << false;
        QTest::newRow("connection refused") << 3 << false;
        QTest::newRow("server never answers") << 4 << false;
        QTest::newRow("marker beyond 64 KiB") << 5 << false;
    }

    void realServerReplies()
    {
        QFETCH(int, kind);
        QFETCH(bool, asked);
        fakes::LocalHttpServer server;
        QVERIFY(server.listening());
        QString base = server.base();
        switch (kind) {
            case 0:
                server.setReply("<html><body>0X99VA</body></html>");
                break;
            case 1:
                server.setReply("<html><body>up to date</body></html>");
                break;
            case 2:
                server.setReply("<html><body>0x99va</body></html>");
                break;
            case 3: {
                QTcpServer probe;
                probe.listen(QHostAddress::LocalHost, 0);
                base = QStringLiteral("http://127.0.0.1:%1").arg(probe.serverPort());
                break;  // the port closes with the probe
            }
            case 4:
                server.setBehaviour(fakes::LocalHttpServer::Behaviour::NeverAnswer);
                break;
            default:
                server.setReply(QByteArray(70 * 1024, 'x') + "0X99VA");
                break;
        }

        core::SharedState state;
        state.interfaceLanguage = 1;
        state.webQuery = u"?v=2007&l=1";
        state.lastUpdateCheck = u"20061001";
        core::loadMessages(state);
        platform::QtHttpClient http;
        fakes::FakeDialogs dialogs;
        dialogs.setAnswer(platform::MessageAnswer::Yes);
        fakes::FakeBrowser browser;
        fakes::FakeScreen screen;
        fakes::FakeSystemInfo system;
        shell::UpdateChecker checker(state, http, dialogs, browser, platform::toU16(base));
        checker.setTimeout(std::chrono::milliseconds(500));
        shell::SplashWindow splash(state, screen, system, checker);
        splash.splashTimer().stop();
        splash.show();

        splash.tick();
        QTRY_VERIFY_WITH_TIMEOUT(splash.updateChecked(), 15000);
        QCOMPARE(dialogs.count(), asked ? std::size_t(1) : std::size_t(0));
        if (asked) {
            QVERIFY(state.splashClosed);
            QCOMPARE(browser.opened().size(), std::size_t(1));
            QVERIFY(browser.opened()[0] ==
                    platform::toU16(base) + u"/quillet/newversion.asp?v=2007&l=1");
        } else {
            QVERIFY(!state.splashClosed);
            splash.tick();
            QVERIFY(state.splashClosed);
            QVERIFY(browser.opened().empty());
        }
        if (kind != 3)
            QCOMPARE(server.requests().value(0), QByteArray("/quillet/version.asp?v=2007&l=1"));
    }
};

QTEST_MAIN(SplashWindowTest)
#include "SplashWindowTest.moc"
