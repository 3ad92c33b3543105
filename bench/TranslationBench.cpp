// The whole translation routine on a real dictionary: one captured word from
// the waiting text to the final line. Needs an application folder built by
// scripts/build-dictionaries (row 0 English-Portuguese); QUILLET_APP_FOLDER
// overrides the default one in the build folder.

#include "core/Messages.h"
#include "core/SharedState.h"
#include "core/Utf8.h"
#include "dictionary/Catalogue.h"
#include "dictionary/DictionaryFiles.h"
#include "dictionary/Lookup.h"
#include "translation/ResultDisplay.h"
#include "translation/Translator.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace {

using namespace quillet;

class NullView : public translation::DetailsView
{
public:
    void setDetailsText(std::u16string_view text) override { benchmark::DoNotOptimize(text); }
    void setPossibilityTerm(int, std::u16string_view term) override
    {
        benchmark::DoNotOptimize(term);
    }
    void setPossibilityTranslation(int, std::u16string_view text) override
    {
        benchmark::DoNotOptimize(text);
    }
};

struct OpenDictionary
{
    core::SharedState state;
    dictionary::DictionaryFiles files;
    bool usable = false;
};

std::filesystem::path appFolder()
{
    if (const char* folder = std::getenv("QUILLET_APP_FOLDER"))
        return folder;
    return QUILLET_BENCH_APP_FOLDER;
}

OpenDictionary& englishPortuguese()
{
    static const std::unique_ptr<OpenDictionary> opened = [] {
        auto dictionary = std::make_unique<OpenDictionary>();
        auto& state = dictionary->state;
        const auto folder = appFolder();
        state.interfaceLanguage = 1;
        core::loadMessages(state);
        state.appFolder = core::fromUtf8((folder / "").string());
        state.activeDictionary = 0;
        if (!std::filesystem::is_directory(folder) ||
            !dictionary::LoadDictionaryCatalogue(state, folder).usable ||
            state.activeDictionary != 0)
            return dictionary;
        dictionary->usable =
            dictionary::OpenDictionaryFiles(dictionary->files, state).failures.empty();
        return dictionary;
    }();
    return *opened;
}

void translateWord(benchmark::State& benchState, const char16_t* word, int expectedLookups)
{
    auto& dictionary = englishPortuguese();
    if (!dictionary.usable) {
        benchState.SkipWithError(
            "no English-Portuguese application folder (scripts/build-dictionaries)");
        return;
    }
    NullView view;
    translation::ResultDisplay display(dictionary.state, view);
    int lookups = 0;
    const translation::WordLookup lookup = [&](std::u16string_view candidate, bool wantDetails) {
        ++lookups;
        return dictionary::LookupWord(dictionary.files, dictionary.state, candidate, wantDetails);
    };
    for (auto _ : benchState) {
        std::u16string searchText = word;
        benchmark::DoNotOptimize(
            translation::translateSearchText(searchText, dictionary.state, lookup, display));
    }
    benchState.counters["lookups"] =
        static_cast<double>(lookups) / static_cast<double>(benchState.iterations());
    if (expectedLookups > 0 &&
        lookups != expectedLookups * static_cast<int>(benchState.iterations()))
        benchState.SkipWithError("unexpected number of lookups");
}

void BM_TranslateHouses(benchmark::State& state)
{
    translateWord(state, u"houses", 0);
}
void BM_TranslateRunning(benchmark::State& state)
{
    translateWord(state, u"running", 0);
}
// 19 characters found nowhere: direct, the -d ending, the -ed chain, the re-
// prefix, then both passes down to 3 characters (16 + 16).
void BM_TranslateWorstCase(benchmark::State& state)
{
    translateWord(state, u"rezqxzqxzqxzqxzqxed", 1 + 1 + 3 + 1 + 32);
}

BENCHMARK(BM_TranslateHouses)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly();
BENCHMARK(BM_TranslateRunning)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly();
BENCHMARK(BM_TranslateWorstCase)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly();

}  // namespace

BENCHMARK_MAIN();
