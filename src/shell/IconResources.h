#pragma once
// The program's pictures, compiled into the shell library. A static library's
// resources are only linked when something asks for them, hence icon().

#include <QIcon>
#include <QString>

namespace quillet::shell {

// Registers the pictures under ":/icons/"; safe to call any number of times.
void loadIconResources();

// ":/icons/<name>.svg", e.g. icon(u"speak").
QIcon icon(const QString& name);

}  // namespace quillet::shell
