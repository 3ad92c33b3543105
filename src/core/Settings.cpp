#include "core/Settings.h"

#include "core/Messages.h"
#include "core/NumberText.h"
#include "core/OpenFile.h"
#include "core/Paths.h"
#include "core/ReadRegularFile.h"
#include "core/TextUtil.h"
#include "core/UserFolders.h"
#include "core/Windows1252.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace quillet::core {
namespace {

constexpr int kLineCount = 7;
// The settings file is a few dozen bytes; the cap keeps a huge stray file cheap.
constexpr std::size_t kMaxBytesRead = 64 * 1024;

// Lines end at LF; one CR before the LF belongs to the ending. A last line
// without an ending still counts.
std::vector<std::u16string> splitLines(std::string_view bytes)
{
    std::vector<std::u16string> lines;
    std::size_t start = 0;
    while (start < bytes.size() && lines.size() < kLineCount) {
        const auto newline = bytes.find('\n', start);
        const auto end = newline == std::string_view::npos ? bytes.size() : newline;
        auto line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(fromWindows1252(line));
        start = end + 1;
    }
    return lines;
}

std::int16_t numberOr(const std::vector<std::u16string>& lines, std::size_t index,
                      std::int16_t fallback)
{
    if (index >= lines.size())
        return fallback;
    return parseInt16(lines[index]).value_or(fallback);
}

void applyFirstRunDefaults(SharedState& state)
{
    state.windowTop = 0;
    state.windowLeft = 0;
    state.alwaysOnTop = 1;
    state.activeDictionary = 0;
    state.lastUpdateCheck = kDefaultLastUpdateCheck;
}

std::int16_t roundHalfEvenPercent(long long pixels, long long percent)
{
    const long long scaled = pixels * percent;
    long long whole = scaled / 100;
    const long long remainder = scaled % 100;
    if (remainder > 50 || (remainder == 50 && whole % 2 == 1))
        ++whole;
    return static_cast<std::int16_t>(std::clamp<long long>(whole, 0, INT16_MAX));
}

// The comparison is made in twips, each product rounded to single precision.
std::int16_t keepOnScreen(std::int16_t edge, double twipsPerPixel, int screenPixels,
                          double fraction, int percent)
{
    const float edgeTwips = static_cast<float>(edge * twipsPerPixel);
    const float limitTwips = static_cast<float>(screenPixels * twipsPerPixel * fraction);
    if (edgeTwips > limitTwips)
        return std::min(edge, roundHalfEvenPercent(screenPixels, percent));
    return edge < 0 ? std::int16_t{0} : edge;
}

std::string fileLine(const std::u16string& text)
{
    std::string bytes;
    bytes.reserve(text.size() + 2);
    for (const char16_t unit : text) {
        if (unit == u'\r' || unit == u'\n')
            continue;
        bytes.push_back(static_cast<char>(encodeWindows1252(unit).value_or('?')));
    }
    bytes += "\r\n";
    return bytes;
}

}  // namespace

ScreenMetrics screenMetrics(const platform::Screen& screen)
{
    return {screen.widthPixels(), screen.heightPixels(), screen.twipsPerPixelX(),
            screen.twipsPerPixelY()};
}

void readSettings(SharedState& state, const std::filesystem::path& folder,
                  const ScreenMetrics& screen, const LanguageChooser& chooseLanguage)
{
    std::string bytes;
    const FileReadStatus status =
        readRegularFile(folder / kSettingsFileName, kMaxBytesRead, bytes, OpenMode::ReadNoLinks);
    if (status == FileReadStatus::Read) {
        const auto lines = splitLines(bytes);
        state.windowTop = numberOr(lines, 0, 0);
        state.windowLeft = numberOr(lines, 1, 0);
        state.alwaysOnTop = numberOr(lines, 2, 1);
        state.activeDictionary = numberOr(lines, 4, 0);
        state.interfaceLanguage = numberOr(lines, 5, 0);
        state.lastUpdateCheck = lines.size() > 6 && !lines[6].empty()
                                    ? lines[6]
                                    : std::u16string(kDefaultLastUpdateCheck);
    } else {
        applyFirstRunDefaults(state);
        state.interfaceLanguage = 0;
        if (chooseLanguage)
            chooseLanguage(state);
    }

    state.savedWindowTop = state.windowTop;
    state.savedWindowLeft = state.windowLeft;
    state.windowTop =
        keepOnScreen(state.windowTop, screen.twipsPerPixelY, screen.heightPixels, 0.8, 80);
    state.windowLeft =
        keepOnScreen(state.windowLeft, screen.twipsPerPixelX, screen.widthPixels, 0.27, 27);
}

SettingsTexts settingsTexts(double topTwips, double leftTwips, const ScreenMetrics& screen,
                            int chooserIndex, const SharedState& state)
{
    const auto pixels = [](double twips, double twipsPerPixel) {
        if (!(twipsPerPixel > 0.0))
            return 0.0f;
        return static_cast<float>(twips) / static_cast<float>(twipsPerPixel);
    };
    SettingsTexts texts;
    texts.topText = floatText(pixels(topTwips, screen.twipsPerPixelY));
    texts.leftText = floatText(pixels(leftTwips, screen.twipsPerPixelX));
    texts.reservedText = u"0";
    texts.onTopText = decimal(state.alwaysOnTop);
    texts.dictionaryText = decimal(chooserIndex);
    texts.languageText = decimal(state.interfaceLanguage);
    return texts;
}

FileWriteStatus writeSettings(const std::filesystem::path& folder,
                              const std::u16string& lastUpdateCheck, const SettingsTexts& texts)
{
    // A number below 0 means nothing was selected; so does a negative text
    // too large for 16 bits.
    const auto dictionary = parseInt16(texts.dictionaryText);
    const bool belowZero =
        dictionary ? *dictionary < 0 : trimSpacesView(texts.dictionaryText).starts_with(u'-');
    const std::u16string zero = u"0";
    const std::array<const std::u16string*, kLineCount> lines = {
        &texts.topText,
        &texts.leftText,
        &texts.onTopText,
        &texts.reservedText,
        belowZero ? &zero : &texts.dictionaryText,
        &texts.languageText,
        &lastUpdateCheck};

    std::string bytes;
    for (const auto* line : lines) bytes += fileLine(*line);

    // A user's settings folder is made on the first write.
    if (!makeUserFolder(folder))
        return FileWriteStatus::Failed;
    return replaceFile(folder / kSettingsFileName, bytes);
}

bool writeSettingsOrReport(const std::filesystem::path& folder, const SharedState& state,
                           const SettingsTexts& texts, platform::Dialogs& dialogs)
{
    const FileWriteStatus status = writeSettings(folder, state.lastUpdateCheck, texts);
    if (status == FileWriteStatus::Written)
        return true;
    std::u16string text =
        state.messages[kMsgSettingsNotSaved] + fromPath(folder / kSettingsFileName);
    if (status == FileWriteStatus::NotRegular)
        text += u": " + state.messages[kMsgReasonNotRegular];
    dialogs.showMessage(platform::MessageIcon::Critical, state.messages[kMsgWarningTitle], text,
                        platform::MessageButtons::Ok);
    return false;
}

}  // namespace quillet::core
