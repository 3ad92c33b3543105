#pragma once
// An in-memory clipboard. copyFromOutside() plays another program copying text
// and fires the change handler, as the real clipboard does.

#include "platform/Clipboard.h"

#include <functional>
#include <string>
#include <utility>

namespace quillet::fakes {

class FakeClipboard : public platform::Clipboard
{
public:
    std::u16string text() const override { return m_text; }
    void setText(const std::u16string& text) override { copyFromOutside(text); }
    void clear() override
    {
        ++clearCount;
        copyFromOutside({});
    }
    void setChangeHandler(std::function<void()> handler) override
    {
        m_handler = std::move(handler);
    }

    void copyFromOutside(const std::u16string& text)
    {
        m_text = text;
        if (m_handler)
            m_handler();
    }

    int clearCount = 0;

private:
    std::u16string m_text;
    std::function<void()> m_handler;
};

}  // namespace quillet::fakes
