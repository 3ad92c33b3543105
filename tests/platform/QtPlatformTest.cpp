// The Qt side of the platform against independent sources: the C library's
// calendar, the system clipboard.

#include "platform/LazySpeech.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtSpeech.h"
#include "platform/qt/QtSystemInfo.h"
#include "platform/qt/QtText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTest>

#include <ctime>
#include <vector>

using namespace quillet;

class QtPlatformTest : public QObject
{
    Q_OBJECT
private slots:
    void todayIsTheLocalDateAsEightDigits()
    {
        const auto local = [] {
            char text[9] = {};
            const std::time_t now = std::time(nullptr);
            std::strftime(text, sizeof text, "%Y%m%d", std::localtime(&now));
            return std::u16string(text, text + 8);
        };
        const std::u16string before = local(), today = platform::QtSystemInfo().today();
        QVERIFY(today == before || today == local());  // midnight may pass in between
    }

    // A password manager's copy and a picture both read as no text; our own
    // writes read back at once. Also run on X (platform_clipboard_x11), where
    // another program's text arrives from a worker thread.
    void clipboardTextAndChangeNotices()
    {
        platform::QtClipboard clipboard;
        int changes = 0;
        clipboard.setChangeHandler([&] { ++changes; });
        QGuiApplication::clipboard()->setText(QStringLiteral("canção"));
        QTRY_VERIFY(changes > 0);
        QCOMPARE(clipboard.text(), u"canção");

        const QString hint = QStringLiteral("x-kde-passwordManagerHint");
        const QString png = QStringLiteral("image/png");
        std::vector<std::pair<QString, QByteArray>> marks = {
            {hint, "secret\n"}, {hint, "public"}, {png, "\x89PNG"}};
        // A Windows clipboard format as Qt names it; X has no such thing.
        if (QGuiApplication::platformName() != u"xcb")
            marks.emplace_back(QStringLiteral("application/x-qt-windows-mime;value="
                                              "\"ExcludeClipboardContentFromMonitorProcessing\""),
                               QByteArray(4, '\0'));
        for (const auto& [mime, value] : marks) {
            auto* data = new QMimeData;
            if (mime != png)
                data->setText(QStringLiteral("hunter2"));
            data->setData(mime, value);
            QGuiApplication::clipboard()->setMimeData(data);
            QTRY_COMPARE(clipboard.text(), value == "public" ? u"hunter2" : u"");
        }
        clipboard.setText(u"casa");
        QCOMPARE(clipboard.text(), u"casa");
    }

    // Another program's long text is kept only in part on X, still far too
    // long to be a search text.
    void longTextIsKeptInPart()
    {
        if (QGuiApplication::platformName() != u"xcb")
            QSKIP("QClipboard is read directly here");
        platform::QtClipboard clipboard;
        QString text;
        for (int i = 0; text.size() < 1'000'000; ++i) text += QString::number(i) + u' ';
        QGuiApplication::clipboard()->setText(text);
        QTRY_VERIFY(!clipboard.text().empty());
        const QString kept = platform::toQString(clipboard.text());
        QVERIFY2(kept.size() >= 1000 && kept.size() < 100'000,
                 qPrintable(QString::number(kept.size())));
        QVERIFY(text.startsWith(kept));
    }

    // Built on the first request only; without an engine every request fails.
    void speechWithoutAnEngineFailsEveryRequest()
    {
        int created = 0, failures = 0;
        platform::LazySpeech speech([&] {
            ++created;
            return std::make_unique<platform::QtSpeech>(QStringLiteral("no-such-engine"));
        });
        QCOMPARE(created, 0);
        for (int request = 0; request < 2; ++request)
            speech.speak(u"house", [&](const std::u16string&) { ++failures; });
        QCOMPARE(created, 1);
        QCOMPARE(failures, 2);
    }
};

QTEST_MAIN(QtPlatformTest)
#include "QtPlatformTest.moc"
