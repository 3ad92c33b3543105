// The toolbar's six commands, driven through the whole program on fake
// platform services and a real installation folder: window mode, the modal
// dictionary chooser, the interface language, the editor and the web pages.

#include "BuildConfig.h"
#include "ProgramRig.h"
#include "core/ui/WindowPicture.h"
#include "dictionary/ui/DictionaryChooser.h"
#include "dictionary/ui/UserDictionaryEditor.h"
#include "platform/qt/QtText.h"
#include "shell/DetailsWindow.h"
#include "shell/ToolbarWindow.h"
#include "shell/WindowLayering.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

using namespace quillet;
using testing::kEnglishPrompt;
using testing::kPortuguesePrompt;
namespace fs = std::filesystem;

class ToolbarWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_rig = std::make_unique<testing::ProgramRig>(); }
    void cleanup() { m_rig.reset(); }

    void buttonsSitInARowWithTheirTooltips();
    void modeToggledTwiceReturnsEveryLayerAndPicture_data();
    void modeToggledTwiceReturnsEveryLayerAndPicture();
    void chooserPausesTheWatchWhileOpenAndSwitchesUnderTheToolbar();
    void closingTheBarWhileTheChooserIsOpenLeavesTheWatchOff();
    void languageSwitchMidTranslation();
    void aCatalogueGoneSinceTheStartKeepsTheDictionaryInUse_data();
    void aCatalogueGoneSinceTheStartKeepsTheDictionaryInUse();
    void webButtonsOpenTheSitePagesWithTheStartQuery();
    void otherIndexesDoNothing();
    void closeBoxHidesAndTheOptionsButtonBringsItBack();
    void activationMarksTheToolbarOpen();
    void editorOpensModelessUnderTheToolbarInTheCurrentLanguage();
    void savesAPictureOfTheToolbar();

private:
    void startWith(int mode, int language)
    {
        m_rig->writeSettings(mode, language);
        QVERIFY(m_rig->app->startUp());
        QCOMPARE(m_rig->chooserCalls, 0);
    }
    void openToolbar()
    {
        QTest::mouseClick(m_rig->barButton("cmdOptions"), Qt::LeftButton);
        QVERIFY(toolbar()->isVisible());
        QVERIFY(m_rig->state.toolbarOpen);
    }
    shell::MainWindow* bar() const { return m_rig->bar(); }
    shell::ToolbarWindow* toolbar() const { return m_rig->app->toolbar(); }
    QLineEdit* traduz() const { return m_rig->traduz(); }
    dictionary::ui::DictionaryChooser* chooser() const { return m_rig->app->dictionaryChooser(); }
    QComboBox* chooserList() const
    {
        return chooser()->findChild<QComboBox*>(QStringLiteral("cmbDicionario"));
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
    // A chooser left open would hang the run.
    void rejectChooserLater() const
    {
        QTimer::singleShot(5000, chooser(), [c = chooser()] {
            if (c->isVisible())
                c->reject();
        });
    }

    std::unique_ptr<testing::ProgramRig> m_rig;
};

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
        QToolButton* button = toolbar()->findChild<QToolButton*>(QStringLiteral("cmdTool%1").arg(i));
        QCOMPARE(button, toolbar()->cmdTool(i));
        QCOMPARE(button->geometry(), QRect(32 * i, 0, 25, 21));
        QCOMPARE(button->toolTip(), tips[i]);
        QCOMPARE(button->accessibleName(), tips[i]);
        QVERIFY(button->focusPolicy() & Qt::TabFocus);
        // Distinct pictures, so that comparing a button's icon with one means something.
        for (int other = i + 1; other < shell::ToolbarWindow::kButtonCount; ++other)
            QVERIFY(toolbar()->picButton(i).cacheKey() != toolbar()->picButton(other).cacheKey());
    }
    QCOMPARE(toolbar()->windowTitle(), u"Options"_qs);
    // The details button has no tooltip of its own; its name comes from the
    // details window's heading.
    QCOMPARE(m_rig->barButton("cmdDetalhes")->accessibleName(), u"+Details"_qs);
}

void ToolbarWindowTest::modeToggledTwiceReturnsEveryLayerAndPicture_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("languagePicture");
    QTest::addColumn<int>("afterTwo");
    QTest::newRow("normal, Portuguese") << 0 << 0 << 2 << 0;
    QTest::newRow("on top, English") << 1 << 1 << 3 << 1;
    // A stored 5 is on top, and the first toggle makes it 0.
    QTest::newRow("stored 5") << 5 << 1 << 3 << 1;
}

void ToolbarWindowTest::modeToggledTwiceReturnsEveryLayerAndPicture()
{
    QFETCH(int, mode);
    QFETCH(int, language);
    QFETCH(int, languagePicture);
    QFETCH(int, afterTwo);
    startWith(mode, language);
    QVERIFY(buttonShows(2, languagePicture));
    openToolbar();
    const bool detailsTopmost = shell::isTopmost(*m_rig->app->detailsWindow());
    bool onTop = mode != 0;
    for (int toggles = 0; toggles <= 2; ++toggles) {
        QCOMPARE(shell::isTopmost(*bar()), onTop);
        QCOMPARE(shell::isTopmost(*toolbar()), onTop);
        QVERIFY(buttonShows(0, onTop ? 0 : 5));
        QVERIFY(bar()->isVisible());
        QVERIFY(toolbar()->isVisible());
        QCOMPARE(shell::isTopmost(*m_rig->app->detailsWindow()), detailsTopmost);
        if (toggles < 2) {
            click(0);
            onTop = !onTop;
            QCOMPARE(m_rig->state.alwaysOnTop, onTop ? 1 : 0);
        }
    }
    QCOMPARE(m_rig->state.alwaysOnTop, afterTwo);
    bar()->close();
    QCOMPARE(QString::fromStdString(m_rig->settings()).split(u"\r\n"_qs).value(2),
             QString::number(afterTwo));
}

void ToolbarWindowTest::chooserPausesTheWatchWhileOpenAndSwitchesUnderTheToolbar()
{
    startWith(1, 1);
    m_rig->closeSplash();
    openToolbar();
    m_rig->clipboard.copyFromOutside(u"gato");
    const QString beforeSwitch = traduz()->text();
    QVERIFY(beforeSwitch != u"gato -> cat"_qs);
    auto* ok = chooser()->findChild<QPushButton*>(QStringLiteral("cmdOk"));

    bool shownModal = false;
    bool placed = false;
    bool timerRanWhileOpen = true;
    QString lineAfterCopyWhileOpen;
    QTimer::singleShot(0, this, [&] {
        shownModal = chooser()->isVisible() && QApplication::activeModalWidget() == chooser();
        placed = placedUnderToolbar(*chooser());
        timerRanWhileOpen = bar()->clipboardTimer().isActive();
        m_rig->clipboard.copyFromOutside(u"cat");
        lineAfterCopyWhileOpen = traduz()->text();
        chooserList()->setCurrentIndex(1);
        QTest::mouseClick(ok, Qt::LeftButton);
    });
    rejectChooserLater();
    click(1);

    QVERIFY(shownModal);
    QVERIFY(placed);
    QVERIFY(!timerRanWhileOpen);
    QCOMPARE(lineAfterCopyWhileOpen, beforeSwitch);
    QVERIFY(!chooser()->isVisible());
    QVERIFY(bar()->clipboardTimer().isActive());
    QCOMPARE(bar()->clipboardTimer().interval(), 500);

    QCOMPARE(m_rig->state.activeDictionary, 1);
    QCOMPARE(bar()->windowTitle(), u"Quillet 2007 - Portuguese-English"_qs);
    QCOMPARE(traduz()->text(), kEnglishPrompt);
    QVERIFY(m_rig->barButton("cmdDetalhes")->isHidden());
    // Row 1 offers no pronunciation.
    QVERIFY(!m_rig->app->detailsWindow()->findChild<QToolButton*>(u"cmdDetalhes0"_qs)->isEnabled());
    // The switch forgot the last capture: the same word is translated again.
    m_rig->clipboard.copyFromOutside(u"gato");
    QCOMPARE(traduz()->text(), u"gato -> cat"_qs);

    // Closed without OK: nothing switches, and the watch still comes back.
    QTimer::singleShot(0, chooser(), [c = chooser()] { c->reject(); });
    click(1);
    QCOMPARE(m_rig->state.activeDictionary, 1);
    QVERIFY(bar()->clipboardTimer().isActive());
    m_rig->clipboard.copyFromOutside(u"casa");
    QCOMPARE(traduz()->text(), u"casa -> house, home"_qs);

    bar()->close();
    QCOMPARE(QString::fromStdString(m_rig->settings()).split(u"\r\n"_qs).value(4), u"1"_qs);
}

void ToolbarWindowTest::closingTheBarWhileTheChooserIsOpenLeavesTheWatchOff()
{
    startWith(1, 1);
    m_rig->closeSplash();
    openToolbar();
    QTimer::singleShot(0, this, [this] { bar()->close(); });
    rejectChooserLater();
    click(1);
    QCOMPARE(m_rig->system.quitCount(), 1);
    QVERIFY(!chooser()->isVisible());
    QVERIFY(!bar()->clipboardTimer().isActive());
    m_rig->clipboard.copyFromOutside(u"cat");
    QCOMPARE(traduz()->text(), kEnglishPrompt);
}

void ToolbarWindowTest::languageSwitchMidTranslation()
{
    startWith(1, 1);
    const std::u16string startQuery = m_rig->state.webQuery;
    m_rig->closeSplash();
    openToolbar();
    m_rig->clipboard.copyFromOutside(u"Houses");
    QVERIFY(m_rig->barButton("cmdDetalhes")->isVisibleTo(bar()));
    m_rig->barButton("cmdGo")->setFocus();

    click(2);
    QCOMPARE(m_rig->state.interfaceLanguage, 0);
    QVERIFY(buttonShows(2, 2));
    QCOMPARE(traduz()->text(), kPortuguesePrompt);
    QVERIFY(m_rig->barButton("cmdDetalhes")->isHidden());
    QCOMPARE(traduz()->width(), 463);  // 6950 twips
    QCOMPARE(bar()->focusWidget(), traduz());
    // Every window takes the new texts.
    QCOMPARE(bar()->windowTitle(), u"Quillet 2007 - Inglês-Português"_qs);
    QCOMPARE(toolbar()->cmdTool(4)->toolTip(), u"Instruções de uso do Quillet."_qs);
    QCOMPARE(toolbar()->cmdTool(4)->accessibleName(), toolbar()->cmdTool(4)->toolTip());
    QCOMPARE(toolbar()->windowTitle(), u"Opções"_qs);
    QCOMPARE(m_rig->barButton("cmdDetalhes")->accessibleName(), u"+Detalhes"_qs);
    QCOMPARE(m_rig->app->detailsWindow()->findChild<QLabel*>(u"lblDet"_qs)->text(),
             u"+Detalhes"_qs);
    QCOMPARE(chooser()->windowTitle(), u"Dicionário"_qs);
    QCOMPARE(chooserList()->count(), 2);
    QCOMPARE(chooserList()->itemText(0), u"Inglês-Português"_qs);
    QCOMPARE(chooser()->selectedRow(), 0);
    // The web query keeps the language of the start; the dictionary stays open.
    QCOMPARE(m_rig->state.webQuery, startQuery);
    m_rig->clipboard.copyFromOutside(u"cat");
    QCOMPARE(traduz()->text(), u"cat -> gato"_qs);

    click(2);
    QCOMPARE(m_rig->state.interfaceLanguage, 1);
    QVERIFY(buttonShows(2, 3));
    QCOMPARE(traduz()->text(), kEnglishPrompt);
    QCOMPARE(bar()->windowTitle(), u"Quillet 2007 - English-Portuguese"_qs);
    QCOMPARE(chooserList()->itemText(0), u"English-Portuguese"_qs);
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
    m_rig->closeSplash();
    openToolbar();
    if (removed)
        fs::remove(m_rig->folder / "dictionaries.cfg");
    else
        testsupport::writeTextFile(m_rig->folder / "dictionaries.cfg",
                                   "no fields here\r\nx|y|z|77|S|S\r\n");

    click(2);
    QCOMPARE(m_rig->dialogs.count(), 0u);
    QCOMPARE(m_rig->system.quitCount(), 0);
    QCOMPARE(m_rig->state.interfaceLanguage, 0);
    QCOMPARE(m_rig->state.activeDictionary, 0);
    QCOMPARE(bar()->windowTitle(), u"Quillet 2007 - Inglês-Português"_qs);
    QCOMPARE(traduz()->text(), kPortuguesePrompt);
    QCOMPARE(chooserList()->count(), 2);
    QCOMPARE(chooser()->selectedRow(), 0);
    m_rig->clipboard.copyFromOutside(u"cat");
    QCOMPARE(traduz()->text(), u"cat -> gato"_qs);
    // The table still names the dictionary for the next switch back.
    click(2);
    QCOMPARE(bar()->windowTitle(), u"Quillet 2007 - English-Portuguese"_qs);
}

void ToolbarWindowTest::webButtonsOpenTheSitePagesWithTheStartQuery()
{
    startWith(1, 1);
    openToolbar();
    const QString site = u"https://"_qs + platform::toQString(build::webHost);
    const auto lastOpened = [this] { return platform::toQString(m_rig->browser.opened().back()); };
    click(4);
    QCOMPARE(m_rig->browser.opened().size(), std::size_t(1));
    QCOMPARE(lastOpened(), site + u"/quillet/help.asp?v=200710&l=1"_qs);
    click(5);
    QCOMPARE(m_rig->browser.opened().size(), std::size_t(2));
    QCOMPARE(lastOpened(), site + u"/quillet/userhome.asp?v=200710&l=1"_qs);

    // After a language switch the pages still get the query of the start.
    click(2);
    click(4);
    QCOMPARE(lastOpened(), site + u"/quillet/help.asp?v=200710&l=1"_qs);
    QCOMPARE(m_rig->dialogs.count(), 0u);
}

void ToolbarWindowTest::otherIndexesDoNothing()
{
    startWith(1, 1);
    openToolbar();
    const QString line = traduz()->text();
    for (int index : {-1, 6, 100}) {
        toolbar()->cmdToolClick(index);
        QCOMPARE(m_rig->state.alwaysOnTop, 1);
        QCOMPARE(m_rig->state.interfaceLanguage, 1);
        QVERIFY(m_rig->browser.opened().empty());
        QVERIFY(!m_rig->app->userDictionaryEditor()->isVisible());
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
    QVERIFY(!m_rig->state.toolbarOpen);
    QCOMPARE(m_rig->system.quitCount(), 0);

    bar()->move(60, 90);
    openToolbar();
    QCOMPARE(toolbar(), first);
    QCOMPARE(first->frameGeometry().topLeft(),
             QPoint(bar()->frameGeometry().left(), bar()->frameGeometry().bottom() + 1));
    QCOMPARE(first->windowTitle(), u"Opções"_qs);

    // The program's end still takes it away.
    bar()->close();
    QVERIFY(!first->isVisible());
    QCOMPARE(m_rig->system.quitCount(), 1);
}

void ToolbarWindowTest::activationMarksTheToolbarOpen()
{
    startWith(1, 1);
    openToolbar();
    m_rig->state.toolbarOpen = false;
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(toolbar(), &activate);
    QVERIFY(m_rig->state.toolbarOpen);
}

void ToolbarWindowTest::editorOpensModelessUnderTheToolbarInTheCurrentLanguage()
{
    startWith(0, 1);
    openToolbar();
    toolbar()->move(200, 300);
    click(3);
    dictionary::ui::UserDictionaryEditor* editor = m_rig->app->userDictionaryEditor();
    QVERIFY(editor->isVisible());
    QVERIFY(placedUnderToolbar(*editor));
    QVERIFY(!editor->isModal());
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    // The rest of the program goes on while it is open.
    QVERIFY(bar()->clipboardTimer().isActive());
    click(4);
    QCOMPARE(m_rig->browser.opened().size(), std::size_t(1));
    QVERIFY(editor->isVisible());

    // Opened again after a language switch, it takes the new language.
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

void ToolbarWindowTest::savesAPictureOfTheToolbar()
{
    startWith(1, 0);
    openToolbar();
    QVERIFY(QTest::qWaitForWindowExposed(toolbar()));
    const QImage picture = testing::saveWindowPicture(*toolbar(), u"toolbar"_qs);
    QVERIFY(testing::hasDrawing(picture));
}

QTEST_MAIN(ToolbarWindowTest)
#include "ToolbarWindowTest.moc"
