#include "fakes/FakeScreen.h"
#include "platform/qt/TwipsGeometry.h"
#include "shell/WindowLayering.h"

#include <QTest>
#include <QWidget>
#include <QWindow>

using namespace quillet;

class WindowLayeringTest : public QObject
{
    Q_OBJECT
private slots:
    void topmostTogglesOnTheExistingWindow()
    {
        QWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QWindow* native = window.windowHandle();
        QVERIFY(native != nullptr);
        QVERIFY(!shell::isTopmost(window));

        shell::pinOnTop(window);
        QCOMPARE(window.windowHandle(), native);  // not recreated
        QVERIFY(window.isVisible());
        QVERIFY(native->flags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(shell::isTopmost(window));

        shell::setTopmost(window, false);
        QCOMPARE(window.windowHandle(), native);
        QVERIFY(window.isVisible());
        QVERIFY(!native->flags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(!window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(!shell::isTopmost(window));
    }

    void pinningBeforeTheFirstShowLasts()
    {
        QWidget window;
        shell::pinOnTop(window);
        QVERIFY(!window.isVisible());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    }

    void pinningKeepsPlaceAndSize()
    {
        QWidget window;
        window.setGeometry(40, 50, 300, 30);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect before = window.geometry();
        shell::pinOnTop(window);
        QCOMPARE(window.geometry(), before);
    }

    void twipsRoundHalvesToEven_data()
    {
        QTest::addColumn<double>("factor");
        QTest::addColumn<double>("twips");
        QTest::addColumn<int>("pixels");
        QTest::newRow("whole") << 15.0 << 375.0 << 25;
        QTest::newRow("a third, down") << 15.0 << 6950.0 << 463;
        QTest::newRow("two thirds, up") << 15.0 << 320.0 << 21;
        QTest::newRow("half to even, down") << 15.0 << 22.5 * 15 << 22;
        QTest::newRow("half to even, up") << 15.0 << 7.5 * 15 << 8;
        QTest::newRow("120 dpi half down") << 12.0 << 30.0 << 2;
        QTest::newRow("120 dpi half up") << 12.0 << 42.0 << 4;
        QTest::newRow("zero") << 15.0 << 0.0 << 0;
    }

    void twipsRoundHalvesToEven()
    {
        QFETCH(double, factor);
        QFETCH(double, twips);
        QFETCH(int, pixels);
        const fakes::FakeScreen screen(1024, 768, factor, factor * 2);
        const platform::TwipsGeometry convert(screen);
        QCOMPARE(convert.x(twips), pixels);
        QCOMPARE(convert.y(twips * 2), pixels);  // the vertical axis has its own factor
    }

    void rectUsesEachAxisFactor()
    {
        const fakes::FakeScreen screen(1024, 768, 15.0, 12.0);
        const platform::TwipsGeometry convert(screen);
        QCOMPARE(convert.rect(150, 120, 300, 240), QRect(10, 10, 20, 20));
        QCOMPARE(convert.toTwipsX(10), 150.0);
        QCOMPARE(convert.toTwipsY(10), 120.0);
    }
};

QTEST_MAIN(WindowLayeringTest)
#include "WindowLayeringTest.moc"
