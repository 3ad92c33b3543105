#include "AppFolder.h"

#include "ToolError.h"

#include "core/CatalogueFields.h"
#include "core/Utf8.h"
#include "dictionary/Catalogue.h"

namespace quillet::tool {

namespace dict = quillet::dictionary;

int parseRowArgument(const std::string& argument)
{
    const int row = dict::parseRow(core::fromUtf8(argument));
    if (row < 0)
        throw UsageError("ROW must be a whole number from 0 to 50, not '" + argument + "'");
    return row;
}

void openAppFolderRow(const std::filesystem::path& folder, int row, core::SharedState& state,
                      dict::DictionaryFiles& files)
{
    if (!std::filesystem::is_directory(folder))
        throw FileError(folder.string(), "no such folder");
    const std::string catalogue = (folder / "dictionaries.cfg").string();
    state.appFolder = core::fromUtf8((folder / "").string());
    state.activeDictionary = static_cast<std::int16_t>(row);
    if (!dict::LoadDictionaryCatalogue(state, folder).usable)
        throw FileError(catalogue, "missing, unreadable or without a usable line");
    // The catalogue falls back to another row when it lacks this one.
    if (state.activeDictionary != row)
        throw FileError(catalogue, "has no row " + std::to_string(row));
    // Opening a set creates its missing files, as the program needs; a command
    // that only reads must not, so a missing file is reported first.
    const std::u16string& stem = core::catalogueField(
        state.dictionaryTable[static_cast<std::size_t>(row)], core::CatalogueField::FileStem);
    for (const dict::FileRole role : dict::kFileRoles) {
        const std::filesystem::path path = dict::dictionaryFilePath(folder, stem, role);
        if (!std::filesystem::is_regular_file(path))
            throw FileError(path.string(), "missing or not a file; build the dictionary first");
    }
    const dict::Activation activation = dict::OpenDictionaryFiles(files, state);
    if (!activation.failures.empty())
        throw FileError(activation.failures.front().path.string(),
                        activation.failures.front().reason);
}

}  // namespace quillet::tool
