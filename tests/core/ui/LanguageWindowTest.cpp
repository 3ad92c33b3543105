// The first-run language chooser: language taken first, address checks, the
// sign-up request and closing without confirming.

#include "core/ui/LanguageWindow.h"

#include "BuildConfig.h"
#include "core/ui/WindowPicture.h"
#include "fakes/FakeBrowser.h"
#include "fakes/FakeDialogs.h"
#include "platform/qt/QtText.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QUrlQuery>
#include <QtTest>

using quillet::core::SharedState;
using quillet::core::ui::LanguageWindow;
using quillet::fakes::FakeBrowser;
using quillet::fakes::FakeDialogs;
using quillet::platform::toQString;

class LanguageWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void offersBothLanguagesPortugueseFirst();
    void bothBoxesEmptyTakesTheLanguageAndSendsNothing();
    void invalidAddressesAreRefusedAndKeepTheWindowOpen_data();
    void invalidAddressesAreRefusedAndKeepTheWindowOpen();
    void englishIsKeptWhenTheAddressIsRefused();
    void validAddressSendsAnEncodedSignUpAndCloses();
    void closingFromTheCaptionBarKeepsTheLanguage();
    void enterInTheAddressBoxConfirms();
    void tabVisitsEveryControlInOrder();
    void runLanguageChooserWaitsForTheWindow();
    void savesAPictureOfTheWindow();
};

namespace {

struct Harness
{
    SharedState state;
    FakeDialogs dialogs;
    FakeBrowser browser;
    LanguageWindow window{state, dialogs, browser};

    QComboBox* language() { return window.findChild<QComboBox*>(QStringLiteral("cmbLanguage")); }
    QLineEdit* name() { return window.findChild<QLineEdit*>(QStringLiteral("txtData0")); }
    QLineEdit* email() { return window.findChild<QLineEdit*>(QStringLiteral("txtData1")); }
    QPushButton* ok() { return window.findChild<QPushButton*>(QStringLiteral("cmdOk")); }
};

}  // namespace

void LanguageWindowTest::offersBothLanguagesPortugueseFirst()
{
    Harness h;
    QCOMPARE(h.window.objectName(), QStringLiteral("frmLanguage"));
    QCOMPARE(h.window.windowTitle(), QStringLiteral("Quillet 2007 - Idioma / Language"));
    QVERIFY(h.language());
    QCOMPARE(h.language()->count(), 2);
    QCOMPARE(h.language()->itemText(0), QStringLiteral("Português"));
    QCOMPARE(h.language()->itemData(0).toInt(), 0);
    QCOMPARE(h.language()->itemText(1), QStringLiteral("English"));
    QCOMPARE(h.language()->itemData(1).toInt(), 1);
    QCOMPARE(h.language()->currentIndex(), 0);

    QVERIFY(h.name() && h.email() && h.ok());
    QVERIFY(h.name()->text().isEmpty());
    QVERIFY(h.email()->text().isEmpty());
    QCOMPARE(h.ok()->text(), QStringLiteral("&Ok"));
}

void LanguageWindowTest::bothBoxesEmptyTakesTheLanguageAndSendsNothing()
{
    Harness h;
    h.window.show();
    h.language()->setCurrentIndex(1);
    h.name()->setText(QStringLiteral("   "));
    QTest::mouseClick(h.ok(), Qt::LeftButton);

    QCOMPARE(h.state.interfaceLanguage, std::int16_t{1});
    QVERIFY(h.browser.opened().empty());
    QCOMPARE(h.dialogs.count(), std::size_t{0});
    QVERIFY(!h.window.isVisible());
    QCOMPARE(h.window.result(), int(QDialog::Accepted));
}

void LanguageWindowTest::invalidAddressesAreRefusedAndKeepTheWindowOpen_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("email");
    QTest::newRow("name without address") << "Ana"
                                          << "";
    QTest::newRow("no at sign") << "Ana"
                                << "ana.example.org";
    QTest::newRow("at sign but no point") << "Ana"
                                          << "ana@example";
    QTest::newRow("spaces only") << "Ana"
                                 << "     ";
    QTest::newRow("no name, no point") << ""
                                       << "ana@localhost";
}

void LanguageWindowTest::invalidAddressesAreRefusedAndKeepTheWindowOpen()
{
    QFETCH(QString, name);
    QFETCH(QString, email);
    Harness h;
    h.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&h.window));
    h.name()->setText(name);
    h.email()->setText(email);
    h.name()->setFocus();
    QTest::mouseClick(h.ok(), Qt::LeftButton);

    QCOMPARE(h.dialogs.count(), std::size_t{1});
    QCOMPARE(h.dialogs.last().icon, quillet::platform::MessageIcon::Exclamation);
    QCOMPARE(h.dialogs.last().buttons, quillet::platform::MessageButtons::Ok);
    QCOMPARE(h.dialogs.last().title, std::u16string(u"Quillet"));
    QCOMPARE(h.dialogs.last().text, std::u16string(u"E-mail inválido! / Invalid e-mail!"));
    QVERIFY(h.browser.opened().empty());
    QVERIFY(h.window.isVisible());
    QTRY_VERIFY(h.email()->hasFocus());
    QCOMPARE(h.email()->text(), email);
}

void LanguageWindowTest::englishIsKeptWhenTheAddressIsRefused()
{
    Harness h;
    h.window.show();
    h.language()->setCurrentIndex(1);
    h.name()->setText(QStringLiteral("Ana"));
    h.email()->setText(QStringLiteral("not an address"));
    QTest::mouseClick(h.ok(), Qt::LeftButton);

    QCOMPARE(h.dialogs.count(), std::size_t{1});
    QCOMPARE(h.state.interfaceLanguage, std::int16_t{1});
    QVERIFY(h.window.isVisible());

    // Back to Portuguese on the second try: the language follows each press.
    h.language()->setCurrentIndex(0);
    h.email()->setText(QStringLiteral("ana@example.org"));
    QTest::mouseClick(h.ok(), Qt::LeftButton);
    QCOMPARE(h.state.interfaceLanguage, std::int16_t{0});
    QCOMPARE(h.browser.opened().size(), std::size_t{1});
    QVERIFY(!h.window.isVisible());
}

void LanguageWindowTest::validAddressSendsAnEncodedSignUpAndCloses()
{
    Harness h;
    h.window.show();
    h.language()->setCurrentIndex(1);
    // Reserved characters in the name must not break or extend the request.
    const QString name = QStringLiteral("João & Maria #1 idioma=9");
    h.name()->setText(QStringLiteral(" ") + name + QStringLiteral(" "));
    h.email()->setText(QStringLiteral("  a+b@example.org  "));
    QTest::mouseClick(h.ok(), Qt::LeftButton);

    QCOMPARE(h.dialogs.count(), std::size_t{0});
    QVERIFY(!h.window.isVisible());
    QCOMPARE(h.browser.opened().size(), std::size_t{1});
    const QString address = toQString(h.browser.opened().front());
    QVERIFY2(!address.contains(QLatin1Char(' ')), qPrintable(address));
    QVERIFY2(!address.contains(QLatin1Char('#')), qPrintable(address));
    QCOMPARE(address.count(QLatin1Char('&')), 2);
    const QUrl url(address);
    QVERIFY(url.isValid());
    QCOMPARE(url.scheme(), QStringLiteral("https"));
    QCOMPARE(url.host(), toQString(quillet::build::webHost));
    QCOMPARE(url.path(), QStringLiteral("/quillet/cadastro.asp"));
    const QList<QPair<QString, QString>> expected = {
        {QStringLiteral("name"), name},
        {QStringLiteral("email"), QStringLiteral("a+b@example.org")},
        {QStringLiteral("idioma"), QStringLiteral("1")}};
    QCOMPARE(QUrlQuery(url).queryItems(QUrl::FullyDecoded), expected);
}

void LanguageWindowTest::closingFromTheCaptionBarKeepsTheLanguage()
{
    Harness h;
    h.state.interfaceLanguage = 0;
    h.window.show();
    h.language()->setCurrentIndex(1);
    h.name()->setText(QStringLiteral("Ana"));
    h.email()->setText(QStringLiteral("ana@example.org"));
    QVERIFY(h.window.close());

    QCOMPARE(h.state.interfaceLanguage, std::int16_t{0});
    QVERIFY(h.browser.opened().empty());
    QCOMPARE(h.dialogs.count(), std::size_t{0});
    QCOMPARE(h.window.result(), int(QDialog::Rejected));
}

void LanguageWindowTest::enterInTheAddressBoxConfirms()
{
    Harness h;
    h.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&h.window));
    h.email()->setFocus();
    QTest::keyClicks(h.email(), QStringLiteral("ana@example.org"));
    QTest::keyClick(h.email(), Qt::Key_Return);
    QCOMPARE(h.browser.opened().size(), std::size_t{1});
    QVERIFY(!h.window.isVisible());
}

void LanguageWindowTest::tabVisitsEveryControlInOrder()
{
    Harness h;
    h.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&h.window));
    QTRY_VERIFY(h.language()->hasFocus());
    QWidget* expected[] = {h.name(), h.email(), h.ok(), h.language()};
    for (QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget(), next);
    }
}

void LanguageWindowTest::runLanguageChooserWaitsForTheWindow()
{
    SharedState state;
    FakeDialogs dialogs;
    FakeBrowser browser;
    bool sawModalWindow = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* window = qobject_cast<LanguageWindow*>(widget);
            if (!window || !window->isVisible())
                continue;
            poll.stop();
            sawModalWindow = window->isModal();
            window->findChild<QComboBox*>(QStringLiteral("cmbLanguage"))->setCurrentIndex(1);
            window->findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
        }
    });
    poll.start();
    quillet::core::ui::runLanguageChooser(state, dialogs, browser);
    poll.stop();
    QVERIFY(sawModalWindow);
    QCOMPARE(state.interfaceLanguage, std::int16_t{1});
}

void LanguageWindowTest::savesAPictureOfTheWindow()
{
    Harness h;
    h.window.show();
    const QImage picture =
        quillet::testing::saveWindowPicture(h.window, QStringLiteral("language-chooser"));
    QCOMPARE(picture.size(), h.window.size() * h.window.devicePixelRatio());
    QVERIFY(quillet::testing::hasDrawing(picture));
}

QTEST_MAIN(LanguageWindowTest)
#include "LanguageWindowTest.moc"
