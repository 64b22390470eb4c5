// The sentence sets of the logical-analysis exercise and the rule that judges them.
//
// A sentence set is a sentence cut into chunks, one chunk per row (rows 1 to 8), each chunk
// with the catalogue index of its role as answer key. Chunks fill rows 1 to n (n is 3 or 4) and
// are stored as the pupil sees them, not cut out of the sentence. Judging compares a role box's
// selection index with its row's key and nothing else; the two places of the duplicated
// catalogue entry count as the same role.
#pragma once

#include "content/roles.h"

#include <array>
#include <optional>
#include <string_view>

namespace content {

inline constexpr int rowCount = 8;

struct Row {
    std::string_view chunk; // empty in a row without a chunk
    std::optional<int> key; // a catalogue index; none exactly when the chunk is empty
};

struct SentenceSet {
    std::string_view sentence;
    std::array<Row, rowCount> rows;

    // The number of chunks: the keyed rows are rows 1 to chunkCount().
    constexpr int chunkCount() const {
        int n = 0;
        while (n < rowCount && rows[n].key)
            ++n;
        return n;
    }
    // Row numbers count from 1, as the rows on screen do.
    constexpr const Row& row(int number) const { return rows[number - 1]; }
};

inline constexpr SentenceSet firstSet{
    "La capra divora le foglie delle piante",
    {{{"La Capra", 0}, {"divora", 1}, {"le foglie", 4}, {"delle piante", 13}}},
};

inline constexpr SentenceSet secondSet{
    "Il nome di madre conferisce dignit\u00e0",
    {{{"Il nome", 0}, {"di madre", 24}, {"conferisce", 1}, {"dignit\u00e0", 4}}},
};

inline constexpr SentenceSet thirdSet{
    "Lorenzo de' Medici fu soprannominato il Magnifico",
    {{{"Lorenzo de'Medici", 0}, {"fu soprannominato", 1}, {"il Magnifico", 20}}},
};

// The trailing blank of this sentence is part of it.
inline constexpr SentenceSet fourthSet{
    "La mamma \u00e8 uscita a comprare le mele ",
    {{{"La mamma", 0}, {"\u00e8 uscita a comprare", 1}, {"le mele", 4}}},
};

namespace checks {

// Three or four chunks in the first rows; a key exactly where there is a chunk; every key a
// catalogue index.
constexpr bool isWellFormed(const SentenceSet& set) {
    const int n = set.chunkCount();
    if (n < 3 || n > 4)
        return false;
    for (int number = 1; number <= rowCount; ++number) {
        const Row& row = set.row(number);
        if (row.key.has_value() == row.chunk.empty() || row.key.has_value() != (number <= n))
            return false;
        if (row.key && !isCatalogueIndex(*row.key))
            return false;
    }
    return true;
}

} // namespace checks

static_assert(checks::isWellFormed(firstSet));
static_assert(checks::isWellFormed(secondSet));
static_assert(checks::isWellFormed(thirdSet));
static_assert(checks::isWellFormed(fourthSet));

enum class Verdict { NotJudged, Right, Wrong };

// Judges one row given the selection index of its role box (-1: nothing picked). A row without
// a key is not judged; otherwise the pick is right when it names the key's role.
constexpr Verdict judgeRow(const SentenceSet& set, int row, int selection) {
    if (row < 1 || row > rowCount || !set.row(row).key)
        return Verdict::NotJudged;
    return sameRole(selection, *set.row(row).key) ? Verdict::Right : Verdict::Wrong;
}

} // namespace content
