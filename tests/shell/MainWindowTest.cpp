// The main bar with a fake clipboard and a word list standing in for the
// dictionary: geometry, the clipboard watch's rules, submitting the search
// box, and the windows that open under the bar.

#include "core/Messages.h"
#include "core/SharedState.h"
#include "fakes/FakeBrowser.h"
#include "fakes/FakeClipboard.h"
#include "fakes/FakeScreen.h"
#include "platform/qt/QtText.h"
#include "shell/MainWindow.h"
#include "shell/ToolbarWindow.h"
#include "translation/ResultView.h"

#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <QWindow>

#include <array>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

using namespace quillet;

namespace {

// The details part of a result, as the details window would receive it.
class RecordingDetails : public translation::ResultView
{
public:
    void setSearchBoxText(std::u16string_view) override {}
    void setSearchBoxWidth(int) override {}
    void repaintSearchBox() override {}
    void setDetailsButtonVisible(bool) override {}
    void setBusyPointer(bool) override {}
    void setDetailsText(std::u16string_view text) override { details = text; }
    void setPossibilityTerm(int slot, std::u16string_view term) override { terms.at(slot) = term; }
    void setPossibilityTranslation(int slot, std::u16string_view text) override
    {
        translations.at(slot) = text;
    }
    void repaintDetails() override {}

    std::u16string details;
    std::array<std::u16string, 4> terms;
    std::array<std::u16string, 4> translations;
};

QString q(std::u16string_view text)
{
    return platform::toQString(text);
}

}  // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loadShowsThePromptAndForgetsTheLastText();
    void widthFollowsTheDetailsButton();

    void copiedWordIsTranslatedAtOnce();
    void ignoredCopies_data();
    void ignoredCopies();
    void theTimerTickPicksUpAMissedChange();
    void waitingTextBusyPointerAndStoppedTimerDuringLookups();
    void aFailingLookupCountsAsNotFoundAndTheWatchGoesOn();
    void aPausedWatchWaitsAndAnEndedOneNeverResumes();

    void enterPutsTheBoxTextOnTheClipboardAndTranslatesAgain();
    void searchButtonSubmitsTheBox();
    void clickingIntoTheBoxSelectsAllOfIt();

    void optionsButtonTogglesTheToolbarUnderTheBar();
    void detailsAndToolbarExcludeEachOther();

private:
    QLineEdit* traduz() const { return m_bar->findChild<QLineEdit*>(QStringLiteral("traduz")); }
    QToolButton* button(const char* name) const
    {
        return m_bar->findChild<QToolButton*>(QLatin1String(name));
    }
    int lookupsOf(std::u16string_view word) const
    {
        int count = 0;
        for (const auto& asked : m_asked) count += asked == word ? 1 : 0;
        return count;
    }

    core::SharedState m_state;
    fakes::FakeClipboard m_clipboard;
    fakes::FakeBrowser m_browser;
    fakes::FakeScreen m_screen{1280, 1024, 10.0, 10.0};
    RecordingDetails m_details;
    std::map<std::u16string, std::pair<std::u16string, std::u16string>> m_words;
    std::vector<std::u16string> m_asked;
    std::function<void()> m_duringLookup;
    std::unique_ptr<shell::MainWindow> m_bar;
    std::unique_ptr<QWidget> m_detailsWindow;
    std::unique_ptr<shell::ToolbarWindow> m_toolbar;
};

using shell::MainWindow;

void MainWindowTest::init()
{
    m_state = core::SharedState{};
    m_state.interfaceLanguage = 1;
    core::loadMessages(m_state);
    m_state.lastCapturedText = u"left over";
    m_state.splashClosed = true;
    m_state.alwaysOnTop = 1;
    m_words = {
        {u"house", {u"casa", u"casa, lar; edifício"}},
        {u"cat", {u"gato", u"gato (animal)"}},
        {u"word", {u"palavra", u"palavra; termo"}},
        {u"abcdefghijklmnopqrs", {u"dezenove", u""}},
    };
    m_asked.clear();
    m_duringLookup = nullptr;
    m_details = RecordingDetails{};

    m_bar = std::make_unique<MainWindow>(m_state, m_clipboard, m_screen);
    m_bar->setLookup([this](std::u16string_view word, bool wantDetails) {
        m_asked.emplace_back(word);
        if (m_duringLookup)
            m_duringLookup();
        const auto it = m_words.find(std::u16string(word));
        if (it == m_words.end()) {
            m_state.lastTranslation.clear();
            m_state.lastDetails.clear();
            return false;
        }
        m_state.lastTranslation = it->second.first;
        m_state.lastDetails = wantDetails ? it->second.second : std::u16string();
        return true;
    });
    m_detailsWindow = std::make_unique<QWidget>(nullptr, Qt::Tool);
    m_toolbar = std::make_unique<shell::ToolbarWindow>(m_state, m_screen, m_browser);
    m_bar->setCompanions(m_detailsWindow.get(), &m_details, m_toolbar.get());
}

void MainWindowTest::cleanup()
{
    m_bar.reset();
    m_detailsWindow.reset();
    m_toolbar.reset();
    QVERIFY(!m_clipboard.hasChangeHandler());
}

void MainWindowTest::loadShowsThePromptAndForgetsTheLastText()
{
    QCOMPARE(traduz()->text(),
             u"<Type the word to search here or select the word in text and press Ctrl+C>"_qs);
    QVERIFY(m_state.lastCapturedText.empty());
    QVERIFY(!m_state.toolbarOpen);
    QVERIFY(button("cmdDetalhes")->isHidden());
    QVERIFY(button("cmdGo"));
    QVERIFY(button("cmdOptions"));
    QVERIFY(m_bar->clipboardTimer().isActive());
    QCOMPARE(m_bar->clipboardTimer().interval(), 500);
    QCOMPARE(m_bar->objectName(), u"frmPrincipal"_qs);
}

void MainWindowTest::widthFollowsTheDetailsButton()
{
    m_bar->applyWindowMode(1);
    QVERIFY(QTest::qWaitForWindowExposed(m_bar.get()));
    QCOMPARE(m_bar->width(), 795);  // 2 x 375 + 6950 + 250
    // One row: the search box's 285 twips plus 450, less the frame.
    const int decoration = m_bar->frameGeometry().height() - m_bar->height();
    QCOMPARE(m_bar->height() + decoration, 74);  // 73.5

    m_clipboard.copyFromOutside(u"house");
    QVERIFY(button("cmdDetalhes")->isVisibleTo(m_bar.get()));
    QCOMPARE(traduz()->width(), 650);
    m_bar->applyWindowMode(1);
    QCOMPARE(m_bar->width(), 794);  // 3 x 375 + 6500 + 320 = 7945 -> 794.5 -> 794
}

void MainWindowTest::copiedWordIsTranslatedAtOnce()
{
    m_clipboard.copyFromOutside(u"house");
    // No waiting: the change notification runs the tick.
    QCOMPARE(traduz()->text(), u"house -> casa"_qs);
    QCOMPARE(m_state.lastCapturedText, u"house");
    QCOMPARE(m_bar->searchText(), u"house");
    QVERIFY(button("cmdDetalhes")->isVisibleTo(m_bar.get()));
    QCOMPARE(m_details.details, u"casa, lar; edifício");

    // Nothing found hides the details button again.
    m_clipboard.copyFromOutside(u"zzzq");
    QCOMPARE(traduz()->text(), u"zzzq -> Not found!"_qs);
    QVERIFY(button("cmdDetalhes")->isHidden());
    QCOMPARE(traduz()->width(), 695);
    QVERIFY(m_details.details.empty());
}

// The last copy of each row is ignored: no lookup, the line unchanged.
// `asked` are the words looked up once before it. A leading "secret:" copies
// the rest marked as a password manager's secret.
void MainWindowTest::ignoredCopies_data()
{
    QTest::addColumn<QStringList>("copies");
    QTest::addColumn<QStringList>("asked");
    QTest::addColumn<QString>("line");
    const QString prompt =
        u"<Type the word to search here or select the word in text and press Ctrl+C>"_qs;
    QTest::newRow("same word twice") << QStringList{u"house"_qs, u"house"_qs}
                                     << QStringList{u"house"_qs} << u"house -> casa"_qs;
    QTest::newRow("Word after word") << QStringList{u"word"_qs, u"Word"_qs, u"  WORD "_qs}
                                     << QStringList{u"word"_qs} << u"word -> palavra"_qs;
    QTest::newRow("19 then 20 characters")
        << QStringList{u"abcdefghijklmnopqrs"_qs, u"abcdefghijklmnopqrst"_qs}
        << QStringList{u"abcdefghijklmnopqrs"_qs} << u"abcdefghijklmnopqrs -> dezenove"_qs;
    QTest::newRow("spaces only") << QStringList{u"     "_qs} << QStringList{} << prompt;
    QTest::newRow("secret") << QStringList{u"secret:house"_qs} << QStringList{} << prompt;
}

void MainWindowTest::ignoredCopies()
{
    QFETCH(QStringList, copies);
    QFETCH(QStringList, asked);
    QFETCH(QString, line);
    std::size_t lookupsBeforeLast = 0;
    for (const QString& copy : copies) {
        lookupsBeforeLast = m_asked.size();
        if (copy.startsWith(u"secret:"_qs))
            m_clipboard.copySecretFromOutside(platform::toU16(copy.mid(7)));
        else
            m_clipboard.copyFromOutside(platform::toU16(copy));
    }
    m_bar->tick();
    QCOMPARE(m_asked.size(), lookupsBeforeLast);
    for (const QString& word : asked) QCOMPARE(lookupsOf(platform::toU16(word)), 1);
    QCOMPARE(traduz()->text(), line);
    QCOMPARE(q(m_state.lastCapturedText), asked.isEmpty() ? QString() : asked.last());
}

void MainWindowTest::theTimerTickPicksUpAMissedChange()
{
    m_clipboard.setChangeHandler({});  // as if the notification never came
    m_clipboard.copyFromOutside(u"cat");
    QTRY_COMPARE(traduz()->text(), u"cat -> gato"_qs);
}

void MainWindowTest::waitingTextBusyPointerAndStoppedTimerDuringLookups()
{
    int checks = 0;
    QStringList shown;
    m_duringLookup = [&] {
        ++checks;
        shown << traduz()->text();
        QCOMPARE(m_bar->cursor().shape(), Qt::WaitCursor);
        QVERIFY(!m_bar->clipboardTimer().isActive());
        // A change arriving now must not start a second run.
        m_bar->tick();
    };
    m_clipboard.copyFromOutside(u"houses");
    QVERIFY(checks >= 2);
    // Until the first form is found; from then on the result line.
    QCOMPARE(shown.first(), u" Wait, please... "_qs);
    QCOMPARE(shown.last(), u" ? houses (! house ) -> casa"_qs);
    QCOMPARE(m_bar->cursor().shape(), Qt::ArrowCursor);
    QVERIFY(m_bar->clipboardTimer().isActive());
    QCOMPARE(m_bar->clipboardTimer().interval(), 500);
    QCOMPARE(lookupsOf(u"houses"), 1);
}

void MainWindowTest::aFailingLookupCountsAsNotFoundAndTheWatchGoesOn()
{
    m_duringLookup = [] { throw std::runtime_error("damaged file"); };
    m_clipboard.copyFromOutside(u"cat");
    QCOMPARE(traduz()->text(), u"cat -> Not found!"_qs);
    QCOMPARE(m_bar->cursor().shape(), Qt::ArrowCursor);
    QVERIFY(m_bar->clipboardTimer().isActive());

    m_duringLookup = nullptr;
    m_clipboard.copyFromOutside(u"house");
    QCOMPARE(traduz()->text(), u"house -> casa"_qs);
}

void MainWindowTest::enterPutsTheBoxTextOnTheClipboardAndTranslatesAgain()
{
    m_clipboard.copyFromOutside(u"cat");
    QCOMPARE(lookupsOf(u"cat"), 1);
    traduz()->setText(QStringLiteral("cat"));
    QTest::keyClick(traduz(), Qt::Key_Return);
    QCOMPARE(m_clipboard.rawText(), u"cat");
    QCOMPARE(lookupsOf(u"cat"), 2);
    QCOMPARE(traduz()->text(), u"cat -> gato"_qs);

    // The prompt is too long to be looked up, but it still replaces the clipboard.
    m_bar->showIdleLook();
    const int asked = static_cast<int>(m_asked.size());
    QTest::keyClick(traduz(), Qt::Key_Enter);
    QCOMPARE(q(m_clipboard.rawText()), traduz()->text());
    QCOMPARE(static_cast<int>(m_asked.size()), asked);
}

void MainWindowTest::searchButtonSubmitsTheBox()
{
    traduz()->setText(QStringLiteral("Word"));
    const int sets = m_clipboard.setCount();
    QTest::mouseClick(button("cmdGo"), Qt::LeftButton);
    QCOMPARE(m_clipboard.setCount(), sets + 1);
    QCOMPARE(m_clipboard.rawText(), u"Word");
    QCOMPARE(traduz()->text(), u"word -> palavra"_qs);
}

void MainWindowTest::clickingIntoTheBoxSelectsAllOfIt()
{
    m_bar->applyWindowMode(1);
    QVERIFY(QTest::qWaitForWindowExposed(m_bar.get()));
    traduz()->deselect();
    QTest::mouseClick(traduz(), Qt::LeftButton, {}, QPoint(20, 5));
    QCOMPARE(traduz()->selectedText(), traduz()->text());
    traduz()->deselect();
    traduz()->clearFocus();
    button("cmdGo")->setFocus();
    traduz()->setFocus(Qt::TabFocusReason);
    QCOMPARE(traduz()->selectedText(), traduz()->text());
}

void MainWindowTest::optionsButtonTogglesTheToolbarUnderTheBar()
{
    m_bar->moveToStoredPosition();
    m_bar->applyWindowMode(1);
    QVERIFY(QTest::qWaitForWindowExposed(m_bar.get()));
    QTest::mouseClick(button("cmdOptions"), Qt::LeftButton);
    QVERIFY(m_toolbar->isVisible());
    QVERIFY(m_state.toolbarOpen);
    QCOMPARE(m_toolbar->frameGeometry().top(), m_bar->frameGeometry().bottom() + 1);
    QCOMPARE(m_toolbar->frameGeometry().left(), m_bar->frameGeometry().left());
    QVERIFY(m_toolbar->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));

    QTest::mouseClick(button("cmdOptions"), Qt::LeftButton);
    QVERIFY(!m_toolbar->isVisible());
    QVERIFY(!m_state.toolbarOpen);

    // In normal mode the toolbar is an ordinary window.
    m_state.alwaysOnTop = 0;
    m_toolbar->windowHandle()->setFlag(Qt::WindowStaysOnTopHint, false);
    QTest::mouseClick(button("cmdOptions"), Qt::LeftButton);
    QVERIFY(m_toolbar->isVisible());
    QVERIFY(!m_toolbar->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
}

void MainWindowTest::detailsAndToolbarExcludeEachOther()
{
    m_bar->applyWindowMode(1);
    QTest::mouseClick(button("cmdOptions"), Qt::LeftButton);
    QVERIFY(m_toolbar->isVisible());

    m_clipboard.copyFromOutside(u"house");
    QTest::mouseClick(button("cmdDetalhes"), Qt::LeftButton);
    QVERIFY(m_detailsWindow->isVisible());
    QVERIFY(!m_toolbar->isVisible());
    QVERIFY(!m_state.toolbarOpen);
    QCOMPARE(m_detailsWindow->frameGeometry().width(), m_bar->frameGeometry().width());
    QCOMPARE(m_detailsWindow->frameGeometry().top(), m_bar->frameGeometry().bottom() + 1);

    QTest::mouseClick(button("cmdOptions"), Qt::LeftButton);
    QVERIFY(m_toolbar->isVisible());
    QVERIFY(!m_detailsWindow->isVisible());
}

void MainWindowTest::aPausedWatchWaitsAndAnEndedOneNeverResumes()
{
    m_bar->pauseWatch();
    QVERIFY(!m_bar->clipboardTimer().isActive());
    m_clipboard.copyFromOutside(u"cat");
    m_bar->tick();
    QVERIFY(m_asked.empty());

    m_bar->resumeWatch();
    QVERIFY(m_bar->clipboardTimer().isActive());
    QCOMPARE(m_bar->clipboardTimer().interval(), 500);
    // The copy made while paused is picked up by the next tick.
    m_bar->tick();
    QCOMPARE(traduz()->text(), u"cat -> gato"_qs);

    m_bar->pauseWatch();
    m_bar->endWatch();
    m_bar->resumeWatch();
    QVERIFY(!m_bar->clipboardTimer().isActive());
    m_clipboard.copyFromOutside(u"house");
    m_bar->tick();
    QCOMPARE(lookupsOf(u"house"), 0);
}

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
