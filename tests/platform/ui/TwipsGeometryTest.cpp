// Twips to pixels: the factor of each axis, halves rounded to even.

#include "platform/ui/Twips.h"
#include "platform/ui/TwipsGeometry.h"

#include <QWidget>
#include <QtTest>

using quillet::platform::twipsPerPixel;
using quillet::platform::twipsToPixels;

class TwipsGeometryTest : public QObject
{
    Q_OBJECT

private slots:
    void convertsWithHalvesToEven_data();
    void convertsWithHalvesToEven();
    void unusableFactorsGiveNoSize();
    void placesControlsAtTheScreensScale();
};

void TwipsGeometryTest::convertsWithHalvesToEven_data()
{
    QTest::addColumn<double>("twips");
    QTest::addColumn<double>("factor");
    QTest::addColumn<int>("pixels");
    QTest::newRow("exact") << 6950.0 << 15.0 << 463;  // 463.33
    QTest::newRow("1.5 up to 2") << 22.5 << 15.0 << 2;
    QTest::newRow("2.5 down to 2") << 37.5 << 15.0 << 2;
    QTest::newRow("3.5 up to 4") << 52.5 << 15.0 << 4;
    QTest::newRow("just above a half") << 37.6 << 15.0 << 3;
    QTest::newRow("just below a half") << 22.4 << 15.0 << 1;
    QTest::newRow("120 dpi") << 1440.0 << 12.0 << 120;
    QTest::newRow("negative half to even") << -37.5 << 15.0 << -2;
}

void TwipsGeometryTest::convertsWithHalvesToEven()
{
    QFETCH(double, twips);
    QFETCH(double, factor);
    QFETCH(int, pixels);
    QCOMPARE(twipsToPixels(twips, factor), pixels);
}

void TwipsGeometryTest::unusableFactorsGiveNoSize()
{
    QCOMPARE(twipsToPixels(1440, 0.0), 0);
    QCOMPARE(twipsToPixels(1440, -15.0), 0);
    QCOMPARE(twipsPerPixel(96.0), 15.0);
    QCOMPARE(twipsPerPixel(144.0), 10.0);
    QVERIFY(twipsPerPixel(0.0) > 0.0);
}

void TwipsGeometryTest::placesControlsAtTheScreensScale()
{
    QWidget window;
    QWidget control(&window);
    const QScreen* screen = window.screen();
    QVERIFY(screen);
    const double factorX = 1440.0 / screen->logicalDotsPerInchX();
    const double factorY = 1440.0 / screen->logicalDotsPerInchY();
    quillet::platform::TwipsGeometry(window).place(control, 1440, 720, 5535, 285);
    QCOMPARE(control.geometry(), QRect(twipsToPixels(1440, factorX), twipsToPixels(720, factorY),
                                       twipsToPixels(5535, factorX), twipsToPixels(285, factorY)));
}

QTEST_MAIN(TwipsGeometryTest)
#include "TwipsGeometryTest.moc"
