#include "platform/qt/QtScreen.h"
#include "platform/qt/QtSystemInfo.h"
#include "platform/qt/QtText.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <ctime>

using namespace quillet;

namespace {

std::u16string localDate()
{
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    localtime_r(&now, &parts);
    char text[16] = {};
    const std::size_t length = std::strftime(text, sizeof text, "%Y%m%d", &parts);
    return std::u16string(text, text + length);
}

}  // namespace

class QtPlatformFactsTest : public QObject
{
    Q_OBJECT
private slots:
    void todayIsEightDigitsOfTheLocalDate()
    {
        const std::u16string before = localDate();
        const std::u16string today = platform::QtSystemInfo().today();
        const std::u16string after = localDate();
        QVERIFY(today == before || today == after);  // midnight may pass in between
    }

    void programFolderEndsWithSeparatorAndHoldsTheProgram()
    {
        const QString folder = platform::toQString(platform::QtSystemInfo().programFolder());
        QVERIFY(folder.endsWith(u'/'));
        QCOMPARE(folder + QFileInfo(QCoreApplication::applicationFilePath()).fileName(),
                 QCoreApplication::applicationFilePath());
    }

    void twipsFollowTheLogicalDensity()
    {
        platform::QtScreen screen;
        const QScreen* primary = QGuiApplication::primaryScreen();
        QVERIFY(primary != nullptr);
        QCOMPARE(screen.widthPixels(), primary->size().width());
        QCOMPARE(screen.heightPixels(), primary->size().height());
        QCOMPARE(screen.twipsPerPixelX() * primary->logicalDotsPerInchX(), 1440.0);
        QCOMPARE(screen.twipsPerPixelY() * primary->logicalDotsPerInchY(), 1440.0);
    }

    // Inside a running event loop quitting leaves the loop; the process (and
    // this test) goes on. Last, because no event loop runs after it.
    void quitLeavesTheRunningLoop()
    {
        QEventLoop loop;
        bool timedOut = false;
        QTimer::singleShot(0, [] { platform::QtSystemInfo().quit(); });
        QTimer::singleShot(10000, &loop, [&] {
            timedOut = true;
            loop.exit(1);
        });
        QCOMPARE(loop.exec(), 0);
        QVERIFY(!timedOut);
    }
};

QTEST_MAIN(QtPlatformFactsTest)
#include "QtPlatformFactsTest.moc"
