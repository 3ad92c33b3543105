// The dictionary chooser: its list, the switch on OK and what it tells the
// main window.

#include "dictionary/ui/DictionaryChooser.h"

#include "core/Messages.h"
#include "core/ui/WindowPicture.h"
#include "dictionary/Catalogue.h"
#include "dictionary/DictionaryFiles.h"
#include "dictionary/Lookup.h"
#include "support/TempFolder.h"
#include "support/TestDictionary.h"
#include "fakes/FakeClipboard.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace quillet;
using namespace quillet::dictionary;
using quillet::dictionary::ui::DictionaryChooser;

namespace {

constexpr char16_t kCatalogue[] =
    u"Inglês-Português|English-Portuguese|enpt|0|S|S\n"
    u"Português-Inglês|Portuguese-English|pten|1|s|S|extra|fields\n"
    u"Francês-Português|French-Portuguese|frpt|2|S|N\n";

struct Harness
{
    testsupport::TempFolder dir;
    core::SharedState state;
    fakes::FakeClipboard clipboard;
    DictionaryFiles files;
    CatalogueResult catalogue;
    DictionaryChooser chooser{state, clipboard, files};

    explicit Harness(std::int16_t language = 0, std::int16_t active = 0)
    {
        testsupport::writePlainDictionary(dir.path(), "enpt", {{{u"house", u"casa"}}, {}, {}, {}});
        testsupport::writePlainDictionary(dir.path(), "pten", {{{u"gato", u"cat"}}, {}, {}, {}});
        testsupport::writePlainDictionary(dir.path(), "frpt", {{{u"maison", u"casa"}}, {}, {}, {}});
        state.appFolder = dir.appFolder();
        state.interfaceLanguage = language;
        state.activeDictionary = active;
        core::loadMessages(state);
        catalogue = loadCatalogueText(state, kCatalogue);
        chooser.setEntries(catalogue);
        chooser.retranslate();
        OpenDictionaryFiles(files, state);
    }

    QComboBox* list() { return chooser.findChild<QComboBox*>(QStringLiteral("cmbDicionario")); }
    QPushButton* ok() { return chooser.findChild<QPushButton*>(QStringLiteral("cmdOk")); }
    QLabel* label() { return chooser.findChild<QLabel*>(QStringLiteral("lblDic")); }

    bool finds(std::u16string_view word) { return LookupWord(files, state, word, false); }
};

QStringList itemsOf(const QComboBox& list)
{
    QStringList items;
    for (int i = 0; i < list.count(); ++i) items << list.itemText(i);
    return items;
}

}  // namespace

class DictionaryChooserTest : public QObject
{
    Q_OBJECT

private slots:
    void listsTheNamesInRowOrderInTheInterfaceLanguage();
    void selectsTheActiveDictionary();
    void switchingReopensTheFilesAndRestoresTheIdleLook();
    void switchingIgnoresFilesThatCannotOpen();
    void okWithNothingSelectedDoesNothing();
    void keyboardAloneSwitches();
    void savesAPictureOfTheWindow();
};

void DictionaryChooserTest::listsTheNamesInRowOrderInTheInterfaceLanguage()
{
    Harness portuguese(0);
    QCOMPARE(portuguese.chooser.objectName(), QStringLiteral("frmDictionary"));
    QCOMPARE(itemsOf(*portuguese.list()),
             QStringList({QStringLiteral("Inglês-Português"), QStringLiteral("Português-Inglês"),
                          QStringLiteral("Francês-Português")}));
    QCOMPARE(portuguese.chooser.windowTitle(), QStringLiteral("Dicionário"));
    QCOMPARE(portuguese.label()->text(), QStringLiteral("Escolha o dicionário:"));
    QCOMPARE(portuguese.ok()->text(), QStringLiteral("&Ok"));

    Harness english(1);
    QCOMPARE(itemsOf(*english.list()), QStringList({QStringLiteral("English-Portuguese"),
                                                    QStringLiteral("Portuguese-English"),
                                                    QStringLiteral("French-Portuguese")}));
    QCOMPARE(english.chooser.windowTitle(), QStringLiteral("Dictionary"));
}

void DictionaryChooserTest::selectsTheActiveDictionary()
{
    Harness h(1, 1);
    QCOMPARE(h.list()->currentIndex(), 1);
    QCOMPARE(h.chooser.selectedRow(), 1);
    h.list()->setCurrentIndex(2);
    QCOMPARE(h.chooser.selectedRow(), 2);
    h.list()->setCurrentIndex(-1);
    QCOMPARE(h.chooser.selectedRow(), -1);
}

void DictionaryChooserTest::switchingReopensTheFilesAndRestoresTheIdleLook()
{
    Harness h(1, 0);
    QVERIFY(h.finds(u"house"));
    QVERIFY(!h.finds(u"gato"));
    h.state.lastCapturedText = u"house";

    QSignalSpy pronunciation(&h.chooser, &DictionaryChooser::pronunciationAvailable);
    QSignalSpy title(&h.chooser, &DictionaryChooser::mainTitleChanged);
    QSignalSpy idle(&h.chooser, &DictionaryChooser::idleLookRequested);
    QStringList order;
    QObject::connect(&h.chooser, &DictionaryChooser::pronunciationAvailable,
                     [&] { order << "pronunciation"; });
    QObject::connect(&h.chooser, &DictionaryChooser::mainTitleChanged, [&] { order << "title"; });
    QObject::connect(&h.chooser, &DictionaryChooser::idleLookRequested, [&] { order << "idle"; });

    h.chooser.show();
    h.list()->setCurrentIndex(1);
    QTest::mouseClick(h.ok(), Qt::LeftButton);

    QCOMPARE(h.state.activeDictionary, std::int16_t{1});
    QVERIFY(h.state.lastCapturedText.empty());
    QCOMPARE(h.clipboard.clearCount(), 1);
    QVERIFY(h.finds(u"gato"));
    QVERIFY(!h.finds(u"house"));

    QCOMPARE(idle.count(), 1);
    QCOMPARE(pronunciation.count(), 1);
    // Only an exact "S" offers pronunciation; row 1 has "s".
    QCOMPARE(pronunciation.at(0).at(0).toBool(), false);
    QCOMPARE(title.count(), 1);
    QCOMPARE(title.at(0).at(0).toString(), QStringLiteral("Quillet 2007 - Portuguese-English"));
    QCOMPARE(order, QStringList({"pronunciation", "title", "idle"}));
    QVERIFY(!h.chooser.isVisible());

    h.chooser.show();
    h.list()->setCurrentIndex(2);
    h.ok()->click();
    QCOMPARE(h.state.activeDictionary, std::int16_t{2});
    QCOMPARE(pronunciation.at(1).at(0).toBool(), true);
    QVERIFY(h.finds(u"maison"));

    // OK on the dictionary in use still forgets the capture and resets the look.
    h.state.lastCapturedText = u"maison";
    h.chooser.show();
    h.ok()->click();
    QCOMPARE(idle.count(), 3);
    QCOMPARE(title.at(2).at(0).toString(), QStringLiteral("Quillet 2007 - French-Portuguese"));
    QCOMPARE(h.state.activeDictionary, std::int16_t{2});
    QVERIFY(h.state.lastCapturedText.empty());
    QVERIFY(h.finds(u"maison"));
}

void DictionaryChooserTest::switchingIgnoresFilesThatCannotOpen()
{
    Harness h(1, 0);
    // A folder that does not exist: no file of the new set can be created.
    h.state.appFolder += u"missing/";
    QSignalSpy idle(&h.chooser, &DictionaryChooser::idleLookRequested);
    h.chooser.show();
    h.list()->setCurrentIndex(1);
    h.ok()->click();
    QCOMPARE(h.state.activeDictionary, std::int16_t{1});
    QCOMPARE(idle.count(), 1);
    QVERIFY(!h.chooser.isVisible());
    QVERIFY(!h.finds(u"gato"));
}

void DictionaryChooserTest::okWithNothingSelectedDoesNothing()
{
    Harness h(0, 2);
    h.state.lastCapturedText = u"maison";
    QSignalSpy title(&h.chooser, &DictionaryChooser::mainTitleChanged);
    QSignalSpy idle(&h.chooser, &DictionaryChooser::idleLookRequested);
    h.chooser.show();
    h.list()->setCurrentIndex(-1);
    QTest::mouseClick(h.ok(), Qt::LeftButton);

    QCOMPARE(h.state.activeDictionary, std::int16_t{2});
    QCOMPARE(h.state.lastCapturedText, std::u16string(u"maison"));
    QCOMPARE(h.clipboard.clearCount(), 0);
    QCOMPARE(title.count(), 0);
    QCOMPARE(idle.count(), 0);
    QVERIFY(h.chooser.isVisible());
    QVERIFY(h.finds(u"maison"));
}

void DictionaryChooserTest::keyboardAloneSwitches()
{
    Harness h(1, 0);
    h.chooser.show();
    QVERIFY(QTest::qWaitForWindowActive(&h.chooser));
    h.list()->setFocus();
    QTest::keyClick(h.list(), Qt::Key_Down);
    QCOMPARE(h.list()->currentIndex(), 1);
    QTest::keyClick(h.list(), Qt::Key_Return);
    QCOMPARE(h.state.activeDictionary, std::int16_t{1});
    QVERIFY(!h.chooser.isVisible());
}

void DictionaryChooserTest::savesAPictureOfTheWindow()
{
    Harness h(1, 1);
    h.chooser.show();
    const QImage picture =
        quillet::testing::saveWindowPicture(h.chooser, QStringLiteral("dictionary-chooser"));
    QCOMPARE(picture.size(), h.chooser.size() * h.chooser.devicePixelRatio());
    QVERIFY(quillet::testing::hasDrawing(picture));
}

QTEST_MAIN(DictionaryChooserTest)
#include "DictionaryChooserTest.moc"
