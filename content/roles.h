// The role catalogue of the logical-analysis exercise: the 25 grammatical roles that every role
// box offers, in the order the answer keys count on. Plain data, no Qt.
//
// The order is content, not presentation: a role box lists the catalogue unsorted, so the
// selection index of a role box is the catalogue index of the picked entry. "Complemento
// Oggetto" stands twice (indexes 4 and 6); both places are entries of their own and are kept,
// since keys 13, 20 and 24 name entries after them.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace content {

inline constexpr std::array<std::string_view, 25> roleCatalogue = {
    "Soggetto",                             //  0
    "Predicato Verbale",                    //  1
    "Predicato Nominale",                   //  2
    "Copula",                               //  3
    "Complemento Oggetto",                  //  4
    "Complemento di Termine",               //  5
    "Complemento Oggetto",                  //  6
    "Complemento di Stato in Luogo",        //  7
    "Complemento di Moto a Luogo",          //  8
    "Complemento di Moto Attraverso Luogo", //  9
    "Complemento di Tempo",                 // 10
    "Complemento d'Agente",                 // 11
    "Complemento di Causa",                 // 12
    "Complemento di Specificazione",        // 13
    "Complemento di Fine",                  // 14
    "Complemento di Causa Efficente",       // 15
    "Complemento di Mezzo",                 // 16
    "complemento di Compagnia",             // 17
    "Complemento di Unione",                // 18
    "Complemento Predicativo dell'Oggetto", // 19
    "Complemento Predicativo del soggetto", // 20
    "complemento di Modo",                  // 21
    "Complemento di Argomento",             // 22
    "Complemento di Materia",               // 23
    "Complemento di Denominazione",         // 24
};

constexpr bool isCatalogueIndex(int index) {
    return index >= 0 && index < int(roleCatalogue.size());
}

// True when both indexes name catalogue entries that read exactly the same: the same entry, or
// the two places of "Complemento Oggetto". A pupil cannot tell those two apart on screen.
constexpr bool sameRole(int a, int b) {
    return isCatalogueIndex(a) && isCatalogueIndex(b) && roleCatalogue[a] == roleCatalogue[b];
}

namespace checks {

constexpr bool onlyEntriesFourAndSixReadTheSame() {
    for (std::size_t i = 0; i < roleCatalogue.size(); ++i)
        for (std::size_t j = i + 1; j < roleCatalogue.size(); ++j)
            if ((roleCatalogue[i] == roleCatalogue[j]) != (i == 4 && j == 6))
                return false;
    return true;
}

// ASCII letters, single blanks and plain apostrophes, no blank at either end.
constexpr bool isPlainEntry(std::string_view entry) {
    if (entry.empty() || entry.front() == ' ' || entry.back() == ' ' ||
        entry.find("  ") != std::string_view::npos)
        return false;
    for (char c : entry)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == ' ' || c == '\''))
            return false;
    return true;
}

constexpr bool everyEntryIsPlain() {
    for (std::string_view entry : roleCatalogue)
        if (!isPlainEntry(entry))
            return false;
    return true;
}

} // namespace checks

static_assert(checks::onlyEntriesFourAndSixReadTheSame(),
              "only entries 4 and 6 of the catalogue may read the same");
static_assert(checks::everyEntryIsPlain(), "a catalogue entry has a stray character or blank");

} // namespace content
