#include "standins/feedgen/OddsRecordWriter.h"

#include <string>

#include "standins/feedgen/CombinationTable.h"

namespace marovix::feedgen {
namespace {

// One list of entries of an odds record and the bet type it serves.
struct EntryLayout {
    BetKind kind;
    const OddsList& list;
};

constexpr EntryLayout kWin{BetKind::Win, O1Field::win};
constexpr EntryLayout kPlace{BetKind::Place, O1Field::place};
constexpr EntryLayout kBracket{BetKind::Bracket, O1Field::bracketQuinella};
constexpr EntryLayout kRecordLists[6] = {
    kBracket,  // O1 holds win and place too
    {BetKind::Quinella, O2Field::quinella},
    {BetKind::Wide, O3Field::quinellaPlace},
    {BetKind::Exacta, O4Field::exacta},
    {BetKind::Trio, O5Field::trio},
    {BetKind::Trifecta, O6Field::trifecta},
};
constexpr std::string_view kTypes[6] = {O1Field::type, O2Field::type, O3Field::type,
                                        O4Field::type, O5Field::type, O6Field::type};

// Where the fields of an entry lie from the start of its combination field.
struct EntryOffsets {
    int odds, high, popularity;
};
constexpr EntryOffsets offsetsOf(const OddsList& list) {
    return {list.odds.position - list.combination.position, list.oddsHigh.position - list.combination.position,
            list.popularity.position - list.combination.position};
}

// Every list's fields lie in one entry of its stride, after the combination, so that an entry can be
// written through one pointer.
constexpr bool entriesAreCompact(const OddsList& list) {
    const EntryOffsets at = offsetsOf(list);
    const bool high = list.oddsHigh.count == 0 ||
                      (at.high >= list.combination.length && at.high + list.oddsHigh.length <= list.combination.stride);
    return at.odds >= list.combination.length && at.odds + list.odds.length <= list.combination.stride &&
           at.popularity + list.popularity.length <= list.combination.stride && high &&
           list.odds.stride == list.combination.stride && list.popularity.stride == list.combination.stride;
}
static_assert(entriesAreCompact(O1Field::win) && entriesAreCompact(O1Field::place) &&
              entriesAreCompact(O1Field::bracketQuinella) && entriesAreCompact(O2Field::quinella) &&
              entriesAreCompact(O3Field::quinellaPlace) && entriesAreCompact(O4Field::exacta) &&
              entriesAreCompact(O5Field::trio) && entriesAreCompact(O6Field::trifecta));

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
    const EntryLayout& layout = kRecordLists[kind - 1];
    const OddsList& list = layout.list;
    const auto& combos = combinationsOf(layout.kind);
    const int digitsPerNumber = layout.kind == BetKind::Bracket ? 1 : 2;
    char* base =
        record.fieldBytes(list.combination.position, static_cast<int>(combos.size()) * list.combination.stride);
    for (std::size_t i = 0; i < combos.size(); ++i) {
        char* at = base + i * static_cast<std::size_t>(list.combination.stride);
        const int numbers[3] = {combos[i].first, combos[i].second, combos[i].third};
        const int count = list.combination.length / digitsPerNumber;
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
void writeEntries(RecordBuilder& record, const EntryLayout& layout, const OddsEntries& entries, int count) {
    const OddsList& list = layout.list;
    const int stride = list.combination.stride;
    const EntryOffsets offsets = offsetsOf(list);
    char* base = record.fieldBytes(list.combination.position, count * stride);
    const bool horseList = layout.kind == BetKind::Win || layout.kind == BetKind::Place;
    const bool hasHigh = list.oddsHigh.count > 0;
    for (int i = 0; i < count; ++i) {
        const auto state = entries.state[static_cast<std::size_t>(i)];
        if (state == EntryState::Absent) continue;
        char* at = base + i * stride;
        if (horseList) RecordBuilder::putDigits(at, list.combination.length, static_cast<unsigned long long>(i + 1));
        char* odds = at + offsets.odds;
        if (state == EntryState::Scratched) {
            for (int k = 0; k < list.odds.length; ++k) odds[k] = '-';
            if (hasHigh)
                for (int k = 0; k < list.oddsHigh.length; ++k) at[offsets.high + k] = '-';
            continue;
        }
        const auto index = static_cast<std::size_t>(i);
        RecordBuilder::putDigits(odds, list.odds.length, static_cast<unsigned long long>(entries.odds[index]));
        if (hasHigh)
            RecordBuilder::putDigits(at + offsets.high, list.oddsHigh.length,
                                     static_cast<unsigned long long>(entries.oddsHigh[index]));
        RecordBuilder::putDigits(at + offsets.popularity, list.popularity.length,
                                 static_cast<unsigned long long>(entries.popularity[index]));
    }
    record.number(list.voteTotal, entries.total);
}

// Sale flags: 7 on sale, 0 not sold.
char saleFlag(bool sold) { return sold ? '7' : '0'; }

}  // namespace

RecordBuilder OddsRecordWriter::record(int kind, const Race& race, const OddsBook& book, const RecordStamp& stamp) {
    RecordBuilder record = templateOf(kind);
    writeRaceHeader(record, stamp, race);
    writeMonthDayTime(record, OddsField::announced, stamp.announced);
    record.number(OddsField::registeredRunners, book.registered).number(OddsField::starters, book.starters);
    const EntryLayout& layout = kRecordLists[kind - 1];
    const OddsEntries& entries = book.of(layout.kind);
    if (kind == 1) {
        const bool placeSold = book.starters >= 5;
        record.bytes(O1Field::saleFlag, std::string(1, saleFlag(true)))
            .bytes(O1Field::placeSaleFlag, std::string(1, saleFlag(placeSold)))
            .bytes(O1Field::bracketQuinellaSaleFlag, std::string(1, saleFlag(entries.sold)))
            .number(O1Field::placePayingPlaces, book.placeCount);
        writeEntries(record, kWin, book.of(BetKind::Win), kMaxHorses);
        writeEntries(record, kPlace, book.of(BetKind::Place), kMaxHorses);
        if (entries.sold)
            writeEntries(record, layout, entries, static_cast<int>(entries.state.size()));
        else
            record.number(layout.list.voteTotal, 0);
        return record;
    }
    record.bytes(OddsField::saleFlag, std::string(1, saleFlag(entries.sold)));
    writeEntries(record, layout, entries, static_cast<int>(entries.state.size()));
    return record;
}

}  // namespace marovix::feedgen
