#pragma once
// A minimal `frmTools`: the window the options button opens under the main
// bar. Its commands arrive with the toolbar proper; until then it only keeps
// the window's size, its caption and the shared `toolbarOpen` flag honest.

#include "core/SharedState.h"

#include <QWidget>

namespace quillet::platform {
class Screen;
}

namespace quillet::shell {

class ToolbarStub : public QWidget
{
    Q_OBJECT
public:
    ToolbarStub(core::SharedState& state, const platform::Screen& screen,
                QWidget* parent = nullptr);

    void setCaption(const QString& title) { setWindowTitle(title); }

protected:
    bool event(QEvent* event) override;
    // The close box only hides the window; the program's end goes through
    // the main bar.
    void closeEvent(QCloseEvent* event) override;

private:
    core::SharedState& m_state;
};

}  // namespace quillet::shell
