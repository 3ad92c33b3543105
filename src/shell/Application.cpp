#include "shell/Application.h"

#include "core/Installation.h"
#include "core/Messages.h"
#include "core/Paths.h"
#include "core/WebAddresses.h"
#include "dictionary/Catalogue.h"
#include "dictionary/Lookup.h"
#include "dictionary/UserFileReport.h"
#include "dictionary/ui/DictionaryChooser.h"
#include "dictionary/ui/UserDictionaryEditor.h"
#include "platform/Clipboard.h"
#include "platform/Screen.h"
#include "platform/SystemInfo.h"
#include "shell/DetailsWindow.h"
#include "shell/MainWindow.h"
#include "shell/SplashWindow.h"
#include "shell/ToolbarWindow.h"
#include "shell/UpdateChecker.h"

#include <QApplication>

#include <algorithm>

namespace quillet::shell {

Application::Application(core::SharedState& state, const PlatformServices& services,
                         core::LanguageChooser chooseLanguage)
    : m_state(state),
      m_services(services),
      m_chooseLanguage(std::move(chooseLanguage)),
      m_environment(core::systemEnvironment()),
      m_browser(services.browser, services.dialogs, state)
{
    m_checker =
        std::make_unique<UpdateChecker>(m_state, m_services.http, m_services.dialogs, m_browser);
}

Application::~Application()
{
    // The bar and the toolbar refer to the other windows; they go first.
    m_splash.reset();
    m_toolbar.reset();
    m_editor.reset();
    m_chooser.reset();
    m_main.reset();
}

bool Application::startUp()
{
    m_state.splashClosed = false;
    m_folders = chooseFolders();
    m_dataFolderState = core::prepareUserFolder(m_folders.userData, m_folders.perUser);
    m_settingsFolderState = core::prepareUserFolder(m_folders.settings, m_folders.perUser);
    m_files.setUserFilesWritable(m_dataFolderState == core::FolderState::Ready);
    m_state.userFolder = core::normaliseFolder(core::fromPath(m_folders.userData));
    core::readSettings(m_state, settingsFolder(), core::screenMetrics(m_services.screen),
                       m_chooseLanguage);
    core::loadMessages(m_state);
    // The windows read the messages as they are built; from here on the
    // steps only fill, show and hide them.
    createWindows();

    if (!core::checkInstallation(m_state, core::fromPath(m_folders.data), core::plainFileExists,
                                 m_services.dialogs)) {
        endProgram();
        return false;
    }
    dictionary::reportUserFolder(m_services.dialogs, m_state, m_folders.userData,
                                 m_dataFolderState);
    if (m_folders.settings != m_folders.userData)
        dictionary::reportUserFolder(m_services.dialogs, m_state, m_folders.settings,
                                     m_settingsFolderState);
    m_state.webQuery =
        core::buildWebQuery(m_services.system.versionMajor(), m_services.system.versionMinor(),
                            m_state.interfaceLanguage);

    m_splash->show();
    m_splash->repaint();

    const dictionary::CatalogueResult catalogue = dictionary::LoadDictionaryCatalogue(m_state);
    if (!catalogue.usable) {
        dictionary::showCatalogueMissing(m_services.dialogs, m_state);
        endProgram();
        return false;
    }
    if (!catalogue.unusableUserCatalogue.empty())
        dictionary::reportUserCatalogue(m_services.dialogs, m_state,
                                        catalogue.unusableUserCatalogue);
    m_chooser->setEntries(catalogue);

    m_toolbar->showLanguagePicture();
    const dictionary::Activation activation = dictionary::OpenDictionaryFiles(m_files, m_state);
    m_details->setSpeechEnabled(activation.pronunciationEnabled);
    // The texts go on the windows once the dictionary is open: the main
    // window's title names it.
    applyLanguage();
    // The user's own files are extras: without them the dictionary still works.
    if (std::any_of(activation.failures.begin(), activation.failures.end(),
                    [](const auto& failure) { return !dictionary::isUserRole(failure.role); })) {
        m_main->applyWindowMode(0);
        dictionary::reportActivationFailure(m_services.dialogs, m_state);
        endProgram();
        return false;
    }
    if (m_dataFolderState == core::FolderState::Ready)  // else that was said already
        dictionary::reportUserFiles(m_services.dialogs, m_state, activation.failures);
    m_toolbar->showModePicture();
    m_main->moveToStoredPosition();

    m_services.clipboard.clear();
    m_main->applyWindowMode(m_state.alwaysOnTop);
    m_started = true;
    return true;
}

core::UserFolders Application::chooseFolders() const
{
    return core::chooseUserFolders(core::toPath(m_services.system.programFolder()), m_environment,
                                   m_writable);
}

std::filesystem::path Application::settingsFile() const
{
    return chooseFolders().settings / core::kSettingsFileName;
}

void Application::bringForward()
{
    if (m_ended)
        return;
    if (m_started)
        m_main->bringForward();
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
    }
}

void Application::createWindows()
{
    m_details = std::make_unique<DetailsWindow>(m_state, m_services.speech, m_services.dialogs,
                                                m_services.screen);
    m_toolbar = std::make_unique<ToolbarWindow>(m_state, m_services.screen, m_browser);
    m_main = std::make_unique<MainWindow>(m_state, m_services.clipboard, m_services.screen,
                                          *m_details, *m_toolbar);
    m_main->setLookup([this](std::u16string_view word, bool wantDetails) {
        return dictionary::LookupWord(m_files, m_state, word, wantDetails);
    });
    m_main->setUnloadHandler([this] { shutdown(); });

    m_chooser = std::make_unique<dictionary::ui::DictionaryChooser>(m_state, m_services.clipboard,
                                                                    m_files, m_services.screen);
    connect(m_chooser.get(), &dictionary::ui::DictionaryChooser::pronunciationAvailable,
            m_details.get(), &DetailsWindow::setSpeechEnabled);
    connect(m_chooser.get(), &dictionary::ui::DictionaryChooser::mainTitleChanged, m_main.get(),
            &QWidget::setWindowTitle);
    connect(m_chooser.get(), &dictionary::ui::DictionaryChooser::idleLookRequested, m_main.get(),
            &MainWindow::showIdleLook);
    m_editor = std::make_unique<dictionary::ui::UserDictionaryEditor>(m_state, m_services.dialogs,
                                                                      m_files, m_services.screen);
    m_toolbar->setLinks({m_main.get(), m_chooser.get(), m_editor.get()});
    connect(m_toolbar.get(), &ToolbarWindow::languageToggled, this, &Application::switchLanguage);

    m_splash =
        std::make_unique<SplashWindow>(m_state, m_services.screen, m_services.system, *m_checker);
    // Text copied while the splash was up is handled as soon as it closes.
    connect(m_splash.get(), &SplashWindow::splashClosed, m_main.get(), &MainWindow::tick,
            Qt::QueuedConnection);
    m_splash->setVersionText(SplashWindow::versionText(m_services.system.versionMajor(),
                                                       m_services.system.versionMinor()));
}

void Application::switchLanguage()
{
    m_state.interfaceLanguage = m_state.interfaceLanguage == 0 ? 1 : 0;
    m_toolbar->showLanguagePicture();
    core::loadMessages(m_state);
    applyLanguage();
    reloadCatalogue();
    // The web query keeps the language of the start until the next start.
    m_main->showIdleLook();
    m_main->focusSearchBox();
}

void Application::reloadCatalogue()
{
    const core::DictionaryTable table = m_state.dictionaryTable;
    const auto active = m_state.activeDictionary;
    const dictionary::CatalogueResult catalogue = dictionary::LoadDictionaryCatalogue(m_state);
    if (!catalogue.usable) {
        // A catalogue gone or spoilt since the start: the dictionary in use
        // still works, so the program keeps the table and list it has.
        m_state.dictionaryTable = table;
        m_state.activeDictionary = active;
        return;
    }
    m_chooser->setEntries(catalogue);
}

void Application::applyLanguage()
{
    m_main->applyLanguage();
    m_toolbar->applyLanguage();
    m_details->applyLanguage();
    m_chooser->applyLanguage();
}

void Application::shutdown()
{
    if (m_ended)
        return;
    const core::ScreenMetrics metrics = core::screenMetrics(m_services.screen);
    const int chooserIndex = m_chooser->selectedRow();
    const QPoint place = m_main->positionToSave();
    const core::SettingsTexts texts =
        core::settingsTexts(place.y() * metrics.twipsPerPixelY, place.x() * metrics.twipsPerPixelX,
                            metrics, chooserIndex, m_state);
    // The program ends whether or not the file could be written. A folder
    // found unusable at the start was reported then.
    if (m_settingsFolderState == core::FolderState::Ready)
        core::writeSettingsOrReport(settingsFolder(), m_state, texts, m_services.dialogs);
    endProgram();
}

void Application::endProgram()
{
    m_ended = true;
    m_main->endWatch();
    m_splash->splashTimer().stop();
    for (QWidget* window :
         std::initializer_list<QWidget*>{m_splash.get(), m_details.get(), m_toolbar.get(),
                                         m_chooser.get(), m_editor.get(), m_main.get()})
        window->hide();
    m_services.system.quit();
}

}  // namespace quillet::shell
