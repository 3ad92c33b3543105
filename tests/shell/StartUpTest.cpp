// The start-up sequence and the program's end, on fake platform services and
// a real installation folder with a small dictionary.

#include "SmallDictionary.h"
#include "core/SharedState.h"
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
#include "shell/SplashWindow.h"
#include "shell/ToolbarWindow.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QWindow>

#include <filesystem>
#include <memory>

using namespace quillet;
namespace fs = std::filesystem;

class StartUpTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void firstRunAsksTheLanguageBeforeAnythingIsShown();
    void textCopiedBeforeTheStartIsNotTranslated();
    void storedSettingsPlaceAndLayerTheBar();
    void textCopiedWhileTheSplashIsOpenIsTranslatedWhenItCloses();
    void resultLineAndDetailsAfterRealLookups();
    void missingEnglishPageShowsOneBoxAndEnds();
    void bothPagesMissingShowOneBoxForThePortuguesePage();
    void missingCatalogueShowsOneBoxAndEnds();
    void unusableDictionaryFilesGiveTheCodedReport();
    void closingTheBarWritesTheSettingsAndEnds();
    void switchingTheDictionaryResetsTheBarAndIsSaved();
    void settingsThatCannotBeWrittenAreReportedAndTheProgramStillEnds();
    void userEntriesSurviveARestartAndWinOverTheDictionary();

private:
    fs::path folder() const { return fs::path(m_dir->path().toStdString()); }
    void writeSettings(const std::string& text)
    {
        testing::writeTextFile(folder() / "quillet.cfg", text);
    }
    bool start();
    QLineEdit* traduz() const
    {
        return m_app->mainWindow()->findChild<QLineEdit*>(QStringLiteral("traduz"));
    }
    void closeSplash();
    void makeApplication();

    std::unique_ptr<QTemporaryDir> m_dir;
    core::SharedState m_state;
    fakes::FakeClipboard m_clipboard;
    fakes::FakeDialogs m_dialogs;
    fakes::FakeBrowser m_browser;
    fakes::FakeHttpClient m_http;
    fakes::FakeSpeech m_speech;
    fakes::FakeScreen m_screen{1280, 1024};
    fakes::FakeSystemInfo m_system;
    int m_chooserCalls = 0;
    bool m_splashExistedAtChooser = false;
    std::unique_ptr<shell::Application> m_app;
};

void StartUpTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    testing::writeInstallation(folder());
    m_state = core::SharedState{};
    m_clipboard = fakes::FakeClipboard{};
    m_dialogs.forget();
    m_system = fakes::FakeSystemInfo{};
    m_system.setProgramFolder(platform::toU16(m_dir->path()) + u"/");
    m_system.setToday(u"20070315");
    m_chooserCalls = 0;
    m_splashExistedAtChooser = false;
    makeApplication();
}

void StartUpTest::makeApplication()
{
    m_app = std::make_unique<shell::Application>(
        m_state,
        shell::PlatformServices{m_clipboard, m_dialogs, m_browser, m_http, m_speech, m_screen,
                                m_system},
        [this](core::SharedState& state) {
            ++m_chooserCalls;
            m_splashExistedAtChooser = m_app->splashWindow() != nullptr;
            state.interfaceLanguage = 1;
        });
}

void StartUpTest::cleanup()
{
    m_app.reset();
    m_dir.reset();
}

bool StartUpTest::start()
{
    return m_app->startUp();
}

void StartUpTest::closeSplash()
{
    // The update check is not due today, so the second tick closes the splash.
    shell::SplashWindow* splash = m_app->splashWindow();
    splash->tick();
    splash->tick();
    QVERIFY(m_state.splashClosed);
}

void StartUpTest::firstRunAsksTheLanguageBeforeAnythingIsShown()
{
    QVERIFY(start());
    QCOMPARE(m_chooserCalls, 1);
    QVERIFY(!m_splashExistedAtChooser);
    // Defaults of a first run, in the chosen language.
    QCOMPARE(m_state.interfaceLanguage, 1);
    QCOMPARE(m_state.lastUpdateCheck, u"20061001");
    QCOMPARE(m_state.activeDictionary, 0);
    QCOMPARE(traduz()->text(),
             u"<Type the word to search here or select the word in text and press Ctrl+C>"_qs);
    QCOMPARE(m_app->mainWindow()->windowTitle(), u"Quillet 2007 - English-Portuguese"_qs);
    QCOMPARE(m_app->toolbar()->windowTitle(), u"Options"_qs);
    QCOMPARE(m_app->mainWindow()->findChild<QToolButton*>(QStringLiteral("cmdGo"))->toolTip(),
             u"Start search."_qs);
    QCOMPARE(m_state.webQuery, u"?v=200710&l=1");
    QCOMPARE(m_state.appFolder, platform::toU16(m_dir->path()) + u"/");

    auto* version = m_app->splashWindow()->findChild<QLabel*>(QStringLiteral("splashLabel2"));
    QVERIFY(version);
    QCOMPARE(version->text(), u"V. 3.1.0"_qs);
    QVERIFY(m_app->splashWindow()->isVisible());
    QVERIFY(!m_state.splashClosed);

    shell::MainWindow* bar = m_app->mainWindow();
    QVERIFY(bar->isVisible());
    QCOMPARE(bar->pos(), QPoint(0, 0));
    QVERIFY(bar->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(m_dialogs.count(), 0u);
    QCOMPARE(m_system.quitCount(), 0);
    // Nothing is written until the bar closes.
    QVERIFY(!fs::exists(folder() / "quillet.cfg"));
}

void StartUpTest::textCopiedBeforeTheStartIsNotTranslated()
{
    writeSettings("0\r\n0\r\n1\r\n0\r\n0\r\n1\r\n20070315\r\n");
    m_clipboard.copyFromOutside(u"house");
    QVERIFY(start());
    QCOMPARE(m_clipboard.clearCount(), 1);
    closeSplash();
    m_app->mainWindow()->tick();
    QTest::qWait(50);  // let the queued tick after the splash run
    QCOMPARE(traduz()->text(),
             u"<Type the word to search here or select the word in text and press Ctrl+C>"_qs);
}

void StartUpTest::storedSettingsPlaceAndLayerTheBar()
{
    // Top 120, left 40, normal window, Portuguese.
    writeSettings("120\r\n40\r\n0\r\n0\r\n0\r\n0\r\n20070315\r\n");
    QVERIFY(start());
    QCOMPARE(m_chooserCalls, 0);
    shell::MainWindow* bar = m_app->mainWindow();
    QCOMPARE(bar->pos(), QPoint(40, 120));
    QVERIFY(!bar->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(bar->windowTitle(), u"Quillet 2007 - Inglês-Português"_qs);
    QCOMPARE(traduz()->text(),
             u"<Digite a palavra para busca ou selecione no texto e pressione Ctrl+C>"_qs);
    QCOMPARE(m_state.webQuery, u"?v=200710&l=0");
}

void StartUpTest::textCopiedWhileTheSplashIsOpenIsTranslatedWhenItCloses()
{
    writeSettings("0\r\n0\r\n1\r\n0\r\n0\r\n1\r\n20070315\r\n");
    QVERIFY(start());
    m_clipboard.copyFromOutside(u"cat");
    m_app->mainWindow()->tick();
    QCOMPARE(traduz()->text(),
             u"<Type the word to search here or select the word in text and press Ctrl+C>"_qs);
    m_app->splashWindow()->tick();
    m_app->splashWindow()->tick();
    // Without waiting for the half-second tick.
    m_app->mainWindow()->clipboardTimer().stop();
    QTRY_COMPARE(traduz()->text(), u"cat -> gato"_qs);
}

void StartUpTest::resultLineAndDetailsAfterRealLookups()
{
    writeSettings("0\r\n0\r\n1\r\n0\r\n0\r\n1\r\n20070315\r\n");
    QVERIFY(start());
    closeSplash();
    m_clipboard.copyFromOutside(u"Houses");
    QCOMPARE(traduz()->text(), u" ? houses (! house ) -> casa, lar"_qs);
    shell::DetailsWindow* details = m_app->detailsWindow();
    QCOMPARE(details->findChild<QLabel*>(QStringLiteral("lblDetalhes"))->text(),
             u"house (n.): casa; (v.) alojar"_qs);
    QCOMPARE(details->findChild<QLabel*>(QStringLiteral("lblTermo0"))->text(), QString());

    auto* detailsButton =
        m_app->mainWindow()->findChild<QToolButton*>(QStringLiteral("cmdDetalhes"));
    QVERIFY(detailsButton->isVisibleTo(m_app->mainWindow()));
    QTest::mouseClick(detailsButton, Qt::LeftButton);
    QVERIFY(details->isVisible());

    // Speaking uses the word last captured.
    auto* speak = details->findChild<QToolButton*>(QStringLiteral("cmdDetalhes0"));
    QVERIFY(speak->isEnabled());
    QTest::mouseClick(speak, Qt::LeftButton);
    QCOMPARE(m_speech.spoken().size(), 1u);
    QCOMPARE(m_speech.spoken().back(), u"houses");

    m_clipboard.copyFromOutside(u"word");
    QCOMPARE(traduz()->text(), u"word -> palavra"_qs);
    QCOMPARE(details->findChild<QLabel*>(QStringLiteral("lblDetalhes"))->text(),
             u"word (n.): palavra, termo"_qs);

    m_clipboard.copyFromOutside(u"qwzx");
    QCOMPARE(traduz()->text(), u"qwzx -> Not found!"_qs);
    QVERIFY(details->findChild<QLabel*>(QStringLiteral("lblDetalhes"))->text().isEmpty());
    QVERIFY(detailsButton->isHidden());
}

void StartUpTest::missingEnglishPageShowsOneBoxAndEnds()
{
    writeSettings("0\r\n0\r\n1\r\n0\r\n0\r\n1\r\n20070315\r\n");
    const std::string before = testing::readTextFile(folder() / "quillet.cfg");
    fs::remove(folder() / "quillete.htm");
    QVERIFY(!start());
    QCOMPARE(m_dialogs.count(), 1u);
    QCOMPARE(m_dialogs.last().text, u"Error! Re-install Quillet 2007, please!");
    QCOMPARE(m_dialogs.last().title, u"Warning!");
    QVERIFY(m_dialogs.last().icon == platform::MessageIcon::Critical);
    QCOMPARE(m_system.quitCount(), 1);
    QVERIFY(m_app->splashWindow() == nullptr);
    QVERIFY(!m_app->mainWindow()->isVisible());
    QCOMPARE(testing::readTextFile(folder() / "quillet.cfg"), before);
}

void StartUpTest::bothPagesMissingShowOneBoxForThePortuguesePage()
{
    fs::remove(folder() / "quillet.htm");
    fs::remove(folder() / "quillete.htm");
    QVERIFY(!start());
    QCOMPARE(m_dialogs.count(), 1u);
    QCOMPARE(m_system.quitCount(), 1);
    QVERIFY(!fs::exists(folder() / "quillet.cfg"));
}

void StartUpTest::missingCatalogueShowsOneBoxAndEnds()
{
    writeSettings("0\r\n0\r\n1\r\n0\r\n0\r\n0\r\n20070315\r\n");
    const std::string before = testing::readTextFile(folder() / "quillet.cfg");
    fs::remove(folder() / "dictionaries.cfg");
    QVERIFY(!start());
    QCOMPARE(m_dialogs.count(), 1u);
    QCOMPARE(m_dialogs.last().text, u"Instalação incorreta, favor re-instalar o dicionário!");
    QCOMPARE(m_dialogs.last().title, u"Atenção!");
    QVERIFY(m_dialogs.last().icon == platform::MessageIcon::Critical);
    QCOMPARE(m_system.quitCount(), 1);
    QVERIFY(!m_app->mainWindow()->isVisible());
    QVERIFY(!m_app->splashWindow()->isVisible());
    QCOMPARE(testing::readTextFile(folder() / "quillet.cfg"), before);
}

void StartUpTest::unusableDictionaryFilesGiveTheCodedReport()
{
    writeSettings("0\r\n0\r\n1\r\n0\r\n0\r\n1\r\n20070315\r\n");
    // A folder where the main file should be cannot be opened as one.
    fs::remove(folder() / "engpor.qlc");
    fs::create_directory(folder() / "engpor.qlc");
    bool topmostAtReport = true;
    m_dialogs.setOnShow([&] {
        topmostAtReport =
            m_app->mainWindow()->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint);
    });
    QVERIFY(!start());
    QCOMPARE(m_dialogs.count(), 1u);
    QCOMPARE(m_dialogs.last().title, u"Error A07QL - Quillet!");
    const std::u16string expected = std::u16string(u"An error occur during operation!\n") +
                                    u"Operation cancelled, if the error persist\n" +
                                    u"note this code: A07QL and send an e-mail to \n" +
                                    m_state.messages[10];
    QCOMPARE(platform::toQString(m_dialogs.last().text), platform::toQString(expected));
    QVERIFY(!m_state.messages[10].empty());
    QVERIFY(m_dialogs.last().icon == platform::MessageIcon::Critical);
    QVERIFY(!topmostAtReport);
    QCOMPARE(m_system.quitCount(), 1);
    QCOMPARE(m_clipboard.clearCount(), 0);
    QVERIFY(!fs::exists(folder() / "engpor.dcu") || fs::is_regular_file(folder() / "engpor.dcu"));
    QCOMPARE(testing::readTextFile(folder() / "quillet.cfg"),
             std::string("0\r\n0\r\n1\r\n0\r\n0\r\n1\r\n20070315\r\n"));
}

void StartUpTest::closingTheBarWritesTheSettingsAndEnds()
{
    writeSettings("7\r\n9\r\n0\r\n55\r\n0\r\n1\r\n20070101\r\n");
    m_system.setToday(u"20070101");
    QVERIFY(start());
    shell::MainWindow* bar = m_app->mainWindow();
    QTest::mouseClick(bar->findChild<QToolButton*>(QStringLiteral("cmdOptions")), Qt::LeftButton);
    QVERIFY(m_app->toolbar()->isVisible());
    bar->move(100, 50);
    QCOMPARE(bar->pos(), QPoint(100, 50));
    bar->close();
    QCOMPARE(m_system.quitCount(), 1);
    QCOMPARE(testing::readTextFile(folder() / "quillet.cfg"),
             std::string("50\r\n100\r\n0\r\n0\r\n0\r\n1\r\n20070101\r\n"));
    QVERIFY(!m_app->toolbar()->isVisible());
    QVERIFY(!m_app->mainWindow()->isVisible());
}

void StartUpTest::switchingTheDictionaryResetsTheBarAndIsSaved()
{
    writeSettings("0\r\n0\r\n1\r\n0\r\n0\r\n1\r\n20070315\r\n");
    QVERIFY(start());
    closeSplash();
    m_clipboard.copyFromOutside(u"cat");
    QCOMPARE(traduz()->text(), u"cat -> gato"_qs);

    dictionary::ui::DictionaryChooser* chooser = m_app->dictionaryChooser();
    auto* list = chooser->findChild<QComboBox*>(QStringLiteral("cmbDicionario"));
    QVERIFY(list);
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->currentIndex(), 0);
    list->setCurrentIndex(1);
    chooser->confirm();

    QCOMPARE(m_state.activeDictionary, 1);
    QCOMPARE(m_app->mainWindow()->windowTitle(), u"Quillet 2007 - Portuguese-English"_qs);
    QCOMPARE(traduz()->text(),
             u"<Type the word to search here or select the word in text and press Ctrl+C>"_qs);
    QVERIFY(
        m_app->mainWindow()->findChild<QToolButton*>(QStringLiteral("cmdDetalhes"))->isHidden());
    auto* speak = m_app->detailsWindow()->findChild<QToolButton*>(QStringLiteral("cmdDetalhes0"));
    QVERIFY(!speak->isEnabled());

    m_clipboard.copyFromOutside(u"gato");
    QCOMPARE(traduz()->text(), u"gato -> cat"_qs);

    m_app->mainWindow()->close();
    const std::string saved = testing::readTextFile(folder() / "quillet.cfg");
    QCOMPARE(QString::fromStdString(saved).split(u"\r\n"_qs).value(4), u"1"_qs);
}

void StartUpTest::settingsThatCannotBeWrittenAreReportedAndTheProgramStillEnds()
{
    writeSettings("0\r\n0\r\n1\r\n0\r\n0\r\n1\r\n20070315\r\n");
    QVERIFY(start());
    // A folder in the settings file's place cannot be written as a file.
    fs::remove(folder() / "quillet.cfg");
    fs::create_directory(folder() / "quillet.cfg");
    m_app->mainWindow()->close();
    QCOMPARE(m_dialogs.count(), 1u);
    const QString text = platform::toQString(m_dialogs.last().text);
    QVERIFY2(text.startsWith(u"Could not save the settings to "_qs), qPrintable(text));
    QVERIFY2(text.endsWith(u"quillet.cfg"_qs), qPrintable(text));
    QCOMPARE(m_system.quitCount(), 1);
}

void StartUpTest::userEntriesSurviveARestartAndWinOverTheDictionary()
{
    writeSettings("0\r\n0\r\n1\r\n0\r\n0\r\n1\r\n20070315\r\n");
    QVERIFY(start());
    closeSplash();
    m_clipboard.copyFromOutside(u"cat");
    QCOMPARE(traduz()->text(), u"cat -> gato"_qs);

    // The user's own translation and note, entered through the toolbar's editor.
    QTest::mouseClick(m_app->mainWindow()->findChild<QToolButton*>(QStringLiteral("cmdOptions")),
                      Qt::LeftButton);
    m_app->toolbar()->cmdToolClick(3);
    dictionary::ui::UserDictionaryEditor* editor = m_app->userDictionaryEditor();
    QVERIFY(editor->isVisible());
    auto* word = editor->findChild<QLineEdit*>(QStringLiteral("txtPalavra"));
    auto* translation = editor->findChild<QLineEdit*>(QStringLiteral("txtTraducao"));
    auto* note = editor->findChild<QPlainTextEdit*>(QStringLiteral("txtDetalhe"));
    auto* addSave = editor->findChild<QPushButton*>(QStringLiteral("cmdInclui"));
    QVERIFY(word && translation && note && addSave);
    word->setText(u"Cat"_qs);
    addSave->click();
    QCOMPARE(translation->text(), u"gato"_qs);
    translation->setText(u"felino"_qs);
    note->setPlainText(u"cat: my own note"_qs);
    addSave->click();
    QCOMPARE(m_dialogs.count(), 0u);
    m_app->mainWindow()->close();
    QCOMPARE(m_system.quitCount(), 1);

    // A new run of the program on the same folder.
    m_app.reset();
    m_state = core::SharedState{};
    m_clipboard = fakes::FakeClipboard{};
    makeApplication();
    QVERIFY(start());
    QCOMPARE(m_chooserCalls, 0);
    closeSplash();
    m_clipboard.copyFromOutside(u"cat");
    QCOMPARE(traduz()->text(), u"cat -> felino"_qs);
    QCOMPARE(m_app->detailsWindow()->findChild<QLabel*>(QStringLiteral("lblDetalhes"))->text(),
             u"cat: my own note"_qs);
    // Words the user did not touch still come from the dictionary.
    m_clipboard.copyFromOutside(u"word");
    QCOMPARE(traduz()->text(), u"word -> palavra"_qs);
}

QTEST_MAIN(StartUpTest)
#include "StartUpTest.moc"
