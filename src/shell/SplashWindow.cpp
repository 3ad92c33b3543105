#include "shell/SplashWindow.h"

#include "core/ProductTitle.h"
#include "core/UpdateDecision.h"
#include "core/WebAddresses.h"
#include "platform/Screen.h"
#include "platform/SystemInfo.h"
#include "platform/qt/QtText.h"
#include "shell/IconResources.h"
#include "shell/UpdateChecker.h"
#include "shell/WindowLayering.h"
#include "widgets/DesignFont.h"
#include "widgets/TwipsGeometry.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPointer>

namespace quillet::shell {

namespace {

// Design geometry, twips.
constexpr int kClientWidth = 6030;
constexpr int kClientHeight = 3600;

QLabel* splashLabel(QWidget* parent, int element, const QRect& geometry, bool bold)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QStringLiteral("splashLabel%1").arg(element));
    label->setFont(widgets::designFont(bold));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setGeometry(geometry);
    return label;
}

}  // namespace

SplashWindow::SplashWindow(core::SharedState& state, const platform::Screen& screen,
                           const platform::SystemInfo& system, UpdateChecker& checker,
                           QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      m_state(state),
      m_system(system),
      m_checker(checker)
{
    setObjectName(QStringLiteral("frmSplash"));
    // Start-up must not take the focus from the program the user is in.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);

    const widgets::TwipsGeometry twips(screen);
    const int width = twips.x(kClientWidth);
    const int height = twips.y(kClientHeight);
    setFixedSize(width, height);
    move((screen.widthPixels() - width) / 2, (screen.heightPixels() - height) / 2);

    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    twips.place(*image, 120, 120, 5835, 825);
    image->setPixmap(picture(QStringLiteral("product"), image->size()));

    m_versionLabel = splashLabel(this, 2, twips.rect(1440, 1080, 3015, 255), true);
    m_versionLabel->setText(QStringLiteral("release 3.01.01"));
    QLabel* notice = splashLabel(this, 3, twips.rect(1080, 2280, 3735, 495), false);
    notice->setText(platform::toQString(core::kProductTitle) +
                    QStringLiteral(" \u2013 English \u21C4 Portugu\u00EAs\n"
                                   "Made by the Quillet developers"));
    QLabel* address = splashLabel(this, 4, twips.rect(1080, 2760, 3735, 255), false);
    if (!m_state.webHost.empty())
        address->setText(platform::toQString(core::siteAddress(m_state.webHost)));

    pinOnTop(*this);

    m_tickTimer.setObjectName(QStringLiteral("tmrSplash"));
    m_tickTimer.setInterval(kTickMilliseconds);
    connect(&m_tickTimer, &QTimer::timeout, this, &SplashWindow::tick);
    m_tickTimer.start();
}

std::u16string SplashWindow::versionText(int major, int minor)
{
    return platform::toU16(QStringLiteral("V. 3.%1.%2").arg(major).arg(minor));
}

void SplashWindow::setVersionText(const std::u16string& text)
{
    m_versionLabel->setText(platform::toQString(text));
}

void SplashWindow::tick()
{
    if (m_closed)
        return;
    if (m_updateChecked) {
        finish();
        return;
    }
    if (m_updateStarted)
        return;  // a check is waiting for the network
    m_updateStarted = true;
    const std::u16string today = m_system.today();
    // A build without a web site never asks the network.
    if (!m_state.webHost.empty() && core::updateCheckDue(m_state.lastUpdateCheck, today)) {
        // Set before asking, so that a failed check is not repeated today.
        m_state.lastUpdateCheck = today;
        checkForUpdate();
    } else {
        m_updateChecked = true;
    }
}

void SplashWindow::checkForUpdate()
{
    QPointer<SplashWindow> self(this);
    m_checker.check([self](UpdateChecker::Outcome outcome) {
        if (self == nullptr)
            return;
        self->m_updateChecked = true;
        if (outcome == UpdateChecker::Outcome::Accepted)
            self->finish();
    });
}

void SplashWindow::finish()
{
    close();
}

bool SplashWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        pinOnTop(*this);
    return QWidget::event(event);
}

void SplashWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (m_closed)
        return;
    m_closed = true;
    m_tickTimer.stop();
    m_state.splashClosed = true;
    emit splashClosed();
}

}  // namespace quillet::shell
