#include "dictionary/ui/UserDictionaryEditor.h"

#include "core/LookupResult.h"
#include "core/Messages.h"
#include "core/TextUtil.h"
#include "dictionary/Catalogue.h"
#include "dictionary/DictionaryFiles.h"
#include "dictionary/Lookup.h"
#include "dictionary/Records.h"
#include "dictionary/UserRecords.h"
#include "platform/Dialogs.h"
#include "platform/qt/QtText.h"
#include "widgets/DesignFont.h"
#include "widgets/TwipsGeometry.h"
#include "widgets/WindowFrame.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <algorithm>
#include <optional>
#include <utility>

namespace quillet::dictionary::ui {

using platform::toQString;
using platform::toU16;

namespace {

QString message(const core::SharedState& state, int number)
{
    return toQString(state.messages[static_cast<std::size_t>(number)]);
}

// In quotes when it shows; by its code when it is invisible or would merge
// with the quote (a control, a format mark, a space, a combining mark).
QString characterName(char32_t character)
{
    switch (QChar::category(character)) {
        case QChar::Other_Control:
        case QChar::Other_Format:
        case QChar::Other_Surrogate:
        case QChar::Other_NotAssigned:
        case QChar::Other_PrivateUse:
        case QChar::Separator_Space:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
        case QChar::Mark_NonSpacing:
        case QChar::Mark_SpacingCombining:
        case QChar::Mark_Enclosing:
            return QStringLiteral("U+%1")
                .arg(static_cast<uint>(character), 4, 16, QLatin1Char('0'))
                .toUpper();
        default:
            return u'"' + QString::fromUcs4(&character, 1) + u'"';
    }
}

QString refusalText(const core::SharedState& state, const UserSaveResult& result)
{
    switch (result.error) {
        case RecordError::TooLong:
            return message(state, result.failed == UserEntryTarget::Word
                                      ? core::kMsgUserWordTooLong
                                      : core::kMsgUserNoteTooLong)
                .arg(result.room);
        case RecordError::NotWindows1252:
            return message(state, core::kMsgUserTextNotStorable)
                .arg(characterName(result.character));
        default:
            return message(state, core::kMsgUserWriteFailed);
    }
}

QLabel* makeLabel(QWidget& parent, const widgets::TwipsGeometry& twips, const char* name,
                  double top)
{
    auto* label = new QLabel(&parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(widgets::designFont(true));
    twips.place(*label, 0, top, 1335, 255);
    return label;
}

QLineEdit* makeLine(QWidget& parent, const widgets::TwipsGeometry& twips, const char* name,
                    double top, int limit)
{
    auto* line = new QLineEdit(&parent);
    line->setObjectName(QString::fromLatin1(name));
    line->setMaxLength(limit);
    twips.place(*line, 1440, top, 5535, 285);
    return line;
}

// Tab leaves the note box, so Enter there is a line break and never a press.
QPlainTextEdit* makeNoteBox(QWidget& parent, const widgets::TwipsGeometry& twips)
{
    auto* note = new QPlainTextEdit(&parent);
    note->setObjectName(QStringLiteral("txtDetalhe"));
    note->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    note->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    note->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    note->setTabChangesFocus(true);
    twips.place(*note, 1440, 1200, 5535, 1005);
    return note;
}

QPushButton* makeButton(QWidget& parent, const widgets::TwipsGeometry& twips, const char* name,
                        double left)
{
    auto* button = new QPushButton(&parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFont(widgets::designFont(true));
    twips.place(*button, left, 2400, 1455, 375);
    return button;
}

}  // namespace

UserDictionaryEditor::UserDictionaryEditor(core::SharedState& state, platform::Dialogs& dialogs,
                                           DictionaryFiles& files, const platform::Screen& screen,
                                           QWidget* parent)
    : QWidget(parent, widgets::kFixedSizeWindow), m_state(state), m_dialogs(dialogs), m_files(files)
{
    setObjectName(QStringLiteral("frmUserDic"));
    setFont(widgets::designFont());

    const widgets::TwipsGeometry twips(screen);
    setFixedSize(twips.x(7095), twips.y(2895));

    m_wordLabel = makeLabel(*this, twips, "lblPalavra", 240);
    m_word = makeLine(*this, twips, "txtPalavra", 240, kWordLimit);
    m_translationLabel = makeLabel(*this, twips, "lblTraducao", 720);
    m_translation = makeLine(*this, twips, "txtTraducao", 720, kTranslationLimit);
    m_noteLabel = makeLabel(*this, twips, "lblDetalhes", 1200);
    m_note = makeNoteBox(*this, twips);
    m_addSave = makeButton(*this, twips, "cmdInclui", 3840);
    m_close = makeButton(*this, twips, "cmdFechar", 5520);

    m_wordLabel->setBuddy(m_word);
    m_translationLabel->setBuddy(m_translation);
    m_noteLabel->setBuddy(m_note);

    setTabOrder(m_word, m_translation);
    setTabOrder(m_translation, m_addSave);
    setTabOrder(m_addSave, m_close);
    setTabOrder(m_close, m_note);

    connect(m_word, &QLineEdit::textChanged, this, &UserDictionaryEditor::wordEdited);
    connect(m_word, &QLineEdit::returnPressed, this, &UserDictionaryEditor::press);
    connect(m_translation, &QLineEdit::returnPressed, this, &UserDictionaryEditor::press);
    connect(m_note, &QPlainTextEdit::textChanged, this, &UserDictionaryEditor::limitNote);
    connect(m_addSave, &QPushButton::clicked, this, &UserDictionaryEditor::press);
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);

    showEntryBoxes(false);
}

void UserDictionaryEditor::load()
{
    m_addSave->setText(message(m_state, core::kMsgEditorAdd));
    m_close->setText(message(m_state, core::kMsgEditorClose));
    m_wordLabel->setText(message(m_state, core::kMsgEditorWord));
    m_translationLabel->setText(message(m_state, core::kMsgEditorTranslation));
    m_noteLabel->setText(message(m_state, core::kMsgEditorDetails));
    setWindowTitle(message(m_state, core::kMsgEditorTitle) + QStringLiteral(" - ") +
                   toQString(dictionaryName(m_state, m_state.activeDictionary)));

    m_word->setAccessibleName(m_wordLabel->text());
    m_translation->setAccessibleName(m_translationLabel->text());
    m_note->setAccessibleName(m_noteLabel->text());

    m_word->clear();
    m_translation->clear();
    m_note->clear();
    showEntryBoxes(false);
    m_word->setFocus();
    m_loaded = true;
}

void UserDictionaryEditor::showEvent(QShowEvent* event)
{
    if (!m_loaded)
        load();
    QWidget::showEvent(event);
}

void UserDictionaryEditor::closeEvent(QCloseEvent* event)
{
    m_loaded = false;
    QWidget::closeEvent(event);
}

void UserDictionaryEditor::showEntryBoxes(bool visible)
{
    m_translationLabel->setVisible(visible);
    m_translation->setVisible(visible);
    m_noteLabel->setVisible(visible);
    m_note->setVisible(visible);
}

void UserDictionaryEditor::wordEdited()
{
    m_addSave->setText(message(m_state, core::kMsgEditorAdd));
    showEntryBoxes(false);
    m_translation->clear();
    m_note->clear();
}

void UserDictionaryEditor::setNote(const QString& note)
{
    m_note->setPlainText(note.left(kNoteLimit));
}

void UserDictionaryEditor::limitNote()
{
    const QString text = m_note->toPlainText();
    const int excess = static_cast<int>(text.size()) - kNoteLimit;
    if (excess <= 0)
        return;
    // Drop what was just typed or pasted: the characters before the cursor.
    QTextCursor cursor = m_note->textCursor();
    const int end = std::max(cursor.position(), excess);
    cursor.setPosition(end - excess);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}

void UserDictionaryEditor::press()
{
    const QString addCaption = message(m_state, core::kMsgEditorAdd);
    const QString saveCaption = message(m_state, core::kMsgEditorSave);
    const std::u16string typed = core::toLower(toU16(m_word->text()));
    const std::u16string word = core::trimSpaces(typed);

    core::LookupResult known;
    if (std::optional<UserEntry> entry = readUserEntry(m_files, word, true))
        known = {true, std::move(entry->translation), std::move(entry->note)};

    const bool addState = m_addSave->text() == addCaption;
    if (addState && !known.found)
        known = LookupWord(m_files, m_state, typed, true);
    if (addState && known.found) {
        m_translation->setText(toQString(known.translation));
        setNote(toQString(known.details));
    }

    if (m_addSave->text() != saveCaption) {
        showEntryBoxes(true);
        m_addSave->setText(saveCaption);
        m_translation->setFocus();
        return;
    }

    if (!save(typed))
        return;
    m_addSave->setText(addCaption);
    showEntryBoxes(false);
    m_note->clear();
    m_word->clear();
    m_translation->clear();
    m_word->setFocus();
}

bool UserDictionaryEditor::save(const std::u16string& word)
{
    // A blank word has no entry to store; writing it would only add a dead record.
    if (core::trimSpaces(word).empty())
        return true;

    const std::u16string translation = core::toLower(toU16(m_translation->text()));
    const std::u16string note = toU16(m_note->toPlainText());
    const UserSaveResult result = saveUserEntry(m_files, word, translation, note);
    if (result.error == RecordError::None)
        return true;

    m_dialogs.showMessage(platform::MessageIcon::Exclamation,
                          m_state.messages[static_cast<std::size_t>(core::kMsgWarningTitle)],
                          toU16(refusalText(m_state, result)), platform::MessageButtons::Ok);
    if (result.failed == UserEntryTarget::Note)
        m_note->setFocus();
    else
        m_translation->setFocus();
    return false;
}

}  // namespace quillet::dictionary::ui
