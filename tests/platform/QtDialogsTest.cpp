#include "platform/qt/QtBrowser.h"
#include "platform/qt/QtDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QUrl>

Q_DECLARE_METATYPE(quillet::platform::MessageIcon)
Q_DECLARE_METATYPE(quillet::platform::MessageButtons)
Q_DECLARE_METATYPE(quillet::platform::MessageAnswer)

using namespace quillet;
using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;

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
    void boxShowsItsPartsAndReportsThePress_data()
    {
        QTest::addColumn<MessageIcon>("icon");
        QTest::addColumn<MessageButtons>("buttons");
        QTest::addColumn<int>("press");
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<int>("qtIcon");
        QTest::addColumn<int>("qtButtons");
        const int yesNo = QMessageBox::Yes | QMessageBox::No;
        QTest::newRow("question, yes") << MessageIcon::Question << MessageButtons::YesNo
                                       << int(QMessageBox::Yes) << MessageAnswer::Yes
                                       << int(QMessageBox::Question) << yesNo;
        QTest::newRow("question, no") << MessageIcon::Question << MessageButtons::YesNo
                                      << int(QMessageBox::No) << MessageAnswer::No
                                      << int(QMessageBox::Question) << yesNo;
        QTest::newRow("critical") << MessageIcon::Critical << MessageButtons::Ok
                                  << int(QMessageBox::Ok) << MessageAnswer::Ok
                                  << int(QMessageBox::Critical) << int(QMessageBox::Ok);
        QTest::newRow("exclamation") << MessageIcon::Exclamation << MessageButtons::Ok
                                     << int(QMessageBox::Ok) << MessageAnswer::Ok
                                     << int(QMessageBox::Warning) << int(QMessageBox::Ok);
    }

    void boxShowsItsPartsAndReportsThePress()
    {
        QFETCH(MessageIcon, icon);
        QFETCH(MessageButtons, buttons);
        QFETCH(int, press);
        QFETCH(MessageAnswer, answer);
        QFETCH(int, qtIcon);
        QFETCH(int, qtButtons);
        platform::QtDialogs dialogs;
        Seen seen;
        answerNextBox(static_cast<QMessageBox::StandardButton>(press), seen);
        QCOMPARE(dialogs.showMessage(icon, u"Quillet 2007 - Erro", u"Não foi!\n\rBaixar?", buttons),
                 answer);
        QCOMPARE(int(seen.icon), qtIcon);
        QCOMPARE(seen.title, QStringLiteral("Quillet 2007 - Erro"));
        QCOMPARE(seen.text, QStringLiteral("Não foi!\n\rBaixar?"));
        QCOMPARE(int(seen.buttons), qtButtons);
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
