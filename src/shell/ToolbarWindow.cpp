#include "shell/ToolbarWindow.h"

#include "core/Installation.h"
#include "core/InterfaceTexts.h"
#include "core/WebAddresses.h"
#include "platform/Browser.h"
#include "platform/Screen.h"
#include "platform/qt/QtText.h"
#include "shell/IconResources.h"
#include "shell/MainWindow.h"
#include "shell/WindowLayering.h"
#include "widgets/TwipsGeometry.h"
#include "widgets/WindowPlacement.h"

#include <QCloseEvent>
#include <QDialog>
#include <QToolButton>
#include <QUrl>

#include <string>

namespace quillet::shell {

namespace {

// Design geometry, twips.
constexpr int kClientWidth = 3765;
constexpr int kClientHeight = 345;
constexpr int kButtonStep = 480;
constexpr int kButtonWidth = 375;
constexpr int kButtonHeight = 320;

constexpr std::u16string_view kHelpPath = u"/quillet/help.asp";
constexpr std::u16string_view kUserHomePath = u"/quillet/userhome.asp";

// Pictures of the buttons as designed, before any state is shown.
const std::array<const char*, ToolbarWindow::kButtonCount> kButtonPictures = {
    "mode-ontop", "dictionary", "language-pt", "editor", "help", "web"};
// `picButton`: elements 1 and 4 are only holders and take no part in commands.
const std::array<const char*, ToolbarWindow::kButtonCount> kStatePictures = {
    "mode-ontop", "dictionary", "language-pt", "language-en", "editor", "mode-normal"};

}  // namespace

ToolbarWindow::ToolbarWindow(core::SharedState& state, const platform::Screen& screen,
                             platform::Browser& browser, QWidget* parent)
    : QWidget(parent, Qt::Tool), m_state(state), m_browser(browser)
{
    setObjectName(QStringLiteral("frmTools"));
    // Opened from the bar, it must not take the focus from the program the
    // user works in.
    setAttribute(Qt::WA_ShowWithoutActivating);
    // Hence its tooltips must show while it is inactive.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    const widgets::TwipsGeometry twips(screen);
    setFixedSize(twips.x(kClientWidth), twips.y(kClientHeight));

    for (int i = 0; i < kButtonCount; ++i) {
        m_statePictures[static_cast<std::size_t>(i)] =
            icon(QString::fromLatin1(kStatePictures[static_cast<std::size_t>(i)]));
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("cmdTool%1").arg(i));
        button->setIcon(icon(QString::fromLatin1(kButtonPictures[static_cast<std::size_t>(i)])));
        button->setIconSize(QSize(twips.x(kButtonWidth) - 6, twips.y(kButtonHeight) - 6));
        button->setFocusPolicy(Qt::StrongFocus);
        twips.place(*button, kButtonStep * i, 0, kButtonWidth, kButtonHeight);
        connect(button, &QToolButton::clicked, this,
                [this, i] { cmdToolClick(static_cast<Button>(i)); });
        m_buttons[static_cast<std::size_t>(i)] = button;
    }

    applyLanguage();
}

QToolButton* ToolbarWindow::cmdTool(int button) const
{
    return m_buttons.at(static_cast<std::size_t>(button));
}

const QIcon& ToolbarWindow::picButton(int element) const
{
    return m_statePictures.at(static_cast<std::size_t>(element));
}

void ToolbarWindow::applyLanguage()
{
    setWindowTitle(platform::toQString(core::interfaceText(m_state, u"frmTools", u"")));
    for (int i = 0; i < kButtonCount; ++i) {
        const QString tip =
            platform::toQString(core::interfaceText(m_state, u"frmTools", u"cmdTool", i));
        cmdTool(i)->setToolTip(tip);
        cmdTool(i)->setAccessibleName(tip);
    }
    // The user's page exists only on the web site; help has a local copy.
    cmdTool(UserPage)->setEnabled(!m_state.webHost.empty());
}

void ToolbarWindow::showModePicture()
{
    cmdTool(WindowMode)
        ->setIcon(picButton(m_state.alwaysOnTop != 0 ? kPictureOnTop : kPictureNormal));
}

void ToolbarWindow::showLanguagePicture()
{
    cmdTool(Language)->setIcon(
        picButton(core::isEnglish(m_state) ? kPictureEnglish : kPicturePortuguese));
    cmdTool(Language)->repaint();
}

void ToolbarWindow::cmdToolClick(Button button)
{
    switch (button) {
        case WindowMode:
            toggleWindowMode();
            break;
        case Dictionaries:
            openDictionaryChooser();
            break;
        case Language:
            emit languageToggled();
            break;
        case UserDictionary:
            openEditor();
            break;
        case Help:
            if (m_state.webHost.empty())
                openLocalHelp();
            else
                openWebPage(kHelpPath);
            break;
        case UserPage:
            openWebPage(kUserHomePath);
            break;
    }
}

void ToolbarWindow::toggleWindowMode()
{
    // Any stored value other than 0, such as 5 from an edited settings file,
    // counts as on top and goes to 0.
    m_state.alwaysOnTop = m_state.alwaysOnTop == 0 ? 1 : 0;
    if (m_links.mainWindow)
        m_links.mainWindow->applyWindowMode(m_state.alwaysOnTop);
    setTopmost(*this, m_state.alwaysOnTop != 0);
    showModePicture();
    cmdTool(WindowMode)->repaint();
}

void ToolbarWindow::openDictionaryChooser()
{
    if (!m_links.dictionaryChooser)
        return;
    if (m_links.mainWindow)
        m_links.mainWindow->pauseWatch();
    widgets::placeUnder(*m_links.dictionaryChooser, *this, m_links.mainWindow);
    m_links.dictionaryChooser->exec();
    if (m_links.mainWindow)
        m_links.mainWindow->resumeWatch();
}

void ToolbarWindow::openEditor()
{
    if (!m_links.editor)
        return;
    widgets::placeUnder(*m_links.editor, *this, m_links.mainWindow);
    m_links.editor->show();
    m_links.editor->raise();
}

void ToolbarWindow::openWebPage(std::u16string_view path)
{
    m_browser.open(core::pageAddress(m_state.webHost, path, m_state.webQuery));
}

void ToolbarWindow::openLocalHelp()
{
    const std::u16string page =
        m_state.appFolder + (core::isEnglish(m_state) ? core::kEnglishPage : core::kPortuguesePage);
    m_browser.open(platform::toU16(
        QUrl::fromLocalFile(platform::toQString(page)).toString(QUrl::FullyEncoded)));
}

void ToolbarWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    hide();
}

}  // namespace quillet::shell
