#pragma once
// frmTools: the toolbar, six picture buttons under the main bar.
// The options button opens it. One handler dispatches on the button's index:
//   0 window mode, 1 dictionary chooser, 2 interface language,
//   3 user dictionary editor, 4 help page, 5 the user's page on the web site.
// A build without a web site opens the local help page and disables button 5.
// Buttons 0 and 2 show their state with pictures taken from `picButton`.
// The close box only hides the window.

#include "core/SharedState.h"

#include <QIcon>
#include <QWidget>

#include <array>
#include <functional>
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
    static constexpr int kButtonCount = 6;

    // `picButton` elements: the state pictures of buttons 0 and 2.
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
        // Captions and tooltips of every window in the interface language.
        std::function<void()> applyLanguage;
        // Rereads the catalogue and refills the chooser's list.
        std::function<void()> reloadCatalogue;
    };

    ToolbarWindow(core::SharedState& state, const platform::Screen& screen,
                  platform::Browser& browser, QWidget* parent = nullptr);

    void setLinks(Links links) { m_links = std::move(links); }

    // Caption and tooltips (also the buttons' accessible names).
    void applyLanguage();
    // Button 0: element 0 while `alwaysOnTop` is nonzero, element 5 otherwise.
    void showModePicture();
    // Button 2: element 3 while the interface is English, element 2 otherwise.
    void showLanguagePicture();

    // `cmdTool` Click. Indexes outside 0..5 do nothing.
    void cmdToolClick(int index);

    QToolButton* cmdTool(int index) const;
    const QIcon& picButton(int element) const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void toggleWindowMode();
    void openDictionaryChooser();
    void toggleLanguage();
    void openEditor();
    void openWebPage(std::u16string_view path);
    void openLocalHelp();

    core::SharedState& m_state;
    platform::Browser& m_browser;
    Links m_links;
    std::array<QToolButton*, kButtonCount> m_cmdTool{};
    std::array<QIcon, kButtonCount> m_picButton;
};

}  // namespace quillet::shell
