#pragma once
// frmDictionary: the dictionary chooser, a list of the installed dictionaries
// in row order, named in the interface language, and an OK button that
// switches to the one selected. Shown modal by the toolbar, which stops and
// restarts the clipboard timer around it; closing it only hides it.

#include "core/SharedState.h"
#include "dictionary/Catalogue.h"

#include <QDialog>
#include <QString>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;

namespace quillet::platform {
class Clipboard;
class Screen;
}  // namespace quillet::platform

namespace quillet::dictionary {
class DictionaryFiles;
}

namespace quillet::dictionary::ui {

class DictionaryChooser : public QDialog
{
    Q_OBJECT

public:
    DictionaryChooser(core::SharedState& state, platform::Clipboard& clipboard,
                      DictionaryFiles& files, const platform::Screen& screen,
                      QWidget* parent = nullptr);

    // Rebuilds the list from a catalogue reading and selects its active row.
    void setEntries(const CatalogueResult& catalogue);

    // The catalogue row of the selected name, -1 when nothing is selected.
    // This is what the settings keep as the next start's active dictionary.
    int selectedRow() const;

    // Title and label in the current interface language; called by the
    // application after every change of language, as for the other windows.
    void applyLanguage();

    // The OK button: switches to the selected row and hides the chooser. With
    // nothing selected it does nothing. Failures to open files are ignored:
    // whatever opened is used.
    void confirm();

signals:
    // Emitted in this order after every switch, also to the dictionary
    // already active.
    void pronunciationAvailable(bool enabled);
    void mainTitleChanged(const QString& title);
    // The main window's search box shows the prompt (message 73) at its
    // idle width and the details button is hidden.
    void idleLookRequested();

private:
    core::SharedState& m_state;
    platform::Clipboard& m_clipboard;
    DictionaryFiles& m_files;
    std::vector<int> m_rows;  // catalogue row of each list position
    QLabel* m_label = nullptr;
    QComboBox* m_list = nullptr;
    QPushButton* m_ok = nullptr;
};

}  // namespace quillet::dictionary::ui
