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
    std::u16string text() const override { return m_secret ? std::u16string() : m_text; }

    void setText(const std::u16string& text) override
    {
        ++m_setCount;
        store(text, false);
    }

    void clear() override
    {
        ++m_clearCount;
        store(std::u16string(), false);
    }

    void setChangeHandler(std::function<void()> handler) override
    {
        m_handler = std::move(handler);
    }

    void copyFromOutside(const std::u16string& text) { store(text, false); }
    // A password manager's copy: present, but marked secret.
    void copySecretFromOutside(const std::u16string& text) { store(text, true); }

    // What was last stored, secret or not.
    const std::u16string& rawText() const { return m_text; }
    int setCount() const { return m_setCount; }
    int clearCount() const { return m_clearCount; }
    bool hasChangeHandler() const { return static_cast<bool>(m_handler); }

private:
    void store(const std::u16string& text, bool secret)
    {
        m_text = text;
        m_secret = secret;
        if (m_handler)
            m_handler();
    }

    std::u16string m_text;
    bool m_secret = false;
    int m_setCount = 0;
    int m_clearCount = 0;
    std::function<void()> m_handler;
};

}  // namespace quillet::fakes
