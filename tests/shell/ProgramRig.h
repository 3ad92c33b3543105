#pragma once
// The whole program on fake platform services, in a fresh installation
// folder holding the small test dictionaries (see support/TestDictionary.h).

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
    fakes::FakeScreen screen;
    fakes::FakeSystemInfo system;
    int chooserCalls = 0;
    std::unique_ptr<shell::Application> app;

    // The first-run chooser answers English.
    ProgramRig()
    {
        testsupport::writeInstallation(folder.path());
        system.folder = folder.appFolder();
        app = std::make_unique<shell::Application>(
            state,
            shell::PlatformServices{clipboard, dialogs, browser, http, speech, screen, system},
            [this](core::SharedState& chosen) {
                ++chooserCalls;
                chosen.interfaceLanguage = 1;
            });
    }

    // Lines: top, left, mode, "0", dictionary, language, last update check.
    void writeSettings(int mode, int language, const std::string& lastCheck = "20070315",
                       const std::string& topLeft = "0\r\n0")
    {
        testsupport::writeTextFile(folder / "quillet.cfg",
                                   topLeft + "\r\n" + std::to_string(mode) + "\r\n0\r\n0\r\n" +
                                       std::to_string(language) + "\r\n" + lastCheck + "\r\n");
    }
    std::string settings() const { return testsupport::readFile(folder / "quillet.cfg"); }

    // Starts with the update check not due today and closes the splash.
    void start(int mode, int language)
    {
        writeSettings(mode, language);
        QVERIFY(app->startUp());
        app->splashWindow()->tick();
        app->splashWindow()->tick();
        QVERIFY(state.splashClosed);
    }

    shell::MainWindow* bar() const { return app->mainWindow(); }
    QLineEdit* traduz() const { return bar()->findChild<QLineEdit*>(u"traduz"_qs); }
    QToolButton* barButton(const char* name) const
    {
        return bar()->findChild<QToolButton*>(QLatin1String(name));
    }
};

}  // namespace quillet::testing
