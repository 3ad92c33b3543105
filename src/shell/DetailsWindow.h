#pragma once
// frmDetalhes: the details window under the main bar.
// The dictionary's note on the word last translated and up to four further
// forms found, with a button that speaks the word. Translations fill it
// whether it is shown or not; its close box only hides it.

#include "core/SharedState.h"
#include "translation/DetailsView.h"

#include <QWidget>

#include <array>
#include <string_view>

class QToolButton;

namespace quillet::platform {
class Dialogs;
class Screen;
class Speech;
}  // namespace quillet::platform

namespace quillet::widgets {
class FittedLabel;
}

namespace quillet::shell {

class DetailsWindow : public QWidget, public translation::DetailsView
{
    Q_OBJECT
public:
    DetailsWindow(core::SharedState& state, platform::Speech& speech, platform::Dialogs& dialogs,
                  const platform::Screen& screen, QWidget* parent = nullptr);

    // Headings and the speak button's tooltip in the interface language.
    void applyLanguage();

    void setSpeechEnabled(bool enabled);

    // `cmdDetalhes` Click: element 0 speaks lastCapturedText, the others do
    // nothing. A failure shows one error box per press.
    void cmdDetalhesClick(int index);

    // The details part of a translation's result.
    void setDetailsText(std::u16string_view text) override;
    void setPossibilityTerm(int slot, std::u16string_view term) override;
    void setPossibilityTranslation(int slot, std::u16string_view translation) override;
    void repaintDetails() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void reportSpeechFailure();

    core::SharedState& m_state;
    platform::Speech& m_speech;
    platform::Dialogs& m_dialogs;
    widgets::FittedLabel* m_detailsHeading = nullptr;
    widgets::FittedLabel* m_detailsLabel = nullptr;  // the main result's note
    widgets::FittedLabel* m_possibilitiesHeading = nullptr;
    std::array<widgets::FittedLabel*, translation::kPossibilitySlots> m_possibilityTerms{};
    std::array<widgets::FittedLabel*, translation::kPossibilitySlots> m_possibilityTranslations{};
    std::array<QToolButton*, 3> m_wordButtons{};  // 0 speaks the word; 1 and 2 stay hidden
};

}  // namespace quillet::shell
