#pragma once
// The settings file "quillet.cfg" (where: core/UserFolders.h): seven lines, each ended
// by CR LF, single-byte (Windows-1252) text, no keys:
//   1 window top (pixels)   2 window left (pixels)   3 always on top (1/0)
//   4 reserved, always "0"  5 active dictionary      6 interface language
//   7 date of the last update check, "YYYYMMDD", kept as text
// Lines 1 to 6 are 16-bit numbers (see NumberText.h for what counts as one).

#include "core/OpenFile.h"
#include "core/SharedState.h"
#include "platform/Dialogs.h"
#include "platform/Screen.h"
#include "platform/Twips.h"

#include <filesystem>
#include <functional>
#include <string>

namespace quillet::core {

inline constexpr char kSettingsFileName[] = "quillet.cfg";
inline constexpr char16_t kDefaultLastUpdateCheck[] = u"20061001";

struct ScreenMetrics
{
    int widthPixels = 0;
    int heightPixels = 0;
    double twipsPerPixelX = platform::kFallbackTwipsPerPixel;  // 1440 / logical DPI
    double twipsPerPixelY = platform::kFallbackTwipsPerPixel;
};

ScreenMetrics screenMetrics(const platform::Screen& screen);

// Asks for the interface language on a first run and sets
// `interfaceLanguage`; leaving it untouched keeps 0 (Portuguese).
using LanguageChooser = std::function<void(SharedState&)>;

// Fills windowTop, windowLeft, alwaysOnTop, activeDictionary,
// interfaceLanguage and lastUpdateCheck.
//
// No file (or a directory, FIFO, link, huge or unreadable file of that name):
// the first-run defaults (0, 0, always on top, dictionary 0, "20061001") and the chooser.
// A damaged file never stops the program: a missing line, or one that is not
// a number or does not fit 16 bits, takes that line's default (language 0);
// an absent or empty line 7 gives "20061001"; lines after the seventh are
// ignored. The chooser is not called for an existing file.
//
// Then the window is kept on the screen (savedWindowTop and savedWindowLeft
// keep the values from before): a top edge beyond 80% of the
// screen's height becomes that 80%, a left edge beyond 27% of its width
// becomes that 27% (halves to even), and negative edges become 0.
void readSettings(SharedState& state, const std::filesystem::path& folder,
                  const ScreenMetrics& screen, const LanguageChooser& chooseLanguage);

// The six texts the main window hands over at exit, in the caller's order.
struct SettingsTexts
{
    std::u16string topText;
    std::u16string leftText;
    std::u16string reservedText = u"0";
    std::u16string onTopText;
    std::u16string dictionaryText;
    std::u16string languageText;
};

// The texts for a window at `topTwips`, `leftTwips`: each edge divided by the
// axis' twips per pixel in single precision; `chooserIndex` is the selected
// position of the dictionary chooser's list (-1 for none).
SettingsTexts settingsTexts(double topTwips, double leftTwips, const ScreenMetrics& screen,
                            int chooserIndex, const SharedState& state);

// Writes the seven lines in file order (line 3 on-top, line 4 reserved);
// line 7 is `lastUpdateCheck`. A dictionary text that reads as a number below
// 0 is written as "0". Line breaks inside a text are dropped so the file
// always has seven lines; characters outside Windows-1252 are written as "?".
// The folder and its missing parents are created first; the file is replaced
// whole (core/OpenFile.h), so a failed write keeps the old one, and something
// else than a regular file under its name is refused.
FileWriteStatus writeSettings(const std::filesystem::path& folder,
                              const std::u16string& lastUpdateCheck, const SettingsTexts& texts);

// Writes as above; on failure tells the user, in the interface language,
// which file could not be saved (message 91 and the path, then why when it is
// not a regular file, titled by message 4, critical icon, OK). The program's other data is
// unaffected either way.
bool writeSettingsOrReport(const std::filesystem::path& folder, const SharedState& state,
                           const SettingsTexts& texts, platform::Dialogs& dialogs);

}  // namespace quillet::core
