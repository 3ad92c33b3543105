#include "AppFolder.h"

#include "ToolError.h"

#include "core/CatalogueFields.h"
#include "core/Installation.h"
#include "core/Paths.h"
#include "core/UserFolders.h"
#include "core/Utf8.h"
#include "dictionary/Catalogue.h"

namespace quillet::tool {

namespace dict = quillet::dictionary;
namespace fs = std::filesystem;

namespace {

// Where the program takes the user's files when its data is `folder`. An
// installed tree's data folder is <prefix>/share/quillet, as the program in
// <prefix>/bin finds it; any other folder is a portable copy's.
core::UserFolders userFoldersFor(const fs::path& folder)
{
    const core::Environment environment = core::systemEnvironment();
    const fs::path data = (fs::absolute(folder) / "").lexically_normal();
    const core::UserFolders installed =
        core::chooseUserFolders(data / "../../bin", environment, core::folderWritable);
    if (installed.data == data)
        return installed;
    return core::chooseUserFolders(data, environment, core::folderWritable);
}

}  // namespace

int parseRowArgument(const std::string& argument)
{
    const int row = dict::parseRow(core::fromUtf8(argument));
    if (row < 0)
        throw UsageError("ROW must be a whole number from 0 to 50, not '" + argument + "'");
    return row;
}

void openAppFolderRow(const fs::path& folder, int row, core::SharedState& state,
                      dict::DictionaryFiles& files, std::ostream& err)
{
    if (!fs::is_directory(folder))
        throw FileError(folder.string(), "no such folder");
    state.appFolder = core::fromUtf8((folder / "").string());
    if (const core::UserFolders user = userFoldersFor(folder); user.perUser)
        state.userFolder = core::normaliseFolder(core::fromPath(user.userData));
    state.activeDictionary = static_cast<std::int16_t>(row);
    const dict::CatalogueResult catalogue = dict::LoadDictionaryCatalogue(state);
    if (!catalogue.unusableUserCatalogue.empty())
        err << "quillet-dict: " << catalogue.unusableUserCatalogue.string() << ": no usable line; "
            << catalogue.path.string() << " is read instead\n";
    if (!catalogue.usable)
        throw FileError(catalogue.path.string(), "missing, unreadable or without a usable line");
    // The catalogue falls back to another row when it lacks this one.
    if (state.activeDictionary != row)
        throw FileError(catalogue.path.string(), "has no row " + std::to_string(row));
    // Opening a set creates its missing dictionary files, as the program
    // needs; a command that only reads must not, so a missing one is reported
    // first. The user's files are only read: a missing one holds no entries.
    const std::u16string& stem = core::catalogueField(
        state.dictionaryTable[static_cast<std::size_t>(row)], core::CatalogueField::FileStem);
    const fs::path dictionaryFolder = dict::dictionaryFolder(state, stem);
    for (const dict::FileRole role : dict::kFileRoles) {
        const fs::path path = dict::dictionaryFilePath(dictionaryFolder, stem, role);
        if (!dict::isUserRole(role) && !fs::is_regular_file(path))
            throw FileError(path.string(), "missing or not a file; build the dictionary first");
    }
    files.setUserFilesWritable(false);
    const dict::Activation activation = dict::OpenDictionaryFiles(files, state);
    if (!activation.failures.empty())
        throw FileError(activation.failures.front().path.string(),
                        activation.failures.front().reason);
}

}  // namespace quillet::tool
