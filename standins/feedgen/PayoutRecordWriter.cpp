#include "standins/feedgen/PayoutRecordWriter.h"

#include <string>

namespace marovix::feedgen {
namespace {

struct PayoutLayout {
    BetKind kind;
    const PayoutList& list;
    int numbers;  // how many numbers make the combination
    int digitsPerNumber;
};

constexpr PayoutLayout kLayouts[] = {
    {BetKind::Win, HrField::win, 1, 2},
    {BetKind::Place, HrField::place, 1, 2},
    {BetKind::Bracket, HrField::bracketQuinella, 2, 1},
    {BetKind::Quinella, HrField::quinella, 2, 2},
    {BetKind::Wide, HrField::quinellaPlace, 2, 2},
    {BetKind::Exacta, HrField::exacta, 2, 2},
    {BetKind::Trio, HrField::trio, 3, 2},
    {BetKind::Trifecta, HrField::trifecta, 3, 2},
};
// The sixth flag of each flag list belongs to no pool.
constexpr int kSpareFlag = 5;

}  // namespace

RecordBuilder PayoutRecordWriter::record(const Race& race, const Payout& payout, const RecordStamp& stamp) {
    RecordBuilder hr(HrField::type);
    writeRaceHeader(hr, stamp, race);
    const int scratches = race.registered() - race.starters();
    hr.number(HrField::registeredRunners, race.registered()).number(HrField::starters, race.starters());
    // Flags per bet type: none unestablished, no special payouts; refunds in every pool but the spare
    // (the sixth) when a horse was scratched.
    for (int k = 0; k < HrField::refundFlags.count; ++k) {
        hr.fill(HrField::notEstablishedFlags.at(k), '0').fill(HrField::specialPayoutFlags.at(k), '0');
        hr.fill(HrField::refundFlags.at(k), scratches > 0 && k != kSpareFlag ? '1' : '0');
    }
    for (int k = 0; k < HrField::refundedHorses.count; ++k) hr.fill(HrField::refundedHorses.at(k), '0');
    for (const auto& r : race.runners)
        if (r.scratched) hr.fill(HrField::refundedHorses.at(r.number - 1), '1');
    for (int k = 0; k < HrField::refundedBrackets.count; ++k)
        hr.fill(HrField::refundedBrackets.at(k), '0').fill(HrField::refundedSameBrackets.at(k), '0');

    for (const auto& layout : kLayouts) {
        const auto& entries = payout.of(layout.kind);
        const PayoutList& list = layout.list;
        for (int e = 0; e < list.combination.count; ++e) {
            const bool used = e < static_cast<int>(entries.size());
            const PayoutEntry empty{};
            const PayoutEntry& entry = used ? entries[static_cast<std::size_t>(e)] : empty;
            char* combination = hr.fieldBytes(list.combination.at(e));
            for (int k = 0; k < layout.numbers; ++k)
                RecordBuilder::putDigits(combination + k * layout.digitsPerNumber, layout.digitsPerNumber,
                                         static_cast<unsigned long long>(entry.numbers[static_cast<std::size_t>(k)]));
            hr.number(list.payout.at(e), entry.yen).number(list.popularity.at(e), entry.popularity);
        }
    }
    hr.fill(HrField::spare, '0');
    return hr;
}

}  // namespace marovix::feedgen
