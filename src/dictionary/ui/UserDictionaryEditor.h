#pragma once
// frmUserDic: the user dictionary editor, the user's own words, translations
// and notes for the active dictionary, which the lookup consults before the
// dictionary.
// One button works in two steps and its caption is the state: "add" fetches
// what is known of the word, "save" stores the edited entry. Modeless.
//
// Captions come from the message table when the window loads (each showing
// after a close); a later change of language leaves them as they are, so the
// next press matches neither caption and performs a bare add step.

#include "core/SharedState.h"

#include <QWidget>
#include <cstdint>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace quillet::platform {
class Dialogs;
class Screen;
}  // namespace quillet::platform

namespace quillet::dictionary {
class DictionaryFiles;
}

namespace quillet::dictionary::ui {

class UserDictionaryEditor : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kWordLimit = 20;
    static constexpr int kTranslationLimit = 255;
    static constexpr int kNoteLimit = 510;

    UserDictionaryEditor(core::SharedState& state, platform::Dialogs& dialogs,
                         DictionaryFiles& files, const platform::Screen& screen,
                         QWidget* parent = nullptr);

    // Captions, title and the add state with every box empty. Done on the
    // first showing after construction or after a close.
    void load();
    bool isLoaded() const { return m_loaded; }

    // The add/save button, also Enter in the word or translation box.
    void press();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void wordEdited();
    void showEntryBoxes(bool visible);
    void setNote(const QString& note);
    void limitNote();
    // False when the entry was refused or could not be written; the editor
    // then stays as it is so the user can correct the text.
    bool save(const std::u16string& word);

    core::SharedState& m_state;
    platform::Dialogs& m_dialogs;
    DictionaryFiles& m_files;
    bool m_loaded = false;

    QLabel* m_wordLabel = nullptr;
    QLineEdit* m_word = nullptr;
    QLabel* m_translationLabel = nullptr;
    QLineEdit* m_translation = nullptr;
    QLabel* m_noteLabel = nullptr;
    QPlainTextEdit* m_note = nullptr;
    QPushButton* m_addSave = nullptr;
    QPushButton* m_close = nullptr;
};

}  // namespace quillet::dictionary::ui
