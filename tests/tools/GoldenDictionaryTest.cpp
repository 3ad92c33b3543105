// A small dictionary built by the tool from tests/data/golden/en-pt.tsv is
// committed beside it. Building it again must give the same bytes, so a change
// of the cipher tables, the encoder, the record layouts or the builder's
// choices cannot pass unseen; and the program's lookup must answer every source
// line from the committed files, mapped and read whole.
// After a deliberate change of the format, rebuild them and commit the result:
//   build/default/tools/quillet-dict build --tsv tests/data/golden/en-pt.tsv
//       --out tests/data/golden --stem en-pt   (one command line)
//   rm tests/data/golden/en-pt.d?u     # the empty user files are not golden

#include "DictionaryBuilder.h"
#include "TsvReader.h"

#include "core/CatalogueFields.h"
#include "core/Utf8.h"
#include "dictionary/DictionaryFiles.h"
#include "dictionary/Lookup.h"
#include "support/TempFolder.h"
#include "support/TestDictionary.h"

#include <gtest/gtest.h>

#include <map>

namespace quillet::tool {
namespace {

using testsupport::readFile;
const std::filesystem::path kGolden = std::filesystem::path(QUILLET_TEST_DATA) / "golden";
const std::string kExtensions[] = {".qlc", ".ind", ".pdt"};

}  // namespace

TEST(GoldenDictionary, TheToolBuildsTheCommittedFilesByteForByte)
{
    const BuiltDictionary built = buildDictionary(readTsvFile((kGolden / "en-pt.tsv").string()));
    testsupport::TempFolder folder;
    writeDictionary(built, folder.path(), "en-pt");
    for (const std::string& extension : kExtensions)
        EXPECT_TRUE(readFile(folder / ("en-pt" + extension)) ==
                    readFile(kGolden / ("en-pt" + extension)))
            << extension << " differs from the committed file";
    std::string notes;
    for (const BuildNote& note : built.notes)
        notes += std::to_string(note.origin) + kindName(note.kind) + " ";
    // clang-format off
    EXPECT_EQ(notes, "2skipped 3padded 8duplicate 10skipped 11cut 12skipped 13cut 19skipped 20skipped 32cut ");
    // clang-format on
}

TEST(GoldenDictionary, CommittedFilesAnswerEverySourceLine)
{
    testsupport::TempFolder folder;
    for (const std::string& extension : kExtensions)
        std::filesystem::copy_file(kGolden / ("en-pt" + extension), folder / ("en-pt" + extension));
    core::SharedState state;
    core::catalogueField(state.dictionaryTable[0], core::CatalogueField::AlignedDetails) = u"S";
    dictionary::DictionaryFiles mapped, copied(dictionary::RecordFile::Mode::ReadOnlyCopy);
    ASSERT_TRUE(mapped.open(folder.path(), u"en-pt").empty() &&
                copied.open(folder.path(), u"en-pt").empty());

    // "translation|details" where the build changed a line; "-": not found.
    std::u16string night = u"night <s>";
    for (int line = 0; line < 17; ++line) night += u"\n1. noite, escuridão, trevas";
    const std::u16string house =
        u"casa, lar, moradia, residência, habitação, domicílio, vivenda, "
        u"morada, abrigo, teto, lareira, família, dinastia";
    // clang-format off
    const std::map<std::u16string, std::u16string> changed = {
        {u"a", u"-"}, {u"and", u"e |e "}, {u"bank", u"banco|banco"}, {std::u16string(121, u'v'), u"-"},
        {u"house", house + u"|" + house}, {u"omega", u"-"}, {u"cat", u"gato|gato"}, {u"  ", u"-"},
        {u"empty", u"-"}, {u"night", u"noite|" + night}, {u"path", u"caminho|C:\\path\\to, a\\n is no line break"}};
    // clang-format on
    for (const SourceEntry& entry : readTsvFile((kGolden / "en-pt.tsv").string())) {
        const auto found = changed.find(entry.headword);
        const std::u16string expected =
            found != changed.end()
                ? found->second
                : entry.translation + u"|" +
                      (entry.details.empty() ? entry.translation : entry.details);
        for (dictionary::DictionaryFiles* files : {&mapped, &copied}) {
            const core::LookupResult hit =
                dictionary::LookupWord(*files, state, entry.headword, true);
            EXPECT_EQ(hit.found ? hit.translation + u"|" + hit.details : u"-", expected)
                << core::toUtf8(entry.headword);
        }
    }
}

}  // namespace quillet::tool
