#include "shell/MainWindow.h"

#include "core/InterfaceTexts.h"
#include "core/Messages.h"
#include "platform/Clipboard.h"
#include "platform/Screen.h"
#include "platform/qt/QtText.h"
#include "shell/DetailsWindow.h"
#include "shell/IconResources.h"
#include "shell/WindowLayering.h"
#include "translation/CaptureRun.h"
#include "widgets/DesignFont.h"
#include "widgets/TwipsGeometry.h"
#include "widgets/WindowFrame.h"
#include "widgets/WindowPlacement.h"

#include <QCloseEvent>
#include <QEvent>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolButton>

#include <algorithm>
#include <exception>

namespace quillet::shell {

namespace {

// Design geometry, twips.
constexpr int kSearchBoxLeft = 40;
constexpr int kSearchBoxTop = 40;
constexpr int kSearchBoxHeight = 285;
constexpr int kSearchBoxWidthWithDetails = 6500;  // leaves room for the details button
constexpr int kSearchBoxWidthWithoutDetails = 6950;
constexpr int kButtonTop = 20;
constexpr int kButtonWidth = 375;
constexpr int kButtonHeight = 320;
constexpr int kDetailsLeft = 6600;
constexpr int kGoLeft = 7020;
constexpr int kOptionsLeft = 7440;
constexpr int kDesignClientWidth = 7875;
// The outer height that leaves only the search row under the caption.
constexpr int kRowHeightExtra = 450;
// How long after its placement the bar's moves are the window manager's.
constexpr qint64 kPlacingMilliseconds = 1000;
// The lowest client height that still shows the buttons whole.
constexpr int kRowClientHeight = kButtonTop + kButtonHeight + 20;

QToolButton* pictureButton(QWidget* parent, const char* name, const QString& picture)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setIcon(icon(picture));
    button->setAutoRaise(false);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

// Whether the box shows its whole text; its frame and the two pixels it
// keeps on each side are measured as QLineEdit measures them.
bool showsWholeText(const QLineEdit& box)
{
    QStyleOptionFrame option;
    option.initFrom(&box);
    option.rect = box.contentsRect();
    option.lineWidth =
        box.hasFrame() ? box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &box) : 0;
    const QRect text = box.style()
                           ->subElementRect(QStyle::SE_LineEditContents, &option, &box)
                           .marginsRemoved(box.textMargins());
    return box.fontMetrics().horizontalAdvance(box.text()) <= text.width() - 4;
}

}  // namespace

MainWindow::MainWindow(core::SharedState& state, platform::Clipboard& clipboard,
                       const platform::Screen& screen, DetailsWindow& details, QWidget& toolbar,
                       QWidget* parent)
    : QWidget(parent, widgets::kFixedSizeWindow),
      m_state(state),
      m_clipboard(clipboard),
      m_screen(screen),
      m_details(details),
      m_toolbar(toolbar),
      m_searchBoxWidthTwips(kSearchBoxWidthWithoutDetails)
{
    setObjectName(QStringLiteral("frmPrincipal"));
    // The tooltips are read while the user works in another window.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    const widgets::TwipsGeometry twips = twipsGeometry();

    m_searchBox = new QLineEdit(this);
    m_searchBox->setObjectName(QStringLiteral("traduz"));
    m_searchBox->setFont(widgets::designFont());
    m_searchBox->setGeometry(
        twips.rect(kSearchBoxLeft, kSearchBoxTop, kSearchBoxWidthWithoutDetails, kSearchBoxHeight));
    m_searchBox->installEventFilter(this);
    connect(m_searchBox, &QLineEdit::returnPressed, this, &MainWindow::submitSearchBox);
    connect(m_searchBox, &QLineEdit::textChanged, this, &MainWindow::fitSearchBoxTip);

    m_detailsButton = pictureButton(this, "cmdDetalhes", QStringLiteral("details"));
    m_searchButton = pictureButton(this, "cmdGo", QStringLiteral("search"));
    m_optionsButton = pictureButton(this, "cmdOptions", QStringLiteral("options"));
    twips.place(*m_detailsButton, kDetailsLeft, kButtonTop, kButtonWidth, kButtonHeight);
    twips.place(*m_searchButton, kGoLeft, kButtonTop, kButtonWidth, kButtonHeight);
    twips.place(*m_optionsButton, kOptionsLeft, kButtonTop, kButtonWidth, kButtonHeight);
    m_detailsButton->hide();
    connect(m_detailsButton, &QToolButton::clicked, this, &MainWindow::openDetails);
    connect(m_searchButton, &QToolButton::clicked, this, &MainWindow::submitSearchBox);
    connect(m_optionsButton, &QToolButton::clicked, this, &MainWindow::toggleToolbar);

    resize(twips.x(kDesignClientWidth), twips.y(kRowClientHeight));

    m_state.lastCapturedText.clear();
    m_searchBox->setText(platform::toQString(m_state.messages[core::kMsgSearchPrompt]));

    m_clipboardTimer.setObjectName(QStringLiteral("tmrPrincipal"));
    m_clipboardTimer.setInterval(kTickMilliseconds);
    connect(&m_clipboardTimer, &QTimer::timeout, this, &MainWindow::tick);
    m_clipboardTimer.start();
    m_clipboard.setChangeHandler([this] { tick(); });
}

MainWindow::~MainWindow()
{
    m_clipboard.setChangeHandler({});
}

widgets::TwipsGeometry MainWindow::twipsGeometry() const
{
    return widgets::TwipsGeometry(m_screen);
}

void MainWindow::tick()
{
    if (m_translating || m_watchPaused || m_watchEnded)
        return;
    m_translating = true;
    const translation::CaptureRun run = translation::translateClipboardText(
        m_clipboard.text(), m_state,
        [this](std::u16string_view word, bool wantDetails) {
            return m_lookup ? m_lookup(word, wantDetails) : core::LookupResult{};
        },
        m_details, this, [this] { m_clipboardTimer.stop(); });
    m_translating = false;
    if (!run.decision.translate)
        return;
    // The next tick comes a full period after the run, however long it took.
    m_clipboardTimer.start(kTickMilliseconds);
    // The run has shown its line in the search box already.
    if (run.finished)
        emit translated();
}

void MainWindow::submitSearchBox()
{
    m_state.lastCapturedText.clear();
    m_clipboard.setText(platform::toU16(m_searchBox->text()));
}

void MainWindow::applyLanguage()
{
    const QString window = QStringLiteral("frmPrincipal");
    for (QToolButton* button : {m_searchButton, m_optionsButton}) {
        const QString tip = platform::toQString(core::interfaceText(
            m_state, platform::toU16(window), platform::toU16(button->objectName())));
        button->setToolTip(tip);
        button->setAccessibleName(tip);
    }
    // No tooltip is defined for the details button; the details window's
    // heading names it for assistive tools.
    m_detailsButton->setAccessibleName(
        platform::toQString(core::interfaceText(m_state, u"frmDetalhes", u"lblDet")));
    setWindowTitle(platform::toQString(core::mainWindowTitle(m_state)));
}

void MainWindow::showIdleLook()
{
    m_searchBox->setText(platform::toQString(m_state.messages[core::kMsgSearchPrompt]));
    setDetailsButtonVisible(false);
}

void MainWindow::applyWidth()
{
    const int go = kButtonWidth;
    const int box = m_searchBoxWidthTwips;
    const int twips = m_detailsButton->isVisibleTo(this) ? 3 * go + box + 320 : 2 * go + box + 250;
    setFixedWidth(twipsGeometry().x(twips));
}

void MainWindow::shrinkToRow()
{
    // The window manager draws its frame in screen pixels, unscaled by a high-density
    // factor of our own: count it as it looks, so the row keeps its proportions.
    const int logicalDecoration = std::max(0, frameGeometry().height() - height());
    const int decoration = qRound(logicalDecoration * devicePixelRatioF());
    const widgets::TwipsGeometry twips = twipsGeometry();
    const int row = twips.y(kRowClientHeight);
    // A caption not yet drawn, or drawn without a word to Qt (Sway's), would
    // otherwise leave its height as an empty strip under the row.
    if (decoration == 0) {
        setFixedHeight(row);
        return;
    }
    const int outer = twips.y(kSearchBoxHeight + kRowHeightExtra);
    setFixedHeight(std::max(outer - decoration, row));
}

void MainWindow::applyWindowMode(std::int16_t mode)
{
    applyWidth();
    shrinkToRow();
    show();
    setTopmost(*this, mode != 0);
}

void MainWindow::moveToStoredPosition()
{
    // The bar must fit as it will show.
    applyWidth();
    shrinkToRow();
    widgets::placeOnScreen(*this, QPoint(m_state.windowLeft, m_state.windowTop),
                           [this](const QPoint& at) {
                               m_placedAt = at;
                               m_placedTime.start();
                           });
}

QPoint MainWindow::positionToSave() const
{
    if (m_placedAt == pos())
        return {m_state.savedWindowLeft, m_state.savedWindowTop};
    return pos();
}

void MainWindow::bringForward()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    applyWindowMode(m_state.alwaysOnTop);
    raise();
    activateWindow();
}

void MainWindow::pinIfOnTop(QWidget& window)
{
    if (m_state.alwaysOnTop > 0)
        pinOnTop(window);
}

void MainWindow::openDetails()
{
    m_toolbar.hide();
    widgets::placeUnderAsWide(m_details, *this);
    m_details.show();
    pinIfOnTop(m_details);
}

void MainWindow::toggleToolbar()
{
    if (m_toolbar.isVisible()) {
        m_toolbar.hide();
        return;
    }
    m_details.hide();
    widgets::placeUnder(m_toolbar, *this);
    m_toolbar.show();
    pinIfOnTop(m_toolbar);
}

void MainWindow::focusSearchBox()
{
    activateWindow();
    m_searchBox->setFocus(Qt::OtherFocusReason);
}

void MainWindow::pauseWatch()
{
    m_watchPaused = true;
    m_clipboardTimer.stop();
}

void MainWindow::resumeWatch()
{
    m_watchPaused = false;
    if (!m_watchEnded)
        m_clipboardTimer.start(kTickMilliseconds);
}

void MainWindow::endWatch()
{
    m_watchEnded = true;
    m_clipboardTimer.stop();
}

void MainWindow::setSearchBoxText(std::u16string_view text)
{
    m_searchBox->setText(platform::toQString(text));
    // A line wider than the box shows its start: the word and how it was found.
    m_searchBox->setCursorPosition(0);
}

void MainWindow::setSearchBoxWidth(int twips)
{
    m_searchBoxWidthTwips = twips;
    m_searchBox->resize(twipsGeometry().x(twips), m_searchBox->height());
    fitSearchBoxTip();
}

void MainWindow::fitSearchBoxTip()
{
    const QString text = m_searchBox->text();
    const bool prompt = text == platform::toQString(m_state.messages[core::kMsgSearchPrompt]);
    m_searchBox->setToolTip(prompt || showsWholeText(*m_searchBox) ? QString() : text);
}

void MainWindow::repaintSearchBox()
{
    m_searchBox->repaint();
}

void MainWindow::setDetailsButtonVisible(bool visible)
{
    m_detailsButton->setVisible(visible);
    setSearchBoxWidth(visible ? kSearchBoxWidthWithDetails : kSearchBoxWidthWithoutDetails);
}

void MainWindow::setBusyPointer(bool busy)
{
    if (busy) {
        setCursor(Qt::WaitCursor);
        m_searchBox->setCursor(Qt::WaitCursor);
    } else {
        unsetCursor();
        m_searchBox->setCursor(Qt::IBeamCursor);
    }
}

bool MainWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        shrinkToRow();
    // Where the window manager puts the bar as it opens is its place, not
    // the user's (Sway centres it).
    if (event->type() == QEvent::Move && event->spontaneous() && m_placedAt &&
        !m_placedTime.hasExpired(kPlacingMilliseconds))
        m_placedAt = pos();
    return QWidget::event(event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (m_unload)
        m_unload();
    event->accept();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The whole line is selected with the cursor at its start, which keeps
    // the start in view.
    if (watched == m_searchBox &&
        (event->type() == QEvent::FocusIn || event->type() == QEvent::MouseButtonRelease))
        m_searchBox->setSelection(m_searchBox->text().size(), -m_searchBox->text().size());
    return QWidget::eventFilter(watched, event);
}

}  // namespace quillet::shell
