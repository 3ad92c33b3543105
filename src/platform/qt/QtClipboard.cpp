#include "platform/qt/QtClipboard.h"

#include "platform/qt/QtText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <utility>

namespace quillet::platform {

namespace {
const QString kPasswordHint = QStringLiteral("x-kde-passwordManagerHint");
}

QtClipboard::QtClipboard(QClipboard* clipboard, QObject* parent)
    : QObject(parent), m_clipboard(clipboard ? clipboard : QGuiApplication::clipboard())
{
    connect(
        m_clipboard, &QClipboard::dataChanged, this,
        [this] {
            if (m_handler)
                m_handler();
        });
}

bool QtClipboard::isMarkedSecret(const QMimeData& data)
{
    return data.hasFormat(kPasswordHint) && data.data(kPasswordHint).trimmed() == "secret";
}

std::u16string QtClipboard::text() const
{
    const QMimeData* data = m_clipboard->mimeData(QClipboard::Clipboard);
    if (data == nullptr || isMarkedSecret(*data) || !data->hasText())
        return {};
    return toU16(data->text());
}

void QtClipboard::setText(const std::u16string& text)
{
    m_clipboard->setText(toQString(text), QClipboard::Clipboard);
}

void QtClipboard::clear()
{
    m_clipboard->clear(QClipboard::Clipboard);
}

void QtClipboard::setChangeHandler(std::function<void()> handler)
{
    m_handler = std::move(handler);
}

}  // namespace quillet::platform
