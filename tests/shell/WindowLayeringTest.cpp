#include "fakes/FakeScreen.h"
#include "platform/ui/TwipsGeometry.h"
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
        window.setGeometry(40, 50, 300, 30);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect placed = window.geometry();
        QWindow* native = window.windowHandle();
        QVERIFY(native != nullptr);
        QVERIFY(!shell::isTopmost(window));

        shell::pinOnTop(window);
        QCOMPARE(window.windowHandle(), native);  // not recreated
        QVERIFY(window.isVisible());
        QCOMPARE(window.geometry(), placed);
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

    // The rounding itself is TwipsGeometryTest's; here only that each axis
    // takes its own factor from the screen.
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
