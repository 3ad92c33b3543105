// The dictionary chooser: its list, the switch it makes on OK and what it
// tells the main window.

#include "dictionary/ui/DictionaryChooser.h"

#include "dictionary/DictionaryFiles.h"
#include "fakes/FakeClipboard.h"
#include "fakes/FakeScreen.h"
#include "support/TempFolder.h"
#include "support/WindowPicture.h"

#include <QComboBox>
#include <QtTest>

using namespace quillet;
using dictionary::ui::DictionaryChooser;

class DictionaryChooserTest : public QObject
{
    Q_OBJECT
private slots:
    void walksThroughTheSwitches();
};

void DictionaryChooserTest::walksThroughTheSwitches()
{
    testsupport::TempFolder dir;
    core::SharedState state;
    state.appFolder = dir.appFolder();
    state.interfaceLanguage = 1;
    state.activeDictionary = 2;
    // Rows with gaps, so a list position is not its row; only an exact "S"
    // in the fifth cell offers pronunciation.
    const dictionary::CatalogueResult catalogue =
        dictionary::loadCatalogueText(state,
                                      u"Inglês-Português|English-Portuguese|enpt|0|S|S\n"
                                      u"Português-Inglês|Portuguese-English|pten|2|s|S\n"
                                      u"Francês-Português|French-Portuguese|frpt|5|S|N\n");
    fakes::FakeClipboard clipboard;
    dictionary::DictionaryFiles files;
    DictionaryChooser chooser(state, clipboard, files, fakes::FakeScreen());
    chooser.setEntries(catalogue);
    auto* list = chooser.findChild<QComboBox*>("cmbDicionario");
    QStringList told;  // what the main window hears, in order
    connect(
        &chooser, &DictionaryChooser::pronunciationAvailable,
        [&](bool on) { told << (on ? "speech" : "no speech"); });
    connect(
        &chooser, &DictionaryChooser::mainTitleChanged, [&](const QString& t) { told << t; });
    connect(&chooser, &DictionaryChooser::idleLookRequested, [&] { told << "idle"; });

    QCOMPARE(list->itemText(2), "French-Portuguese");
    QCOMPARE(chooser.selectedRow(), 2);

    // OK on the dictionary in use switches all the same, by the keyboard alone.
    chooser.show();
    QVERIFY(QTest::qWaitForWindowActive(&chooser));
    QVERIFY(testsupport::hasDrawing(testsupport::saveWindowPicture(chooser, "dictionary-chooser")));
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(told, QStringList({"no speech", "Quillet 2007 - Portuguese-English", "idle"}));
    QVERIFY(!chooser.isVisible());

    told.clear();
    chooser.show();
    list->setCurrentIndex(-1);
    chooser.confirm();
    QVERIFY(told.isEmpty() && chooser.isVisible());

    // Files that cannot be created in a missing folder do not stop the switch.
    state.appFolder += u"missing/";
    list->setCurrentIndex(2);
    chooser.confirm();
    QCOMPARE(state.activeDictionary, std::int16_t{5});
    QCOMPARE(told, QStringList({"speech", "Quillet 2007 - French-Portuguese", "idle"}));
    QVERIFY(!chooser.isVisible());
    QCOMPARE(clipboard.clearCount, 2);
}

QTEST_MAIN(DictionaryChooserTest)
#include "DictionaryChooserTest.moc"
