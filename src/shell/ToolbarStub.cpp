#include "shell/ToolbarStub.h"

#include "platform/Screen.h"
#include "platform/Twips.h"

#include <QCloseEvent>
#include <QEvent>

namespace quillet::shell {

namespace {
constexpr int kClientWidthTwips = 3765;
constexpr int kClientHeightTwips = 345;
}  // namespace

ToolbarStub::ToolbarStub(core::SharedState& state, const platform::Screen& screen, QWidget* parent)
    : QWidget(parent, Qt::Tool), m_state(state)
{
    setObjectName(QStringLiteral("frmTools"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(platform::twipsToPixels(kClientWidthTwips, screen.twipsPerPixelX()),
                 platform::twipsToPixels(kClientHeightTwips, screen.twipsPerPixelY()));
}

bool ToolbarStub::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        m_state.toolbarOpen = true;
    return QWidget::event(event);
}

void ToolbarStub::closeEvent(QCloseEvent* event)
{
    event->ignore();
    hide();
    m_state.toolbarOpen = false;
}

}  // namespace quillet::shell
