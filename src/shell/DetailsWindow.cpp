#include "shell/DetailsWindow.h"

#include "core/InterfaceTexts.h"
#include "core/Messages.h"
#include "platform/Dialogs.h"
#include "platform/Speech.h"
#include "platform/qt/QtText.h"
#include "shell/IconResources.h"
#include "widgets/DesignFont.h"
#include "widgets/FittedLabel.h"
#include "widgets/TwipsGeometry.h"
#include "widgets/WindowFrame.h"

#include <QCloseEvent>
#include <QPointer>
#include <QToolButton>

namespace quillet::shell {

namespace {

// Design geometry, twips.
constexpr int kClientWidth = 7830;
constexpr int kClientHeight = 3405;
constexpr int kRowTop = 1920;
constexpr int kRowStep = 240;
constexpr int kButtonTop = 3040;
constexpr std::array<int, 3> kButtonLeft = {120, 600, 1080};

widgets::FittedLabel* label(QWidget* parent, const QString& name, const QRect& geometry, bool bold)
{
    auto* control = new widgets::FittedLabel(parent);
    control->setObjectName(name);
    control->setFont(widgets::designFont(bold));
    control->setGeometry(geometry);
    control->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    control->setTextFormat(Qt::PlainText);
    return control;
}

bool validSlot(int slot)
{
    return slot >= 0 && slot < translation::kPossibilitySlots;
}

// A one-line label that cannot show its whole text offers it as a tooltip.
void setCutText(widgets::FittedLabel& label, std::u16string_view text)
{
    label.setText(platform::toQString(text));
    label.setToolTip(label.isCut() ? label.text() : QString());
}

}  // namespace

DetailsWindow::DetailsWindow(core::SharedState& state, platform::Speech& speech,
                             platform::Dialogs& dialogs, const platform::Screen& screen,
                             QWidget* parent)
    : QWidget(parent, widgets::kFixedSizeWindow),
      m_state(state),
      m_speech(speech),
      m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frmDetalhes"));
    // Qt names an untitled window after the program; a blank title leaves
    // the caption empty.
    setWindowTitle(QStringLiteral(" "));
    // The tooltips are read while the user works in another window.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    colours.setColor(QPalette::WindowText, colours.color(QPalette::Text));
    setPalette(colours);

    const widgets::TwipsGeometry twips(screen);
    setFixedSize(twips.x(kClientWidth), twips.y(kClientHeight));

    m_detailsHeading = label(this, QStringLiteral("lblDet"), twips.rect(120, 0, 2295, 255), true);
    m_detailsLabel =
        label(this, QStringLiteral("lblDetalhes"), twips.rect(120, 240, 7575, 1215), false);
    // Wraps inside its fixed box and ends at the last whole line that fits.
    m_detailsLabel->setWordWrap(true);
    m_possibilitiesHeading =
        label(this, QStringLiteral("lblOutras"), twips.rect(120, 1560, 2295, 255), true);
    for (int i = 0; i < translation::kPossibilitySlots; ++i) {
        const int top = kRowTop + kRowStep * i;
        m_possibilityTerms[i] =
            label(this, QStringLiteral("lblTermo%1").arg(i), twips.rect(120, top, 1815, 255), true);
        m_possibilityTerms[i]->setAlignment(Qt::AlignRight | Qt::AlignTop);
        m_possibilityTranslations[i] = label(this, QStringLiteral("lblDefinicao%1").arg(i),
                                             twips.rect(2160, top, 5535, 255), false);
    }

    for (int i = 0; i < static_cast<int>(m_wordButtons.size()); ++i) {
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("cmdDetalhes%1").arg(i));
        button->setGeometry(twips.rect(kButtonLeft[i], kButtonTop, 375, 320));
        button->setAutoRaise(true);
        button->setIconSize(button->size() - QSize(4, 4));
        connect(button, &QToolButton::clicked, this, [this, i] { cmdDetalhesClick(i); });
        m_wordButtons[i] = button;
    }
    m_wordButtons[0]->setIcon(icon(QStringLiteral("speak")));
    m_wordButtons[1]->hide();
    m_wordButtons[2]->hide();

    applyLanguage();
}

void DetailsWindow::applyLanguage()
{
    const auto text = [this](std::u16string_view control, int element = -1) {
        return platform::toQString(core::interfaceText(m_state, u"frmDetalhes", control, element));
    };
    m_detailsHeading->setText(text(u"lblDet"));
    m_possibilitiesHeading->setText(text(u"lblOutras"));
    const QString tooltip = text(u"cmdDetalhes", 0);
    m_wordButtons[0]->setToolTip(tooltip);
    m_wordButtons[0]->setAccessibleName(tooltip);
}

void DetailsWindow::setSpeechEnabled(bool enabled)
{
    m_wordButtons[0]->setEnabled(enabled);
}

void DetailsWindow::cmdDetalhesClick(int index)
{
    if (index != 0 || !m_wordButtons[0]->isEnabled())
        return;
    QPointer<DetailsWindow> self(this);
    m_speech.speak(m_state.lastCapturedText, [self](const std::u16string&) {
        if (self != nullptr)
            self->reportSpeechFailure();
    });
}

void DetailsWindow::reportSpeechFailure()
{
    m_dialogs.showMessage(platform::MessageIcon::Critical,
                          m_state.messages[core::kMsgSpeechErrorTitle],
                          m_state.messages[core::kMsgSpeechError], platform::MessageButtons::Ok);
}

void DetailsWindow::setDetailsText(std::u16string_view text)
{
    m_detailsLabel->setText(platform::toQString(text));
}

void DetailsWindow::setPossibilityTerm(int slot, std::u16string_view term)
{
    if (validSlot(slot))
        setCutText(*m_possibilityTerms[slot], term);
}

void DetailsWindow::setPossibilityTranslation(int slot, std::u16string_view translation)
{
    if (validSlot(slot))
        setCutText(*m_possibilityTranslations[slot], translation);
}

void DetailsWindow::repaintDetails()
{
    if (isVisible())
        repaint();
}

void DetailsWindow::closeEvent(QCloseEvent* event)
{
    // The window lives as long as the program; closing it only hides it.
    event->ignore();
    hide();
}

}  // namespace quillet::shell
