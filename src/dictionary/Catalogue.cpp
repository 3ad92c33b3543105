#include "dictionary/Catalogue.h"

#include "core/CatalogueFields.h"
#include "core/ErrorReport.h"
#include "core/Messages.h"
#include "core/Paths.h"
#include "core/ReadRegularFile.h"
#include "core/TextUtil.h"
#include "core/Utf8.h"
#include "core/Windows1252.h"
#include "platform/Dialogs.h"

#include <algorithm>

namespace quillet::dictionary {

namespace {

using core::CatalogueField;

constexpr std::uintmax_t kMaxCatalogueBytes = 1 << 20;

// Splits off only the fields used: the rest of a long line is never looked at.
std::vector<std::u16string_view> splitFields(std::u16string_view line)
{
    std::vector<std::u16string_view> fields;
    std::size_t from = 0;
    while (fields.size() < core::kCatalogueFieldCount) {
        const auto bar = line.find(u'|', from);
        fields.push_back(line.substr(from, bar - from));
        if (bar == std::u16string_view::npos)
            break;
        from = bar + 1;
    }
    return fields;
}

// A usable line always has a digit in its row field, so an empty one marks an absent row.
bool rowPresent(const core::SharedState& state, int row)
{
    const core::DictionaryRow* cells = core::catalogueRow(state, row);
    return cells && !core::catalogueField(*cells, CatalogueField::Row).empty();
}

std::filesystem::path userFolder(const core::SharedState& state)
{
    return core::toPath(state.userFolder.empty() ? state.appFolder : state.userFolder);
}

}  // namespace

int parseRow(std::u16string_view field)
{
    if (field.empty() || field.size() > 4)
        return -1;
    int value = 0;
    for (const char16_t c : field) {
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c - u'0');
    }
    return value < core::kDictionaryRows ? value : -1;
}

// A name Windows gives to a device in every folder, whatever extension
// follows and with spaces before it ("con .qlc").
bool isDeviceName(std::u16string_view stem)
{
    std::u16string_view base = stem.substr(0, stem.find(u'.'));
    while (!base.empty() && base.back() == u' ') base.remove_suffix(1);
    const std::u16string name = core::toLower(base);
    static constexpr std::u16string_view kDevices[] = {u"con", u"prn",    u"aux",
                                                       u"nul", u"conin$", u"conout$"};
    if (std::find(std::begin(kDevices), std::end(kDevices), name) != std::end(kDevices))
        return true;
    // COM1 to COM9 and LPT1 to LPT9, with superscript digits too.
    if (name.size() != 4 || !(name.starts_with(u"com") || name.starts_with(u"lpt")))
        return false;
    const char16_t digit = name[3];
    return (digit >= u'1' && digit <= u'9') || digit == u'\u00B9' || digit == u'\u00B2' ||
           digit == u'\u00B3';
}

// A stem names a file in the dictionary folder and nothing else, on every
// system a catalogue may be copied to: no folder part, no drive ("C:engpor"),
// no stream (":"), no device. (The extension always follows the stem, so a
// dot or space at its end is kept by Windows too.)
bool isUsableStem(std::u16string_view stem)
{
    if (stem.empty() || stem == u"." || stem == u".." || isDeviceName(stem))
        return false;
    return std::none_of(stem.begin(), stem.end(), [](char16_t c) {
        return c == u'/' || c == u'\\' || c == u':' || c < 0x20 || (c >= 0x7F && c <= 0x9F);
    });
}

std::u16string decodeCatalogueBytes(std::string_view bytes)
{
    if (core::isValidUtf8(bytes)) {
        constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
        if (bytes.substr(0, byteOrderMark.size()) == byteOrderMark)
            bytes.remove_prefix(byteOrderMark.size());
        return core::fromUtf8(bytes);
    }
    return core::fromWindows1252(bytes);
}

CatalogueResult loadCatalogueText(core::SharedState& state, std::u16string_view text)
{
    for (core::DictionaryRow& row : state.dictionaryTable) row.fill(std::u16string());
    std::size_t from = 0;
    while (from < text.size()) {
        auto lineEnd = text.find(u'\n', from);
        if (lineEnd == std::u16string_view::npos)
            lineEnd = text.size();
        std::u16string_view line = text.substr(from, lineEnd - from);
        from = lineEnd + 1;
        if (!line.empty() && line.back() == u'\r')
            line.remove_suffix(1);
        const auto fields = splitFields(line);
        if (fields.size() < core::kCatalogueFieldCount)
            continue;
        const int row = parseRow(fields[core::fieldIndex(CatalogueField::Row)]);
        if (row < 0 || !isUsableStem(fields[core::fieldIndex(CatalogueField::FileStem)]))
            continue;
        auto& cells = state.dictionaryTable[static_cast<std::size_t>(row)];
        std::copy_n(fields.begin(), core::kCatalogueFieldCount, cells.begin());
    }

    CatalogueResult result;
    for (int row = 0; row < core::kDictionaryRows; ++row)
        if (rowPresent(state, row))
            result.entries.push_back({row, dictionaryName(state, row)});
    result.usable = !result.entries.empty();
    if (!result.usable)
        return result;
    if (!rowPresent(state, state.activeDictionary))
        state.activeDictionary = static_cast<std::int16_t>(result.entries.front().row);
    for (std::size_t position = 0; position < result.entries.size(); ++position)
        if (result.entries[position].row == state.activeDictionary)
            result.selected = static_cast<int>(position);
    return result;
}

CatalogueResult LoadDictionaryCatalogue(core::SharedState& state,
                                        const std::filesystem::path& folder)
{
    const std::filesystem::path file = folder / core::toPath(kCatalogueFileName);
    std::string bytes;
    CatalogueResult result;
    if (core::readRegularFile(file, kMaxCatalogueBytes, bytes) == core::FileReadStatus::Read)
        result = loadCatalogueText(state, decodeCatalogueBytes(bytes));
    result.path = file;
    return result;
}

CatalogueResult LoadDictionaryCatalogue(core::SharedState& state)
{
    const std::filesystem::path user = userFolder(state);
    const std::filesystem::path installed = core::toPath(state.appFolder);
    const std::filesystem::path usersOwn = user / core::toPath(kCatalogueFileName);
    std::error_code error;
    if (user == installed ||
        !std::filesystem::exists(std::filesystem::symlink_status(usersOwn, error)))
        return LoadDictionaryCatalogue(state, installed);
    const std::int16_t active = state.activeDictionary;
    CatalogueResult result = LoadDictionaryCatalogue(state, user);
    if (result.usable)
        return result;
    state.activeDictionary = active;
    result = LoadDictionaryCatalogue(state, installed);
    result.unusableUserCatalogue = usersOwn;
    return result;
}

std::filesystem::path dictionaryFolder(const core::SharedState& state, std::u16string_view stem)
{
    const std::filesystem::path user = userFolder(state);
    const bool usersOwn = core::isPlainFile(dictionaryFilePath(user, stem, FileRole::Main));
    return usersOwn ? user : core::toPath(state.appFolder);
}

void showCatalogueMissing(platform::Dialogs& dialogs, const core::SharedState& state)
{
    dialogs.showMessage(platform::MessageIcon::Critical, state.messages[core::kMsgWarningTitle],
                        state.messages[core::kMsgBadInstallation], platform::MessageButtons::Ok);
}

void reportActivationFailure(platform::Dialogs& dialogs, const core::SharedState& state)
{
    core::reportError(state.messages, u"A07", u"QL", dialogs);
}

std::u16string dictionaryName(const core::SharedState& state, int row)
{
    const core::DictionaryRow* cells = core::catalogueRow(state, row);
    return cells ? core::catalogueField(*cells, core::nameField(state)) : std::u16string();
}

Activation OpenDictionaryFiles(DictionaryFiles& files, core::SharedState& state)
{
    Activation activation;
    const int row = state.activeDictionary;
    if (!rowPresent(state, row)) {
        files.close();
        activation.failures.push_back({FileRole::Main, {}, "no dictionary in the catalogue row"});
        return activation;
    }
    const auto& cells = state.dictionaryTable[static_cast<std::size_t>(row)];
    const std::u16string& stem = core::catalogueField(cells, CatalogueField::FileStem);
    activation.failures = files.open(dictionaryFolder(state, stem), userFolder(state), stem);
    activation.pronunciationEnabled = core::catalogueFlag(cells, CatalogueField::Pronunciation);
    return activation;
}

Activation switchDictionary(DictionaryFiles& files, core::SharedState& state, int row)
{
    // With nothing chosen, the active dictionary stays and is reopened.
    if (rowPresent(state, row))
        state.activeDictionary = static_cast<std::int16_t>(row);
    state.lastCapturedText.clear();
    return OpenDictionaryFiles(files, state);
}

}  // namespace quillet::dictionary
