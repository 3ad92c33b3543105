#pragma once
// A word lookup over a small map that behaves like the dictionary's lookup
// (translation and details into the shared state) and records every call.

#include "core/SharedState.h"
#include "translation/Translator.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace quillet::translation::testing {

class FakeDictionary
{
public:
    explicit FakeDictionary(core::SharedState& state) : m_state(state) {}

    void add(std::u16string word, std::u16string translation, std::u16string details = {})
    {
        m_entries[std::move(word)] = {std::move(translation), std::move(details)};
    }

    // Every word is found, translated as "T(word)" with details "D(word)".
    void findEverything() { m_findsEverything = true; }

    bool lookup(std::u16string_view word, bool wantDetails)
    {
        m_calls.emplace_back(word, wantDetails);
        m_state.lastDetails.clear();
        m_state.lastTranslation.clear();
        std::u16string translation;
        std::u16string details;
        if (m_findsEverything) {
            translation = u"T(" + std::u16string(word) + u")";
            details = u"D(" + std::u16string(word) + u")";
        } else {
            const auto entry = m_entries.find(std::u16string(word));
            if (entry == m_entries.end()) {
                return false;
            }
            translation = entry->second.first;
            details = entry->second.second;
        }
        m_state.lastTranslation = translation;
        m_state.lastDetails = (wantDetails && !details.empty()) ? details : translation;
        return true;
    }

    WordLookup asLookup()
    {
        return [this](std::u16string_view word, bool wantDetails) {
            return lookup(word, wantDetails);
        };
    }

    std::vector<std::u16string> words() const
    {
        std::vector<std::u16string> result;
        for (const auto& call : m_calls) {
            result.push_back(call.first);
        }
        return result;
    }
    const std::vector<std::pair<std::u16string, bool>>& calls() const { return m_calls; }
    void forgetCalls() { m_calls.clear(); }

private:
    core::SharedState& m_state;
    std::map<std::u16string, std::pair<std::u16string, std::u16string>> m_entries;
    std::vector<std::pair<std::u16string, bool>> m_calls;
    bool m_findsEverything = false;
};

}  // namespace quillet::translation::testing
