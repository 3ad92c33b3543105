// Copy-to-result latency of the desktop program on a real display: another
// process puts a word on the clipboard (xclip on X11, wl-copy, a native
// program, in a Wayland session); the time runs from starting that process to
// the search box having painted the result line. The whole program runs as it
// does for the user (its choice of platform and clipboard service, staged
// program folder with the FreeDict dictionaries), only the program folder is
// given here.
//
// Then, on X11 only (the compositor routes no X input or X clipboard owner
// to a Wayland desktop's programs), keystroke-to-paint latency: `xdotool key` types a letter into
// the search box; the time runs from starting it to the box having repainted, first with a healthy
// clipboard owner, then with one stopped (SIGSTOP) that never answers.
//
// Usage (on a display with a window manager, e.g. under scripts/with-display,
// or in a Wayland session, e.g. under scripts/with-sway; bench/wayland-latency.sh
// runs both):
//   quillet_copy_latency APPFOLDER [COPIES]

#include "core/SharedState.h"
#include "platform/qt/QtBrowser.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtDialogs.h"
#include "platform/qt/QtHttpClient.h"
#include "platform/qt/QtScreen.h"
#include "platform/qt/QtSpeech.h"
#include "platform/qt/QtSystemInfo.h"
#include "platform/qt/QtText.h"
#ifdef QUILLET_WAYLAND_CLIPBOARD
#include "platform/wayland/WaylandClipboard.h"
#endif
#include "shell/Application.h"
#include "shell/IconResources.h"
#include "shell/MainWindow.h"
#include "shell/SessionPlatform.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTimer>

#include <signal.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

class FolderSystemInfo : public quillet::platform::QtSystemInfo
{
public:
    explicit FolderSystemInfo(std::u16string folder) : m_folder(std::move(folder)) {}
    std::u16string programFolder() const override { return m_folder; }

private:
    std::u16string m_folder;
};

// Alternating headwords and inflected forms, no two neighbours alike.
const char* const kWords[] = {
    "house", "houses",  "cat",  "running", "book", "books", "water", "walked", "green",  "children",
    "tree",  "happily", "casa", "dog",     "dogs", "write", "wrote", "city",   "cities", "table"};

double percentile(std::vector<double> values, double fraction)
{
    std::sort(values.begin(), values.end());
    const auto index =
        static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1) + 0.5);
    return values[std::min(index, values.size() - 1)];
}

void printFigures(const char* what, const std::vector<double>& millis)
{
    if (millis.empty()) {
        std::printf("%s: none\n", what);
        return;
    }
    std::printf("%s ms: median %.1f, p95 %.1f, min %.1f, max %.1f\n", what, percentile(millis, 0.5),
                percentile(millis, 0.95), *std::min_element(millis.begin(), millis.end()),
                *std::max_element(millis.begin(), millis.end()));
}

void settle(int milliseconds)
{
    QElapsedTimer pause;
    pause.start();
    while (pause.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

std::vector<double> keyLatencies(QLineEdit& box, int keys)
{
    std::vector<double> millis;
    for (int i = 0; i < keys; ++i) {
        QEventLoop loop;
        QElapsedTimer clock;
        double elapsed = -1.0;
        const auto connection = QObject::connect(&box, &QLineEdit::textEdited, [&] {
            box.repaint();
            elapsed = static_cast<double>(clock.nsecsElapsed()) / 1e6;
            loop.quit();
        });
        QTimer::singleShot(30000, &loop, &QEventLoop::quit);
        QProcess xdotool;
        clock.start();
        xdotool.start(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("a")});
        if (elapsed < 0.0)
            loop.exec();
        QObject::disconnect(connection);
        xdotool.waitForFinished(3000);
        if (elapsed >= 0.0)
            millis.push_back(elapsed);
        settle(50);
    }
    return millis;
}

}  // namespace

int main(int argc, char* argv[])
{
    const auto session =
        quillet::shell::chooseSessionPlatform([](const char* name) { return std::getenv(name); });
    quillet::shell::enterSessionPlatform(session);
    QApplication app(argc, argv);
    quillet::shell::leaveSessionPlatform(session);
    QApplication::setApplicationName(QStringLiteral("quillet"));
    QApplication::setQuitOnLastWindowClosed(false);
    if (argc < 2) {
        std::fprintf(stderr, "usage: quillet_copy_latency APPFOLDER [COPIES]\n");
        return 2;
    }
    const QString folder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath() + u'/';
    const int copies = argc > 2 ? std::max(1, atoi(argv[2])) : 50;

    // English interface, on top, no update check due.
    QFile settings(folder + QStringLiteral("quillet.cfg"));
    if (!settings.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(settings.fileName()));
        return 1;
    }
    settings.write("0\r\n0\r\n1\r\n0\r\n0\r\n1\r\n");
    settings.write(QDate::currentDate().toString(QStringLiteral("yyyyMMdd")).toLatin1() + "\r\n");
    settings.close();

    quillet::shell::loadIconResources();
    std::unique_ptr<quillet::platform::Clipboard> clipboard;
#ifdef QUILLET_WAYLAND_CLIPBOARD
    clipboard = quillet::platform::WaylandClipboard::connect();
#endif
    const bool wayland = clipboard != nullptr;
    if (!clipboard)
        clipboard = std::make_unique<quillet::platform::QtClipboard>();
    quillet::platform::QtDialogs dialogs;
    quillet::platform::QtBrowser browser;
    quillet::platform::QtHttpClient http;
    quillet::platform::QtSpeech speech;
    quillet::platform::QtScreen screen;
    FolderSystemInfo system(quillet::platform::toU16(folder));
    quillet::core::SharedState state;
    quillet::shell::Application program(
        state, {*clipboard, dialogs, browser, http, speech, screen, system},
        [](quillet::core::SharedState&) {});
    if (!program.startUp())
        return 1;
    quillet::shell::MainWindow& bar = *program.mainWindow();
    auto* box = bar.findChild<QLineEdit*>(QStringLiteral("traduz"));

    QElapsedTimer waited;
    waited.start();
    while (!state.splashClosed && waited.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    if (!state.splashClosed) {
        std::fprintf(stderr, "the splash window did not close\n");
        return 1;
    }

    std::vector<double> millis;
    int missed = 0;
    for (int i = 0; i < copies; ++i) {
        const QByteArray word = kWords[i % std::size(kWords)];
        QEventLoop loop;
        QElapsedTimer clock;
        double elapsed = -1.0;
        const auto connection =
            QObject::connect(&bar, &quillet::shell::MainWindow::translated, [&] {
                box->repaint();
                elapsed = static_cast<double>(clock.nsecsElapsed()) / 1e6;
                loop.quit();
            });
        QTimer::singleShot(3000, &loop, &QEventLoop::quit);
        QProcess copier;
        clock.start();
        // Told the type, wl-copy does not guess it (with xdg-mime, about
        // 100 ms a copy), as a program that copies text knows its type.
        if (wayland)
            copier.start(QStringLiteral("wl-copy"),
                         {QStringLiteral("--type"), QStringLiteral("text/plain;charset=utf-8")});
        else
            copier.start(QStringLiteral("xclip"),
                         {QStringLiteral("-selection"), QStringLiteral("clipboard")});
        copier.write(word);
        copier.closeWriteChannel();
        if (elapsed < 0.0)
            loop.exec();
        QObject::disconnect(connection);
        copier.waitForFinished(3000);
        if (elapsed < 0.0) {
            ++missed;
            continue;
        }
        millis.push_back(elapsed);
        // Let the clipboard owner settle before the next copy.
        QElapsedTimer pause;
        pause.start();
        while (pause.elapsed() < 100) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    if (millis.empty()) {
        std::fprintf(stderr, "no copy was translated\n");
        return 1;
    }
    std::printf("copies %d with %s, translated %zu, missed %d\n", copies,
                wayland ? "wl-copy --type" : "xclip", millis.size(), missed);
    printFigures("copy-to-result", millis);
    if (wayland)
        return missed == 0 ? 0 : 1;

    QProcess activate;
    activate.start(
        QStringLiteral("xdotool"),
        {QStringLiteral("windowactivate"), QStringLiteral("--sync"), QString::number(bar.winId())});
    activate.waitForFinished(5000);
    bar.focusSearchBox();
    settle(300);
    constexpr int kKeys = 20;
    printFigures("keystroke-to-paint, healthy owner", keyLatencies(*box, kKeys));

    // An owner that took the clipboard and then stopped answering.
    QProcess owner;
    QEventLoop read;
    const auto connection =
        QObject::connect(&bar, &quillet::shell::MainWindow::translated, &read, &QEventLoop::quit);
    QTimer::singleShot(3000, &read, &QEventLoop::quit);
    owner.start(QStringLiteral("xclip"), {QStringLiteral("-quiet"), QStringLiteral("-selection"),
                                          QStringLiteral("clipboard")});
    owner.write("dogs");
    owner.closeWriteChannel();
    read.exec();
    QObject::disconnect(connection);
    ::kill(static_cast<pid_t>(owner.processId()), SIGSTOP);
    bar.focusSearchBox();
    settle(300);
    const std::vector<double> frozen = keyLatencies(*box, kKeys);
    ::kill(static_cast<pid_t>(owner.processId()), SIGKILL);
    ::kill(static_cast<pid_t>(owner.processId()), SIGCONT);
    owner.waitForFinished(3000);
    printFigures("keystroke-to-paint, stopped owner", frozen);
    return missed == 0 && frozen.size() == kKeys ? 0 : 1;
}
