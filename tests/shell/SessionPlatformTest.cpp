// The platform chosen for the windows from the session's environment.

#include "shell/SessionPlatform.h"

#include <QTest>

#include <map>
#include <string>
#include <utility>

class SessionPlatformTest : public QObject
{
    Q_OBJECT

private slots:
    void choice()
    {
        // The environment (NAME=value, space-separated), then the platform
        // set for Qt (empty: Qt's own choice) and "+notice" when it is printed.
        const std::pair<QString, QString> rows[] = {
            {"DISPLAY=:0", ""},
            {"WAYLAND_DISPLAY=w DISPLAY=:1", "xcb"},
            {"WAYLAND_DISPLAY=w", "wayland+notice"},
            {"WAYLAND_DISPLAY=w DISPLAY=", "wayland+notice"},
            {"WAYLAND_DISPLAY=w DISPLAY=:1 XDG_SESSION_TYPE=x11", "xcb"},
            {"WAYLAND_DISPLAY=w DISPLAY=:1 QT_QPA_PLATFORM=wayland", ""},
            {"WAYLAND_DISPLAY=w QT_QPA_PLATFORM=xcb", ""},
            {"WAYLAND_DISPLAY=w DISPLAY=:1 QT_QPA_PLATFORM=", "xcb"},
        };
        for (const auto& [environment, expected] : rows) {
            std::map<QString, std::string> variables;
            for (const QString& pair : environment.split(u' '))
                variables[pair.section(u'=', 0, 0)] = pair.section(u'=', 1).toStdString();
            const auto session = quillet::shell::chooseSessionPlatform([&](const char* name) {
                const auto found = variables.find(QString::fromLatin1(name));
                return found == variables.end() ? nullptr : found->second.c_str();
            });
            const QString chosen =
                QString::fromLatin1(session.platform) + (session.placementNotice ? "+notice" : "");
            QCOMPARE(environment + " -> " + chosen, environment + " -> " + expected);
        }
    }
};

QTEST_GUILESS_MAIN(SessionPlatformTest)
#include "SessionPlatformTest.moc"
