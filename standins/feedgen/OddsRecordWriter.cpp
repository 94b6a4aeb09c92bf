#include "standins/feedgen/OddsRecordWriter.h"

#include <string>

#include "standins/feedgen/CombinationTable.h"

namespace marovix::feedgen {
namespace {

// The layout of one list of entries in an odds record.
struct EntryLayout {
    BetKind kind;
    int start;        // position of entry 1
    int stride;       // bytes per entry
    int numberWidth;  // combination number (or horse number)
    int oddsWidth;
    int highWidth;  // 0: no upper end
    int popularityWidth;
    int totalPosition;  // the pool's vote total (11 digits)
};

constexpr EntryLayout kWin{BetKind::Win, 44, 8, 2, 4, 0, 2, 928};
constexpr EntryLayout kPlace{BetKind::Place, 268, 12, 2, 4, 4, 2, 939};
constexpr EntryLayout kBracket{BetKind::Bracket, 604, 9, 2, 5, 0, 2, 950};
constexpr EntryLayout kRecordLists[6] = {
    kBracket,  // O1 holds win and place too
    {BetKind::Quinella, 41, 13, 4, 6, 0, 3, 2030},
    {BetKind::Wide, 41, 17, 4, 5, 5, 3, 2642},
    {BetKind::Exacta, 41, 13, 4, 6, 0, 3, 4019},
    {BetKind::Trio, 41, 15, 6, 6, 0, 3, 12281},
    {BetKind::Trifecta, 41, 17, 6, 7, 0, 4, 83273},
};
constexpr const char* kTypes[6] = {"O1", "O2", "O3", "O4", "O5", "O6"};

const std::vector<Combination>& combinationsOf(BetKind kind) {
    switch (kind) {
        case BetKind::Bracket: return CombinationTable::bracketPairs();
        case BetKind::Quinella:
        case BetKind::Wide: return CombinationTable::pairs();
        case BetKind::Exacta: return CombinationTable::orderedPairs();
        case BetKind::Trio: return CombinationTable::triples();
        default: return CombinationTable::orderedTriples();
    }
}

// A blank record of the kind with every combination number in place (bracket pairs as "12", horse
// pairs as "0102", triples as "010203").
RecordBuilder makeTemplate(int kind) {
    RecordBuilder record(kTypes[kind - 1]);
    const EntryLayout& list = kRecordLists[kind - 1];
    const auto& combos = combinationsOf(list.kind);
    const int digitsPerNumber = list.kind == BetKind::Bracket ? 1 : 2;
    char* base = record.fieldBytes(list.start, static_cast<int>(combos.size()) * list.stride);
    for (std::size_t i = 0; i < combos.size(); ++i) {
        char* at = base + i * static_cast<std::size_t>(list.stride);
        const int numbers[3] = {combos[i].first, combos[i].second, combos[i].third};
        const int count = list.numberWidth / digitsPerNumber;
        for (int k = 0; k < count; ++k)
            RecordBuilder::putDigits(at + k * digitsPerNumber, digitsPerNumber,
                                     static_cast<unsigned long long>(numbers[k]));
    }
    return record;
}

const RecordBuilder& templateOf(int kind) {
    static const RecordBuilder templates[6] = {makeTemplate(1), makeTemplate(2), makeTemplate(3),
                                               makeTemplate(4), makeTemplate(5), makeTemplate(6)};
    return templates[kind - 1];
}

// Writes the entries of one list straight into the record's bytes.
void writeEntries(RecordBuilder& record, const EntryLayout& list, const OddsEntries& entries, int count) {
    char* base = record.fieldBytes(list.start, count * list.stride);
    const bool horseList = list.kind == BetKind::Win || list.kind == BetKind::Place;
    for (int i = 0; i < count; ++i) {
        const auto state = entries.state[static_cast<std::size_t>(i)];
        if (state == EntryState::Absent) continue;
        char* at = base + i * list.stride;
        if (horseList) RecordBuilder::putDigits(at, list.numberWidth, static_cast<unsigned long long>(i + 1));
        char* odds = at + list.numberWidth;
        char* high = odds + list.oddsWidth;
        char* popularity = high + list.highWidth;
        if (state == EntryState::Scratched) {
            for (int k = 0; k < list.oddsWidth + list.highWidth; ++k) odds[k] = '-';
            continue;
        }
        const auto index = static_cast<std::size_t>(i);
        RecordBuilder::putDigits(odds, list.oddsWidth, static_cast<unsigned long long>(entries.odds[index]));
        if (list.highWidth > 0)
            RecordBuilder::putDigits(high, list.highWidth, static_cast<unsigned long long>(entries.oddsHigh[index]));
        RecordBuilder::putDigits(popularity, list.popularityWidth,
                                 static_cast<unsigned long long>(entries.popularity[index]));
    }
    record.number(list.totalPosition, 11, entries.total);
}

// Sale flags: 7 on sale, 0 not sold.
char saleFlag(bool sold) { return sold ? '7' : '0'; }

}  // namespace

RecordBuilder OddsRecordWriter::record(int kind, const Race& race, const OddsBook& book, const RecordStamp& stamp) {
    RecordBuilder record = templateOf(kind);
    writeRaceHeader(record, stamp, race);
    writeMonthDayTime(record, 28, stamp.announced);
    record.number(36, 2, book.registered).number(38, 2, book.starters);
    const EntryLayout& list = kRecordLists[kind - 1];
    const OddsEntries& entries = book.of(list.kind);
    if (kind == 1) {
        const bool placeSold = book.starters >= 5;
        const char flags[4] = {saleFlag(true), saleFlag(placeSold), saleFlag(entries.sold),
                               static_cast<char>('0' + book.placeCount)};
        record.bytes(40, std::string_view(flags, 4));
        writeEntries(record, kWin, book.of(BetKind::Win), kMaxHorses);
        writeEntries(record, kPlace, book.of(BetKind::Place), kMaxHorses);
        if (entries.sold)
            writeEntries(record, list, entries, static_cast<int>(entries.state.size()));
        else
            record.number(list.totalPosition, 11, 0);
        return record;
    }
    const char flag = saleFlag(entries.sold);
    record.bytes(40, std::string_view(&flag, 1));
    writeEntries(record, list, entries, static_cast<int>(entries.state.size()));
    return record;
}

}  // namespace marovix::feedgen
