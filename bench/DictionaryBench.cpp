// Word lookup on the FreeDict English-Portuguese set and on a synthetic set of
// 1,000,000 headwords, both built with the tool's library, the opening of
// either set, and the build of the FreeDict set itself. The sets are written
// under the build folder (bench-data/); the synthetic one is kept between runs.

#include "DictdImporter.h"
#include "DictionaryBuilder.h"

#include "core/SharedState.h"
#include "dictionary/Decoder.h"
#include "dictionary/DictionaryFiles.h"
#include "dictionary/Lookup.h"

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <unordered_set>
#include <vector>

namespace {

using namespace quillet;

const std::string kIndex = "/usr/share/dictd/freedict-eng-por.index";
const std::string kData = "/usr/share/dictd/freedict-eng-por.dict.dz";
const std::filesystem::path kDataFolder = QUILLET_BENCH_DATA_FOLDER;
constexpr std::size_t kSyntheticCount = 1'000'000;

struct OpenSet
{
    core::SharedState state;
    dictionary::DictionaryFiles files;
    std::vector<std::u16string> hits;
    std::vector<std::u16string> misses;
    std::string problem;
};

// Every 7th headword hits (7 and the block size share no factor, so the hits
// lie at every place of a block); the same with "9q" appended misses after a
// scan of the block where it would lie. Every answer is checked.
void openSet(OpenSet& set, const std::string& stem)
{
    set.state.dictionaryTable[0][5] = std::u16string(1, u'S');
    if (!set.files.open(kDataFolder, std::u16string(stem.begin(), stem.end())).empty()) {
        set.problem = "cannot open " + stem;
        return;
    }
    dictionary::RecordFile& main = set.files.main();
    for (std::int32_t r = 1; r <= main.recordCount(); r += 7) {
        dictionary::EntryRecord record;
        main.read(r, record);
        std::u16string word = dictionary::DecodeField(record.term);
        std::u16string miss = word;
        miss.append(u"9q");
        set.misses.push_back(std::move(miss));
        set.hits.push_back(std::move(word));
    }
}

OpenSet& freeDict()
{
    static const std::unique_ptr<OpenSet> set = [] {
        auto opened = std::make_unique<OpenSet>();
        if (!std::filesystem::exists(kIndex)) {
            opened->problem = "dict-freedict-eng-por is not installed";
            return opened;
        }
        tool::writeDictionary(tool::buildDictionary(tool::importDictdFiles(kIndex, kData)),
                              kDataFolder, "engpor");
        openSet(*opened, "engpor");
        return opened;
    }();
    return *set;
}

// Random lower-case words of 4 to 12 letters, each with a short translation
// and a note, so every record is as full as a real one.
OpenSet& synthetic()
{
    static const std::unique_ptr<OpenSet> set = [] {
        auto opened = std::make_unique<OpenSet>();
        if (!std::filesystem::exists(kDataFolder / "synthetic.qlc")) {
            std::mt19937 random(20070115);
            std::uniform_int_distribution<int> length(4, 12);
            std::uniform_int_distribution<int> letter(0, 25);
            std::unordered_set<std::u16string> seen;
            std::vector<tool::SourceEntry> entries;
            entries.reserve(kSyntheticCount);
            while (entries.size() < kSyntheticCount) {
                std::u16string word(static_cast<std::size_t>(length(random)), u'a');
                for (char16_t& c : word) c = static_cast<char16_t>(u'a' + letter(random));
                if (!seen.insert(word).second)
                    continue;
                std::u16string translation = u"tradução de ";
                translation.append(word);
                std::u16string note = word;
                note.append(u" <s>\n1. nota");
                entries.push_back({word, translation, note, entries.size() + 1});
            }
            tool::writeDictionary(tool::buildDictionary(entries), kDataFolder, "synthetic");
        }
        openSet(*opened, "synthetic");
        return opened;
    }();
    return *set;
}

void lookup(benchmark::State& state, OpenSet& set, const std::vector<std::u16string>& words,
            bool expectFound, bool wantDetails = true)
{
    if (!set.problem.empty()) {
        state.SkipWithError(set.problem.c_str());
        return;
    }
    std::size_t next = 0;
    std::size_t wrong = 0;
    for (auto _ : state) {
        const core::LookupResult result =
            dictionary::LookupWord(set.files, set.state, words[next], wantDetails);
        wrong += result.found != expectFound;
        benchmark::DoNotOptimize(result.translation.data());
        next = next + 1 == words.size() ? 0 : next + 1;
    }
    if (wrong != 0)
        state.SkipWithError("a lookup gave the wrong answer");
}

void BM_LookupHit_FreeDict(benchmark::State& state)
{
    lookup(state, freeDict(), freeDict().hits, true);
}
void BM_LookupMiss_FreeDict(benchmark::State& state)
{
    lookup(state, freeDict(), freeDict().misses, false);
}
void BM_LookupHit_Synthetic1M(benchmark::State& state)
{
    lookup(state, synthetic(), synthetic().hits, true);
}
void BM_LookupMiss_Synthetic1M(benchmark::State& state)
{
    lookup(state, synthetic(), synthetic().misses, false);
}
// Without the details note, which lies in a 512-byte record of a second file.
void BM_LookupHitNoDetails_FreeDict(benchmark::State& state)
{
    lookup(state, freeDict(), freeDict().hits, true, false);
}
void BM_LookupHitNoDetails_Synthetic1M(benchmark::State& state)
{
    lookup(state, synthetic(), synthetic().hits, true, false);
}

// Drops a set's files from the page cache, as after a reboot. Pages another
// mapping holds stay, so the benchmark's own open set is closed first.
void evict(const std::string& stem)
{
    for (const char* extension : {".qlc", ".ind", ".pdt"}) {
        const int handle = ::open((kDataFolder / (stem + extension)).c_str(), O_RDONLY);
        if (handle >= 0) {
            ::posix_fadvise(handle, 0, 0, POSIX_FADV_DONTNEED);
            ::close(handle);
        }
    }
}

// What activating a catalogue row costs: the files opened (the index order
// checked), then, unless `lookups` is 0, that many first lookups on the fresh
// files (hits with details, their pages not yet touched by this process).
// Cold: the files are first dropped from the page cache.
void activate(benchmark::State& state, OpenSet& set, const std::string& stem,
              dictionary::RecordFile::Mode mode, bool cold, int lookups)
{
    if (!set.problem.empty()) {
        state.SkipWithError(set.problem.c_str());
        return;
    }
    if (cold)
        set.files.close();
    dictionary::DictionaryFiles files(mode);
    std::size_t next = 0;
    std::size_t wrong = 0;
    for (auto _ : state) {
        state.PauseTiming();
        files.close();
        if (cold)
            evict(stem);
        state.ResumeTiming();
        wrong += !files.open(kDataFolder, std::u16string(stem.begin(), stem.end())).empty();
        for (int i = 0; i < lookups; ++i) {
            next = (next + 7919) % set.hits.size();  // far from the last, so its pages are new
            wrong += !dictionary::LookupWord(files, set.state, set.hits[next], true).found;
        }
    }
    if (wrong != 0)
        state.SkipWithError("an open or a lookup failed");
}

using Mode = dictionary::RecordFile::Mode;
void BM_Open_FreeDict(benchmark::State& state)
{
    activate(state, freeDict(), "engpor", Mode::ReadOnly, false, 0);
}
void BM_Open_Synthetic1M(benchmark::State& state)
{
    activate(state, synthetic(), "synthetic", Mode::ReadOnly, false, 0);
}
// The files read whole, as before they were mapped.
void BM_OpenReadWhole_FreeDict(benchmark::State& state)
{
    activate(state, freeDict(), "engpor", Mode::ReadOnlyCopy, false, 0);
}
void BM_OpenReadWhole_Synthetic1M(benchmark::State& state)
{
    activate(state, synthetic(), "synthetic", Mode::ReadOnlyCopy, false, 0);
}
void BM_OpenAndFirstLookup_FreeDict(benchmark::State& state)
{
    activate(state, freeDict(), "engpor", Mode::ReadOnly, false, 1);
}
void BM_OpenAndFirstLookup_Synthetic1M(benchmark::State& state)
{
    activate(state, synthetic(), "synthetic", Mode::ReadOnly, false, 1);
}
void BM_ColdOpenAndFirstLookup_FreeDict(benchmark::State& state)
{
    activate(state, freeDict(), "engpor", Mode::ReadOnly, true, 1);
}
void BM_ColdOpenAndFirstLookup_Synthetic1M(benchmark::State& state)
{
    activate(state, synthetic(), "synthetic", Mode::ReadOnly, true, 1);
}

void BM_Build_FreeDict(benchmark::State& state)
{
    if (!std::filesystem::exists(kIndex)) {
        state.SkipWithError("dict-freedict-eng-por is not installed");
        return;
    }
    for (auto _ : state)
        tool::writeDictionary(tool::buildDictionary(tool::importDictdFiles(kIndex, kData)),
                              kDataFolder, "buildbench");
}

BENCHMARK(BM_LookupHit_FreeDict)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_LookupMiss_FreeDict)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_LookupHit_Synthetic1M)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_LookupMiss_Synthetic1M)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_LookupHitNoDetails_FreeDict)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_LookupHitNoDetails_Synthetic1M)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_Open_FreeDict)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_Open_Synthetic1M)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_OpenAndFirstLookup_FreeDict)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_OpenAndFirstLookup_Synthetic1M)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_OpenReadWhole_FreeDict)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_OpenReadWhole_Synthetic1M)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
// These close the shared open sets, so they run last.
BENCHMARK(BM_ColdOpenAndFirstLookup_FreeDict)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(20)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_ColdOpenAndFirstLookup_Synthetic1M)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(20)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_Build_FreeDict)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
