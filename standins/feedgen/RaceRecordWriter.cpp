#include "standins/feedgen/RaceRecordWriter.h"

#include <algorithm>
#include <cstdlib>

#include "standins/feedgen/NameMaker.h"

namespace marovix::feedgen {
namespace {

// Shares of the first prize for places 1..5, in percent.
constexpr int kPrizeShares[5] = {100, 40, 25, 15, 10};

// Race time in 0.1 s as "mssf".
int raceTimeDigits(int tenths) { return tenths / 600 * 1000 + tenths % 600; }

// The condition code of each age group (2yo, 3yo, 4yo, 5yo and up) under the race type.
void writeConditions(RecordBuilder& ra, const Race& race) {
    bool ages[4] = {};
    switch (race.raceType) {
        case 11: ages[0] = true; break;
        case 12: ages[1] = true; break;
        case 13:
        case 18: ages[1] = ages[2] = ages[3] = true; break;
        default: ages[2] = ages[3] = true; break;
    }
    for (int i = 0; i < 4; ++i) ra.number(623 + 3 * i, 3, ages[i] ? race.condition : 0);
    ra.number(635, 3, race.condition);
}

}  // namespace

RecordBuilder RaceRecordWriter::race(const Race& race, int weekdayCode, const RecordStamp& stamp, bool withResult) {
    RecordBuilder ra("RA");
    writeRaceHeader(ra, stamp, race);
    ra.number(28, 1, weekdayCode).number(29, 4, race.specialNumber);
    if (!race.name.empty()) {
        ra.bytes(33, fullWidthField(race.name, 60));
        ra.bytes(573, fullWidthField(race.shortName10, 20));
        ra.bytes(593, fullWidthField(race.shortName6, 12));
        ra.bytes(605, fullWidthField(race.shortName3, 6));
    }
    const bool graded = race.grade != ' ' && race.grade != 'E';
    ra.number(611, 1, 0).number(612, 3, graded ? 10 + race.specialNumber % 60 : 0);
    ra.bytes(615, std::string_view(&race.grade, 1)).bytes(616, " ");
    ra.number(617, 2, race.raceType).bytes(619, "000").number(622, 1, race.weightRule);
    writeConditions(ra, race);
    ra.number(698, 4, race.distance).number(702, 4, 0).number(706, 2, race.trackCode).number(708, 2, 0);
    for (int place = 0; place < 7; ++place)
        ra.number(714 + 8 * place, 8, place < 5 ? race.firstPrize * kPrizeShares[place] / 100 : 0);
    const bool moved = withResult && race.postMinute != race.originalPostMinute;
    const int post = withResult ? race.postMinute : race.originalPostMinute;
    ra.number(874, 2, post / 60).number(876, 2, post % 60);
    ra.number(878, 2, moved ? race.originalPostMinute / 60 : 0)
        .number(880, 2, moved ? race.originalPostMinute % 60 : 0);
    ra.number(882, 2, race.registered());
    ra.number(884, 2, withResult ? race.starters() : race.registered());
    ra.number(886, 2, withResult ? race.starters() : 0);
    ra.number(888, 1, withResult ? race.weather : race.cardWeather);
    ra.number(889, 1, withResult ? race.turfGoing : race.cardTurfGoing);
    ra.number(890, 1, withResult ? race.dirtGoing : race.cardDirtGoing);
    ra.number(1270, 1, 0);
    return ra;
}

RecordBuilder RaceRecordWriter::runner(const Race& race, const Runner& r, const RecordStamp& stamp, bool withResult,
                                       int finalOdds, int finalPopularity) {
    RecordBuilder se("SE");
    writeRaceHeader(se, stamp, race);
    se.number(28, 1, r.bracket).number(29, 2, r.number).bytes(31, r.registration);
    se.bytes(41, padFullWidth(r.nameCp932, 36))
        .bytes(77, "00")
        .number(79, 1, r.sex)
        .bytes(80, "1")
        .number(81, 2, r.coat)
        .number(83, 2, r.age);
    se.number(85, 1, r.region).number(86, 5, 1000 + r.trainer).bytes(91, NameMaker::trainerField(r.trainer));
    se.number(289, 3, r.carriedWeight).number(292, 3, 0).bytes(295, "0");
    se.number(297, 5, 1000 + r.jockey).number(302, 5, 0).bytes(307, NameMaker::jockeyField(r.jockey));
    se.bytes(323, "00");
    se.bytes(537, "1").number(538, 5, r.miningTime).number(543, 4, 50).number(547, 4, 50).number(551, 2, r.miningRank);
    if (!withResult) return se;

    se.number(325, 3, r.bodyWeight)
        .bytes(328, r.bodyWeightChange > 0   ? "+"
                    : r.bodyWeightChange < 0 ? "-"
                                             : " ")
        .number(329, 3, std::abs(r.bodyWeightChange));
    if (r.scratched) {
        se.number(332, 1, 1).number(333, 2, 0).number(335, 2, 0).number(339, 4, 0).number(360, 4, 0).number(364, 2, 0);
        return se;
    }
    const Runner* winner = nullptr;
    for (const auto& o : race.runners)
        if (o.arrival == 1) winner = &o;
    se.number(332, 1, 0).number(333, 2, r.arrival).number(335, 2, r.position);
    se.number(337, 1, r.deadHeat ? 1 : 0).number(338, 1, r.deadHeat ? 2 : 0);
    se.number(339, 4, raceTimeDigits(r.timeTenths));
    se.number(360, 4, finalOdds).number(364, 2, finalPopularity);
    se.number(366, 8, r.position >= 1 && r.position <= 5 ? race.firstPrize * kPrizeShares[r.position - 1] / 100 : 0);
    se.number(374, 8, 0);
    se.number(391, 3, r.lastThreeTenths);
    const int behind = winner ? r.timeTenths - winner->timeTenths : 0;
    se.bytes(532, behind > 0 ? "+" : " ").number(533, 3, std::min(behind, 999));
    se.number(536, 1, 0);
    return se;
}

RecordBuilder RaceRecordWriter::timeMining(const Race& race, const RecordStamp& stamp) {
    RecordBuilder dm("DM");
    writeRaceHeader(dm, stamp, race);
    dm.number(28, 2, stamp.announced.hour).number(30, 2, stamp.announced.minute);
    for (int k = 0; k < 18; ++k) {
        const int at = 32 + 15 * k;
        if (k < race.registered()) {
            const Runner& r = race.runners[static_cast<std::size_t>(k)];
            dm.number(at, 2, r.number).number(at + 2, 5, r.miningTime).number(at + 7, 4, 50).number(at + 11, 4, 50);
        } else {
            dm.number(at, 2, 0).number(at + 2, 5, 0).number(at + 7, 4, 0).number(at + 11, 4, 0);
        }
    }
    return dm;
}

RecordBuilder RaceRecordWriter::matchMining(const Race& race, const RecordStamp& stamp) {
    RecordBuilder tm("TM");
    writeRaceHeader(tm, stamp, race);
    tm.number(28, 2, stamp.announced.hour).number(30, 2, stamp.announced.minute);
    for (int k = 0; k < 18; ++k) {
        const int at = 32 + 6 * k;
        const bool present = k < race.registered();
        tm.number(at, 2, present ? k + 1 : 0)
            .number(at + 2, 4, present ? race.runners[static_cast<std::size_t>(k)].matchScore : 0);
    }
    return tm;
}

}  // namespace marovix::feedgen
