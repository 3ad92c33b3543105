#include "Command.h"
#include "DictdImporter.h"
#include "DictionaryBuilder.h"
#include "JsonText.h"

#include "core/CatalogueFields.h"
#include "core/Paths.h"
#include "core/Utf8.h"
#include "dictionary/DictionaryFiles.h"
#include "dictionary/Lookup.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <unordered_set>

namespace quillet::tool {
namespace {

using Kinds = std::set<BuildNote::Kind>;

// `stored` is `source`, or what a build note allows: padded by one space, or cut short.
bool storedAs(const std::u16string& stored, const std::u16string& source, const Kinds& kinds)
{
    return stored == source || (kinds.count(BuildNote::Kind::Padded) && stored == source + u" ") ||
           (kinds.count(BuildNote::Kind::Cut) && !stored.empty() && stored.size() < source.size() &&
            source.starts_with(stored));
}

// The main file's dump, each line without its record number.
std::unordered_multiset<std::string> dumpedMainRecords(const std::filesystem::path& file)
{
    std::ostringstream out, err;
    EXPECT_EQ(runDumpCommand({file.string()}, out, err), exitOk) << err.str();
    std::unordered_multiset<std::string> lines;
    std::istringstream in(out.str());
    for (std::string line; std::getline(in, line);) lines.insert(line.substr(line.find(", ") + 2));
    return lines;
}

}  // namespace

// Every entry of both Debian FreeDict databases, imported, built and written,
// is found by the program's own lookup and shown by dump with the texts the
// importer gave, changed only as a build note says.
TEST(FreeDict, EveryEntryRoundTripsThroughTheFilesDumpAndLookup)
{
    for (const std::string pair : {"eng-por", "por-eng"}) {
        const std::string base = "/usr/share/dictd/freedict-" + pair;
        if (!std::filesystem::exists(base + ".index"))
            GTEST_SKIP() << "the FreeDict packages are not installed (scripts/ensure-packages)";
        const auto entries = importDictdFiles(core::pathFromText(base + ".index"),
                                              core::pathFromText(base + ".dict.dz"));
        const BuiltDictionary built = buildDictionary(entries);
        testsupport::TempFolder folder;
        writeDictionary(built, folder.path(), pair);
        auto dumped = dumpedMainRecords(folder / (pair + ".qlc"));

        std::map<std::size_t, Kinds> kindsOf;
        for (const BuildNote& note : built.notes) kindsOf[note.origin].insert(note.kind);
        core::SharedState state;
        core::catalogueField(state.dictionaryTable[0], core::CatalogueField::AlignedDetails) =
            std::u16string(1, u'S');
        dictionary::DictionaryFiles files;
        ASSERT_TRUE(files.open(folder.path(), core::fromUtf8(pair)).empty());
        for (const SourceEntry& entry : entries) {
            const Kinds& kinds = kindsOf[entry.origin];
            if (kinds.count(BuildNote::Kind::Skipped))
                continue;
            SCOPED_TRACE(pair + ": " + core::toUtf8(entry.headword));
            const core::LookupResult hit =
                dictionary::LookupWord(files, state, entry.headword, true);
            ASSERT_TRUE(hit.found);
            EXPECT_TRUE(storedAs(hit.translation, entry.translation, kinds));
            EXPECT_TRUE(storedAs(hit.details, entry.details, kinds) ||
                        (kinds.count(BuildNote::Kind::Cut) && hit.details == hit.translation));
            std::string record = "\"term\": " + jsonString(entry.headword);
            record += ", \"body\": " + jsonString(hit.translation) + "}";
            const auto line = dumped.find(record);
            ASSERT_NE(line, dumped.end());
            dumped.erase(line);
        }
        EXPECT_TRUE(dumped.empty()) << dumped.size() << " records match no entry";
    }
}

}  // namespace quillet::tool
