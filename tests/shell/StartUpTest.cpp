// The start-up sequence, the splash with its daily update check, and the
// program's end, on fake platform services and a real installation folder.

#include "BuildConfig.h"
#include "ProgramRig.h"
#include "shell/WindowLayering.h"

#include <QLabel>

using namespace quillet;
namespace fs = std::filesystem;

class StartUpTest : public QObject
{
    Q_OBJECT
    const std::u16string m_site = u"https://" + std::u16string(build::webHost);

private slots:
    // The language is asked before any window shows; nothing is written
    // until the bar closes, and then the program ends.
    void firstRunUntilTheBarCloses()
    {
        testing::ProgramRig r;
        QVERIFY(r.app->startUp());
        QCOMPARE(r.chooserCalls, 1);
        QCOMPARE(r.bar()->windowTitle(), u"Quillet 2007 - English-Portuguese"_qs);
        QCOMPARE(r.app->splashWindow()->findChild<QLabel*>(u"splashLabel2"_qs)->text(),
                 u"V. 3.1.0"_qs);
        QVERIFY(r.app->splashWindow()->isVisible() && r.bar()->isVisible());
        QVERIFY(!fs::exists(r.folder / "quillet.cfg"));

        r.bar()->move(100, 50);
        r.bar()->close();
        QCOMPARE(r.system.quitCount, 1);
        QVERIFY(!r.bar()->isVisible() && !r.app->splashWindow()->isVisible());
        QCOMPARE(r.settings(), "50\r\n100\r\n1\r\n0\r\n0\r\n1\r\n20061001\r\n");
        QCOMPARE(r.dialogs.shown.size(), 0u);
    }

    // Text copied before the start is dropped; text copied while the splash
    // is up is translated as soon as it closes. With the update check done
    // today the splash's own timer closes it without asking the network.
    void storedSettingsAndCopiesAroundTheSplash()
    {
        testing::ProgramRig r;
        r.writeSettings(0, 0, "20070315", "120\r\n40");
        r.clipboard.copyFromOutside(u"house");
        QVERIFY(r.app->startUp());
        QCOMPARE(r.chooserCalls, 0);
        QVERIFY(r.clipboard.text().empty());
        QCOMPARE(r.bar()->pos(), QPoint(40, 120));
        QCOMPARE(r.bar()->windowTitle(), u"Quillet 2007 - Inglês-Português"_qs);
        QCOMPARE(r.state.webQuery, u"?v=200710&l=0");

        const QString prompt = r.traduz()->text();
        r.clipboard.copyFromOutside(u"cat");
        QCOMPARE(r.traduz()->text(), prompt);
        shell::SplashWindow* splash = r.app->splashWindow();
        QCOMPARE(splash->geometry(), QRect((1280 - 402) / 2, (1024 - 240) / 2, 402, 240));
        QVERIFY(shell::isTopmost(*splash));
        r.bar()->clipboardTimer().stop();  // only the splash's closing may run the tick
        QTRY_COMPARE_WITH_TIMEOUT(r.traduz()->text(), u"cat -> gato"_qs, 10000);
        QVERIFY(!splash->isVisible());
        QCOMPARE(r.http.addresses.size(), 0u);
    }

    // One critical box, the bar never on top of it, the program ended and the
    // settings file left as it was.
    void aBrokenInstallationShowsOneBoxAndEnds()
    {
        const struct
        {
            std::vector<std::string> spoilt;
            int language;
            std::u16string title;
            bool barShown;
        } rows[] = {
            {{"quillete.htm"}, 1, u"Warning!", false},
            {{"quillet.htm", "quillete.htm"}, 0, u"Atenção!", false},
            {{"dictionaries.cfg"}, 0, u"Atenção!", false},
            // A folder in the main file's place cannot be opened as one.
            {{"engpor.qlc"}, 1, u"Error A07QL - Quillet!", true},
        };
        for (const auto& [spoilt, language, title, barShown] : rows) {
            testing::ProgramRig r;
            r.writeSettings(1, language);
            const std::string before = r.settings();
            for (const std::string& name : spoilt) fs::remove(r.folder / name);
            if (spoilt[0].ends_with(".qlc"))
                fs::create_directory(r.folder / spoilt[0]);
            bool shownAtReport = false, topmostAtReport = true;
            r.dialogs.onShow = [&] {
                shownAtReport = r.bar()->isVisible();
                topmostAtReport = shell::isTopmost(*r.bar());
            };

            QVERIFY(!r.app->startUp());
            QCOMPARE(r.dialogs.shown.size(), 1u);
            QCOMPARE(r.dialogs.shown.back().title, title);
            QVERIFY(r.dialogs.shown.back().icon == platform::MessageIcon::Critical);
            QCOMPARE(shownAtReport, barShown);
            QVERIFY(!topmostAtReport);
            QCOMPARE(r.system.quitCount, 1);
            QVERIFY(!r.app->splashWindow()->isVisible() && !r.bar()->isVisible());
            QCOMPARE(r.settings(), before);
        }
    }

    void settingsThatCannotBeWrittenAreReportedAndTheProgramStillEnds()
    {
        testing::ProgramRig r;
        r.start(1, 1);
        // A folder in the settings file's place cannot be written as a file.
        fs::remove(r.folder / "quillet.cfg");
        fs::create_directory(r.folder / "quillet.cfg");
        r.bar()->close();
        QCOMPARE(r.dialogs.shown.size(), 1u);
        QVERIFY(r.dialogs.shown.back().icon == platform::MessageIcon::Critical);
        QVERIFY(r.dialogs.shown.back().text.ends_with(u"quillet.cfg"));
        QCOMPARE(r.system.quitCount, 1);
    }

    // A due check asks once and keeps the date before the reply, so a failed
    // check is not repeated today; while the reply is awaited the splash
    // stays, and the next tick closes it. A new version is offered: Yes opens
    // the download page and closes the splash at once.
    void aDueCheckAsksOnceAndOffersANewVersion()
    {
        const std::u16string page = m_site + u"/quillet/newversion.asp?v=200710&l=1";
        const struct
        {
            std::string reply;  // none: the request fails
            platform::MessageAnswer answer;
            std::vector<std::u16string> opened;
        } rows[] = {{"", platform::MessageAnswer::Yes, {}},
                    {"<p>0X99VA</p>", platform::MessageAnswer::No, {}},
                    {"<p>0X99VA</p>", platform::MessageAnswer::Yes, {page}}};
        for (const auto& [reply, answer, opened] : rows) {
            testing::ProgramRig r;
            r.writeSettings(1, 1, "20070314");
            QVERIFY(r.app->startUp());
            r.dialogs.answer = answer;
            for (int tick = 0; tick < 3; ++tick) r.app->splashWindow()->tick();
            QCOMPARE(r.http.addresses,
                     std::vector<std::u16string>{m_site + u"/quillet/version.asp?v=200710&l=1"});
            QCOMPARE(r.state.lastUpdateCheck, u"20070315");
            reply.empty() ? r.http.fail() : r.http.reply(reply);
            QCOMPARE(r.dialogs.shown.size(), std::size_t(!reply.empty()));
            QVERIFY(reply.empty() || r.dialogs.shown[0].icon == platform::MessageIcon::Question);
            QCOMPARE(r.browser.opened, opened);
            QCOMPARE(r.state.splashClosed, !opened.empty());
            r.app->splashWindow()->tick();
            QVERIFY(r.state.splashClosed);
        }
    }
};

QTEST_MAIN(StartUpTest)
#include "StartUpTest.moc"
