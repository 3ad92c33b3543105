// The start-up sequence and the program's end, on fake platform services and
// a real installation folder with a small dictionary.

#include "ProgramRig.h"
#include "dictionary/ui/UserDictionaryEditor.h"
#include "platform/qt/QtText.h"
#include "shell/DetailsWindow.h"
#include "shell/ToolbarWindow.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWindow>

using namespace quillet;
using testing::kEnglishPrompt;
namespace fs = std::filesystem;

class StartUpTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_rig = std::make_unique<testing::ProgramRig>(); }
    void cleanup() { m_rig.reset(); }

    void firstRunAsksTheLanguageBeforeAnythingIsShown();
    void storedSettingsPlaceTheBarAndEarlierCopiesAreIgnored();
    void textCopiedWhileTheSplashIsOpenIsTranslatedWhenItCloses();
    void resultLineAndDetailsAfterRealLookups();
    void aBrokenInstallationShowsOneBoxAndEnds_data();
    void aBrokenInstallationShowsOneBoxAndEnds();
    void unusableDictionaryFilesGiveTheCodedReport();
    void closingTheBarWritesTheSettingsAndEnds();
    void settingsThatCannotBeWrittenAreReportedAndTheProgramStillEnds();
    void userEntriesSurviveARestartAndWinOverTheDictionary();

private:
    std::unique_ptr<testing::ProgramRig> m_rig;
};

void StartUpTest::firstRunAsksTheLanguageBeforeAnythingIsShown()
{
    testing::ProgramRig& r = *m_rig;
    QVERIFY(r.app->startUp());
    QCOMPARE(r.chooserCalls, 1);
    QVERIFY(!r.splashAtChooser);
    // Defaults of a first run, in the chosen language.
    QCOMPARE(r.state.lastUpdateCheck, u"20061001");
    QCOMPARE(r.state.activeDictionary, 0);
    QCOMPARE(r.traduz()->text(), kEnglishPrompt);
    QCOMPARE(r.bar()->windowTitle(), u"Quillet 2007 - English-Portuguese"_qs);
    QCOMPARE(r.state.webQuery, u"?v=200710&l=1");
    QCOMPARE(r.state.appFolder, r.folder.appFolder());

    QCOMPARE(r.app->splashWindow()->findChild<QLabel*>(u"splashLabel2"_qs)->text(),
             u"V. 3.1.0"_qs);
    QVERIFY(r.app->splashWindow()->isVisible());
    QVERIFY(!r.state.splashClosed);
    QVERIFY(r.bar()->isVisible());
    QCOMPARE(r.bar()->pos(), QPoint(0, 0));
    QVERIFY(r.bar()->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(r.dialogs.count(), 0u);
    QCOMPARE(r.system.quitCount(), 0);
    // Nothing is written until the bar closes.
    QVERIFY(!fs::exists(r.folder / "quillet.cfg"));
}

void StartUpTest::storedSettingsPlaceTheBarAndEarlierCopiesAreIgnored()
{
    testing::ProgramRig& r = *m_rig;
    // Top 120, left 40, normal window, Portuguese.
    r.writeSettings("120\r\n40\r\n0\r\n0\r\n0\r\n0\r\n20070315\r\n");
    r.clipboard.copyFromOutside(u"house");
    QVERIFY(r.app->startUp());
    QCOMPARE(r.chooserCalls, 0);
    QCOMPARE(r.clipboard.clearCount(), 1);
    QCOMPARE(r.bar()->pos(), QPoint(40, 120));
    QVERIFY(!r.bar()->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(r.bar()->windowTitle(), u"Quillet 2007 - Inglês-Português"_qs);
    QCOMPARE(r.state.webQuery, u"?v=200710&l=0");

    // Text copied before the start is not translated.
    r.closeSplash();
    r.bar()->tick();
    QTest::qWait(50);  // let the queued tick after the splash run
    QCOMPARE(r.traduz()->text(), testing::kPortuguesePrompt);
}

void StartUpTest::textCopiedWhileTheSplashIsOpenIsTranslatedWhenItCloses()
{
    testing::ProgramRig& r = *m_rig;
    r.writeSettings(1, 1);
    QVERIFY(r.app->startUp());
    r.clipboard.copyFromOutside(u"cat");
    r.bar()->tick();
    QCOMPARE(r.traduz()->text(), kEnglishPrompt);
    r.app->splashWindow()->tick();
    r.app->splashWindow()->tick();
    // Without waiting for the half-second tick.
    r.bar()->clipboardTimer().stop();
    QTRY_COMPARE(r.traduz()->text(), u"cat -> gato"_qs);
}

void StartUpTest::resultLineAndDetailsAfterRealLookups()
{
    testing::ProgramRig& r = *m_rig;
    r.writeSettings(1, 1);
    QVERIFY(r.app->startUp());
    r.closeSplash();
    r.clipboard.copyFromOutside(u"Houses");
    QCOMPARE(r.traduz()->text(), u" ? houses (! house ) -> casa, lar"_qs);
    shell::DetailsWindow* details = r.app->detailsWindow();
    auto* note = details->findChild<QLabel*>(u"lblDetalhes"_qs);
    QCOMPARE(note->text(), u"house (n.): casa; (v.) alojar"_qs);
    QCOMPARE(details->findChild<QLabel*>(u"lblTermo0"_qs)->text(), QString());

    QVERIFY(r.barButton("cmdDetalhes")->isVisibleTo(r.bar()));
    QTest::mouseClick(r.barButton("cmdDetalhes"), Qt::LeftButton);
    QVERIFY(details->isVisible());

    // Speaking uses the word last captured.
    auto* speak = details->findChild<QToolButton*>(u"cmdDetalhes0"_qs);
    QVERIFY(speak->isEnabled());
    QTest::mouseClick(speak, Qt::LeftButton);
    QCOMPARE(r.speech.spoken().size(), 1u);
    QCOMPARE(r.speech.spoken().back(), u"houses");

    r.clipboard.copyFromOutside(u"word");
    QCOMPARE(r.traduz()->text(), u"word -> palavra"_qs);
    QCOMPARE(note->text(), u"word (n.): palavra, termo"_qs);
}

void StartUpTest::aBrokenInstallationShowsOneBoxAndEnds_data()
{
    QTest::addColumn<QStringList>("removed");
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("splashMade");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    const QString english = u"Error! Re-install Quillet 2007, please!"_qs;
    const QString portuguese = u"Instalação incorreta, favor re-instalar o dicionário!"_qs;
    QTest::newRow("English page") << QStringList{u"quillete.htm"_qs} << 1 << false << english
                                  << u"Warning!"_qs;
    QTest::newRow("both pages") << QStringList{u"quillet.htm"_qs, u"quillete.htm"_qs} << 0
                                << false << portuguese << u"Atenção!"_qs;
    QTest::newRow("catalogue") << QStringList{u"dictionaries.cfg"_qs} << 0 << true << portuguese
                               << u"Atenção!"_qs;
}

void StartUpTest::aBrokenInstallationShowsOneBoxAndEnds()
{
    QFETCH(QStringList, removed);
    QFETCH(int, language);
    QFETCH(bool, splashMade);
    QFETCH(QString, text);
    QFETCH(QString, title);
    testing::ProgramRig& r = *m_rig;
    r.writeSettings(1, language);
    const std::string before = r.settings();
    for (const QString& name : removed)
        fs::remove(r.folder / name.toStdString());

    QVERIFY(!r.app->startUp());
    QCOMPARE(r.dialogs.count(), 1u);
    QCOMPARE(platform::toQString(r.dialogs.last().text), text);
    QCOMPARE(platform::toQString(r.dialogs.last().title), title);
    QVERIFY(r.dialogs.last().icon == platform::MessageIcon::Critical);
    QCOMPARE(r.system.quitCount(), 1);
    QCOMPARE(r.app->splashWindow() != nullptr, splashMade);
    QVERIFY(!splashMade || !r.app->splashWindow()->isVisible());
    QVERIFY(!r.bar()->isVisible());
    QCOMPARE(r.settings(), before);
}

void StartUpTest::unusableDictionaryFilesGiveTheCodedReport()
{
    testing::ProgramRig& r = *m_rig;
    r.writeSettings(1, 1);
    const std::string before = r.settings();
    // A folder where the main file should be cannot be opened as one.
    fs::remove(r.folder / "engpor.qlc");
    fs::create_directory(r.folder / "engpor.qlc");
    bool topmostAtReport = true;
    r.dialogs.setOnShow([&] {
        topmostAtReport = r.bar()->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint);
    });
    QVERIFY(!r.app->startUp());
    QCOMPARE(r.dialogs.count(), 1u);
    QCOMPARE(r.dialogs.last().title, u"Error A07QL - Quillet!");
    QVERIFY(!r.state.messages[10].empty());
    const std::u16string expected = u"An error occur during operation!\n"
                                    u"Operation cancelled, if the error persist\n"
                                    u"note this code: A07QL and send an e-mail to \n" +
                                    r.state.messages[10];
    QCOMPARE(platform::toQString(r.dialogs.last().text), platform::toQString(expected));
    QVERIFY(r.dialogs.last().icon == platform::MessageIcon::Critical);
    QVERIFY(!topmostAtReport);
    QCOMPARE(r.system.quitCount(), 1);
    QCOMPARE(r.clipboard.clearCount(), 0);
    QCOMPARE(r.settings(), before);
}

void StartUpTest::closingTheBarWritesTheSettingsAndEnds()
{
    testing::ProgramRig& r = *m_rig;
    r.writeSettings("7\r\n9\r\n0\r\n55\r\n0\r\n1\r\n20070101\r\n");
    r.system.setToday(u"20070101");
    QVERIFY(r.app->startUp());
    QTest::mouseClick(r.barButton("cmdOptions"), Qt::LeftButton);
    QVERIFY(r.app->toolbar()->isVisible());
    r.bar()->move(100, 50);
    r.bar()->close();
    QCOMPARE(r.system.quitCount(), 1);
    QCOMPARE(r.settings(), std::string("50\r\n100\r\n0\r\n0\r\n0\r\n1\r\n20070101\r\n"));
    QVERIFY(!r.app->toolbar()->isVisible());
    QVERIFY(!r.bar()->isVisible());
}

void StartUpTest::settingsThatCannotBeWrittenAreReportedAndTheProgramStillEnds()
{
    testing::ProgramRig& r = *m_rig;
    r.writeSettings(1, 1);
    QVERIFY(r.app->startUp());
    // A folder in the settings file's place cannot be written as a file.
    fs::remove(r.folder / "quillet.cfg");
    fs::create_directory(r.folder / "quillet.cfg");
    r.bar()->close();
    QCOMPARE(r.dialogs.count(), 1u);
    const QString text = platform::toQString(r.dialogs.last().text);
    QVERIFY2(text.startsWith(u"Could not save the settings to "_qs), qPrintable(text));
    QVERIFY2(text.endsWith(u"quillet.cfg"_qs), qPrintable(text));
    QCOMPARE(r.system.quitCount(), 1);
}

void StartUpTest::userEntriesSurviveARestartAndWinOverTheDictionary()
{
    testing::ProgramRig& r = *m_rig;
    r.writeSettings(1, 1);
    QVERIFY(r.app->startUp());
    r.closeSplash();

    // The user's own translation and note, entered through the toolbar's editor.
    QTest::mouseClick(r.barButton("cmdOptions"), Qt::LeftButton);
    r.app->toolbar()->cmdToolClick(3);
    dictionary::ui::UserDictionaryEditor* editor = r.app->userDictionaryEditor();
    QVERIFY(editor->isVisible());
    auto* translation = editor->findChild<QLineEdit*>(u"txtTraducao"_qs);
    auto* addSave = editor->findChild<QPushButton*>(u"cmdInclui"_qs);
    editor->findChild<QLineEdit*>(u"txtPalavra"_qs)->setText(u"Cat"_qs);
    addSave->click();
    QCOMPARE(translation->text(), u"gato"_qs);
    translation->setText(u"felino"_qs);
    editor->findChild<QPlainTextEdit*>(u"txtDetalhe"_qs)->setPlainText(u"cat: my own note"_qs);
    addSave->click();
    QCOMPARE(r.dialogs.count(), 0u);
    r.bar()->close();
    QCOMPARE(r.system.quitCount(), 1);

    r.restart();
    QVERIFY(r.app->startUp());
    QCOMPARE(r.chooserCalls, 0);
    r.closeSplash();
    r.clipboard.copyFromOutside(u"cat");
    QCOMPARE(r.traduz()->text(), u"cat -> felino"_qs);
    QCOMPARE(r.app->detailsWindow()->findChild<QLabel*>(u"lblDetalhes"_qs)->text(),
             u"cat: my own note"_qs);
    // Words the user did not touch still come from the dictionary.
    r.clipboard.copyFromOutside(u"word");
    QCOMPARE(r.traduz()->text(), u"word -> palavra"_qs);
}

QTEST_MAIN(StartUpTest)
#include "StartUpTest.moc"
