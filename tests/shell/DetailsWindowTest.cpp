#include "core/Messages.h"
#include "fakes/FakeDialogs.h"
#include "fakes/FakeScreen.h"
#include "fakes/FakeSpeech.h"
#include "platform/qt/QtText.h"
#include "shell/DetailsWindow.h"

#include <QLabel>
#include <QTest>
#include <QToolButton>

using namespace quillet;

namespace {

QString text(const QWidget& window, const QString& name)
{
    const auto* label = window.findChild<QLabel*>(name);
    return label ? label->text() : QStringLiteral("<missing>");
}

QToolButton* button(const QWidget& window, int element)
{
    return window.findChild<QToolButton*>(QStringLiteral("cmdDetalhes%1").arg(element));
}

}  // namespace

class DetailsWindowTest : public QObject
{
    Q_OBJECT
private:
    core::SharedState m_state;
    fakes::FakeSpeech m_speech;
    fakes::FakeDialogs m_dialogs;
    fakes::FakeScreen m_screen;

private slots:
    void init()
    {
        m_state = core::SharedState();
        m_state.interfaceLanguage = 1;
        core::loadMessages(m_state);
        m_state.lastCapturedText = u"houses";
        m_speech = fakes::FakeSpeech();
        m_dialogs = fakes::FakeDialogs();
    }

    void controlsAreNamedAndPlacedInTwips()
    {
        shell::DetailsWindow window(m_state, m_speech, m_dialogs, m_screen);
        QCOMPARE(window.objectName(), QStringLiteral("frmDetalhes"));
        QCOMPARE(window.size(), QSize(522, 227));  // 7830 x 3405 twips at 15 per pixel
        for (int i = 0; i < 4; ++i) {
            const auto* term = window.findChild<QLabel*>(QStringLiteral("lblTermo%1").arg(i));
            const auto* definition =
                window.findChild<QLabel*>(QStringLiteral("lblDefinicao%1").arg(i));
            QVERIFY(term && definition);
            QCOMPARE(term->y(), definition->y());
            QVERIFY(term->geometry().right() < definition->x());
            QVERIFY(term->alignment().testFlag(Qt::AlignRight));
            QVERIFY(term->font().bold());
            QVERIFY(!definition->font().bold());
        }
        const auto* details = window.findChild<QLabel*>(QStringLiteral("lblDetalhes"));
        QVERIFY(details);
        QCOMPARE(details->geometry(), QRect(8, 16, 505, 81));
        QVERIFY(details->wordWrap());
        QVERIFY(!button(window, 0)->isHidden());
        QVERIFY(button(window, 1)->isHidden());
        QVERIFY(button(window, 2)->isHidden());
        QCOMPARE(window.palette().color(QPalette::Window), QColor(Qt::white));
    }

    void headingsAndTooltipFollowTheLanguage()
    {
        shell::DetailsWindow window(m_state, m_speech, m_dialogs, m_screen);
        QCOMPARE(text(window, QStringLiteral("lblDet")), QStringLiteral("+Details"));
        QCOMPARE(text(window, QStringLiteral("lblOutras")), QStringLiteral("+Possibilities"));
        QCOMPARE(button(window, 0)->toolTip(), QStringLiteral("Listen the word."));
        QCOMPARE(button(window, 0)->accessibleName(), button(window, 0)->toolTip());

        // The headings' other language is ToolbarWindowTest's; the tooltip's is here.
        m_state.interfaceLanguage = 0;
        window.applyLanguage();
        QCOMPARE(button(window, 0)->toolTip(), QStringLiteral("Escute a pronúncia desta palavra."));
        QCOMPARE(button(window, 0)->accessibleName(), button(window, 0)->toolTip());
    }

    void labelsAreFilledAndCleared()
    {
        shell::DetailsWindow window(m_state, m_speech, m_dialogs, m_screen);
        translation::ResultView& view = window;
        view.setDetailsText(u"a building for people to live in");
        for (int i = 0; i < 4; ++i) {
            view.setPossibilityTerm(i, u"form" + std::u16string(1, char16_t(u'0' + i)));
            view.setPossibilityTranslation(i, u"tradução");
        }
        view.repaintDetails();
        QCOMPARE(text(window, QStringLiteral("lblDetalhes")),
                 QStringLiteral("a building for people to live in"));
        QCOMPARE(text(window, QStringLiteral("lblTermo3")), QStringLiteral("form3"));
        QCOMPARE(text(window, QStringLiteral("lblDefinicao0")), QStringLiteral("tradução"));

        // Slots outside 0..3 are ignored rather than written anywhere.
        view.setPossibilityTerm(4, u"fifth");
        view.setPossibilityTerm(-1, u"before");
        view.setPossibilityTranslation(4, u"fifth");
        for (int i = 0; i < 4; ++i)
            QVERIFY(text(window, QStringLiteral("lblTermo%1").arg(i)) != QStringLiteral("fifth"));

        view.setDetailsText(u"");
        for (int i = 0; i < 4; ++i) {
            view.setPossibilityTerm(i, u"");
            view.setPossibilityTranslation(i, u"");
        }
        QVERIFY(text(window, QStringLiteral("lblDetalhes")).isEmpty());
        QVERIFY(text(window, QStringLiteral("lblTermo0")).isEmpty());
        QVERIFY(text(window, QStringLiteral("lblDefinicao3")).isEmpty());
        QVERIFY(!window.isVisible());  // writing never shows the window
    }

    void longDetailsAreCutNotGrown()
    {
        shell::DetailsWindow window(m_state, m_speech, m_dialogs, m_screen);
        std::u16string longText;
        for (int i = 0; i < 200; ++i)
            longText +=
                u"example of use number " + std::u16string(1, char16_t(u'a' + i % 26)) + u"; ";
        window.setDetailsText(longText);
        window.show();
        const auto* details = window.findChild<QLabel*>(QStringLiteral("lblDetalhes"));
        QCOMPARE(details->height(), 81);
        QVERIFY(details->heightForWidth(details->width()) > details->height());
    }

    void closeBoxOnlyHides()
    {
        shell::DetailsWindow window(m_state, m_speech, m_dialogs, m_screen);
        window.setDetailsText(u"kept");
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(!window.close());      // the close is refused ...
        QVERIFY(!window.isVisible());  // ... and the window hidden instead
        window.show();
        QCOMPARE(text(window, QStringLiteral("lblDetalhes")), QStringLiteral("kept"));
    }

    void missingVoiceShowsOneBoxPerPress()
    {
        m_speech.setMode(fakes::FakeSpeech::Mode::NoVoice);
        shell::DetailsWindow window(m_state, m_speech, m_dialogs, m_screen);
        window.setSpeechEnabled(true);
        window.show();

        QTest::mouseClick(button(window, 0), Qt::LeftButton);
        QCOMPARE(m_dialogs.count(), std::size_t(1));
        QVERIFY(m_dialogs.last().icon == platform::MessageIcon::Critical);
        QVERIFY(m_dialogs.last().buttons == platform::MessageButtons::Ok);
        QVERIFY(m_dialogs.last().title == u"Quillet 2007 - Error");
        QVERIFY(m_dialogs.last().text == u"Error! Can't start the voice system!");

        QTest::mouseClick(button(window, 0), Qt::LeftButton);
        QCOMPARE(m_dialogs.count(), std::size_t(2));
        QVERIFY(window.isVisible());
    }

    void engineErrorAfterSpeakingBeganShowsOneBox()
    {
        m_speech.setMode(fakes::FakeSpeech::Mode::FailsLater);
        shell::DetailsWindow window(m_state, m_speech, m_dialogs, m_screen);
        window.setSpeechEnabled(true);
        window.cmdDetalhesClick(0);
        QCOMPARE(m_dialogs.count(), std::size_t(0));
        m_speech.reportEngineError();
        m_speech.reportEngineError();
        QCOMPARE(m_dialogs.count(), std::size_t(1));
    }

    void pronunciationOnlyWhenTheCatalogueSaysExactlyS_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("offered");
        QTest::newRow("S") << QStringLiteral("S") << true;
        QTest::newRow("lower-case") << QStringLiteral("s") << false;
        QTest::newRow("padded") << QStringLiteral(" S") << false;
        QTest::newRow("trailing space") << QStringLiteral("S ") << false;
        QTest::newRow("word") << QStringLiteral("SIM") << false;
        QTest::newRow("N") << QStringLiteral("N") << false;
        QTest::newRow("empty") << QString() << false;
    }

    void pronunciationOnlyWhenTheCatalogueSaysExactlyS()
    {
        QFETCH(QString, field);
        QFETCH(bool, offered);
        m_speech.setMode(fakes::FakeSpeech::Mode::NoVoice);
        shell::DetailsWindow window(m_state, m_speech, m_dialogs, m_screen);
        window.setSpeechEnabled(shell::DetailsWindow::offersPronunciation(platform::toU16(field)));
        QCOMPARE(button(window, 0)->isEnabled(), offered);

        // Only element 0 speaks, and it says the text last captured.
        window.cmdDetalhesClick(1);
        window.cmdDetalhesClick(2);
        QVERIFY(m_speech.spoken().empty());
        window.cmdDetalhesClick(0);
        QCOMPARE(m_speech.spoken().size(), offered ? std::size_t(1) : std::size_t(0));
        QVERIFY(!offered || m_speech.spoken()[0] == u"houses");
        QCOMPARE(m_dialogs.count(), offered ? std::size_t(1) : std::size_t(0));
    }
};

QTEST_MAIN(DetailsWindowTest)
#include "DetailsWindowTest.moc"
