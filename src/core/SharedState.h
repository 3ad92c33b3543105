#pragma once
// The program-wide record through which every window and routine meets.
// The application owns one and passes it by reference; tests make their own.
// Integers are 16-bit as stored in the settings file; an interface language
// is tested only for zero (0 Portuguese, anything else English).

#include "BuildConfig.h"

#include <array>
#include <cstdint>
#include <string>

namespace quillet::core {

inline constexpr int kMessageCount = 101;
inline constexpr int kDictionaryRows = 51;
inline constexpr int kDictionaryCells = 7;

using MessageTable = std::array<std::u16string, kMessageCount>;
using DictionaryRow = std::array<std::u16string, kDictionaryCells>;
using DictionaryTable = std::array<DictionaryRow, kDictionaryRows>;

struct SharedState
{
    bool splashClosed = false;
    std::u16string appFolder;  // always ends with the directory separator
    // A user's dictionary files, and a catalogue and dictionaries read before
    // those of appFolder; empty: appFolder itself.
    std::u16string userFolder;
    // The maker's web site; empty: no site, so no network request at all.
    std::u16string webHost = build::webHost;
    MessageTable messages;
    std::int16_t windowTop = 0;   // pixels
    std::int16_t windowLeft = 0;  // pixels
    // The two as the settings file holds them, before they were kept on the
    // screen: written back unless the user moves the bar.
    std::int16_t savedWindowTop = 0;
    std::int16_t savedWindowLeft = 0;
    std::int16_t alwaysOnTop = 0;
    std::int16_t activeDictionary = 0;
    std::int16_t interfaceLanguage = 0;
    std::u16string lastUpdateCheck;  // "YYYYMMDD"
    std::u16string webQuery;
    DictionaryTable dictionaryTable;
    std::u16string lastCapturedText;
};

inline bool isEnglish(const SharedState& state)
{
    return state.interfaceLanguage != 0;
}

}  // namespace quillet::core
