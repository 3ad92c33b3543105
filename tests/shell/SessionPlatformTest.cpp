// The platform chosen for the windows from the session's environment.

#include "shell/CommandLine.h"
#include "shell/SessionPlatform.h"

#include <QTest>

#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

class SessionPlatformTest : public QObject
{
    Q_OBJECT

private slots:
    void choice()
    {
        // The environment (NAME=value, space-separated), then the platform
        // set for Qt (empty: Qt's own choice) and "+notice" when it is
        // printed, or "none": no display.
        const std::pair<QString, QString> rows[] = {
            {"DISPLAY=:0", ""},
            {"WAYLAND_DISPLAY=w DISPLAY=:1", "xcb"},
            {"WAYLAND_DISPLAY=w", "wayland+notice"},
            {"WAYLAND_DISPLAY=w DISPLAY=", "wayland+notice"},
            {"WAYLAND_DISPLAY=w DISPLAY=:1 XDG_SESSION_TYPE=x11", "xcb"},
            {"WAYLAND_DISPLAY=w DISPLAY=:1 QT_QPA_PLATFORM=wayland", ""},
            {"WAYLAND_DISPLAY=w QT_QPA_PLATFORM=xcb", ""},
            {"WAYLAND_DISPLAY=w DISPLAY=:1 QT_QPA_PLATFORM=", "xcb"},
            {"HOME=/root", "none"},
            {"DISPLAY= WAYLAND_DISPLAY=", "none"},
            {"QT_QPA_PLATFORM=offscreen", ""},
        };
        for (const auto& [environment, expected] : rows) {
            std::map<QString, std::string> variables;
            for (const QString& pair : environment.split(u' '))
                variables[pair.section(u'=', 0, 0)] = pair.section(u'=', 1).toStdString();
            const auto session = quillet::shell::chooseSessionPlatform([&](const char* name) {
                const auto found = variables.find(QString::fromLatin1(name));
                return found == variables.end() ? nullptr : found->second.c_str();
            });
            const QString chosen = QString::fromLatin1(session.platform) +
                                   (session.placementNotice ? "+notice" : "") +
                                   (session.noDisplay ? "none" : "");
            QCOMPARE(environment + " -> " + chosen, environment + " -> " + expected);
        }
    }

    // Help and version win; anything else than Qt's own options is refused.
    void commandLine()
    {
        using Action = quillet::shell::CommandLine::Action;
        // The arguments, what the program does, the argument refused.
        const std::tuple<QStringList, Action, std::string> rows[] = {
            {{}, Action::Run, ""},
            {{"--help"}, Action::Help, ""},
            {{"-h", "--bogus"}, Action::Help, ""},
            {{"--bogus", "--version"}, Action::Version, ""},
            {{"--bogus"}, Action::Refuse, "--bogus"},
            {{"words.txt", "-x"}, Action::Refuse, "words.txt"},
            {{"-platform", "offscreen", "--style=fusion", "--reverse"}, Action::Run, ""},
            {{"--display", "--help"}, Action::Run, ""},
            {{"-platformtheme", "x", "-version"}, Action::Version, ""},
        };
        for (const auto& [arguments, action, refused] : rows) {
            std::vector<std::string> texts{"quillet"};
            for (const QString& argument : arguments) texts.push_back(argument.toStdString());
            std::vector<const char*> argv;
            for (const std::string& text : texts) argv.push_back(text.c_str());
            const auto line = quillet::shell::readCommandLine(int(argv.size()), argv.data());
            QVERIFY2(line.action == action && line.refused == refused,
                     qPrintable(arguments.join(u' ')));
            QCOMPARE(line.platformNamed, arguments.startsWith(u"-platform"_qs));
        }
    }
};

QTEST_GUILESS_MAIN(SessionPlatformTest)
#include "SessionPlatformTest.moc"
