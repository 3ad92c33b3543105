#pragma once
// The system clipboard, the program's input channel.

#include <functional>
#include <string>

namespace quillet::platform {

// What every clipboard service keeps of another program's text: a longer text
// is far past the longest search text, so its first bytes stand for it. And
// how long it waits for the owner's answer before giving up.
inline constexpr int kClipboardTextBytes = 16 * 1024;
inline constexpr int kClipboardAnswerMilliseconds = 1000;

class Clipboard
{
public:
    virtual ~Clipboard() = default;

    // The plain text on the clipboard as last read; never waits on the
    // program that owns it. Empty when it holds no text, when a password
    // manager has marked its content as secret or when the owner did not
    // answer. A huge text may be cut, long past any search text.
    virtual std::u16string text() const = 0;
    virtual void setText(const std::u16string& text) = 0;
    virtual void clear() = 0;

    // Called on the user-interface thread after the content changed, whoever
    // changed it. One handler at a time; an empty function removes it.
    virtual void setChangeHandler(std::function<void()> handler) = 0;
};

}  // namespace quillet::platform
