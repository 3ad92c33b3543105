// The user dictionary editor: the add and save steps, what reaches the two
// user files, and the entries it must refuse.

#include "dictionary/ui/UserDictionaryEditor.h"

#include "core/Messages.h"
#include "core/ui/WindowPicture.h"
#include "dictionary/Catalogue.h"
#include "dictionary/DictionaryFiles.h"
#include "dictionary/Lookup.h"
#include "support/TempFolder.h"
#include "support/TestDictionary.h"
#include "fakes/FakeDialogs.h"
#include "platform/qt/QtText.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <algorithm>

using namespace quillet;
using namespace quillet::dictionary;
using quillet::dictionary::ui::UserDictionaryEditor;
using quillet::platform::toQString;

namespace {

constexpr char16_t kCatalogue[] = u"Inglês-Português|English-Portuguese|enpt|0|S|S\n";

struct Harness
{
    testsupport::TempFolder dir;
    core::SharedState state;
    fakes::FakeDialogs dialogs;
    DictionaryFiles files;
    std::unique_ptr<UserDictionaryEditor> editor;

    explicit Harness(std::int16_t language = 0, testsupport::PlainDictionary content = standardContent())
    {
        testsupport::writePlainDictionary(dir.path(), "enpt", content);
        state.appFolder = dir.appFolder();
        state.interfaceLanguage = language;
        core::loadMessages(state);
        loadCatalogueText(state, kCatalogue);
        if (!OpenDictionaryFiles(files, state).failures.empty())
            qFatal("sample dictionary did not open");
        editor = std::make_unique<UserDictionaryEditor>(state, dialogs, files);
        editor->show();
        if (!QTest::qWaitForWindowActive(editor.get()))
            qWarning("editor window did not become active");
    }

    // house: a dictionary word with a note; cat: without one; dog: in the
    // dictionary and in the user file (second record) with a user note.
    static testsupport::PlainDictionary standardContent()
    {
        return {{{u"house", u"casa"}, {u"cat", u"gato"}, {u"dog", u"cachorro"}},
                {{u"house", u"A building to live in."}},
                {{u"bird", u"pássaro"}, {u"dog", u"cão"}},
                {{u"dog", u"Barks at the Postman."}}};
    }

    template <class Control>
    Control* child(const char* name)
    {
        return editor->findChild<Control*>(QString::fromLatin1(name));
    }
    QLineEdit* word() { return child<QLineEdit>("txtPalavra"); }
    QLineEdit* translation() { return child<QLineEdit>("txtTraducao"); }
    QPlainTextEdit* note() { return child<QPlainTextEdit>("txtDetalhe"); }
    QPushButton* addSave() { return child<QPushButton>("cmdInclui"); }
    QPushButton* closeButton() { return child<QPushButton>("cmdFechar"); }
    QLabel* label(const char* name) { return child<QLabel>(name); }

    QString message(int number) const
    {
        return toQString(state.messages[static_cast<std::size_t>(number)]);
    }

    bool entryBoxesVisible()
    {
        return translation()->isVisible() && note()->isVisible() &&
               label("lblTraducao")->isVisible() && label("lblDetalhes")->isVisible();
    }
    bool entryBoxesHidden()
    {
        return !translation()->isVisible() && !note()->isVisible() &&
               !label("lblTraducao")->isVisible() && !label("lblDetalhes")->isVisible();
    }

    void typeWord(const QString& text)
    {
        word()->clear();
        QTest::keyClicks(word(), text);
    }

    std::string userBytes() { return testsupport::readFile(dir.path() / "enpt.dcu"); }
    std::string noteBytes() { return testsupport::readFile(dir.path() / "enpt.dtu"); }

    EntryRecord userRecord(std::int32_t number)
    {
        return parseEntry(files.user().recordBytes(number));
    }
    EntryRecord noteRecord(std::int32_t number)
    {
        return parseEntry(files.userDetails().recordBytes(number));
    }
};

// Every record but the one numbered (0: none) is byte-identical to before.
void expectOnlyRecordChanged(const std::string& before, const std::string& after,
                             std::size_t length, int number)
{
    const std::size_t changed = static_cast<std::size_t>(number);
    QCOMPARE(after.size(), std::max(before.size(), changed * length));
    for (std::size_t at = 0; at < before.size(); at += length) {
        if (at / length + 1 != changed)
            QCOMPARE(after.substr(at, length), before.substr(at, length));
    }
}

// An expected record with an empty term stands for a deleted one.
void expectRecord(const EntryRecord& actual, const EntryRecord& expected)
{
    if (expected.term.empty())
        QVERIFY(actual.term.empty());
    else
        QCOMPARE(actual, expected);
}

}  // namespace

Q_DECLARE_METATYPE(quillet::dictionary::EntryRecord)

class UserDictionaryEditorTest : public QObject
{
    Q_OBJECT

private slots:
    void loadsCaptionsTitleAndLimits();
    void addStepFillsTheBoxes_data();
    void addStepFillsTheBoxes();
    void savesTheEntry_data();
    void savesTheEntry();
    void leavingTheSaveStateStartsAgainAtAdd();
    void refusedEntriesWriteNothingAndStayForEditing_data();
    void refusedEntriesWriteNothingAndStayForEditing();
    void aChangeOfLanguageMakesTheNextPressABareAddStep();
    void enterInTheWordAndTranslationBoxesPresses();
    void noteBoxHoldsAtMost510Characters();
    void savesAPictureOfTheWindow();
};

void UserDictionaryEditorTest::loadsCaptionsTitleAndLimits()
{
    Harness pt(0);
    QCOMPARE(pt.editor->objectName(), QStringLiteral("frmUserDic"));
    QCOMPARE(pt.editor->windowTitle(),
             QStringLiteral("Incluir/Alterar Palavras - Inglês-Português"));
    QCOMPARE(pt.addSave()->text(), QStringLiteral("&Incluir"));
    QCOMPARE(pt.closeButton()->text(), QStringLiteral("&Sair"));
    QCOMPARE(pt.label("lblPalavra")->text(), QStringLiteral("Palavra"));
    QCOMPARE(pt.label("lblTraducao")->text(), QStringLiteral("Tradução"));
    QCOMPARE(pt.label("lblDetalhes")->text(), QStringLiteral("Detalhes"));
    QVERIFY(pt.word()->isVisible());
    QVERIFY(pt.entryBoxesHidden());
    QCOMPARE(pt.word()->maxLength(), 20);
    QCOMPARE(pt.translation()->maxLength(), 255);

    // Keyboard order: word, translation, button, close, note.
    pt.typeWord(QStringLiteral("cat"));
    pt.addSave()->click();
    QWidget* expected[] = {pt.translation(), pt.addSave(), pt.closeButton(), pt.note(), pt.word()};
    QWidget* at = pt.word();
    for (QWidget* next : expected) {
        at = at->nextInFocusChain();
        while (at->focusPolicy() == Qt::NoFocus || !at->isVisible()) at = at->nextInFocusChain();
        QCOMPARE(at, next);
    }
}

void UserDictionaryEditorTest::addStepFillsTheBoxes_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("translation");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("caption");
    QTest::newRow("in the user file") << 1 << " Dog " << "cão" << "Barks at the Postman."
                                      << "&Save";
    // A user word without a note shows an empty note box, not the dictionary's.
    QTest::newRow("user word, no note") << 1 << "bird" << "pássaro" << "" << "&Save";
    QTest::newRow("only in the dictionary") << 0 << "House" << "casa" << "A building to live in."
                                            << "&Salvar";
    // Without a dictionary note the translation stands in for it.
    QTest::newRow("dictionary word, no note") << 0 << "cat" << "gato" << "gato" << "&Salvar";
    QTest::newRow("known nowhere") << 0 << "zebra" << "" << "" << "&Salvar";
}

void UserDictionaryEditorTest::addStepFillsTheBoxes()
{
    QFETCH(int, language);
    QFETCH(QString, word);
    QFETCH(QString, translation);
    QFETCH(QString, note);
    QFETCH(QString, caption);
    Harness h(static_cast<std::int16_t>(language));
    h.typeWord(word);
    h.addSave()->click();
    QVERIFY(h.entryBoxesVisible());
    QCOMPARE(h.translation()->text(), translation);
    QCOMPARE(h.note()->toPlainText(), note);
    QCOMPARE(h.addSave()->text(), caption);
    QCOMPARE(toQString(h.state.lastTranslation), translation);
    QTRY_VERIFY(h.translation()->hasFocus());
}

void UserDictionaryEditorTest::savesTheEntry_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("translation");
    QTest::addColumn<QString>("note");
    QTest::addColumn<int>("userNumber");
    QTest::addColumn<EntryRecord>("user");
    QTest::addColumn<int>("noteNumber");
    QTest::addColumn<EntryRecord>("noteRecord");
    QTest::addColumn<QString>("lookedUp");
    // The user file holds bird (1) and dog (2), the note file dog (1); number 0
    // means the file stays as it was, an empty term a deleted record.
    using E = EntryRecord;
    QTest::newRow("new word appends to each file")
        << "zebra" << "zebra listrada" << "" << 3 << E{u"zebra", u"zebra listrada"} << 2 << E{}
        << "zebra listrada";
    QTest::newRow("user entry wins over the dictionary's")
        << "house" << "Moradia" << "A building to live in." << 3 << E{u"house", u"moradia"} << 2
        << E{u"house", u"A building to live in."} << "moradia";
    QTest::newRow("existing word rewritten in place")
        << "dog" << "cão amigo" << "Good Boy." << 2 << E{u"dog", u"cão amigo"} << 1
        << E{u"dog", u"Good Boy."} << "cão amigo";
    QTest::newRow("empty translation deletes the entry")
        << "dog" << "" << "Barks at the Postman." << 2 << E{} << 1
        << E{u"dog", u"Barks at the Postman."} << "cachorro";
    QTest::newRow("empty note deletes the note")
        << "dog" << "cão" << "" << 2 << E{u"dog", u"cão"} << 1 << E{} << "cão";
    QTest::newRow("word and translation lower-cased, note as typed")
        << "Casa" << "HOUSE, Home" << "Kept As Typed" << 3 << E{u"casa", u"house, home"} << 2
        << E{u"casa", u"Kept As Typed"} << "house, home";
    QTest::newRow("blank word") << "   " << "nothing" << "" << 0 << E{} << 0 << E{} << "";
}

void UserDictionaryEditorTest::savesTheEntry()
{
    QFETCH(QString, word);
    QFETCH(QString, translation);
    QFETCH(QString, note);
    QFETCH(int, userNumber);
    QFETCH(EntryRecord, user);
    QFETCH(int, noteNumber);
    QFETCH(EntryRecord, noteRecord);
    QFETCH(QString, lookedUp);
    Harness h(1);
    const std::string usersBefore = h.userBytes();
    const std::string notesBefore = h.noteBytes();
    h.typeWord(word);
    h.addSave()->click();
    h.translation()->setText(translation);
    h.note()->setPlainText(note);
    h.addSave()->click();

    QCOMPARE(h.dialogs.count(), std::size_t{0});
    expectOnlyRecordChanged(usersBefore, h.userBytes(), kShortRecordLength, userNumber);
    expectOnlyRecordChanged(notesBefore, h.noteBytes(), kLongRecordLength, noteNumber);
    if (userNumber > 0)
        expectRecord(h.userRecord(userNumber), user);
    if (noteNumber > 0)
        expectRecord(h.noteRecord(noteNumber), noteRecord);

    // Back to the add state with every box empty.
    QCOMPARE(h.addSave()->text(), QStringLiteral("&Add"));
    QVERIFY(h.entryBoxesHidden());
    QVERIFY(h.word()->text().isEmpty());
    QVERIFY(h.translation()->text().isEmpty());
    QVERIFY(h.note()->toPlainText().isEmpty());

    // The entry is on disk: a fresh opening of the files finds it too.
    if (lookedUp.isEmpty())
        return;
    DictionaryFiles reopened;
    QVERIFY(reopened.open(h.dir.path(), u"enpt").empty());
    QVERIFY(LookupWord(reopened, h.state, platform::toU16(word.toLower()), false));
    QCOMPARE(toQString(h.state.lastTranslation), lookedUp);
}

void UserDictionaryEditorTest::leavingTheSaveStateStartsAgainAtAdd()
{
    Harness h(0);
    const std::string usersBefore = h.userBytes();
    h.typeWord(QStringLiteral("dog"));
    h.addSave()->click();
    QCOMPARE(h.addSave()->text(), QStringLiteral("&Salvar"));
    // An edit of the word drops the entry shown.
    QTest::keyClick(h.word(), Qt::Key_S);
    QCOMPARE(h.addSave()->text(), QStringLiteral("&Incluir"));
    QVERIFY(h.entryBoxesHidden());
    QVERIFY(h.translation()->text().isEmpty());
    QVERIFY(h.note()->toPlainText().isEmpty());
    QCOMPARE(h.word()->text(), QStringLiteral("dogs"));
    QCOMPARE(h.userBytes(), usersBefore);

    // So does closing; the window opens again in the language of the moment.
    h.addSave()->click();
    h.closeButton()->click();
    QVERIFY(!h.editor->isVisible());
    h.state.interfaceLanguage = 1;
    core::loadMessages(h.state);
    h.editor->show();
    QCOMPARE(h.addSave()->text(), QStringLiteral("&Add"));
    QCOMPARE(h.closeButton()->text(), QStringLiteral("&Close"));
    QVERIFY(h.word()->text().isEmpty());
    QVERIFY(h.entryBoxesHidden());
    QCOMPARE(h.editor->windowTitle(), QStringLiteral("Insert/Edit Words - English-Portuguese"));
}

void UserDictionaryEditorTest::refusedEntriesWriteNothingAndStayForEditing_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("translation");
    QTest::addColumn<QString>("note");
    QTest::addColumn<int>("message");
    QTest::addColumn<bool>("noteBoxBlamed");
    const QString word20(20, QLatin1Char('w'));
    // 2 + 20 + 2 + 104 = 128 fits; one more does not.
    QTest::newRow("translation one past the record")
        << 0 << word20 << QString(105, QLatin1Char('t')) << QString()
        << int(core::kMsgUserWordTooLong) << false;
    // 2 + 20 + 2 + 488 = 512 fits; one more does not.
    QTest::newRow("note one past the record")
        << 1 << word20 << QStringLiteral("ok") << QString(489, QLatin1Char('n'))
        << int(core::kMsgUserNoteTooLong) << true;
    QTest::newRow("translation at the box limit")
        << 1 << word20 << QString(255, QLatin1Char('t')) << QString(510, QLatin1Char('n'))
        << int(core::kMsgUserWordTooLong) << false;
    QTest::newRow("translation not storable")
        << 1 << QStringLiteral("house") << QStringLiteral("casa → lar") << QString()
        << int(core::kMsgUserTextNotStorable) << false;
    QTest::newRow("note not storable")
        << 0 << QStringLiteral("house") << QStringLiteral("casa") << QStringLiteral("家 is house")
        << int(core::kMsgUserTextNotStorable) << true;
    // The files went away under the editor, as after a switch that failed.
    QTest::newRow("files closed") << 0 << QStringLiteral("zebra") << QStringLiteral("zebra")
                                  << QString() << int(core::kMsgUserWriteFailed) << false;
}

void UserDictionaryEditorTest::refusedEntriesWriteNothingAndStayForEditing()
{
    QFETCH(int, language);
    QFETCH(QString, word);
    QFETCH(QString, translation);
    QFETCH(QString, note);
    QFETCH(int, message);
    QFETCH(bool, noteBoxBlamed);
    Harness h(static_cast<std::int16_t>(language));
    const std::string usersBefore = h.userBytes();
    const std::string notesBefore = h.noteBytes();
    h.typeWord(word);
    h.addSave()->click();
    h.translation()->setText(translation);
    h.note()->setPlainText(note);
    const QString caption = h.addSave()->text();
    if (message == core::kMsgUserWriteFailed)
        h.files.close();
    h.addSave()->click();

    QCOMPARE(h.dialogs.count(), std::size_t{1});
    QCOMPARE(h.dialogs.last().icon, platform::MessageIcon::Exclamation);
    QCOMPARE(toQString(h.dialogs.last().text), h.message(message));
    // Each refusal says what went wrong: no two share a text.
    for (int other : {core::kMsgUserWordTooLong, core::kMsgUserNoteTooLong,
                      core::kMsgUserTextNotStorable, core::kMsgUserWriteFailed})
        QVERIFY(other == message || h.message(other) != h.message(message));
    QCOMPARE(toQString(h.dialogs.last().title), h.message(core::kMsgWarningTitle));
    QCOMPARE(h.userBytes(), usersBefore);
    QCOMPARE(h.noteBytes(), notesBefore);
    // Still in the save state, with the text there to shorten.
    QCOMPARE(h.addSave()->text(), caption);
    QVERIFY(h.entryBoxesVisible());
    QCOMPARE(h.word()->text(), word);
    QCOMPARE(h.translation()->text(), translation);
    QCOMPARE(h.note()->toPlainText(), note);
    QTRY_VERIFY((noteBoxBlamed ? static_cast<QWidget*>(h.note()) : h.translation())->hasFocus());
    if (message == core::kMsgUserTextNotStorable || message == core::kMsgUserWriteFailed)
        return;

    // Shortened, the same entry goes in.
    h.translation()->setText(translation.left(104));
    h.note()->setPlainText(note.left(488));
    h.addSave()->click();
    QCOMPARE(h.dialogs.count(), std::size_t{1});
    QCOMPARE(h.userRecord(h.files.user().recordCount()).term, platform::toU16(word));
}

void UserDictionaryEditorTest::aChangeOfLanguageMakesTheNextPressABareAddStep()
{
    Harness h(0);
    const std::string usersBefore = h.userBytes();
    const std::string notesBefore = h.noteBytes();
    h.typeWord(QStringLiteral("dog"));
    h.addSave()->click();
    QCOMPARE(h.addSave()->text(), QStringLiteral("&Salvar"));

    h.state.interfaceLanguage = 1;
    core::loadMessages(h.state);
    h.translation()->setText(QStringLiteral("edited"));
    h.addSave()->click();

    // Neither caption matched: nothing filled, nothing saved, the new "save".
    QCOMPARE(h.translation()->text(), QStringLiteral("edited"));
    QCOMPARE(h.userBytes(), usersBefore);
    QCOMPARE(h.noteBytes(), notesBefore);
    QVERIFY(h.entryBoxesVisible());
    QCOMPARE(h.addSave()->text(), QStringLiteral("&Save"));
    // The other captions keep the language they were loaded in.
    QCOMPARE(h.closeButton()->text(), QStringLiteral("&Sair"));

    h.addSave()->click();
    QCOMPARE(h.userRecord(2), (EntryRecord{u"dog", u"edited"}));
    QCOMPARE(h.addSave()->text(), QStringLiteral("&Add"));
}

void UserDictionaryEditorTest::enterInTheWordAndTranslationBoxesPresses()
{
    Harness h(1);
    h.typeWord(QStringLiteral("zebra"));
    QTest::keyClick(h.word(), Qt::Key_Return);
    QCOMPARE(h.addSave()->text(), QStringLiteral("&Save"));
    QTest::keyClicks(h.translation(), QStringLiteral("Zebra"));
    QTest::keyClick(h.translation(), Qt::Key_Enter);
    QCOMPARE(h.addSave()->text(), QStringLiteral("&Add"));
    QCOMPARE(h.userRecord(h.files.user().recordCount()), (EntryRecord{u"zebra", u"zebra"}));

    // Enter in the note box is a line break, not a press.
    h.typeWord(QStringLiteral("zebra"));
    QTest::keyClick(h.word(), Qt::Key_Return);
    h.note()->setFocus();
    QTest::keyClicks(h.note(), QStringLiteral("one"));
    QTest::keyClick(h.note(), Qt::Key_Return);
    QTest::keyClicks(h.note(), QStringLiteral("two"));
    QCOMPARE(h.addSave()->text(), QStringLiteral("&Save"));
    QCOMPARE(h.note()->toPlainText(), QStringLiteral("one\ntwo"));
}

void UserDictionaryEditorTest::noteBoxHoldsAtMost510Characters()
{
    Harness h(1);
    h.typeWord(QStringLiteral("zebra"));
    h.addSave()->click();
    h.note()->setPlainText(QString(505, QLatin1Char('a')));
    h.note()->moveCursor(QTextCursor::End);
    QTest::keyClicks(h.note(), QStringLiteral("bcdefghij"));
    QCOMPARE(h.note()->toPlainText(), QString(505, QLatin1Char('a')) + QStringLiteral("bcdef"));

    // A paste in the middle keeps what was there and drops the excess of the paste.
    h.note()->setPlainText(QString(500, QLatin1Char('a')));
    QTextCursor cursor = h.note()->textCursor();
    cursor.setPosition(10);
    h.note()->setTextCursor(cursor);
    h.note()->insertPlainText(QString(20, QLatin1Char('z')));
    const QString text = h.note()->toPlainText();
    QCOMPARE(text.size(), 510);
    QCOMPARE(text.count(QLatin1Char('a')), 500);
    QCOMPARE(text.mid(10, 10), QString(10, QLatin1Char('z')));
}

void UserDictionaryEditorTest::savesAPictureOfTheWindow()
{
    Harness h(1);
    h.typeWord(QStringLiteral("house"));
    h.addSave()->click();
    const QImage picture =
        quillet::testing::saveWindowPicture(*h.editor, QStringLiteral("user-dictionary-editor"));
    QCOMPARE(picture.size(), h.editor->size() * h.editor->devicePixelRatio());
    QVERIFY(quillet::testing::hasDrawing(picture));
}

QTEST_MAIN(UserDictionaryEditorTest)
#include "UserDictionaryEditorTest.moc"
