#pragma once
// frmSplash: the splash window of the start.
// Shown centred and topmost while the program starts. Its one-second
// `tmrSplash` runs the daily update check on the first tick and closes the
// window on the tick after the check has ended; closing sets
// state.splashClosed, which opens the clipboard watch.

#include "core/SharedState.h"

#include <QTimer>
#include <QWidget>

#include <string>

class QLabel;

namespace quillet::platform {
class Screen;
class SystemInfo;
}  // namespace quillet::platform

namespace quillet::shell {

class UpdateChecker;

class SplashWindow : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kTickMilliseconds = 1000;

    SplashWindow(core::SharedState& state, const platform::Screen& screen,
                 const platform::SystemInfo& system, UpdateChecker& checker,
                 QWidget* parent = nullptr);

    // "V. 3.<major>.<minor>".
    static std::u16string versionText(int major, int minor);
    void setVersionText(const std::u16string& text);

    // One tick of `tmrSplash`; the timer calls it, tests may too.
    void tick();

    bool updateStarted() const { return m_updateStarted; }
    bool updateChecked() const { return m_updateChecked; }
    QTimer& splashTimer() { return m_tickTimer; }

signals:
    // Emitted once, when the window has closed and splashClosed is set.
    void splashClosed();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void checkForUpdate();
    void finish();

    core::SharedState& m_state;
    const platform::SystemInfo& m_system;
    UpdateChecker& m_checker;
    QTimer m_tickTimer;
    QLabel* m_versionLabel = nullptr;
    bool m_updateStarted = false;
    bool m_updateChecked = false;
    bool m_closed = false;
};

}  // namespace quillet::shell
