// The toolbar's six commands, driven through the whole program on fake
// platform services and a real installation folder: window mode, the modal
// dictionary chooser, the interface language, the editor and the web pages.

#include "BuildConfig.h"
#include "SmallDictionary.h"
#include "core/SharedState.h"
#include "core/ui/WindowPicture.h"
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
#include "shell/WindowLayering.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <filesystem>
#include <memory>

using namespace quillet;
namespace fs = std::filesystem;

namespace {

// The texts a language switch must put on the windows.
struct LanguageTexts
{
    QString prompt;
    QString title;
    QString modeTip;
    QString helpTip;
    QString searchTip;
    QString toolbarCaption;
    QString detailsHeading;
    QString chooserTitle;
    QString firstDictionary;
    QString secondDictionary;
};

LanguageTexts portugueseTexts()
{
    return {u"<Digite a palavra para busca ou selecione no texto e pressione Ctrl+C>"_qs,
            u"Quillet 2007 - Inglês-Português"_qs,
            u"Alterna entre os modos Normal e Sempre Visível."_qs,
            u"Instruções de uso do Quillet."_qs,
            u"Inicia a procura da palavra."_qs,
            u"Opções"_qs,
            u"+Detalhes"_qs,
            u"Dicionário"_qs,
            u"Inglês-Português"_qs,
            u"Português-Inglês"_qs};
}

LanguageTexts englishTexts()
{
    return {u"<Type the word to search here or select the word in text and press Ctrl+C>"_qs,
            u"Quillet 2007 - English-Portuguese"_qs,
            u"Set Normal or Always on Top mode."_qs,
            u"Quillet help."_qs,
            u"Start search."_qs,
            u"Options"_qs,
            u"+Details"_qs,
            u"Dictionary"_qs,
            u"English-Portuguese"_qs,
            u"Portuguese-English"_qs};
}

}  // namespace

class ToolbarWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void buttonsSitInARowWithTheirTooltips();
    void startUpShowsTheStoredModeAndLanguage_data();
    void startUpShowsTheStoredModeAndLanguage();

    void modeToggledTwiceReturnsEveryLayerAndPicture_data();
    void modeToggledTwiceReturnsEveryLayerAndPicture();
    void storedModeFiveTurnsIntoZero();

    void chooserPausesTheWatchWhileOpenAndSwitchesUnderTheToolbar();
    void closingTheBarWhileTheChooserIsOpenLeavesTheWatchOff();

    void languageSwitchMidTranslation_data();
    void languageSwitchMidTranslation();
    void editorTakesTheNewLanguageWhenItOpensAgain();
    void aCatalogueGoneSinceTheStartKeepsTheDictionaryInUse_data();
    void aCatalogueGoneSinceTheStartKeepsTheDictionaryInUse();

    void webButtonsOpenTheSitePagesWithTheStartQuery();
    void otherIndexesDoNothing();

    void closeBoxHidesAndTheOptionsButtonBringsItBack();
    void activationMarksTheToolbarOpen();
    void editorOpensModelessUnderTheToolbar();

    void savesAPictureOfTheToolbar();

private:
    fs::path folder() const { return fs::path(m_dir->path().toStdString()); }
    // Settings lines: top, left, mode, "0", dictionary, language, last check.
    void startWith(int mode, int language);
    void openToolbar();
    void closeSplash();
    shell::MainWindow* bar() const { return m_app->mainWindow(); }
    shell::ToolbarWindow* toolbar() const { return m_app->toolbar(); }
    QLineEdit* traduz() const { return bar()->findChild<QLineEdit*>(QStringLiteral("traduz")); }
    QToolButton* barButton(const char* name) const
    {
        return bar()->findChild<QToolButton*>(QLatin1String(name));
    }
    void click(int index) { QTest::mouseClick(toolbar()->cmdTool(index), Qt::LeftButton); }
    bool buttonShows(int index, int element) const
    {
        return toolbar()->cmdTool(index)->icon().cacheKey() ==
               toolbar()->picButton(element).cacheKey();
    }
    bool placedUnderToolbar(const QWidget& window) const
    {
        const QRect under = toolbar()->frameGeometry();
        return window.frameGeometry().topLeft() == QPoint(under.left(), under.bottom() + 1);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    core::SharedState m_state;
    fakes::FakeClipboard m_clipboard;
    fakes::FakeDialogs m_dialogs;
    fakes::FakeBrowser m_browser;
    fakes::FakeHttpClient m_http;
    fakes::FakeSpeech m_speech;
    fakes::FakeScreen m_screen{1280, 1024};
    fakes::FakeSystemInfo m_system;
    std::unique_ptr<shell::Application> m_app;
};

void ToolbarWindowTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    testing::writeInstallation(folder());
    m_state = core::SharedState{};
    m_clipboard = fakes::FakeClipboard{};
    m_dialogs.forget();
    m_browser = fakes::FakeBrowser{};
    m_system = fakes::FakeSystemInfo{};
    m_system.setProgramFolder(platform::toU16(m_dir->path()) + u"/");
    m_app = std::make_unique<shell::Application>(
        m_state,
        shell::PlatformServices{m_clipboard, m_dialogs, m_browser, m_http, m_speech, m_screen,
                                m_system},
        [](core::SharedState&) { QFAIL("the settings file exists"); });
}

void ToolbarWindowTest::cleanup()
{
    m_app.reset();
    m_dir.reset();
}

void ToolbarWindowTest::startWith(int mode, int language)
{
    testing::writeTextFile(folder() / "quillet.cfg",
                           "0\r\n0\r\n" + std::to_string(mode) + "\r\n0\r\n0\r\n" +
                               std::to_string(language) + "\r\n20070315\r\n");
    QVERIFY(m_app->startUp());
    QCOMPARE(m_state.alwaysOnTop, mode);
    QCOMPARE(m_state.interfaceLanguage, language);
}

void ToolbarWindowTest::openToolbar()
{
    QTest::mouseClick(barButton("cmdOptions"), Qt::LeftButton);
    QVERIFY(toolbar()->isVisible());
    QVERIFY(m_state.toolbarOpen);
}

void ToolbarWindowTest::closeSplash()
{
    // The update check is not due today, so the second tick closes the splash.
    m_app->splashWindow()->tick();
    m_app->splashWindow()->tick();
    QVERIFY(m_state.splashClosed);
}

void ToolbarWindowTest::buttonsSitInARowWithTheirTooltips()
{
    startWith(1, 1);
    // 15 twips per pixel: client 3765 x 345, buttons 375 x 320 every 480.
    QCOMPARE(toolbar()->objectName(), u"frmTools"_qs);
    QCOMPARE(toolbar()->size(), QSize(251, 23));
    const QString tips[] = {
        u"Set Normal or Always on Top mode."_qs,
        u"Change the Active Dictionary."_qs,
        u"Set the language of Quillet Interface."_qs,
        u"Add/Change words in the dictionary database."_qs,
        u"Quillet help."_qs,
        u"Use the "_qs + platform::toQString(build::webHost) + u" website options."_qs,
    };
    for (int i = 0; i < shell::ToolbarWindow::kButtonCount; ++i) {
        QToolButton* button =
            toolbar()->findChild<QToolButton*>(QStringLiteral("cmdTool%1").arg(i));
        QVERIFY(button);
        QCOMPARE(button, toolbar()->cmdTool(i));
        QCOMPARE(button->geometry(), QRect(32 * i, 0, 25, 21));
        QCOMPARE(button->toolTip(), tips[i]);
        QCOMPARE(button->accessibleName(), tips[i]);
        QVERIFY(!button->icon().isNull());
        QVERIFY(button->focusPolicy() & Qt::TabFocus);
    }
    QCOMPARE(toolbar()->windowTitle(), u"Options"_qs);
    // The details button has no tooltip of its own; its name comes from the
    // details window's heading.
    QCOMPARE(barButton("cmdDetalhes")->accessibleName(), u"+Details"_qs);
}

void ToolbarWindowTest::startUpShowsTheStoredModeAndLanguage_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("modePicture");
    QTest::addColumn<int>("languagePicture");
    QTest::newRow("normal, Portuguese") << 0 << 0 << 5 << 2;
    QTest::newRow("on top, English") << 1 << 1 << 0 << 3;
    QTest::newRow("stored 5, English") << 5 << 1 << 0 << 3;
}

void ToolbarWindowTest::startUpShowsTheStoredModeAndLanguage()
{
    QFETCH(int, mode);
    QFETCH(int, language);
    QFETCH(int, modePicture);
    QFETCH(int, languagePicture);
    startWith(mode, language);
    QVERIFY(buttonShows(0, modePicture));
    QVERIFY(buttonShows(2, languagePicture));
    // The holders are distinct pictures, so the comparison above means something.
    for (int a = 0; a < shell::ToolbarWindow::kButtonCount; ++a)
        for (int b = a + 1; b < shell::ToolbarWindow::kButtonCount; ++b)
            QVERIFY(toolbar()->picButton(a).cacheKey() != toolbar()->picButton(b).cacheKey());
}

void ToolbarWindowTest::modeToggledTwiceReturnsEveryLayerAndPicture_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("from normal") << 0;
    QTest::newRow("from on top") << 1;
}

void ToolbarWindowTest::modeToggledTwiceReturnsEveryLayerAndPicture()
{
    QFETCH(int, mode);
    startWith(mode, 1);
    openToolbar();
    const bool onTop = mode != 0;
    const int firstPicture = onTop ? 0 : 5;
    const int otherPicture = onTop ? 5 : 0;
    QCOMPARE(shell::isTopmost(*bar()), onTop);
    QCOMPARE(shell::isTopmost(*toolbar()), onTop);
    QVERIFY(buttonShows(0, firstPicture));
    const bool detailsTopmost = shell::isTopmost(*m_app->detailsWindow());

    click(0);
    QCOMPARE(m_state.alwaysOnTop, onTop ? 0 : 1);
    QCOMPARE(shell::isTopmost(*bar()), !onTop);
    QCOMPARE(shell::isTopmost(*toolbar()), !onTop);
    QVERIFY(buttonShows(0, otherPicture));
    QVERIFY(bar()->isVisible());
    QVERIFY(toolbar()->isVisible());
    QCOMPARE(shell::isTopmost(*m_app->detailsWindow()), detailsTopmost);

    click(0);
    QCOMPARE(m_state.alwaysOnTop, mode);
    QCOMPARE(shell::isTopmost(*bar()), onTop);
    QCOMPARE(shell::isTopmost(*toolbar()), onTop);
    QVERIFY(buttonShows(0, firstPicture));
    QCOMPARE(shell::isTopmost(*m_app->detailsWindow()), detailsTopmost);

    // What the settings keep at the end.
    bar()->close();
    const QStringList lines =
        QString::fromStdString(testing::readTextFile(folder() / "quillet.cfg")).split(u"\r\n"_qs);
    QCOMPARE(lines.value(2), QString::number(mode));
}

void ToolbarWindowTest::storedModeFiveTurnsIntoZero()
{
    startWith(5, 0);
    openToolbar();
    QVERIFY(shell::isTopmost(*bar()));
    QVERIFY(shell::isTopmost(*toolbar()));
    click(0);
    QCOMPARE(m_state.alwaysOnTop, 0);
    QVERIFY(!shell::isTopmost(*bar()));
    QVERIFY(!shell::isTopmost(*toolbar()));
    QVERIFY(buttonShows(0, 5));
    click(0);
    QCOMPARE(m_state.alwaysOnTop, 1);
    QVERIFY(buttonShows(0, 0));
}

void ToolbarWindowTest::chooserPausesTheWatchWhileOpenAndSwitchesUnderTheToolbar()
{
    startWith(1, 1);
    closeSplash();
    openToolbar();
    m_clipboard.copyFromOutside(u"gato");
    const QString beforeSwitch = traduz()->text();
    QVERIFY(beforeSwitch != u"gato -> cat"_qs);

    dictionary::ui::DictionaryChooser* chooser = m_app->dictionaryChooser();
    auto* list = chooser->findChild<QComboBox*>(QStringLiteral("cmbDicionario"));
    auto* ok = chooser->findChild<QPushButton*>(QStringLiteral("cmdOk"));
    QVERIFY(list && ok);

    bool shownModal = false;
    bool placed = false;
    bool timerRanWhileOpen = true;
    QString lineAfterCopyWhileOpen;
    QTimer::singleShot(0, this, [&] {
        shownModal = chooser->isVisible() && QApplication::activeModalWidget() == chooser;
        placed = placedUnderToolbar(*chooser);
        timerRanWhileOpen = bar()->clipboardTimer().isActive();
        m_clipboard.copyFromOutside(u"cat");
        lineAfterCopyWhileOpen = traduz()->text();
        list->setCurrentIndex(1);
        QTest::mouseClick(ok, Qt::LeftButton);
    });
    // Only a safety net: a chooser left open would hang the run.
    QTimer::singleShot(5000, chooser, [chooser] {
        if (chooser->isVisible())
            chooser->reject();
    });
    click(1);

    QVERIFY(shownModal);
    QVERIFY(placed);
    QVERIFY(!timerRanWhileOpen);
    QCOMPARE(lineAfterCopyWhileOpen, beforeSwitch);
    QVERIFY(!chooser->isVisible());
    QVERIFY(bar()->clipboardTimer().isActive());
    QCOMPARE(bar()->clipboardTimer().interval(), 500);

    QCOMPARE(m_state.activeDictionary, 1);
    QCOMPARE(bar()->windowTitle(), u"Quillet 2007 - Portuguese-English"_qs);
    QCOMPARE(traduz()->text(), englishTexts().prompt);
    // The switch forgot the last capture: the same word is translated again.
    m_clipboard.copyFromOutside(u"gato");
    QCOMPARE(traduz()->text(), u"gato -> cat"_qs);

    // Closed without OK: nothing switches, and the watch still comes back.
    QTimer::singleShot(0, chooser, [chooser] { chooser->reject(); });
    click(1);
    QCOMPARE(m_state.activeDictionary, 1);
    QVERIFY(bar()->clipboardTimer().isActive());
    m_clipboard.copyFromOutside(u"casa");
    QCOMPARE(traduz()->text(), u"casa -> house, home"_qs);
}

void ToolbarWindowTest::closingTheBarWhileTheChooserIsOpenLeavesTheWatchOff()
{
    startWith(1, 1);
    closeSplash();
    openToolbar();
    dictionary::ui::DictionaryChooser* chooser = m_app->dictionaryChooser();
    QTimer::singleShot(0, this, [this] { bar()->close(); });
    QTimer::singleShot(5000, chooser, [chooser] {
        if (chooser->isVisible())
            chooser->reject();
    });
    click(1);
    QCOMPARE(m_system.quitCount(), 1);
    QVERIFY(!chooser->isVisible());
    QVERIFY(!bar()->clipboardTimer().isActive());
    m_clipboard.copyFromOutside(u"cat");
    QCOMPARE(traduz()->text(), englishTexts().prompt);
}

void ToolbarWindowTest::languageSwitchMidTranslation_data()
{
    QTest::addColumn<int>("language");
    QTest::newRow("English to Portuguese") << 1;
    QTest::newRow("Portuguese to English") << 0;
}

void ToolbarWindowTest::languageSwitchMidTranslation()
{
    QFETCH(int, language);
    startWith(1, language);
    const std::u16string startQuery = m_state.webQuery;
    closeSplash();
    openToolbar();
    m_clipboard.copyFromOutside(u"Houses");
    QCOMPARE(traduz()->text(), u" ? houses (! house ) -> casa, lar"_qs);
    QVERIFY(barButton("cmdDetalhes")->isVisibleTo(bar()));
    barButton("cmdGo")->setFocus();

    click(2);
    const LanguageTexts expected = language == 0 ? englishTexts() : portugueseTexts();
    QCOMPARE(m_state.interfaceLanguage, language == 0 ? 1 : 0);
    QVERIFY(buttonShows(2, language == 0 ? 3 : 2));
    QCOMPARE(platform::toQString(m_state.messages[73]), expected.prompt);

    QCOMPARE(traduz()->text(), expected.prompt);
    QVERIFY(barButton("cmdDetalhes")->isHidden());
    QCOMPARE(traduz()->width(), 463);  // 6950 twips
    QCOMPARE(bar()->focusWidget(), traduz());

    QCOMPARE(bar()->windowTitle(), expected.title);
    QCOMPARE(barButton("cmdGo")->toolTip(), expected.searchTip);
    QCOMPARE(barButton("cmdDetalhes")->accessibleName(), expected.detailsHeading);
    QCOMPARE(toolbar()->windowTitle(), expected.toolbarCaption);
    QCOMPARE(toolbar()->cmdTool(0)->toolTip(), expected.modeTip);
    QCOMPARE(toolbar()->cmdTool(4)->toolTip(), expected.helpTip);
    QCOMPARE(toolbar()->cmdTool(4)->accessibleName(), expected.helpTip);
    QCOMPARE(m_app->detailsWindow()->findChild<QLabel*>(QStringLiteral("lblDet"))->text(),
             expected.detailsHeading);

    dictionary::ui::DictionaryChooser* chooser = m_app->dictionaryChooser();
    QCOMPARE(chooser->windowTitle(), expected.chooserTitle);
    auto* list = chooser->findChild<QComboBox*>(QStringLiteral("cmbDicionario"));
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->itemText(0), expected.firstDictionary);
    QCOMPARE(list->itemText(1), expected.secondDictionary);
    QCOMPARE(chooser->selectedRow(), 0);
    QCOMPARE(m_state.activeDictionary, 0);

    // The web query keeps the language of the start.
    QCOMPARE(m_state.webQuery, startQuery);
    // The dictionary stays open and the watch goes on.
    m_clipboard.copyFromOutside(u"cat");
    QCOMPARE(traduz()->text(), u"cat -> gato"_qs);

    // And back again.
    click(2);
    const LanguageTexts original = language == 0 ? portugueseTexts() : englishTexts();
    QCOMPARE(m_state.interfaceLanguage, language);
    QVERIFY(buttonShows(2, language == 0 ? 2 : 3));
    QCOMPARE(traduz()->text(), original.prompt);
    QCOMPARE(bar()->windowTitle(), original.title);
    QCOMPARE(list->itemText(0), original.firstDictionary);
}

void ToolbarWindowTest::editorTakesTheNewLanguageWhenItOpensAgain()
{
    startWith(1, 1);
    openToolbar();
    click(3);
    dictionary::ui::UserDictionaryEditor* editor = m_app->userDictionaryEditor();
    auto* addSave = editor->findChild<QPushButton*>(QStringLiteral("cmdInclui"));
    QCOMPARE(addSave->text(), u"&Add"_qs);
    editor->close();

    click(2);
    QVERIFY(!editor->isVisible());
    click(3);
    QVERIFY(editor->isVisible());
    QCOMPARE(addSave->text(), u"&Incluir"_qs);
    QCOMPARE(editor->windowTitle(), u"Incluir/Alterar Palavras - Inglês-Português"_qs);
}

void ToolbarWindowTest::aCatalogueGoneSinceTheStartKeepsTheDictionaryInUse_data()
{
    QTest::addColumn<bool>("removed");
    QTest::newRow("removed") << true;
    QTest::newRow("no usable line") << false;
}

void ToolbarWindowTest::aCatalogueGoneSinceTheStartKeepsTheDictionaryInUse()
{
    QFETCH(bool, removed);
    startWith(1, 1);
    closeSplash();
    openToolbar();
    if (removed)
        fs::remove(folder() / "dictionaries.cfg");
    else
        testing::writeTextFile(folder() / "dictionaries.cfg", "no fields here\r\nx|y|z|77|S|S\r\n");

    click(2);
    QCOMPARE(m_dialogs.count(), 0u);
    QCOMPARE(m_system.quitCount(), 0);
    QCOMPARE(m_state.interfaceLanguage, 0);
    QCOMPARE(m_state.activeDictionary, 0);
    QCOMPARE(bar()->windowTitle(), portugueseTexts().title);
    QCOMPARE(traduz()->text(), portugueseTexts().prompt);
    auto* list = m_app->dictionaryChooser()->findChild<QComboBox*>(QStringLiteral("cmbDicionario"));
    QCOMPARE(list->count(), 2);
    QCOMPARE(m_app->dictionaryChooser()->selectedRow(), 0);
    m_clipboard.copyFromOutside(u"cat");
    QCOMPARE(traduz()->text(), u"cat -> gato"_qs);
    // The table still names the dictionary for the next switch back.
    click(2);
    QCOMPARE(bar()->windowTitle(), englishTexts().title);
}

void ToolbarWindowTest::webButtonsOpenTheSitePagesWithTheStartQuery()
{
    startWith(1, 1);
    openToolbar();
    const std::u16string site = std::u16string(u"https://") + build::webHost;
    click(4);
    QCOMPARE(m_browser.opened().size(), std::size_t(1));
    QCOMPARE(platform::toQString(m_browser.opened().back()),
             platform::toQString(site + u"/quillet/help.asp?v=200710&l=1"));
    click(5);
    QCOMPARE(m_browser.opened().size(), std::size_t(2));
    QCOMPARE(platform::toQString(m_browser.opened().back()),
             platform::toQString(site + u"/quillet/userhome.asp?v=200710&l=1"));

    // After a language switch the pages still get the query of the start.
    click(2);
    click(4);
    QCOMPARE(platform::toQString(m_browser.opened().back()),
             platform::toQString(site + u"/quillet/help.asp?v=200710&l=1"));
    QCOMPARE(m_dialogs.count(), 0u);
}

void ToolbarWindowTest::otherIndexesDoNothing()
{
    startWith(1, 1);
    openToolbar();
    const QString line = traduz()->text();
    for (int index : {-1, 6, 7, 100}) {
        toolbar()->cmdToolClick(index);
        QCOMPARE(m_state.alwaysOnTop, 1);
        QCOMPARE(m_state.interfaceLanguage, 1);
        QVERIFY(m_browser.opened().empty());
        QVERIFY(!m_app->userDictionaryEditor()->isVisible());
        QVERIFY(bar()->clipboardTimer().isActive());
        QCOMPARE(traduz()->text(), line);
        QVERIFY(toolbar()->isVisible());
    }
}

void ToolbarWindowTest::closeBoxHidesAndTheOptionsButtonBringsItBack()
{
    startWith(1, 0);
    openToolbar();
    shell::ToolbarWindow* first = toolbar();
    first->close();
    QVERIFY(!first->isVisible());
    QVERIFY(!m_state.toolbarOpen);
    QCOMPARE(m_system.quitCount(), 0);

    bar()->move(60, 90);
    QTest::mouseClick(barButton("cmdOptions"), Qt::LeftButton);
    QCOMPARE(toolbar(), first);
    QVERIFY(first->isVisible());
    QVERIFY(m_state.toolbarOpen);
    QCOMPARE(first->frameGeometry().top(), bar()->frameGeometry().bottom() + 1);
    QCOMPARE(first->frameGeometry().left(), bar()->frameGeometry().left());
    QCOMPARE(first->windowTitle(), u"Opções"_qs);

    // The program's end still takes it away.
    bar()->close();
    QVERIFY(!first->isVisible());
    QCOMPARE(m_system.quitCount(), 1);
}

void ToolbarWindowTest::activationMarksTheToolbarOpen()
{
    startWith(1, 1);
    openToolbar();
    m_state.toolbarOpen = false;
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(toolbar(), &activate);
    QVERIFY(m_state.toolbarOpen);
}

void ToolbarWindowTest::editorOpensModelessUnderTheToolbar()
{
    startWith(0, 1);
    openToolbar();
    toolbar()->move(200, 300);
    click(3);
    dictionary::ui::UserDictionaryEditor* editor = m_app->userDictionaryEditor();
    QVERIFY(editor->isVisible());
    QVERIFY(placedUnderToolbar(*editor));
    QVERIFY(!editor->isModal());
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    // The rest of the program goes on while it is open.
    QVERIFY(bar()->clipboardTimer().isActive());
    click(4);
    QCOMPARE(m_browser.opened().size(), std::size_t(1));
    QVERIFY(editor->isVisible());
}

void ToolbarWindowTest::savesAPictureOfTheToolbar()
{
    startWith(1, 0);
    openToolbar();
    QVERIFY(QTest::qWaitForWindowExposed(toolbar()));
    const QImage picture = quillet::testing::saveWindowPicture(*toolbar(), u"toolbar"_qs);
    QVERIFY(!picture.isNull());
    QVERIFY(quillet::testing::hasDrawing(picture));
}

QTEST_MAIN(ToolbarWindowTest)
#include "ToolbarWindowTest.moc"
