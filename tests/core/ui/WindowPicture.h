#pragma once
// Saves a rendering of a window as a PNG for people to look at, in
// $QUILLET_ARTIFACTS or else the build's artifacts folder.

#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <QWidget>

namespace quillet::testing {

inline QString artifactsFolder()
{
    const QString fromEnvironment = qEnvironmentVariable("QUILLET_ARTIFACTS");
    return fromEnvironment.isEmpty() ? QStringLiteral(QUILLET_ARTIFACTS_DIR) : fromEnvironment;
}

// The rendered image; null when it could not be saved.
inline QImage saveWindowPicture(QWidget& window, const QString& name)
{
    const QString folder = artifactsFolder();
    if (!QDir().mkpath(folder))
        return {};
    const QImage image = window.grab().toImage();
    if (image.isNull() || !image.save(QDir(folder).filePath(name + QStringLiteral(".png"))))
        return {};
    return image;
}

// Whether more than one colour was painted: an empty window is one colour.
inline bool hasDrawing(const QImage& image)
{
    if (image.isNull())
        return false;
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != first)
                return true;
    return false;
}

}  // namespace quillet::testing
