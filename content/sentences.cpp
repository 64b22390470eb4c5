#include "content/sentences.h"

#include "content/roles.h"

#include <algorithm>

namespace content {

const SentenceSet* sentenceSetOf(std::string_view windowKind) {
    const auto* found = std::ranges::find(sentenceKinds, windowKind, &SentenceKind::windowKind);
    return found == sentenceKinds.end() ? nullptr : &found->set;
}

Verdict judgeRow(const SentenceSet& set, int row, int selection) {
    if (row < 1 || row > rowCount || !set.row(row).key)
        return Verdict::NotJudged;
    return sameRole(selection, *set.row(row).key) ? Verdict::Right : Verdict::Wrong;
}

std::array<Verdict, rowCount> judgeSet(const SentenceSet& set,
                                       const std::array<int, rowCount>& selections) {
    std::array<Verdict, rowCount> verdicts{};
    for (int row = 1; row <= rowCount; ++row)
        verdicts[row - 1] = judgeRow(set, row, selections[row - 1]);
    return verdicts;
}

} // namespace content
