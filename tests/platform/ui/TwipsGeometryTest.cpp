// Twips to pixels, worked by hand: the factor of each axis, halves to even.

#include "platform/ui/TwipsGeometry.h"

#include <QtTest>

using namespace quillet::platform;

class TwipsGeometryTest : public QObject
{
    Q_OBJECT
private slots:
    void convertsWithHalvesToEven()
    {
        const struct
        {
            double twips, factor;
            int pixels;
        } rows[] = {
            {6950, 15, 463}, {22.5, 15, 2},   {37.5, 15, 2},   {52.5, 15, 4}, {37.6, 15, 3},
            {22.4, 15, 1},   {1440, 12, 120}, {-37.5, 15, -2}, {1440, 0, 0},  {1440, -15, 0},
        };
        for (const auto& row : rows) QCOMPARE(twipsToPixels(row.twips, row.factor), row.pixels);
        QCOMPARE(twipsPerPixel(96.0), 15.0);
        QCOMPARE(twipsPerPixel(144.0), 10.0);
        QCOMPARE(twipsPerPixel(0.0), 15.0);
        // Left and width across, top and height down.
        QCOMPARE(TwipsGeometry(15.0, 12.0).rect(150, 120, 300, 240), QRect(10, 10, 20, 20));
    }
};

QTEST_GUILESS_MAIN(TwipsGeometryTest)
#include "TwipsGeometryTest.moc"
