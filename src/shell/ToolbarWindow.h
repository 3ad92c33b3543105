#pragma once
// frmTools: the toolbar, six picture buttons under the main bar.
// The options button opens it. One handler dispatches on the button pressed.
// A build without a web site opens the local help page and disables the
// user's page. The window mode and language buttons show their state with
// pictures taken from `picButton`. The close box only hides the window.

#include "core/SharedState.h"

#include <QIcon>
#include <QWidget>

#include <array>
#include <string_view>

class QDialog;
class QToolButton;

namespace quillet::platform {
class Browser;
class Screen;
}  // namespace quillet::platform

namespace quillet::shell {

class MainWindow;

class ToolbarWindow : public QWidget
{
    Q_OBJECT
public:
    // The buttons, numbered as their object names `cmdTool0` to `cmdTool5`.
    enum Button : int {
        WindowMode,
        Dictionaries,
        Language,  // the application switches the language when it is pressed
        UserDictionary,
        Help,
        UserPage,  // on the web site
    };
    static constexpr int kButtonCount = 6;

    // `picButton` elements: the state pictures of the window mode and language buttons.
    static constexpr int kPictureOnTop = 0;
    static constexpr int kPicturePortuguese = 2;
    static constexpr int kPictureEnglish = 3;
    static constexpr int kPictureNormal = 5;

    // What the commands reach beyond this window; everything here must live
    // as long as the toolbar.
    struct Links
    {
        MainWindow* mainWindow = nullptr;
        QDialog* dictionaryChooser = nullptr;
        QWidget* editor = nullptr;
    };

    ToolbarWindow(core::SharedState& state, const platform::Screen& screen,
                  platform::Browser& browser, QWidget* parent = nullptr);

    void setLinks(Links links) { m_links = std::move(links); }

    // Caption and tooltips (also the buttons' accessible names).
    void applyLanguage();
    // Window mode: element 0 while `alwaysOnTop` is nonzero, element 5 otherwise.
    void showModePicture();
    // Language: element 3 while the interface is English, element 2
    // otherwise; drawn at once, before a slow language switch ends.
    void showLanguagePicture();

    // `cmdTool` Click.
    void cmdToolClick(Button button);

    QToolButton* cmdTool(int button) const;
    const QIcon& picButton(int element) const;

signals:
    // The language button was pressed.
    void languageToggled();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void toggleWindowMode();
    void openDictionaryChooser();
    void openEditor();
    void openWebPage(std::u16string_view path);
    void openLocalHelp();

    core::SharedState& m_state;
    platform::Browser& m_browser;
    Links m_links;
    std::array<QToolButton*, kButtonCount> m_buttons{};
    std::array<QIcon, kButtonCount> m_statePictures;
};

}  // namespace quillet::shell
