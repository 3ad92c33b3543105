#include "platform/qt/QtBrowser.h"
#include "platform/qt/QtDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <functional>

using namespace quillet;

// Receives the addresses QDesktopServices would hand to the browser.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.append(url); }
};

class QtDialogsTest : public QObject
{
    Q_OBJECT
private:
    struct Seen
    {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString title;
        QString text;
        QMessageBox::StandardButtons buttons;
    };

    // Presses `answer` on the next message box once it is open, noting what it showed.
    static void answerNextBox(QMessageBox::StandardButton answer, Seen& seen)
    {
        QTimer::singleShot(0, [answer, &seen] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) {
                answerNextBox(answer, seen);  // not open yet
                return;
            }
            seen = {box->icon(), box->windowTitle(), box->text(), box->standardButtons()};
            box->button(answer)->click();
        });
    }

private slots:
    void yesNoQuestionReportsTheAnswer_data()
    {
        QTest::addColumn<int>("press");
        QTest::addColumn<int>("expected");
        QTest::newRow("yes") << int(QMessageBox::Yes) << int(platform::MessageAnswer::Yes);
        QTest::newRow("no") << int(QMessageBox::No) << int(platform::MessageAnswer::No);
    }

    void yesNoQuestionReportsTheAnswer()
    {
        QFETCH(int, press);
        QFETCH(int, expected);
        platform::QtDialogs dialogs;
        Seen seen;
        answerNextBox(static_cast<QMessageBox::StandardButton>(press), seen);
        const auto answer =
            dialogs.showMessage(platform::MessageIcon::Question, u"Quillet 2007",
                                u"A new version!\n\rDownload?", platform::MessageButtons::YesNo);
        QCOMPARE(int(answer), expected);
        QCOMPARE(seen.icon, QMessageBox::Question);
        QCOMPARE(seen.title, QStringLiteral("Quillet 2007"));
        QCOMPARE(seen.text, QStringLiteral("A new version!\n\rDownload?"));
        QCOMPARE(seen.buttons, QMessageBox::Yes | QMessageBox::No);
    }

    void okBoxesCarryTheirIcon_data()
    {
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("qtIcon");
        QTest::newRow("critical") << int(platform::MessageIcon::Critical)
                                  << int(QMessageBox::Critical);
        QTest::newRow("exclamation")
            << int(platform::MessageIcon::Exclamation) << int(QMessageBox::Warning);
    }

    void okBoxesCarryTheirIcon()
    {
        QFETCH(int, icon);
        QFETCH(int, qtIcon);
        platform::QtDialogs dialogs;
        Seen seen;
        answerNextBox(QMessageBox::Ok, seen);
        const auto answer =
            dialogs.showMessage(static_cast<platform::MessageIcon>(icon), u"Quillet 2007 - Erro",
                                u"Não foi possível!", platform::MessageButtons::Ok);
        QCOMPARE(answer, platform::MessageAnswer::Ok);
        QCOMPARE(int(seen.icon), qtIcon);
        QCOMPARE(seen.title, QStringLiteral("Quillet 2007 - Erro"));
        QCOMPARE(seen.text, QStringLiteral("Não foi possível!"));
        QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }

    void browserGetsTheAddressUnchanged()
    {
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
        platform::QtBrowser().open(u"https://www.example.org/quillet/newversion.asp?v=2007&l=1");
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(catcher.urls.size(), 1);
        QCOMPARE(catcher.urls.at(0).toString(),
                 QStringLiteral("https://www.example.org/quillet/newversion.asp?v=2007&l=1"));
    }
};

QTEST_MAIN(QtDialogsTest)
#include "QtDialogsTest.moc"
