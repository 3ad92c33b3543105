// The build and import-dictd commands: source entries in, a five-file set
// out, and a report of everything the format could not hold.

#include "Command.h"
#include "CommandErrors.h"
#include "DictdImporter.h"
#include "DictionaryBuilder.h"
#include "Options.h"
#include "ToolError.h"
#include "TsvReader.h"

#include "core/Utf8.h"
#include "dictionary/Catalogue.h"

#include <ostream>

namespace quillet::tool {

namespace {

// A headword as the report quotes it: a long one by its first characters.
std::string shownHeadword(std::u16string_view headword)
{
    constexpr std::size_t kShown = 60;
    if (headword.size() <= kShown)
        return core::toUtf8(headword);
    // A surrogate pair is kept whole or left out.
    const bool pairCut = headword[kShown - 1] >= 0xD800 && headword[kShown - 1] < 0xDC00;
    return core::toUtf8(headword.substr(0, kShown - pairCut)) + "\xE2\x80\xA6";  // U+2026
}

void printReport(const BuiltDictionary& built, const std::string& origin,
                 const std::filesystem::path& folder, const std::string& stem, std::ostream& out)
{
    std::size_t counts[4] = {};
    for (const BuildNote& note : built.notes) ++counts[static_cast<int>(note.kind)];
    out << "Read " << built.offered << " entries; wrote " << built.main.size() << " main records, "
        << built.index.size() << " index records and " << built.details.size()
        << " details records to " << (folder / stem).string()
        << ".qlc/.ind/.pdt (.dcu/.dtu: user files, created empty when missing)\n";
    out << "Skipped " << counts[0] << ", cut " << counts[1] << ", padded " << counts[2]
        << ", duplicate headwords " << counts[3] << "\n";
    for (const BuildNote& note : built.notes) {
        out << "  " << origin << " " << note.origin << " \"" << shownHeadword(note.headword)
            << "\": " << kindName(note.kind) << ": " << note.reason << "\n";
    }
}

const std::string& checkedStem(const Options& options)
{
    const std::string& stem = options.value("--stem");
    // "|" would split the catalogue line that names the stem.
    if (!dictionary::isUsableStem(core::fromUtf8(stem)) || stem.find('|') != std::string::npos)
        throw UsageError(
            "--stem must be a bare file name: not empty, \".\" or \"..\", "
            "without folders, \"|\" or control characters");
    return stem;
}

}  // namespace

int runBuildCommand(const CommandArguments& arguments, std::ostream& out, std::ostream& err)
{
    return runGuarded(
        err, "build --tsv FILE --out DIR --stem STEM",
        [&] {
            Options options(arguments, {"--tsv", "--out", "--stem"});
            const std::string& stem = checkedStem(options);
            auto entries = readTsvFile(options.path("--tsv"));
            BuiltDictionary built = buildDictionary(entries);
            writeDictionary(built, options.path("--out"), stem);
            printReport(built, "line", options.path("--out"), stem, out);
            return int{exitOk};
        });
}

int runImportDictdCommand(const CommandArguments& arguments, std::ostream& out, std::ostream& err)
{
    return runGuarded(
        err, "import-dictd --index F.index --dict F.dict.dz --out DIR --stem STEM",
        [&] {
            Options options(arguments, {"--index", "--dict", "--out", "--stem"});
            const std::string& stem = checkedStem(options);
            auto entries = importDictdFiles(options.path("--index"), options.path("--dict"));
            BuiltDictionary built = buildDictionary(entries);
            writeDictionary(built, options.path("--out"), stem);
            printReport(built, "index line", options.path("--out"), stem, out);
            return int{exitOk};
        });
}

}  // namespace quillet::tool
