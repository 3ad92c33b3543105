#pragma once
// What one word lookup gives back: the dictionary's answer travels to the
// translation routine and the editor as this value, not through shared state.

#include <string>

namespace quillet::core {

struct LookupResult
{
    bool found = false;
    std::u16string translation;  // empty when not found
    std::u16string details;      // the note shown in the details window
};

}  // namespace quillet::core
