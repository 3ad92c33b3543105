// The user dictionary editor: what the add step shows, the entries the save
// step must leave unwritten, and the states the keyboard walks it through.

#include "dictionary/ui/UserDictionaryEditor.h"

#include "core/Messages.h"
#include "dictionary/Catalogue.h"
#include "dictionary/DictionaryFiles.h"
#include "dictionary/Lookup.h"
#include "fakes/FakeDialogs.h"
#include "fakes/FakeScreen.h"
#include "platform/qt/QtText.h"
#include "support/TempFolder.h"
#include "support/TestDictionary.h"
#include "support/WindowPicture.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include <tuple>

using namespace quillet;

namespace {

// house has a dictionary note; dog is the user's too, with a user note; bird
// is the user's alone, without one.
core::SharedState sampleState(const testsupport::TempFolder& dir)
{
    testsupport::writePlainDictionary(dir.path(), "enpt",
                                      {{{u"house", u"casa"}},
                                       {{u"house", u"A building to live in."}},
                                       {{u"bird", u"pássaro"}, {u"dog", u"cão"}},
                                       {{u"dog", u"Barks at the Postman."}}});
    core::SharedState state;
    state.appFolder = dir.appFolder();
    core::loadMessages(state);
    dictionary::loadCatalogueText(state, u"Inglês-Português|English-Portuguese|enpt|0|S|S\n");
    return state;
}

struct Harness
{
    testsupport::TempFolder dir;
    core::SharedState state = sampleState(dir);
    fakes::FakeDialogs dialogs;
    dictionary::DictionaryFiles files;
    dictionary::Activation opened = dictionary::OpenDictionaryFiles(files, state);
    dictionary::ui::UserDictionaryEditor editor{state, dialogs, files, fakes::FakeScreen()};
    QLineEdit* word = editor.findChild<QLineEdit*>("txtPalavra");
    QLineEdit* translation = editor.findChild<QLineEdit*>("txtTraducao");
    QPlainTextEdit* note = editor.findChild<QPlainTextEdit*>("txtDetalhe");
    QPushButton* addSave = editor.findChild<QPushButton*>("cmdInclui");
    QPushButton* close = editor.findChild<QPushButton*>("cmdFechar");

    Harness()
    {
        editor.show();
        static_cast<void>(QTest::qWaitForWindowActive(&editor));
    }
    QString message(int number) { return platform::toQString(state.messages.at(number)); }
    std::string userFiles()
    {
        return testsupport::readFile(dir / "enpt.dcu") + testsupport::readFile(dir / "enpt.dtu");
    }
    int boxesShown() { return translation->isVisible() + note->isVisible(); }
};

}  // namespace

class UserDictionaryEditorTest : public QObject
{
    Q_OBJECT

private slots:
    void addStepShowsWhatIsKnown();
    void unwrittenEntries();
    void walkThroughTheStates();
};

void UserDictionaryEditorTest::addStepShowsWhatIsKnown()
{
    Harness h;
    const QString rows[][3] = {{" Dog ", "cão", "Barks at the Postman."},
                               {"bird", "pássaro", ""},  // not the note of the word before
                               {"House", "casa", "A building to live in."},
                               {"zebra", "", ""}};
    for (const auto& [typed, translation, note] : rows) {
        h.word->clear();  // an edit of the word drops the entry shown
        QCOMPARE(h.boxesShown(), 0);
        QTest::keyClicks(h.word, typed);
        h.addSave->click();
        QCOMPARE(h.translation->text() + '|' + h.note->toPlainText(), translation + '|' + note);
        QCOMPARE(h.boxesShown(), 2);
        QTRY_VERIFY(h.translation->hasFocus());
    }
}

// Nothing reaches the user files; a refusal, in either language, says what
// to change and leaves the entry in place with the focus on the box to
// correct. A user record holds 124 bytes of word and translation, a details
// record 508 of word and note, one byte a character, spaces around the word
// counted.
void UserDictionaryEditorTest::unwrittenEntries()
{
    Harness h;
    const std::string before = h.userFiles();
    // The entry; the refusal's message number (0: none), what its text names,
    // the box it blames.
    const std::tuple<QString, QString, QString, int, QString, QWidget*> rows[] = {
        {"   ", "nothing", "", 0, "", nullptr},
        {"House", QString(255, 't'), "", core::kMsgUserWordTooLong, "119", h.translation},
        {" dog", QString(125, 't'), "", core::kMsgUserWordTooLong, "120", h.translation},
        {"house", "casa", QString(510, 'n'), core::kMsgUserNoteTooLong, "503", h.note},
        {"house", "casa", "家 is house", core::kMsgUserTextNotStorable, "\"家\"", h.note},
        {"my 家", "casa", "", core::kMsgUserTextNotStorable, "\"家\"", h.translation},
        {"house", "casa \U0001F3E0", "", core::kMsgUserTextNotStorable, "\"\U0001F3E0\"",
         h.translation},
        {"house", "casa\u200B", "", core::kMsgUserTextNotStorable, "U+200B", h.translation},
        {"house", "casa", "cafe\u0301", core::kMsgUserTextNotStorable, "U+0301", h.note},
        {"zebra", "zebra", "", core::kMsgUserWriteFailed, "", h.translation},  // files closed
    };
    for (const int language : {0, 1}) {
        h.state.interfaceLanguage = language;
        core::loadMessages(h.state);
        h.editor.load();
        for (const auto& [word, translation, note, refusal, named, blamed] : rows) {
            h.dialogs.shown.clear();
            h.word->clear();  // so the same word again is an edit too
            h.word->setText(word);
            h.addSave->click();
            h.translation->setText(translation);
            h.note->setPlainText(note);
            if (refusal == core::kMsgUserWriteFailed)
                h.files.close();
            QTest::mouseClick(h.addSave, Qt::LeftButton);
            QCOMPARE(h.userFiles(), before);
            QCOMPARE(h.dialogs.shown.size(), std::size_t(refusal != 0));
            if (!blamed)
                continue;
            const QString text = platform::toQString(h.dialogs.shown.back().text);
            QVERIFY2(text.contains(named), qPrintable(text));
            QCOMPARE(text, h.message(refusal).replace("%1", named));
            QCOMPARE(platform::toQString(h.dialogs.shown.back().title),
                     h.message(core::kMsgWarningTitle));
            QCOMPARE(h.word->text() + h.translation->text() + h.note->toPlainText(),
                     word + translation + note);
            QTRY_VERIFY(blamed->hasFocus());
        }
        h.files.close();
        h.opened = dictionary::OpenDictionaryFiles(h.files, h.state);
    }
}

void UserDictionaryEditorTest::walkThroughTheStates()
{
    Harness h;
    // The word box holds 20 characters; Enter there is the add step.
    QTest::keyClicks(h.word, "abcdefghijklmnopqrstu");
    QCOMPARE(h.word->text(), "abcdefghijklmnopqrst");
    h.word->clear();
    QTest::keyClicks(h.word, "Zebra");
    QTest::keyClick(h.word, Qt::Key_Return);
    QCOMPARE(h.addSave->text(), h.message(core::kMsgEditorSave));
    QVERIFY(testsupport::hasDrawing(
        testsupport::saveWindowPicture(h.editor, "user-dictionary-editor")));

    // Typing past 510 characters in the note drops what was typed last,
    // wherever the cursor is.
    h.note->setPlainText(QString(505, 'a'));
    QTextCursor cursor = h.note->textCursor();
    cursor.setPosition(10);
    h.note->setTextCursor(cursor);
    QTest::keyClicks(h.note, "onetwo");
    QCOMPARE(h.note->toPlainText(), QString(10, 'a') + "onetw" + QString(495, 'a'));

    // Enter in the translation box saves.
    h.note->setPlainText("Striped");
    QTest::keyClicks(h.translation, "Zebra Listrada");
    QTest::keyClick(h.translation, Qt::Key_Enter);
    QCOMPARE(h.addSave->text(), h.message(core::kMsgEditorAdd));
    QCOMPARE(h.boxesShown(), 0);
    QCOMPARE(h.word->text() + h.translation->text() + h.note->toPlainText(), "");
    QTRY_VERIFY(h.word->hasFocus());
    // Word and translation are stored lower-cased, the note as typed.
    const core::LookupResult zebra = dictionary::LookupWord(h.files, h.state, u"zebra", true);
    QCOMPARE(zebra.translation + u"|" + zebra.details, u"zebra listrada|Striped");

    // Closing drops the entry shown; the next showing loads in the language
    // of the moment.
    QTest::keyClicks(h.word, "dog");
    h.addSave->click();
    h.state.interfaceLanguage = 1;
    core::loadMessages(h.state);
    h.close->click();
    h.editor.show();
    QCOMPARE(h.editor.windowTitle(), h.message(core::kMsgEditorTitle) + " - English-Portuguese");
    QCOMPARE(h.close->text(), h.message(core::kMsgEditorClose));
    QCOMPARE(h.addSave->text(), h.message(core::kMsgEditorAdd));
    QCOMPARE(h.word->text() + h.translation->text() + h.note->toPlainText(), "");
    QCOMPARE(h.boxesShown(), 0);
}

QTEST_MAIN(UserDictionaryEditorTest)
#include "UserDictionaryEditorTest.moc"
