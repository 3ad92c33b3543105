#include "translation/Translator.h"

#include "core/TextUtil.h"

#include <exception>
#include <initializer_list>

namespace quillet::translation {

namespace {

constexpr std::u16string_view kPunctuation = u"!@#$'%&*()-=_+[]{}^~\\|:/?<>,.;";
static_assert(kPunctuation.size() == 30);

constexpr std::size_t kMinimumBaseLength = 3;
constexpr std::size_t kEnglishTruncationMinimum = 3;
constexpr std::size_t kPortugueseTruncationMinimum = 4;

bool isPunctuation(char16_t c)
{
    return kPunctuation.find(c) != std::u16string_view::npos;
}

bool endsIn(std::u16string_view word, std::u16string_view ending)
{
    return word.size() >= ending.size() && word.substr(word.size() - ending.size()) == ending;
}

std::u16string minus(std::u16string_view word, std::size_t count, std::u16string_view added = {})
{
    std::u16string result(word.substr(0, word.size() - count));
    result.append(added);
    return result;
}

// Removes the first occurrence of `c`; true when there was one.
bool eraseFirst(std::u16string& word, char16_t c)
{
    const auto at = word.find(c);
    if (at == std::u16string::npos)
        return false;
    word.erase(at, 1);
    return true;
}

// One run of the cascade. Every lookup after the first asks for details only
// while nothing has been found, since only the main result shows them.
class Run
{
public:
    Run(const WordLookup& lookup, ResultDisplay& display) : m_lookup(lookup), m_display(display) {}

    bool stopped() const { return m_stopped; }

    // Looks `word` up and hands a hit to the display; true when found.
    bool tryForm(std::u16string_view word, HitKind kind = HitKind::Derived)
    {
        if (m_stopped)
            return false;
        const core::LookupResult hit = lookUp(word, !m_display.found());
        if (!hit.found)
            return false;
        if (m_display.recordHit(word, kind, hit.translation, hit.details) == HitAnswer::Stop)
            m_stopped = true;
        return true;
    }

    // Tries the candidates in order until one is found.
    void tryChain(std::initializer_list<std::u16string_view> candidates)
    {
        for (const auto candidate : candidates)
            if (tryForm(candidate) || m_stopped)
                return;
    }

    // When `base` ends in `ending`, tries it with the ending swapped for `replacement`.
    void tryEnding(std::u16string_view base, std::u16string_view ending,
                   std::u16string_view replacement = {})
    {
        if (endsIn(base, ending))
            tryForm(minus(base, ending.size(), replacement));
    }

    void englishEndings(std::u16string_view base);
    void portugueseEndings(std::u16string_view base);
    void truncations(std::u16string_view base, bool english);

private:
    core::LookupResult lookUp(std::u16string_view word, bool wantDetails)
    {
        try {
            return m_lookup(word, wantDetails);
        } catch (const std::exception&) {
            return {};
        }
    }

    const WordLookup& m_lookup;
    ResultDisplay& m_display;
    bool m_stopped = false;
};

void Run::englishEndings(std::u16string_view base)
{
    tryEnding(base, u"s");
    tryEnding(base, u"ies", u"y");
    tryEnding(base, u"es");
    tryEnding(base, u"d");
    if (endsIn(base, u"ed"))
        tryChain({minus(base, 2), minus(base, 3), minus(base, 3, u"y")});
    if (endsIn(base, u"ing")) {
        if (!tryForm(minus(base, 3)) && base.size() > 3)
            tryForm(minus(base, 4));
        tryForm(minus(base, 3, u"e"));
    }
    tryEnding(base, u"ly");
    tryEnding(base, u"able");
    tryEnding(base, u"less");
    tryEnding(base, u"er");
    if (base.starts_with(u"re"))
        tryForm(base.substr(2));
}

void Run::portugueseEndings(std::u16string_view base)
{
    tryEnding(base, u"s");
    tryEnding(base, u"ões", u"ão");
    tryEnding(base, u"l", u"is");
    tryEnding(base, u"es");
    tryEnding(base, u"m");
    tryEnding(base, u"em");
    tryEnding(base, u"mente");
}

void Run::truncations(std::u16string_view base, bool english)
{
    const std::size_t minimum = english ? kEnglishTruncationMinimum : kPortugueseTruncationMinimum;
    for (std::size_t length = base.size() - 1; length >= minimum && !m_stopped; --length) {
        const auto prefix = base.substr(0, length);
        // Only English skips forms already on screen, and only for prefixes.
        if (english && m_display.isShown(prefix))
            continue;
        tryForm(prefix);
    }
    for (std::size_t start = 1; base.size() - start >= minimum && !m_stopped; ++start)
        tryForm(base.substr(start));
}

}  // namespace

bool usesEnglishRules(std::int16_t activeDictionary)
{
    return activeDictionary == 0 || activeDictionary == 2;
}

std::u16string translateSearchText(std::u16string& searchText, const core::SharedState& state,
                                   const WordLookup& lookup, ResultDisplay& display)
{
    display.beginResultDisplay(searchText);
    Run run(lookup, display);
    std::u16string word = core::trimSpaces(searchText);

    // Text copied with its line break: the break goes, also from the quoted
    // text. A carriage return second to last cuts the last two units, whatever
    // the last is; a line copied on Linux ends with a line feed alone.
    std::size_t lineBreak = 0;
    if (word.size() >= 2 && word[word.size() - 2] == u'\r')
        lineBreak = 2;
    else if (!word.empty() && word.back() == u'\n')
        lineBreak = 1;
    if (lineBreak != 0) {
        word = core::trimSpaces(std::u16string_view(word).substr(0, word.size() - lineBreak));
        searchText = word;
        display.setSearchText(searchText);
    }

    run.tryForm(word, HitKind::Direct);

    // Normalisation: changes accumulate; a step's result is tried only when
    // that step changed the word.
    std::u16string base = word;
    if (!word.empty() && isPunctuation(word.front()))
        word.erase(0, 1);
    if (!word.empty() && isPunctuation(word.back()))
        word.pop_back();
    if (word != base)
        run.tryForm(word);
    for (const char16_t removed : {u'-', u'\'', u'"'})
        if (eraseFirst(word, removed))
            run.tryForm(word);

    base = word;
    if (base.size() >= kMinimumBaseLength && !run.stopped()) {
        const bool english = usesEnglishRules(state.activeDictionary);
        if (english)
            run.englishEndings(base);
        else
            run.portugueseEndings(base);
        run.truncations(base, english);
    }

    return display.finishResultDisplay();
}

}  // namespace quillet::translation
