#include "shell/IconResources.h"

#include <QPainter>
#ifdef QUILLET_SVG_PICTURES
#include <QSvgRenderer>
#else
#include <QImage>
#endif

// Q_INIT_RESOURCE must be used outside any namespace.
static void initIconsResource()
{
    Q_INIT_RESOURCE(icons);
}

namespace quillet::shell {

namespace {

#ifdef QUILLET_SVG_PICTURES
const QString kPictureSuffix = QStringLiteral(".svg");
#else
const QString kPictureSuffix = QStringLiteral(".png");
#endif

QString resourceName(const QString& name)
{
    return QStringLiteral(":/icons/") + name + kPictureSuffix;
}

}  // namespace

void loadIconResources()
{
    static const bool loaded = (initIconsResource(), true);
    (void)loaded;
}

QIcon icon(const QString& name)
{
    loadIconResources();
    return QIcon(resourceName(name));
}

QPixmap picture(const QString& name, const QSize& size)
{
    loadIconResources();
    QPixmap pixmap(size);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
#ifdef QUILLET_SVG_PICTURES
    QSvgRenderer(resourceName(name)).render(&painter);
#else
    const QString large = QStringLiteral(":/icons/") + name + QStringLiteral("@2x.png");
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(QPoint(), size), QImage(large));
#endif
    return pixmap;
}

}  // namespace quillet::shell
