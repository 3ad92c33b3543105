#pragma once
// The program's spine: `startUp` brings it from nothing to a placed, visible
// main bar in a fixed order of steps; closing the bar writes the settings and
// ends the program. Every outside service arrives by reference, so a test can
// run the whole sequence on fakes and observe the end of the program through
// SystemInfo::quit().

#include "core/Settings.h"
#include "core/SharedState.h"
#include "core/UserFolders.h"
#include "dictionary/DictionaryFiles.h"
#include "shell/ReportingBrowser.h"

#include <QObject>

#include <filesystem>
#include <memory>

namespace quillet::platform {
class Browser;
class Clipboard;
class Dialogs;
class HttpClient;
class Screen;
class Speech;
class SystemInfo;
}  // namespace quillet::platform

namespace quillet::dictionary::ui {
class DictionaryChooser;
class UserDictionaryEditor;
}  // namespace quillet::dictionary::ui

namespace quillet::shell {

class DetailsWindow;
class MainWindow;
class SplashWindow;
class ToolbarWindow;
class UpdateChecker;

struct PlatformServices
{
    platform::Clipboard& clipboard;
    platform::Dialogs& dialogs;
    platform::Browser& browser;
    platform::HttpClient& http;
    platform::Speech& speech;
    const platform::Screen& screen;
    platform::SystemInfo& system;
};

class Application : public QObject
{
    Q_OBJECT
public:
    // `chooseLanguage` is asked on a first run only (no settings file).
    Application(core::SharedState& state, const PlatformServices& services,
                core::LanguageChooser chooseLanguage);
    ~Application() override;

    // Runs the start-up sequence once. False: the program was ended during
    // it (a page file or the catalogue missing, or the dictionary's files
    // unusable); nothing was written then.
    bool startUp();

    // The main bar's unload: writes the settings, then ends the program
    // whichever windows are open.
    void shutdown();

    // Captions and tooltips of every window in the interface language.
    void applyLanguage();

    MainWindow* mainWindow() const { return m_main.get(); }
    ToolbarWindow* toolbar() const { return m_toolbar.get(); }
    DetailsWindow* detailsWindow() const { return m_details.get(); }
    SplashWindow* splashWindow() const { return m_splash.get(); }
    dictionary::ui::DictionaryChooser* dictionaryChooser() const { return m_chooser.get(); }
    dictionary::ui::UserDictionaryEditor* userDictionaryEditor() const { return m_editor.get(); }
    UpdateChecker& updateChecker() { return *m_checker; }
    dictionary::DictionaryFiles& dictionaryFiles() { return m_files; }

    // Where "quillet.cfg" lives; chosen at start-up (core/UserFolders.h).
    std::filesystem::path settingsFolder() const { return m_folders.settings; }
    // The settings file startUp() will read, known before it runs.
    std::filesystem::path settingsFile() const;

    // Another start of the program asked for this one: the bar comes
    // forward once started, and a modal window open meanwhile too.
    void bringForward();
    // What the folder choice asks of the system; the real environment and
    // access() unless a test sets others before startUp.
    void setFolderRules(core::Environment environment, core::FolderWritable writable)
    {
        m_environment = std::move(environment);
        m_writable = std::move(writable);
    }

private:
    core::UserFolders chooseFolders() const;
    // Builds every window once, hidden, and wires them to each other.
    void createWindows();
    // The toolbar's language button: the other interface language for the
    // messages and every window, and the bar back to its idle look.
    void switchLanguage();
    // After a change of interface language: the chooser's list in the new
    // language. The active dictionary and its open files stay as they are.
    void reloadCatalogue();
    // All windows close at once and no handler of theirs runs afterwards.
    void endProgram();

    core::SharedState& m_state;
    PlatformServices m_services;
    core::LanguageChooser m_chooseLanguage;
    core::Environment m_environment;
    core::FolderWritable m_writable = core::folderWritable;
    ReportingBrowser m_browser;
    core::UserFolders m_folders;
    core::FolderState m_dataFolderState = core::FolderState::Ready;
    core::FolderState m_settingsFolderState = core::FolderState::Ready;
    dictionary::DictionaryFiles m_files;
    std::unique_ptr<UpdateChecker> m_checker;
    std::unique_ptr<DetailsWindow> m_details;
    std::unique_ptr<ToolbarWindow> m_toolbar;
    std::unique_ptr<dictionary::ui::DictionaryChooser> m_chooser;
    std::unique_ptr<dictionary::ui::UserDictionaryEditor> m_editor;
    std::unique_ptr<MainWindow> m_main;
    std::unique_ptr<SplashWindow> m_splash;
    bool m_started = false;
    bool m_ended = false;
};

}  // namespace quillet::shell
