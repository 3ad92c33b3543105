#pragma once
// frmPrincipal: the main bar, one row under its caption.
// Its search box `traduz` is both where the user types and where a
// translation's result line appears. The clipboard is watched by the 500 ms
// `tmrPrincipal` tick and, as soon as the platform reports a change, by the
// same tick run at once.

#include "core/SharedState.h"
#include "translation/SearchBoxView.h"
#include "translation/Translator.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

class QLineEdit;
class QToolButton;

namespace quillet::platform {
class Clipboard;
class Screen;
}  // namespace quillet::platform

namespace quillet::widgets {
class TwipsGeometry;
}

namespace quillet::shell {

class DetailsWindow;

class MainWindow : public QWidget, public translation::SearchBoxView
{
    Q_OBJECT
public:
    static constexpr int kTickMilliseconds = 500;

    // The details window, where the details part of a result goes, and the
    // toolbar open under the bar; both live as long as the bar.
    MainWindow(core::SharedState& state, platform::Clipboard& clipboard,
               const platform::Screen& screen, DetailsWindow& details, QWidget& toolbar,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    void setLookup(translation::WordLookup lookup) { m_lookup = std::move(lookup); }
    // Runs when the user closes the bar; it ends the program.
    void setUnloadHandler(std::function<void()> handler) { m_unload = std::move(handler); }

    // Sizes the bar by the details button, shows it and makes it topmost or
    // an ordinary window, never activating it.
    void applyWindowMode(std::int16_t mode);
    // Sizes the bar and moves it to windowLeft, windowTop (pixels), or as
    // near as keeps it wholly on a screen.
    void moveToStoredPosition();
    // The place the settings keep, in pixels: the one the file held while
    // the bar is where moveToStoredPosition() put it, else where the user
    // moved it.
    QPoint positionToSave() const;
    // Another start of the program asked for the bar: shown, restored if
    // minimised, layered by the window mode and brought to the front.
    void bringForward();
    // Caption and tooltips in the interface language.
    void applyLanguage();
    // Back to the look before the first search: prompt, full width, no
    // details button.
    void showIdleLook();

    // The clipboard watch. Safe to call at any moment; it does nothing while
    // a translation runs or before the splash window has closed.
    void tick();
    // Search button and Enter: the box's text goes to the clipboard so that
    // the next tick handles it, even when it is the text handled last.
    void submitSearchBox();
    void openDetails();
    void toggleToolbar();
    // The search box takes the keyboard focus, which activates the bar.
    void focusSearchBox();

    // The dictionary chooser's time: neither the timer nor the clipboard's
    // change notices start a translation until resumeWatch(), which restarts
    // the timer at its 500 ms.
    void pauseWatch();
    void resumeWatch();
    // The program is ending: the watch stops and no resume restarts it.
    void endWatch();

    QTimer& clipboardTimer() { return m_clipboardTimer; }
    // In twips; every run sets it again through setDetailsButtonVisible.
    void setSearchBoxWidth(int twips);

    // SearchBoxView
    void setSearchBoxText(std::u16string_view text) override;
    void repaintSearchBox() override;
    // Also narrows the search box to make room for the button, or widens it.
    void setDetailsButtonVisible(bool visible) override;
    void setBusyPointer(bool busy) override;

signals:
    // A run ended and the search box shows its result line.
    void translated();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void shrinkToRow();
    void applyWidth();
    void pinIfOnTop(QWidget& window);
    // A result line the box cannot show whole is offered as its tooltip.
    void fitSearchBoxTip();
    // Read afresh each time: the screen's density may change while the bar lives.
    widgets::TwipsGeometry twipsGeometry() const;

    core::SharedState& m_state;
    platform::Clipboard& m_clipboard;
    const platform::Screen& m_screen;
    translation::WordLookup m_lookup;
    std::function<void()> m_unload;
    DetailsWindow& m_details;
    QWidget& m_toolbar;

    QLineEdit* m_searchBox = nullptr;
    QToolButton* m_detailsButton = nullptr;
    QToolButton* m_searchButton = nullptr;
    QToolButton* m_optionsButton = nullptr;
    QTimer m_clipboardTimer;
    int m_searchBoxWidthTwips;
    bool m_translating = false;
    bool m_watchPaused = false;
    bool m_watchEnded = false;
    std::optional<QPoint> m_placedAt;  // where moveToStoredPosition() put the frame
    QElapsedTimer m_placedTime;
};

}  // namespace quillet::shell
