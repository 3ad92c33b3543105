#pragma once
// The system clipboard through QClipboard.

#include "platform/Clipboard.h"

#include <QObject>

#include <functional>

class QClipboard;
class QMimeData;

namespace quillet::platform {

class QtClipboard : public QObject, public Clipboard
{
    Q_OBJECT
public:
    // Uses the application's clipboard unless one is given.
    explicit QtClipboard(QClipboard* clipboard = nullptr, QObject* parent = nullptr);

    std::u16string text() const override;
    void setText(const std::u16string& text) override;
    void clear() override;
    void setChangeHandler(std::function<void()> handler) override;

    // Password managers mark copied secrets with this MIME type and the value
    // "secret"; such content is never treated as text.
    static bool isMarkedSecret(const QMimeData& data);

private:
    QClipboard* m_clipboard;
    std::function<void()> m_handler;
};

}  // namespace quillet::platform
