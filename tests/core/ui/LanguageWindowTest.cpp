// The first-run language chooser: the language is taken on every press, then
// the address decides between closing, refusing and sending the sign-up. The
// keyboard path through it, the refusal box included, is the first-run
// end-to-end test's.

#include "core/ui/LanguageWindow.h"

#include "BuildConfig.h"
#include "fakes/FakeBrowser.h"
#include "fakes/FakeDialogs.h"
#include "fakes/FakeScreen.h"
#include "platform/qt/QtText.h"
#include "support/WindowPicture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QUrlQuery>
#include <QtTest>

using namespace quillet;
using platform::toQString;

class LanguageWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void okFollowsTheAddressRule_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("both blank") << u"   "_qs << QString() << u"closes"_qs;
        QTest::newRow("name alone") << u"Ana"_qs << QString() << u"refused"_qs;
        QTest::newRow("no at sign") << u"Ana"_qs << u"ana.example.org"_qs << u"refused"_qs;
        QTest::newRow("no point") << QString() << u"ana@localhost"_qs << u"refused"_qs;
        QTest::newRow("address alone") << QString() << u"a@b.c"_qs << u"sends"_qs;
        // Reserved characters must neither break the request nor add a key to it.
        QTest::newRow("reserved characters")
            << u" João & Maria #1 idioma=9 "_qs << u"  a+b@example.org  "_qs << u"sends"_qs;
        // Without a web site there is nowhere to send the data.
        QTest::newRow("no web site") << u"Ana"_qs << u"a@b.c"_qs << u"closes"_qs;
    }

    void okFollowsTheAddressRule()
    {
        QFETCH(QString, name);
        QFETCH(QString, email);
        QFETCH(QString, outcome);
        core::SharedState state;
        if (QTest::currentDataTag() == QByteArray("no web site"))
            state.webHost.clear();
        fakes::FakeDialogs dialogs;
        fakes::FakeBrowser browser;
        core::ui::LanguageWindow window(state, dialogs, browser, fakes::FakeScreen());
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QVERIFY(
            testsupport::hasDrawing(testsupport::saveWindowPicture(window, "language-chooser")));
        window.findChild<QComboBox*>("cmbLanguage")->setCurrentText("English");
        window.findChild<QLineEdit*>("txtData0")->setText(name);
        auto* address = window.findChild<QLineEdit*>("txtData1");
        address->setText(email);
        QTest::mouseClick(window.findChild<QPushButton*>("cmdOk"), Qt::LeftButton);

        QCOMPARE(state.interfaceLanguage, std::int16_t{1});  // whatever the address
        QCOMPARE(window.isVisible(), outcome == "refused");
        QCOMPARE(dialogs.shown.size(), std::size_t(outcome == "refused"));
        QTRY_COMPARE(address->hasFocus(), outcome == "refused");
        QCOMPARE(browser.opened.size(), std::size_t(outcome == "sends"));
        // Without a site no box invites data that cannot be sent.
        QCOMPARE(address->isVisibleTo(&window), !state.webHost.empty());
        QCOMPARE(window.findChild<QLabel*>("Label31")->text().contains("not available"),
                 state.webHost.empty());
        if (outcome != "sends")
            return;
        const QUrl url(toQString(browser.opened.front()), QUrl::StrictMode);
        QCOMPARE(url.toString(QUrl::RemoveQuery),
                 "https://" + toQString(build::webHost) + "/quillet/cadastro.asp");
        const QList<QPair<QString, QString>> sent = {
            {"name", name.trimmed()}, {"email", email.trimmed()}, {"idioma", "1"}};
        QCOMPARE(QUrlQuery(url).queryItems(QUrl::FullyDecoded), sent);
    }
};

QTEST_MAIN(LanguageWindowTest)
#include "LanguageWindowTest.moc"
