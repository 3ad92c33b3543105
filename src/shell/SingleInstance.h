#pragma once
// One running copy of the program per settings file. The running copy holds
// a lock and listens on a local socket, both in the user's runtime folder and
// named after the user and the settings file's path; a later start with the
// same settings file finds the lock held, tells the running copy to come
// forward and ends. Other users, and a copy with a settings file of its own
// (a portable copy beside the installed program), never meet it.

#include <QLocalServer>
#include <QLockFile>
#include <QObject>

#include <filesystem>
#include <functional>

namespace quillet::shell {

class SingleInstance : public QObject
{
    Q_OBJECT
public:
    // `runtimeFolder`: where the lock and the socket go, a folder of the
    // user's own (QStandardPaths::RuntimeLocation; on Windows the user's
    // temporary folder, as the socket is a pipe there).
    SingleInstance(const std::filesystem::path& settingsFile, const QString& runtimeFolder);

    // True: this is the running copy, and `comeForward` runs on each later
    // start; also when no lock can be made or its holder never answers, so
    // that the program rather runs twice than not at all. False: another copy
    // runs and was told to come forward.
    bool claim(std::function<void()> comeForward);

    // Gives the lock and the socket up; std::_Exit() would leave them behind.
    void release();

private:
    bool tellRunningCopy();

    QString m_socketPath;
    QLockFile m_lock;
    QLocalServer m_server;
};

}  // namespace quillet::shell
