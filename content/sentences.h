// The sentence sets of the logical-analysis exercise and the rule that judges them.
//
// A sentence set is a sentence cut into chunks, one chunk per row (rows 1 to 8), each chunk
// with the catalogue index of its role as answer key. Chunks fill rows 1 to n (n is 3 or 4) and
// are stored as the pupil sees them, not cut out of the sentence. Each sentence window kind
// carries one set. Judging compares a role box's selection index with its row's key and
// nothing else; the two places of the duplicated catalogue entry count as the same role.
#pragma once

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
    // Row numbers count from 1, as the boxes Text1/Combo1 … Text8/Combo8 do.
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

struct SentenceKind {
    std::string_view windowKind;
    const SentenceSet& set;
};

// Which window kind carries which set, in the order of the sentence menu.
inline constexpr std::array<SentenceKind, 4> sentenceKinds{{
    {"primo", firstSet},
    {"Secondo", secondSet},
    {"terzoo", thirdSet},
    {"quarto", fourthSet},
}};

// The set that a sentence window kind carries, or nullptr for any other name.
const SentenceSet* sentenceSetOf(std::string_view windowKind);

enum class Verdict { NotJudged, Right, Wrong };

// Judges one row given the selection index of its role box (-1: nothing picked). A row without
// a key is not judged; otherwise the pick is right when it names the key's role.
Verdict judgeRow(const SentenceSet& set, int row, int selection);

// Judges rows 1 to 8, each by itself.
std::array<Verdict, rowCount> judgeSet(const SentenceSet& set,
                                       const std::array<int, rowCount>& selections);

} // namespace content
