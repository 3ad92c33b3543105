#pragma once
// The whole program on fake platform services, in a fresh installation
// folder holding the small test dictionaries (see support/TestDictionary.h).

#include "core/SharedState.h"
#include "fakes/FakeBrowser.h"
#include "fakes/FakeClipboard.h"
#include "fakes/FakeDialogs.h"
#include "fakes/FakeHttpClient.h"
#include "fakes/FakeScreen.h"
#include "fakes/FakeSpeech.h"
#include "fakes/FakeSystemInfo.h"
#include "shell/Application.h"
#include "shell/MainWindow.h"
#include "shell/SplashWindow.h"
#include "support/TempFolder.h"
#include "support/TestDictionary.h"

#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include <memory>
#include <string>

namespace quillet::testing {

struct ProgramRig
{
    testsupport::TempFolder folder;
    core::SharedState state;
    fakes::FakeClipboard clipboard;
    fakes::FakeDialogs dialogs;
    fakes::FakeBrowser browser;
    fakes::FakeHttpClient http;
    fakes::FakeSpeech speech;
    fakes::FakeScreen screen{1280, 1024};
    fakes::FakeSystemInfo system;
    int chooserCalls = 0;
    bool splashAtChooser = false;
    std::unique_ptr<shell::Application> app;

    ProgramRig()
    {
        testsupport::writeInstallation(folder.path());
        system.setProgramFolder(folder.appFolder());
        system.setToday(u"20070315");
        makeApplication();
    }

    // A new run of the program on the same folder.
    void restart()
    {
        app.reset();
        state = core::SharedState{};
        clipboard = fakes::FakeClipboard{};
        makeApplication();
    }

    // The first-run chooser answers English.
    void makeApplication()
    {
        app = std::make_unique<shell::Application>(
            state,
            shell::PlatformServices{clipboard, dialogs, browser, http, speech, screen, system},
            [this](core::SharedState& chosen) {
                ++chooserCalls;
                splashAtChooser = app->splashWindow() != nullptr;
                chosen.interfaceLanguage = 1;
            });
    }

    // Lines: top, left, mode, "0", dictionary, language, last update check.
    void writeSettings(const std::string& text)
    {
        testsupport::writeTextFile(folder / "quillet.cfg", text);
    }
    void writeSettings(int mode, int language)
    {
        writeSettings("0\r\n0\r\n" + std::to_string(mode) + "\r\n0\r\n0\r\n" +
                      std::to_string(language) + "\r\n20070315\r\n");
    }
    std::string settings() const { return testsupport::readFile(folder / "quillet.cfg"); }

    // The update check is not due today, so the second tick closes the splash.
    void closeSplash()
    {
        app->splashWindow()->tick();
        app->splashWindow()->tick();
        QVERIFY(state.splashClosed);
    }

    shell::MainWindow* bar() const { return app->mainWindow(); }
    QLineEdit* traduz() const { return bar()->findChild<QLineEdit*>(QStringLiteral("traduz")); }
    QToolButton* barButton(const char* name) const
    {
        return bar()->findChild<QToolButton*>(QLatin1String(name));
    }
};

inline const QString kEnglishPrompt =
    QStringLiteral("<Type the word to search here or select the word in text and press Ctrl+C>");
inline const QString kPortuguesePrompt =
    QStringLiteral("<Digite a palavra para busca ou selecione no texto e pressione Ctrl+C>");

}  // namespace quillet::testing
