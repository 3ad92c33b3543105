#pragma once
// The program's pictures, compiled into the shell library. A static library's
// resources are only linked when something asks for them, hence icon().
//
// They are drawn as SVG where Qt SVG is at hand. The Windows build has no Qt
// SVG: there they were rendered at build time to PNG files of 1 and 2 times
// their size (name.png, name@2x.png, which QIcon takes as one icon).

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace quillet::shell {

// Registers the pictures under ":/icons/"; safe to call any number of times.
void loadIconResources();

// The picture of that name as an icon, e.g. icon(u"speak").
QIcon icon(const QString& name);

// The picture of that name stretched over `size` on white.
QPixmap picture(const QString& name, const QSize& size);

}  // namespace quillet::shell
