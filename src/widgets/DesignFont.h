#pragma once
// The face every window is designed in. Qt falls back to a similar face where
// Verdana is not installed.

#include <QFont>

namespace quillet::widgets {

inline QFont designFont(bool bold = false)
{
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(8.25);
    font.setBold(bold);
    return font;
}

}  // namespace quillet::widgets
