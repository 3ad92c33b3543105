#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtText.h"

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

    void textRoundTripsAndChangesAreReported()
    {
        platform::QtClipboard clipboard;
        int changes = 0;
        clipboard.setChangeHandler([&] { ++changes; });

        clipboard.setText(u"canção");
        QCOMPARE(clipboard.text(), std::u16string(u"canção"));
        QTRY_VERIFY(changes >= 1);

        const int before = changes;
        QGuiApplication::clipboard()->setText(QStringLiteral("house"));
        QTRY_VERIFY(changes > before);
        QCOMPARE(clipboard.text(), std::u16string(u"house"));

        clipboard.clear();
        QVERIFY(clipboard.text().empty());
    }

    void removedHandlerIsNotCalled()
    {
        platform::QtClipboard clipboard;
        int changes = 0;
        clipboard.setChangeHandler([&] { ++changes; });
        clipboard.setChangeHandler(nullptr);
        QGuiApplication::clipboard()->setText(QStringLiteral("x"));
        QCoreApplication::processEvents();
        QCOMPARE(changes, 0);
    }

    void contentWithoutTextReadsAsEmpty()
    {
        platform::QtClipboard clipboard;
        auto* data = new QMimeData;
        data->setData(QStringLiteral("image/png"), QByteArray("\x89PNG", 4));
        QGuiApplication::clipboard()->setMimeData(data);
        QVERIFY(clipboard.text().empty());
    }

    void secretsMarkedByPasswordManagersReadAsEmpty_data()
    {
        QTest::addColumn<QByteArray>("hint");
        QTest::addColumn<bool>("hidden");
        QTest::newRow("secret") << QByteArray("secret") << true;
        QTest::newRow("secret with line end") << QByteArray("secret\n") << true;
        QTest::newRow("other value") << QByteArray("public") << false;
        QTest::newRow("empty value") << QByteArray() << false;
    }

    void secretsMarkedByPasswordManagersReadAsEmpty()
    {
        QFETCH(QByteArray, hint);
        QFETCH(bool, hidden);
        platform::QtClipboard clipboard;
        auto* data = new QMimeData;
        data->setText(QStringLiteral("hunter2"));
        data->setData(QStringLiteral("x-kde-passwordManagerHint"), hint);
        QGuiApplication::clipboard()->setMimeData(data);

        QCOMPARE(clipboard.text().empty(), hidden);
        if (!hidden)
            QCOMPARE(clipboard.text(), std::u16string(u"hunter2"));
    }
};

QTEST_MAIN(QtClipboardTest)
#include "QtClipboardTest.moc"
