// The main bar and the details window under it, in the whole program on fake
// platform services: the result line, the companions and the search box.

#include "ProgramRig.h"
#include "shell/DetailsWindow.h"
#include "shell/ToolbarWindow.h"
#include "shell/WindowLayering.h"

#include <QLabel>
#include <QToolTip>

using namespace quillet;

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void aCopiedWordFillsTheBarAndTheDetails()
    {
        testing::ProgramRig r;
        r.start(1, 1);
        QCOMPARE(r.bar()->width(), 530);  // 2 x 375 + 6950 + 250 twips at 15 a pixel
        r.clipboard.copyFromOutside(u"Houses");
        QCOMPARE(r.traduz()->text(), u" ? houses (! house ) -> casa, lar"_qs);
        QCOMPARE(r.bar()->cursor().shape(), Qt::ArrowCursor);
        QVERIFY(r.bar()->clipboardTimer().isActive());

        QTest::mouseClick(r.barButton("cmdDetalhes"), Qt::LeftButton);
        shell::DetailsWindow* details = r.app->detailsWindow();
        QVERIFY(details->isVisible());
        QVERIFY(shell::isTopmost(*details));
        QCOMPARE(details->frameGeometry().top(), r.bar()->frameGeometry().bottom() + 1);
        QCOMPARE(details->frameGeometry().width(), r.bar()->frameGeometry().width());
        auto* note = details->findChild<QLabel*>(u"lblDetalhes"_qs);
        QCOMPARE(note->text(), u"house (n.): casa; (v.) alojar"_qs);
        QVERIFY(note->wordWrap());

        // The word as captured is spoken; an engine error shows one box.
        r.speech.failLater = true;
        QTest::mouseClick(details->findChild<QToolButton*>(u"cmdDetalhes0"_qs), Qt::LeftButton);
        QCOMPARE(r.speech.spoken, std::vector<std::u16string>{u"houses"});
        r.speech.reportEngineError();
        QCOMPARE(r.dialogs.shown.size(), 1u);
        QVERIFY(r.dialogs.shown.back().icon == platform::MessageIcon::Critical);

        // Closed, it is only hidden and still follows the translations.
        QVERIFY(!details->close());
        QVERIFY(!details->isVisible());
        r.clipboard.copyFromOutside(u"word");
        QCOMPARE(note->text(), u"word (n.): palavra, termo"_qs);
    }

    // Enter and the search button translate the box's text, even the word
    // translated last; a click or the keyboard focus selects the whole line.
    void theSearchBoxSubmitsAndSelectsItself()
    {
        testing::ProgramRig r;
        r.start(1, 1);
        r.clipboard.copyFromOutside(u"cat");
        r.traduz()->setText(u"cat"_qs);
        QTest::keyClick(r.traduz(), Qt::Key_Return);
        QCOMPARE(r.traduz()->text(), u"cat -> gato"_qs);
        r.traduz()->setText(u"Word"_qs);
        QTest::mouseClick(r.barButton("cmdGo"), Qt::LeftButton);
        QCOMPARE(r.traduz()->text(), u"word -> palavra"_qs);

        r.bar()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(r.bar()));
        QTest::mouseClick(r.traduz(), Qt::LeftButton, {}, QPoint(20, 5));
        QCOMPARE(r.traduz()->selectedText(), r.traduz()->text());
        QCOMPARE(r.traduz()->cursorPosition(), 0);
        r.barButton("cmdGo")->setFocus();
        r.traduz()->deselect();
        r.bar()->focusSearchBox();
        QCOMPARE(r.traduz()->selectedText(), r.traduz()->text());
    }

    // A line wider than the box shows its start, unselected, and is offered
    // whole as the box's tooltip, as is a cut further form in the details
    // window, whose caption is blank.
    void longTextsShowTheirStartAndOfferTheRest()
    {
        testing::ProgramRig r;
        const std::u16string many =
            u"ato, ação, façanha, feito, obra, auto, escritura, instrumento, "
            u"agir, obrar, proceder, funcionar como ator, atuar";
        testsupport::writePlainDictionary(r.folder.path(), "engpor",
                                          {{{u"act", many}, {u"cat", u"gato"}}});
        r.start(1, 1);
        for (const auto& [copied, cut] :
             {std::pair{u"acts", true}, {u"cat", false}, {u"act", true}}) {
            r.clipboard.copyFromOutside(copied);
            QVERIFY(r.traduz()->cursorPosition() == 0 && !r.traduz()->hasSelectedText());
            QCOMPARE(r.traduz()->toolTip(), cut ? r.traduz()->text() : QString());
        }
        r.bar()->showIdleLook();
        r.bar()->setSearchBoxWidth(1500);  // too narrow for the prompt, which has no tooltip
        QCOMPARE(r.traduz()->toolTip(), QString());

        shell::DetailsWindow* details = r.app->detailsWindow();
        QVERIFY(!details->windowTitle().isEmpty() && details->windowTitle().trimmed().isEmpty());
        details->setPossibilityTranslation(0, many);
        QCOMPARE(details->findChild<QLabel*>(u"lblDefinicao0"_qs)->toolTip(),
                 QString::fromStdU16String(many));
    }

    // In a normal window the toolbar and the details window are ordinary
    // windows too, only one of them is open at a time, and tooltips show over
    // a window that is not the active one: the bar, the toolbar, which never
    // takes the focus, and the details window.
    void companionsOpenOneAtATimeAndShowTooltipsWhenInactive()
    {
        testing::ProgramRig r;
        r.start(0, 1);
        QWidget* toolbar = r.app->toolbar();
        QWidget* details = r.app->detailsWindow();
        r.clipboard.copyFromOutside(u"house");
        QTest::mouseClick(r.barButton("cmdOptions"), Qt::LeftButton);
        QTest::mouseClick(r.barButton("cmdDetalhes"), Qt::LeftButton);
        QVERIFY(details->isVisible() && !toolbar->isVisible());
        QVERIFY(!shell::isTopmost(*details));
        QTest::mouseClick(r.barButton("cmdOptions"), Qt::LeftButton);
        QVERIFY(toolbar->isVisible() && !details->isVisible());
        QTest::mouseClick(r.barButton("cmdOptions"), Qt::LeftButton);
        QVERIFY(!toolbar->isVisible());

        const struct
        {
            const char* opener;
            QWidget* active;
            QWidget* hovered;
        } rows[] = {{"cmdDetalhes", r.bar(), details->findChild<QToolButton*>(u"cmdDetalhes0"_qs)},
                    {"cmdDetalhes", details, r.barButton("cmdGo")},
                    {"cmdOptions", r.bar(), r.app->toolbar()->cmdTool(0)}};
        for (const auto& row : rows) {
            QTest::mouseClick(r.barButton(row.opener), Qt::LeftButton);
            row.active->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(row.active));
            QToolTip::hideText();
            QTest::mouseMove(row.hovered);
            QTRY_COMPARE(QToolTip::text(), row.hovered->toolTip());
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
