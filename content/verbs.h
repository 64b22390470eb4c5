// The verb items of the infinitive exercise and the rule that judges a typed answer.
//
// Each item pairs a conjugated form, shown as the prompt beside its answer box, with the
// infinitive the pupil must type. An answer is right only when it is the very same text:
// same length, same character at every position, no case folding, trimming or normalisation.
#pragma once

#include <array>
#include <string_view>

namespace content {

struct VerbItem {
    std::string_view prompt;     // shown beside the answer box, blanks included
    std::string_view infinitive; // the one right answer
};

inline constexpr std::array<VerbItem, 4> verbItems{{
    {"Cossi       =", "cuocere"},
    {"Andassimo  =", "andare"},
    {"Uscimmo =", "uscire"},
    {"Andaste = ", "andare"},
}};

// `typed` is the whole text of the answer box in UTF-8.
constexpr bool isRightInfinitive(const VerbItem& item, std::string_view typed) {
    return typed == item.infinitive;
}

} // namespace content
