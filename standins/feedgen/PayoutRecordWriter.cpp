#include "standins/feedgen/PayoutRecordWriter.h"

#include <string>

namespace marovix::feedgen {
namespace {

struct PayoutLayout {
    BetKind kind;
    int start;
    int entries;
    int stride;
    int numbers;  // how many numbers make the combination
    int digitsPerNumber;
    int popularityWidth;
};

constexpr PayoutLayout kLayouts[] = {
    {BetKind::Win, 103, 3, 13, 1, 2, 2},     {BetKind::Place, 142, 5, 13, 1, 2, 2},
    {BetKind::Bracket, 207, 3, 13, 2, 1, 2}, {BetKind::Quinella, 246, 3, 16, 2, 2, 3},
    {BetKind::Wide, 294, 7, 16, 2, 2, 3},    {BetKind::Exacta, 454, 6, 16, 2, 2, 3},
    {BetKind::Trio, 550, 3, 18, 3, 2, 3},    {BetKind::Trifecta, 604, 6, 19, 3, 2, 4},
};
constexpr int kPayoutWidth = 9;
constexpr int kSpareStart = 406;  // three unused quinella-place-sized entries
constexpr int kSpareBytes = 48;

}  // namespace

RecordBuilder PayoutRecordWriter::record(const Race& race, const Payout& payout, const RecordStamp& stamp) {
    RecordBuilder hr("HR");
    writeRaceHeader(hr, stamp, race);
    const int scratches = race.registered() - race.starters();
    hr.number(28, 2, race.registered()).number(30, 2, race.starters());
    hr.fill(32, 9, '0').fill(41, 9, '0');
    // Refund flags per bet type (the sixth is a spare), the refunded horses and brackets.
    const std::string refunds = scratches > 0 ? "111110111" : "000000000";
    hr.bytes(50, refunds);
    std::string horses(28, '0');
    for (const auto& r : race.runners)
        if (r.scratched) horses[static_cast<std::size_t>(r.number - 1)] = '1';
    hr.bytes(59, horses).fill(87, 8, '0').fill(95, 8, '0');

    for (const auto& layout : kLayouts) {
        const auto& entries = payout.of(layout.kind);
        const int numberWidth = layout.numbers * layout.digitsPerNumber;
        char* base = hr.fieldBytes(layout.start, layout.entries * layout.stride);
        for (int e = 0; e < layout.entries; ++e) {
            char* at = base + e * layout.stride;
            const bool used = e < static_cast<int>(entries.size());
            const PayoutEntry empty{};
            const PayoutEntry& entry = used ? entries[static_cast<std::size_t>(e)] : empty;
            for (int k = 0; k < layout.numbers; ++k)
                RecordBuilder::putDigits(at + k * layout.digitsPerNumber, layout.digitsPerNumber,
                                         static_cast<unsigned long long>(entry.numbers[static_cast<std::size_t>(k)]));
            RecordBuilder::putDigits(at + numberWidth, kPayoutWidth, static_cast<unsigned long long>(entry.yen));
            RecordBuilder::putDigits(at + numberWidth + kPayoutWidth, layout.popularityWidth,
                                     static_cast<unsigned long long>(entry.popularity));
        }
    }
    hr.fill(kSpareStart, kSpareBytes, '0');
    return hr;
}

}  // namespace marovix::feedgen
