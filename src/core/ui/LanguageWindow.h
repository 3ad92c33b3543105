#pragma once
// frmLanguage: the first-run chooser of the interface language, with an
// optional sign-up for news. Its texts are fixed and bilingual because no
// language is known yet.

#include "core/SharedState.h"

#include <QDialog>
#include <array>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quillet::platform {
class Browser;
class Dialogs;
class Screen;
}  // namespace quillet::platform

namespace quillet::core::ui {

// Not empty, with an at sign and a point anywhere in it; nothing else counts.
bool isAcceptableEmail(const std::u16string& trimmedAddress);

// The sign-up page on the maker's `host`. Name and address are percent-encoded
// as UTF-8, so no character of theirs can end a value or start another key.
std::u16string signUpAddress(const std::u16string& host, const std::u16string& name,
                             const std::u16string& email, std::int16_t language);

class LanguageWindow : public QDialog
{
    Q_OBJECT

public:
    LanguageWindow(SharedState& state, platform::Dialogs& dialogs, platform::Browser& browser,
                   const platform::Screen& screen, QWidget* parent = nullptr);

    // Takes the language first, then either closes, refuses the address or
    // sends the sign-up and closes.
    void confirm();

private:
    SharedState& m_state;
    platform::Dialogs& m_dialogs;
    platform::Browser& m_browser;
    QComboBox* m_languageList = nullptr;
    std::array<QLineEdit*, 2> m_signUpBoxes{};
    QPushButton* m_okButton = nullptr;
};

// Shows the chooser modal and returns when it has closed. Closing it from the
// caption bar leaves interfaceLanguage as it was.
void runLanguageChooser(SharedState& state, platform::Dialogs& dialogs, platform::Browser& browser,
                        const platform::Screen& screen);

}  // namespace quillet::core::ui
