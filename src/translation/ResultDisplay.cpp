#include "translation/ResultDisplay.h"

#include "core/Messages.h"

namespace quillet::translation {

ResultDisplay::ResultDisplay(ResultView& view, const core::SharedState& state)
    : m_view(view), m_state(state)
{
}

void ResultDisplay::beginResultDisplay(std::u16string_view searchText)
{
    m_view.setBusyPointer(true);
    m_searchText = searchText;
    m_found = false;
    m_possibilityCount = 0;
    m_mainForm.clear();
    for (auto& form : m_possibilities) form.clear();

    m_line = m_state.messages[core::kMsgPleaseWait];
    m_view.setSearchBoxText(m_line);
    m_view.repaintSearchBox();

    m_view.setDetailsText(u"");
    for (int slot = 0; slot < kPossibilitySlots; ++slot) m_view.setPossibilityTerm(slot, u"");
    for (int slot = 0; slot < kPossibilitySlots; ++slot)
        m_view.setPossibilityTranslation(slot, u"");
    m_view.repaintDetails();
}

void ResultDisplay::setSearchText(std::u16string_view searchText)
{
    m_searchText = searchText;
}

HitAnswer ResultDisplay::recordHit(std::u16string_view form, HitKind kind,
                                   std::u16string_view translation, std::u16string_view details)
{
    if (!m_found) {
        std::u16string line;
        if (kind == HitKind::Direct)
            line.append(form).append(u" -> ");
        else
            line.append(u" ? ").append(m_searchText).append(u" (! ").append(form).append(u" ) -> ");
        line.append(translation);
        m_line = std::move(line);
        m_view.setSearchBoxText(m_line);
        m_view.setDetailsText(details);
        m_mainForm = form;
        m_found = true;
        return HitAnswer::Continue;
    }
    if (m_possibilityCount >= kPossibilitySlots)
        return HitAnswer::Stop;
    const int slot = m_possibilityCount;
    m_possibilities[slot] = form;
    m_view.setPossibilityTerm(slot, form);
    m_view.setPossibilityTranslation(slot, translation);
    ++m_possibilityCount;
    return HitAnswer::Continue;
}

std::u16string ResultDisplay::finishResultDisplay()
{
    m_view.repaintDetails();
    if (!m_found) {
        m_line = m_searchText + u" -> " + m_state.messages[core::kMsgNotFound];
        m_view.setSearchBoxText(m_line);
        m_view.setDetailsButtonVisible(false);
        m_view.setSearchBoxWidth(kSearchBoxWidthWithoutDetails);
    } else {
        m_view.setDetailsButtonVisible(true);
        m_view.setSearchBoxWidth(kSearchBoxWidthWithDetails);
    }
    std::u16string result = m_line;
    m_view.setBusyPointer(false);
    return result;
}

bool ResultDisplay::isShown(std::u16string_view form) const
{
    if (m_found && form == m_mainForm)
        return true;
    for (int slot = 0; slot < m_possibilityCount; ++slot)
        if (form == m_possibilities[slot])
            return true;
    return false;
}

}  // namespace quillet::translation
