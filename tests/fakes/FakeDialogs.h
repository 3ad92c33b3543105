#pragma once
// Records every message box and answers Yes/No questions with a preset reply.

#include "platform/Dialogs.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace quillet::fakes {

class FakeDialogs : public platform::Dialogs
{
public:
    struct Shown
    {
        platform::MessageIcon icon;
        std::u16string title;
        std::u16string text;
        platform::MessageButtons buttons;
    };

    platform::MessageAnswer showMessage(platform::MessageIcon icon, const std::u16string& title,
                                        const std::u16string& text,
                                        platform::MessageButtons buttons) override
    {
        m_shown.push_back({icon, title, text, buttons});
        if (m_onShow)
            m_onShow();
        return buttons == platform::MessageButtons::Ok ? platform::MessageAnswer::Ok : m_answer;
    }

    void setAnswer(platform::MessageAnswer answer) { m_answer = answer; }
    // Runs while a box is "open", e.g. to check what happens during a modal wait.
    void setOnShow(std::function<void()> action) { m_onShow = std::move(action); }

    std::size_t count() const { return m_shown.size(); }
    const Shown& last() const { return m_shown.back(); }
    void forget() { m_shown.clear(); }

private:
    std::vector<Shown> m_shown;
    platform::MessageAnswer m_answer = platform::MessageAnswer::No;
    std::function<void()> m_onShow;
};

}  // namespace quillet::fakes
