#include "platform/qt/QtClipboard.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTest>

using namespace quillet;

class QtClipboardTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { QGuiApplication::clipboard()->clear(); }

    void textRoundTripsAndChangesAreReportedUntilTheHandlerGoes()
    {
        platform::QtClipboard clipboard;
        int changes = 0;
        clipboard.setChangeHandler([&] { ++changes; });

        clipboard.setText(u"canção");
        QCOMPARE(clipboard.text(), std::u16string(u"canção"));
        QTRY_VERIFY(changes >= 1);

        int before = changes;
        QGuiApplication::clipboard()->setText(QStringLiteral("house"));
        QTRY_VERIFY(changes > before);
        QCOMPARE(clipboard.text(), std::u16string(u"house"));

        clipboard.clear();
        QVERIFY(clipboard.text().empty());

        QCoreApplication::processEvents();
        before = changes;
        clipboard.setChangeHandler(nullptr);
        QGuiApplication::clipboard()->setText(QStringLiteral("x"));
        QCoreApplication::processEvents();
        QCOMPARE(changes, before);
    }

    // Content a password manager marks as secret, and content with no text,
    // read as no text at all.
    void whatReadsAsText_data()
    {
        QTest::addColumn<QString>("mime");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<bool>("hidden");
        const QString hint = QStringLiteral("x-kde-passwordManagerHint");
        QTest::newRow("secret") << hint << QByteArray("secret") << true;
        QTest::newRow("secret with line end") << hint << QByteArray("secret\n") << true;
        QTest::newRow("other hint value") << hint << QByteArray("public") << false;
        QTest::newRow("empty hint value") << hint << QByteArray() << false;
        QTest::newRow("picture only") << QStringLiteral("image/png") << QByteArray("\x89PNG", 4)
                                      << true;
    }

    void whatReadsAsText()
    {
        QFETCH(QString, mime);
        QFETCH(QByteArray, value);
        QFETCH(bool, hidden);
        platform::QtClipboard clipboard;
        auto* data = new QMimeData;
        if (!mime.startsWith(QStringLiteral("image/")))
            data->setText(QStringLiteral("hunter2"));
        data->setData(mime, value);
        QGuiApplication::clipboard()->setMimeData(data);
        QCOMPARE(clipboard.text(), hidden ? std::u16string() : std::u16string(u"hunter2"));
    }
};

QTEST_MAIN(QtClipboardTest)
#include "QtClipboardTest.moc"
