#pragma once
// Records every message box and answers Yes/No questions with a preset reply.

#include "platform/Dialogs.h"

#include <functional>
#include <string>
#include <vector>

namespace quillet::fakes {

struct FakeDialogs : platform::Dialogs
{
    struct Shown
    {
        platform::MessageIcon icon;
        std::u16string title;
        std::u16string text;
    };

    platform::MessageAnswer showMessage(platform::MessageIcon icon, const std::u16string& title,
                                        const std::u16string& text,
                                        platform::MessageButtons buttons) override
    {
        shown.push_back({icon, title, text});
        if (onShow)
            onShow();
        return buttons == platform::MessageButtons::Ok ? platform::MessageAnswer::Ok : answer;
    }

    std::vector<Shown> shown;
    platform::MessageAnswer answer = platform::MessageAnswer::No;
    // Runs while a box is "open", e.g. to check what happens during a modal wait.
    std::function<void()> onShow;
};

}  // namespace quillet::fakes
