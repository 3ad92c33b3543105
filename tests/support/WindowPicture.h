#pragma once
// Saves a rendering of a window as a PNG for people to look at, in
// $QUILLET_ARTIFACTS or else the build folder's artifacts.

#include <QColor>
#include <QDir>
#include <QImage>
#include <QWidget>

namespace quillet::testsupport {

// The rendered image; null when it could not be saved.
inline QImage saveWindowPicture(QWidget& window, const QString& name)
{
    const QString folder =
        qEnvironmentVariable("QUILLET_ARTIFACTS", QStringLiteral(QUILLET_ARTIFACTS_DIR));
    const QImage image = window.grab().toImage();
    const bool saved = QDir().mkpath(folder) && image.save(QDir(folder).filePath(name + ".png"));
    return saved ? image : QImage();
}

// Whether more than one colour was painted: an empty window is one colour.
inline bool hasDrawing(const QImage& image)
{
    QImage blank(image.size(), image.format());
    blank.fill(image.isNull() ? QColor() : QColor::fromRgba(image.pixel(0, 0)));
    return image != blank;
}

}  // namespace quillet::testsupport
