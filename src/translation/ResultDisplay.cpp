#include "translation/ResultDisplay.h"

#include "core/Messages.h"

namespace quillet::translation {

ResultDisplay::ResultDisplay(const core::SharedState& state, DetailsView& details,
                             SearchBoxView* searchBox)
    : m_state(state), m_details(details), m_searchBox(searchBox)
{
}

void ResultDisplay::beginResultDisplay(std::u16string_view searchText)
{
    if (m_searchBox)
        m_searchBox->setBusyPointer(true);
    m_searchText = searchText;
    m_found = false;
    m_possibilityCount = 0;
    m_mainForm.clear();
    for (auto& form : m_possibilities) form.clear();

    m_line = m_state.messages[core::kMsgPleaseWait];
    if (m_searchBox) {
        m_searchBox->setSearchBoxText(m_line);
        m_searchBox->repaintSearchBox();
    }

    m_details.setDetailsText(u"");
    for (int slot = 0; slot < kPossibilitySlots; ++slot) m_details.setPossibilityTerm(slot, u"");
    for (int slot = 0; slot < kPossibilitySlots; ++slot)
        m_details.setPossibilityTranslation(slot, u"");
    m_details.repaintDetails();
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
        if (m_searchBox)
            m_searchBox->setSearchBoxText(m_line);
        m_details.setDetailsText(details);
        m_mainForm = form;
        m_found = true;
        return HitAnswer::Continue;
    }
    if (m_possibilityCount >= kPossibilitySlots)
        return HitAnswer::Stop;
    const int slot = m_possibilityCount;
    m_possibilities[slot] = form;
    m_details.setPossibilityTerm(slot, form);
    m_details.setPossibilityTranslation(slot, translation);
    ++m_possibilityCount;
    return HitAnswer::Continue;
}

std::u16string ResultDisplay::finishResultDisplay()
{
    m_details.repaintDetails();
    if (!m_found)
        m_line = m_searchText + u" -> " + m_state.messages[core::kMsgNotFound];
    if (m_searchBox) {
        if (!m_found)
            m_searchBox->setSearchBoxText(m_line);
        m_searchBox->setDetailsButtonVisible(m_found);
        m_searchBox->setBusyPointer(false);
    }
    return m_line;
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
