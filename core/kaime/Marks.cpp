#include "core/kaime/Marks.h"

#include <algorithm>

#include "core/odds/OddsTable.h"
#include "core/race/JvRecord.h"

namespace marovix {
namespace {

int horseOf(const RaceCard26Grid& card, int row) { return lenientInt(card.cell(Card26Col::Uma, row)); }

bool rankGivesMark(const MarkStrategy& strategy, const IndexRanks& ranks, int mark, int horse) {
    const int index = strategy.index[static_cast<std::size_t>(mark)];
    if (index < 0 || index >= static_cast<int>(MarkIndex::Count)) return false;
    const int rank = ranks[static_cast<std::size_t>(index)][static_cast<std::size_t>(horse)];
    return rank > 0 && rank <= 18 && strategy.ranks[static_cast<std::size_t>(mark)][static_cast<std::size_t>(rank)];
}

bool preMarked(std::string_view line, int mark, int horse) {
    const std::size_t at = static_cast<std::size_t>(3 * (horse - 1) + mark);
    return at < line.size() && line[at] == '1';
}

}  // namespace

Card26Col markColumn(int mark) { return static_cast<Card26Col>(static_cast<int>(Card26Col::Mark1) + mark); }

bool isMarked(const RaceCard26Grid& card, Card26Col column, int row) { return !card.cell(column, row).empty(); }

IndexRanks indexRanks(const RunnerIndexes& indexes, const WinPlaceOdds& odds) {
    IndexRanks ranks{};
    for (std::size_t h = 1; h < ranks[0].size(); ++h) {
        ranks[static_cast<std::size_t>(MarkIndex::TanPop)][h] = odds.TanPop[h];
        ranks[static_cast<std::size_t>(MarkIndex::DMRank)][h] = indexes.DMRank[h];
        ranks[static_cast<std::size_t>(MarkIndex::TMRank)][h] = indexes.TMRank[h];
        ranks[static_cast<std::size_t>(MarkIndex::CompiRank)][h] = indexes.CompiRank[h];
        ranks[static_cast<std::size_t>(MarkIndex::OwnIndex1)][h] = indexes.OwnIndex1[h];
        ranks[static_cast<std::size_t>(MarkIndex::OwnIndex2)][h] = indexes.OwnIndex2[h];
    }
    return ranks;
}

void setMarks(RaceCard26Grid& card, MarkMode mode, const MarkStrategy& strategy, const MarkRace& race) {
    if (race.registered <= 4) return;
    for (int mark = 0; mark < kMarkCount; ++mark) setMarkColumn(card, mark, false);
    if (mode != MarkMode::IndexRanks && mode != MarkMode::PreMarked) return;
    const int last = std::min(race.registered, card.rowCount() - 1);
    for (int row = 1; row <= last; ++row) {
        const int horse = horseOf(card, row);
        if (horse <= 0 || horse > 18) continue;
        for (int mark = 0; mark < kMarkCount; ++mark) {
            const bool on = mode == MarkMode::IndexRanks
                                ? rankGivesMark(strategy, race.ranks, mark, horse)
                                : preMarkedModeMark(strategy, race.ranks, race.umaSetLine, mark, horse);
            if (on) card.setCell(markColumn(mark), row, kMarkText);
        }
    }
}

bool preMarkedModeMark(const MarkStrategy& strategy, const IndexRanks& ranks, std::string_view umaSetLine, int mark,
                       int horse) {
    return strategy.borrowIndex[static_cast<std::size_t>(mark)] ? rankGivesMark(strategy, ranks, mark, horse)
                                                                : preMarked(umaSetLine, mark, horse);
}

void setMarkColumn(RaceCard26Grid& card, int mark, bool on) {
    if (mark < 0 || mark >= kMarkCount) return;
    for (int row = 1; row < card.rowCount(); ++row) card.setCell(markColumn(mark), row, on ? kMarkText : "");
}

bool toggleMark(RaceCard26Grid& card, int column, int row) {
    const int mark = column - RaceCard26Grid::index(Card26Col::Mark1);
    if (mark < 0 || mark >= kMarkCount || row < 1 || row >= card.rowCount() || horseOf(card, row) <= 0) return false;
    const Card26Col cell = markColumn(mark);
    card.setCell(cell, row, isMarked(card, cell, row) ? "" : kMarkText);
    return true;
}

}  // namespace marovix
