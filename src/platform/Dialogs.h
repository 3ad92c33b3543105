#pragma once
// Modal message boxes. The engine composes titles and texts; the shell shows them.

#include <string>

namespace quillet::platform {

enum class MessageIcon { Critical, Exclamation, Question };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

class Dialogs
{
public:
    virtual ~Dialogs() = default;
    // Shows the box and returns when the user has closed it.
    virtual MessageAnswer showMessage(MessageIcon icon, const std::u16string& title,
                                      const std::u16string& text, MessageButtons buttons) = 0;
};

}  // namespace quillet::platform
