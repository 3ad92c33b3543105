#include "shell/IconResources.h"

// Q_INIT_RESOURCE must be used outside any namespace.
static void initIconsResource()
{
    Q_INIT_RESOURCE(icons);
}

namespace quillet::shell {

void loadIconResources()
{
    static const bool loaded = (initIconsResource(), true);
    (void)loaded;
}

QIcon icon(const QString& name)
{
    loadIconResources();
    return QIcon(QStringLiteral(":/icons/") + name + QStringLiteral(".svg"));
}

}  // namespace quillet::shell
