// The whole program on fake platform services, in a fresh installation
// folder holding the small test dictionaries (see support/TestDictionary.h):
// the start-up sequence, the splash with its daily update check and the
// program's end; the main bar's result line, the details window and the
// search box; the toolbar's commands: window mode, the editor, the modal
// dictionary chooser, the interface language and the web pages.

#include "BuildConfig.h"
#include "core/InterfaceTexts.h"
#include "dictionary/ui/DictionaryChooser.h"
#include "dictionary/ui/UserDictionaryEditor.h"
#include "fakes/FakeBrowser.h"
#include "fakes/FakeClipboard.h"
#include "fakes/FakeDialogs.h"
#include "fakes/FakeHttpClient.h"
#include "fakes/FakeScreen.h"
#include "fakes/FakeSpeech.h"
#include "fakes/FakeSystemInfo.h"
#include "platform/qt/QtText.h"
#include "shell/Application.h"
#include "shell/DetailsWindow.h"
#include "shell/MainWindow.h"
#include "shell/SingleInstance.h"
#include "shell/SplashWindow.h"
#include "shell/ToolbarWindow.h"
#include "shell/WindowLayering.h"
#include "support/TempFolder.h"
#include "support/TestDictionary.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>

#include <tuple>

using namespace quillet;
namespace fs = std::filesystem;

namespace {

struct ProgramRig
{
    testsupport::TempFolder folder;
    const std::string home = (folder / "home").string();
    core::SharedState state;
    fakes::FakeClipboard clipboard;
    fakes::FakeDialogs dialogs;
    fakes::FakeBrowser browser;
    fakes::FakeHttpClient http;
    fakes::FakeSpeech speech;
    fakes::FakeScreen screen;
    fakes::FakeSystemInfo system;
    int chooserCalls = 0;
    std::unique_ptr<shell::Application> app;

    // The first-run chooser answers English.
    ProgramRig()
    {
        testsupport::writeInstallation(folder.path());
        system.folder = folder.appFolder();
        app = std::make_unique<shell::Application>(
            state,
            shell::PlatformServices{clipboard, dialogs, browser, http, speech, screen, system},
            [this](core::SharedState& chosen) {
                ++chooserCalls;
                chosen.interfaceLanguage = 1;
            });
        // Whatever the folder choice does, never the tester's own home.
        app->setFolderRules(
            [this](const char* name) {
                return name == std::string_view("HOME") ? home.c_str() : nullptr;
            },
            core::folderWritable);
    }

    // Lines: top, left, mode, "0", dictionary, language, last update check.
    void writeSettings(int mode, int language, const std::string& lastCheck = "20070315",
                       const std::string& topLeft = "0\r\n0")
    {
        testsupport::writeTextFile(folder / "quillet.cfg",
                                   topLeft + "\r\n" + std::to_string(mode) + "\r\n0\r\n0\r\n" +
                                       std::to_string(language) + "\r\n" + lastCheck + "\r\n");
    }
    std::string settings() const { return testsupport::readFile(folder / "quillet.cfg"); }

    // Starts with the update check not due today and closes the splash.
    void start(int mode, int language)
    {
        writeSettings(mode, language);
        QVERIFY(app->startUp());
        app->splashWindow()->tick();
        app->splashWindow()->tick();
        QVERIFY(state.splashClosed);
    }

    shell::MainWindow* bar() const { return app->mainWindow(); }
    QLineEdit* traduz() const { return bar()->findChild<QLineEdit*>(u"traduz"_qs); }
    QToolButton* barButton(const char* name) const
    {
        return bar()->findChild<QToolButton*>(QLatin1String(name));
    }
};

}  // namespace

class ProgramTest : public QObject
{
    Q_OBJECT
    std::unique_ptr<ProgramRig> m_rig;
    const std::u16string m_site = u"https://" + std::u16string(build::webHost);

    shell::MainWindow* bar() const { return m_rig->bar(); }
    shell::ToolbarWindow* toolbar() const { return m_rig->app->toolbar(); }
    dictionary::ui::DictionaryChooser* chooser() const { return m_rig->app->dictionaryChooser(); }
    QComboBox* chooserList() const { return chooser()->findChild<QComboBox*>(u"cmbDicionario"_qs); }
    void openToolbar() const { QTest::mouseClick(m_rig->barButton("cmdOptions"), Qt::LeftButton); }
    void click(int index) const { QTest::mouseClick(toolbar()->cmdTool(index), Qt::LeftButton); }
    bool buttonShows(int index, int element) const
    {
        return toolbar()->cmdTool(index)->icon().cacheKey() ==
               toolbar()->picButton(element).cacheKey();
    }
    QPoint underToolbar() const
    {
        return {toolbar()->frameGeometry().left(), toolbar()->frameGeometry().bottom() + 1};
    }
    // Runs `whileOpen` once the modal chooser is up; a chooser left open
    // would hang the run.
    void openChooser(std::function<void()> whileOpen)
    {
        QTimer::singleShot(0, this, whileOpen);
        QTimer::singleShot(5000, chooser(), [c = chooser()] { c->reject(); });
        click(1);
    }

private slots:
    void init() { m_rig = std::make_unique<ProgramRig>(); }
    void cleanup() { m_rig.reset(); }

    // The language is asked before any window shows; nothing is written
    // until the bar closes, and then the program ends.
    void firstRunUntilTheBarCloses()
    {
        ProgramRig& r = *m_rig;
        QVERIFY(r.app->startUp());
        QCOMPARE(r.chooserCalls, 1);
        QCOMPARE(r.bar()->windowTitle(), u"Quillet 2007 - English-Portuguese"_qs);
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
        ProgramRig& r = *m_rig;
        // Kept within 27% of the fake screen's width, 346, then on the 800
        // pixels of the real one.
        r.writeSettings(0, 0, "20070315", "120\r\n700");
        r.clipboard.copyFromOutside(u"house");
        QVERIFY(r.app->startUp());
        QCOMPARE(r.chooserCalls, 0);
        QVERIFY(r.clipboard.text().empty());
        QCOMPARE(r.bar()->pos().y(), 120);
        QTRY_COMPARE(r.bar()->frameGeometry().right(), r.bar()->screen()->geometry().right());
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
        // Not moved by the user, the bar keeps its saved place.
        r.bar()->close();
        QVERIFY(r.settings().starts_with("120\r\n700\r\n"));
    }

    // One critical box, the bar never on top of it, the program ended and the
    // settings file left as it was.
    void aBrokenInstallationShowsOneBoxAndEnds()
    {
        // Files spoilt, the interface language, the box's title, the bar shown.
        const std::tuple<std::vector<std::string>, int, std::u16string, bool> rows[] = {
            {{"quillete.htm"}, 1, u"Warning!", false},
            {{"quillet.htm", "quillete.htm"}, 0, u"Atenção!", false},
            {{"dictionaries.cfg"}, 0, u"Atenção!", false},
            // A folder in the main file's place cannot be opened as one.
            {{"engpor.qlc"}, 1, u"Error A07QL - Quillet!", true},
        };
        for (const auto& [spoilt, language, title, barShown] : rows) {
            m_rig = std::make_unique<ProgramRig>();
            ProgramRig& r = *m_rig;
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

    // A due check asks once and keeps the date before the reply, so a failed
    // check is not repeated today; while the reply is awaited the splash
    // stays, and the next tick closes it. A new version is offered: Yes opens
    // the download page and closes the splash at once.
    void aDueCheckAsksOnceAndOffersANewVersion()
    {
        const std::u16string page = m_site + u"/quillet/newversion.asp?v=200710&l=1";
        // The reply (none: the request fails), the answer, the pages opened.
        const std::tuple<std::string, platform::MessageAnswer, std::vector<std::u16string>> rows[] =
            {{"", platform::MessageAnswer::Yes, {}},
             {"<p>0X99VA</p>", platform::MessageAnswer::No, {}},
             {"<p>0X99VA</p>", platform::MessageAnswer::Yes, {page}}};
        for (const auto& [reply, answer, opened] : rows) {
            m_rig = std::make_unique<ProgramRig>();
            ProgramRig& r = *m_rig;
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

    // An installed program built without a web site, in a fresh home: nothing
    // goes to the network, help is the local page and the user's page is off;
    // the settings' folder is made private and nothing goes to the program's
    // folders.
    void anInstalledProgramWithoutAWebSite()
    {
        ProgramRig& r = *m_rig;
        const fs::path usr = r.folder / "usr", share = usr / "share/quillet/", home = r.home;
        for (const fs::path& folder : {share, usr / "bin"}) fs::create_directories(folder);
        r.system.folder = (usr / "bin/").u16string();
        testsupport::writeInstallation(share);
        for (const char* file : {"engpor.dcu", "engpor.dtu"}) fs::remove(share / file);
        const auto count = [&] { return std::distance(fs::recursive_directory_iterator(usr), {}); };
        const auto before = count();
        r.state.webHost.clear();
        QVERIFY(r.app->startUp());
        for (int tick = 0; tick < 2; ++tick) r.app->splashWindow()->tick();
        QVERIFY(r.state.splashClosed && r.http.addresses.empty());
        for (const char16_t* page : {u"quillete.htm", u"quillet.htm"}) {
            toolbar()->cmdToolClick(shell::ToolbarWindow::Help);
            // The test folder's "á" travels percent-encoded, as in any URL.
            std::u16string expected = u"file://" + share.u16string() + page;
            expected.replace(expected.find(u'\u00E1'), 1, u"%C3%A1");
            QCOMPARE(r.browser.opened.back(), expected);
            // Not the site's tooltip with the site's name left out.
            core::SharedState withSite = r.state;
            withSite.webHost = u"#";
            const auto siteTip = core::interfaceText(withSite, u"frmTools", u"cmdTool", 5);
            QVERIFY(!toolbar()->cmdTool(5)->isEnabled());
            QVERIFY(toolbar()->cmdTool(5)->toolTip() != platform::toQString(siteTip).remove(u'#'));
            toolbar()->cmdToolClick(shell::ToolbarWindow::Language);
        }
        // Without a browser the user is told so instead of nothing happening.
        r.browser.browserFound = false;
        toolbar()->cmdToolClick(shell::ToolbarWindow::Help);
        QCOMPARE(r.dialogs.shown.size(), 1u);
        QVERIFY(
            r.dialogs.shown[0].text.starts_with(u"No web browser could be opened to show file://"));
        bar()->close();
        QCOMPARE(fs::status(home / ".config").permissions() & fs::perms::all, fs::perms::owner_all);
        QCOMPARE(count(), before);
    }

    // The user's own folder, files and catalogue are extras: one that cannot
    // be used is named with the reason, and the installed dictionary works.
    void unusableUserFilesAreNamedAndTheDictionaryStillWorks()
    {
        using Spoil = std::function<void(const fs::path& data)>;
        const std::tuple<Spoil, std::u16string> rows[] = {
            {[](const fs::path& data) { fs::permissions(data, fs::perms::all); },
             u"quillet/ cannot be used: it belongs to another user or other users can write"},
            {[](const fs::path& data) {
                 // A link to itself: the folder and every file in it fail.
                 fs::remove_all(data.parent_path());
                 fs::create_symlink(data.parent_path(), data.parent_path());
             },
             u"quillet/ cannot be used: it cannot be created or read"},
            {[](const fs::path& data) { fs::create_directory(data / "engpor.dcu"); },
             u"engpor.dcu cannot be used: it is not a regular file"},
            {[](const fs::path& data) {
                 testsupport::writeTextFile(data / "engpor.dtu", "");
                 fs::resize_file(data / "engpor.dtu", std::uintmax_t{1} << 40);
             },
             u"engpor.dtu cannot be used: it is too large"},
            {[](const fs::path& data) {
                 testsupport::writeTextFile(data / "dictionaries.cfg", "no usable line\n");
             },
             u"dictionaries.cfg has no usable line"}};
        for (const auto& [spoil, named] : rows) {
            m_rig = std::make_unique<ProgramRig>();
            ProgramRig& r = *m_rig;
            const fs::path usr = r.folder / "usr", data = fs::path(r.home) / ".local/share/quillet";
            for (const fs::path& folder : {usr / "bin", usr / "share/quillet", data})
                fs::create_directories(folder);
            r.system.folder = (usr / "bin/").u16string();
            testsupport::writeInstallation(usr / "share/quillet");
            spoil(data);
            r.state.webHost.clear();  // no update check holds the splash
            QVERIFY(r.app->startUp());
            QCOMPARE(r.dialogs.shown.size(), 1u);
            QVERIFY2(r.dialogs.shown[0].text.find(named) != std::u16string::npos,
                     qPrintable(platform::toQString(r.dialogs.shown[0].text)));
            for (int tick = 0; tick < 2; ++tick) r.app->splashWindow()->tick();
            r.clipboard.copyFromOutside(u"house");
            QCOMPARE(r.traduz()->text(), u"house -> casa, lar"_qs);
        }
    }

    void aCopiedWordFillsTheBarAndTheDetails()
    {
        ProgramRig& r = *m_rig;
        r.start(1, 1);
        QCOMPARE(r.bar()->width(), 530);  // 2 x 375 + 6950 + 250 twips at 15 a pixel
        r.clipboard.copyFromOutside(u"Houses");
        QCOMPARE(r.traduz()->text(), u" ? houses (! house ) -> casa, lar"_qs);
        QCOMPARE(r.traduz()->width(), 433);  // 6500 twips: room for the details button
        QCOMPARE(r.bar()->cursor().shape(), Qt::ArrowCursor);
        QVERIFY(r.bar()->clipboardTimer().isActive());

        QTest::mouseClick(r.barButton("cmdDetalhes"), Qt::LeftButton);
        shell::DetailsWindow* details = r.app->detailsWindow();
        QVERIFY(details->isVisible());
        QVERIFY(shell::isTopmost(*details));
        QCOMPARE(details->frameGeometry().top(), r.bar()->frameGeometry().bottom() + 1);
        QCOMPARE(details->frameGeometry().width(), r.bar()->frameGeometry().width());
        for (const QWidget* window :
             std::initializer_list<const QWidget*>{r.bar(), details, r.app->toolbar()})
            QVERIFY(window->minimumSize() == window->maximumSize() &&
                    !window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        auto* note = details->findChild<QLabel*>(u"lblDetalhes"_qs);
        QCOMPARE(note->text(), u"house (n.): casa; (v.) alojar"_qs);
        QVERIFY(note->wordWrap());

        // The word as captured is spoken; an engine error shows one box.
        r.speech.failLater = true;
        QTest::mouseClick(details->findChild<QToolButton*>(u"cmdDetalhes0"_qs), Qt::LeftButton);
        QCOMPARE(r.speech.spoken, std::vector<std::u16string>{u"houses"});
        r.speech.reportEngineError();
        QCOMPARE(r.dialogs.shown.size(), 1u);
        QVERIFY(r.dialogs.shown.back().icon == platform::MessageIcon::Critical);

        // Closed, it is only hidden and still follows the translations.
        QVERIFY(!details->close());
        QVERIFY(!details->isVisible());
        r.clipboard.copyFromOutside(u"word");
        QCOMPARE(note->text(), u"word (n.): palavra, termo"_qs);
    }

    // Enter and the search button translate the box's text, even the word
    // translated last; a click or the keyboard focus selects the whole line.
    // A line wider than the box shows its start, unselected, and is offered
    // whole as the box's tooltip, as is a cut further form in the details
    // window, whose caption is blank.
    void theSearchBoxSubmitsSelectsAndShowsLongLinesFromTheirStart()
    {
        ProgramRig& r = *m_rig;
        const std::u16string many =
            u"ato, ação, façanha, feito, obra, auto, escritura, instrumento, "
            u"agir, obrar, proceder, funcionar como ator, atuar";
        testsupport::writePlainDictionary(
            r.folder.path(), "engpor",
            {{{u"act", many}, {u"cat", u"gato"}, {u"word", u"palavra"}}});
        r.start(1, 1);
        r.clipboard.copyFromOutside(u"cat");
        r.traduz()->setText(u"cat"_qs);
        QTest::keyClick(r.traduz(), Qt::Key_Return);
        QCOMPARE(r.traduz()->text(), u"cat -> gato"_qs);
        r.traduz()->setText(u"Word"_qs);
        QTest::mouseClick(r.barButton("cmdGo"), Qt::LeftButton);
        QCOMPARE(r.traduz()->text(), u"word -> palavra"_qs);

        r.bar()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(r.bar()));
        QTest::mouseClick(r.traduz(), Qt::LeftButton, {}, QPoint(20, 5));
        QCOMPARE(r.traduz()->selectedText(), r.traduz()->text());
        QCOMPARE(r.traduz()->cursorPosition(), 0);
        r.barButton("cmdGo")->setFocus();
        r.traduz()->deselect();
        r.bar()->focusSearchBox();
        QCOMPARE(r.traduz()->selectedText(), r.traduz()->text());

        for (const auto& [copied, cut] :
             {std::pair{u"acts", true}, {u"cat", false}, {u"act", true}}) {
            r.clipboard.copyFromOutside(copied);
            QVERIFY(r.traduz()->cursorPosition() == 0 && !r.traduz()->hasSelectedText());
            QCOMPARE(r.traduz()->toolTip(), cut ? r.traduz()->text() : QString());
        }
        r.bar()->showIdleLook();
        r.bar()->setSearchBoxWidth(1500);  // too narrow for the prompt, which has no tooltip
        QCOMPARE(r.traduz()->toolTip(), QString());

        shell::DetailsWindow* details = r.app->detailsWindow();
        QVERIFY(!details->windowTitle().isEmpty() && details->windowTitle().trimmed().isEmpty());
        details->setPossibilityTranslation(0, many);
        QCOMPARE(details->findChild<QLabel*>(u"lblDefinicao0"_qs)->toolTip(),
                 QString::fromStdU16String(many));
    }

    // In a normal window the toolbar and the details window are ordinary
    // windows too, only one of them is open at a time, and tooltips show over
    // a window that is not the active one: the bar, the toolbar, which never
    // takes the focus, and the details window.
    void companionsOpenOneAtATimeAndShowTooltipsWhenInactive()
    {
        ProgramRig& r = *m_rig;
        r.start(0, 1);
        QWidget* details = r.app->detailsWindow();
        r.clipboard.copyFromOutside(u"house");
        openToolbar();
        QTest::mouseClick(r.barButton("cmdDetalhes"), Qt::LeftButton);
        QVERIFY(details->isVisible() && !toolbar()->isVisible());
        QVERIFY(!shell::isTopmost(*details));
        openToolbar();
        QVERIFY(toolbar()->isVisible() && !details->isVisible());
        openToolbar();
        QVERIFY(!toolbar()->isVisible());

        // The bar's button that opens a companion, the active window, the widget hovered.
        const std::tuple<const char*, QWidget*, QWidget*> rows[] = {
            {"cmdDetalhes", r.bar(), details->findChild<QToolButton*>(u"cmdDetalhes0"_qs)},
            {"cmdDetalhes", details, r.barButton("cmdGo")},
            {"cmdOptions", r.bar(), r.app->toolbar()->cmdTool(0)}};
        for (const auto& [opener, active, hovered] : rows) {
            QTest::mouseClick(r.barButton(opener), Qt::LeftButton);
            active->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(active));
            QToolTip::hideText();
            QTest::mouseMove(hovered);
            QTRY_COMPARE(QToolTip::text(), hovered->toolTip());
        }
    }
    // Toggled twice, every layer and picture is back; a stored 5 counts as
    // on top, and a toggle from it makes it 0.
    void modeToggledTwiceReturnsEveryLayerAndPicture()
    {
        for (const int mode : {0, 1, 5}) {
            m_rig = std::make_unique<ProgramRig>();
            m_rig->start(mode, 1);
            openToolbar();
            for (const bool onTop : {mode != 0, mode == 0, mode != 0}) {
                QCOMPARE(shell::isTopmost(*bar()), onTop);
                QCOMPARE(shell::isTopmost(*toolbar()), onTop);
                QVERIFY(buttonShows(0, onTop ? shell::ToolbarWindow::kPictureOnTop
                                             : shell::ToolbarWindow::kPictureNormal));
                QVERIFY(bar()->isVisible() && toolbar()->isVisible());
                click(0);
            }
            bar()->close();
            QCOMPARE(m_rig->settings(), mode == 0 ? "0\r\n0\r\n1\r\n0\r\n0\r\n1\r\n20070315\r\n"
                                                  : "0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n20070315\r\n");
        }
    }

    // A second start with the same settings file brings the running bar
    // forward, restored and layered by its mode, and is told to end; one
    // with a settings file of its own runs beside it.
    void aSecondStartBringsTheRunningBarForward()
    {
        for (const int mode : {0, 1}) {
            m_rig = std::make_unique<ProgramRig>();
            ProgramRig& r = *m_rig;
            r.start(mode, 1);
            const QString runtime = QString::fromStdString(r.folder.path().string());
            const auto startAgain = [&](const char* settings) {
                return shell::SingleInstance(r.folder / settings, runtime).claim([] {
                    QFAIL("a later start was asked to come forward");
                });
            };
            shell::SingleInstance running(r.app->settingsFile(), runtime);
            QVERIFY(running.claim([&] { r.app->bringForward(); }));
            bar()->showMinimized();
            shell::setTopmost(*bar(), mode == 0);
            QVERIFY(!startAgain("quillet.cfg"));
            QTRY_VERIFY(!bar()->isMinimized());
            QVERIFY(bar()->isVisible());
            QCOMPARE(shell::isTopmost(*bar()), mode != 0);
            QVERIFY(startAgain("elsewhere/quillet.cfg"));
        }
    }

    // Low on the screen the toolbar still fits under the bar, the editor
    // only above the two, clear of the bar. The toolbar's frame is known
    // once it has been shown.
    void theEditorOpensAboveALowBarAndUnwritableSettingsAreReported()
    {
        m_rig->start(1, 1);
        openToolbar();
        openToolbar();
        const int bottom = bar()->screen()->availableGeometry().bottom();
        bar()->move(
            0, bottom + 1 - bar()->frameGeometry().height() - toolbar()->frameGeometry().height());
        openToolbar();
        QCOMPARE(toolbar()->frameGeometry().bottom(), bottom);
        click(3);
        QCOMPARE(m_rig->app->userDictionaryEditor()->frameGeometry().bottom(),
                 bar()->frameGeometry().top() - 1);

        // A folder in the settings file's place cannot be written as a file:
        // reported, and the program still ends.
        fs::remove(m_rig->folder / "quillet.cfg");
        fs::create_directory(m_rig->folder / "quillet.cfg");
        bar()->close();
        QCOMPARE(m_rig->dialogs.shown.size(), 1u);
        QVERIFY(m_rig->dialogs.shown.back().icon == platform::MessageIcon::Critical);
        QVERIFY(
            m_rig->dialogs.shown.back().text.ends_with(u"quillet.cfg: it is not a regular file"));
        QCOMPARE(m_rig->system.quitCount, 1);
    }

    // The editor opens beside the running program and the close box only
    // hides the toolbar. While the chooser is open no copy is translated; OK
    // switches the dictionary and the watch comes back. Closing the bar
    // meanwhile ends the program and takes every window away.
    void theEditorAndTheChooser()
    {
        m_rig->start(1, 1);
        openToolbar();
        click(3);
        QWidget* editor = m_rig->app->userDictionaryEditor();
        QVERIFY(editor->isVisible());
        QCOMPARE(editor->frameGeometry().topLeft(), underToolbar());
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        toolbar()->close();
        openToolbar();
        QVERIFY(toolbar()->isVisible());

        bool modalUnderToolbar = false;
        QString lineWhileOpen;
        openChooser([&] {
            modalUnderToolbar = QApplication::activeModalWidget() == chooser() &&
                                chooser()->frameGeometry().topLeft() == underToolbar();
            m_rig->clipboard.copyFromOutside(u"cat");
            bar()->tick();
            lineWhileOpen = m_rig->traduz()->text();
            chooserList()->setCurrentIndex(1);
            chooser()->findChild<QPushButton*>(u"cmdOk"_qs)->click();
        });
        QVERIFY(modalUnderToolbar);
        QVERIFY(!lineWhileOpen.contains(u"gato"_qs));
        QVERIFY(bar()->clipboardTimer().isActive());
        QCOMPARE(bar()->windowTitle(), u"Quillet 2007 - Portuguese-English"_qs);
        // This dictionary offers no pronunciation.
        QVERIFY(
            !m_rig->app->detailsWindow()->findChild<QToolButton*>(u"cmdDetalhes0"_qs)->isEnabled());
        m_rig->clipboard.copyFromOutside(u"gato");
        QCOMPARE(m_rig->traduz()->text(), u"gato -> cat"_qs);

        openChooser([&] { bar()->close(); });
        QCOMPARE(m_rig->system.quitCount, 1);
        QVERIFY(!bar()->clipboardTimer().isActive());
        QVERIFY(!toolbar()->isVisible() && !editor->isVisible() && !chooser()->isVisible());
        QCOMPARE(m_rig->settings(), "0\r\n0\r\n1\r\n0\r\n1\r\n1\r\n20070315\r\n");
    }

    // Every window takes the other language's texts and the chooser the
    // dictionaries' names in it; the pages keep the query of the start.
    void theLanguageSwitchRetextsEveryWindow()
    {
        m_rig->start(1, 1);
        openToolbar();
        const QString prompt = m_rig->traduz()->text();
        m_rig->clipboard.copyFromOutside(u"house");
        const auto texts = [this] {
            return QStringList{
                bar()->windowTitle(),
                toolbar()->windowTitle(),
                toolbar()->cmdTool(4)->toolTip(),
                chooser()->windowTitle(),
                chooserList()->itemText(0),
                chooser()->findChild<QLabel*>(u"lblDic"_qs)->text(),
                m_rig->app->detailsWindow()->findChild<QLabel*>(u"lblDet"_qs)->text()};
        };
        const QStringList english = texts();
        m_rig->barButton("cmdGo")->setFocus();

        click(2);
        QVERIFY(buttonShows(2, shell::ToolbarWindow::kPicturePortuguese));
        QCOMPARE(bar()->focusWidget(), m_rig->traduz());
        QVERIFY(m_rig->barButton("cmdDetalhes")->isHidden());
        const QStringList portuguese = texts();
        for (int i = 0; i < english.size(); ++i)
            QVERIFY2(portuguese[i] != english[i] && !portuguese[i].isEmpty(),
                     qPrintable(english[i]));
        QCOMPARE(toolbar()->cmdTool(4)->accessibleName(), portuguese[2]);
        QVERIFY(m_rig->traduz()->text() != prompt);
        click(4);
        QCOMPARE(m_rig->browser.opened.back(),
                 u"https://" + std::u16string(build::webHost) + u"/quillet/help.asp?v=200710&l=1");
        click(5);
        QVERIFY(m_rig->browser.opened.back().find(u"/quillet/userhome.asp?v=200710&l=1") !=
                std::u16string::npos);

        click(2);
        QVERIFY(buttonShows(2, shell::ToolbarWindow::kPictureEnglish));
        QCOMPARE(texts(), english);
        QCOMPARE(m_rig->traduz()->text(), prompt);

        // A catalogue spoilt since the start: the dictionary in use goes on,
        // and the switch back still names it.
        testsupport::writeTextFile(m_rig->folder / "dictionaries.cfg", "x|y|z|77|S|S\r\n");
        click(2);
        QCOMPARE(m_rig->dialogs.shown.size(), 0u);
        QCOMPARE(chooserList()->count(), 2);
        m_rig->clipboard.copyFromOutside(u"cat");
        QCOMPARE(m_rig->traduz()->text(), u"cat -> gato"_qs);
        click(2);
        QCOMPARE(texts(), english);
    }
};

QTEST_MAIN(ProgramTest)
#include "ProgramTest.moc"
