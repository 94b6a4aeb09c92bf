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
    for (int i = 0; i < RaField::conditionCodes.count; ++i)
        ra.number(RaField::conditionCodes.at(i), ages[i] ? race.condition : 0);
    ra.number(RaField::youngestConditionCode, race.condition);
}

}  // namespace

RecordBuilder RaceRecordWriter::race(const Race& race, int weekdayCode, const RecordStamp& stamp, bool withResult) {
    RecordBuilder ra(RaField::type);
    writeRaceHeader(ra, stamp, race);
    ra.number(RaField::weekdayCode, weekdayCode).number(RaField::specialRaceNumber, race.specialNumber);
    if (!race.name.empty()) {
        ra.bytes(RaField::raceName, fullWidthField(race.name, RaField::raceName.length));
        ra.bytes(RaField::raceShortName10, fullWidthField(race.shortName10, RaField::raceShortName10.length));
        ra.bytes(RaField::raceShortName6, fullWidthField(race.shortName6, RaField::raceShortName6.length));
        ra.bytes(RaField::raceShortName3, fullWidthField(race.shortName3, RaField::raceShortName3.length));
    }
    const bool graded = race.grade != ' ' && race.grade != 'E';
    ra.number(RaField::raceNameKind, 0).number(RaField::gradedRunning, graded ? 10 + race.specialNumber % 60 : 0);
    ra.bytes(RaField::gradeCode, std::string_view(&race.grade, 1)).bytes(RaField::previousGradeCode, " ");
    ra.number(RaField::raceTypeCode, race.raceType)
        .bytes(RaField::raceSymbolCode, "000")
        .number(RaField::weightRuleCode, race.weightRule);
    writeConditions(ra, race);
    ra.number(RaField::distance, race.distance)
        .number(RaField::previousDistance, 0)
        .number(RaField::trackCode, race.trackCode)
        .number(RaField::previousTrackCode, 0);
    for (int place = 0; place < RaField::prizeMoney.count; ++place)
        ra.number(RaField::prizeMoney.at(place), place < 5 ? race.firstPrize * kPrizeShares[place] / 100 : 0);
    const bool moved = withResult && race.postMinute != race.originalPostMinute;
    const int post = withResult ? race.postMinute : race.originalPostMinute;
    ra.number(RaField::postTime, hhmm(post / 60, post % 60));
    ra.number(RaField::previousPostTime, moved ? hhmm(race.originalPostMinute / 60, race.originalPostMinute % 60) : 0);
    ra.number(RaField::registeredRunners, race.registered());
    ra.number(RaField::starters, withResult ? race.starters() : race.registered());
    ra.number(RaField::finishers, withResult ? race.starters() : 0);
    ra.number(RaField::weatherCode, withResult ? race.weather : race.cardWeather);
    ra.number(RaField::turfGoingCode, withResult ? race.turfGoing : race.cardTurfGoing);
    ra.number(RaField::dirtGoingCode, withResult ? race.dirtGoing : race.cardDirtGoing);
    ra.number(RaField::courseRecordKind, 0);
    return ra;
}

RecordBuilder RaceRecordWriter::runner(const Race& race, const Runner& r, const RecordStamp& stamp, bool withResult,
                                       int finalOdds, int finalPopularity) {
    RecordBuilder se(SeField::type);
    writeRaceHeader(se, stamp, race);
    se.number(SeField::bracketNumber, r.bracket)
        .number(SeField::horseNumber, r.number)
        .bytes(SeField::registrationNumber, r.registration);
    se.bytes(SeField::horseName, padFullWidth(r.nameCp932, SeField::horseName.length))
        .bytes(SeField::horseSymbolCode, "00")
        .number(SeField::sexCode, r.sex)
        .bytes(SeField::breedCode, "1")
        .number(SeField::coatCode, r.coat)
        .number(SeField::age, r.age);
    se.number(SeField::regionCode, r.region)
        .number(SeField::trainerCode, 1000 + r.trainer)
        .bytes(SeField::trainerShortName, NameMaker::trainerField(r.trainer));
    se.number(SeField::carriedWeight, r.carriedWeight)
        .number(SeField::previousCarriedWeight, 0)
        .bytes(SeField::blinkers, "0");
    se.number(SeField::jockeyCode, 1000 + r.jockey)
        .number(SeField::previousJockeyCode, 0)
        .bytes(SeField::jockeyShortName, NameMaker::jockeyField(r.jockey));
    se.number(SeField::apprenticeCode, 0).number(SeField::previousApprenticeCode, 0);
    se.bytes(SeField::miningKind, "1")
        .number(SeField::miningTime, r.miningTime)
        .number(SeField::miningErrorPlus, 50)
        .number(SeField::miningErrorMinus, 50)
        .number(SeField::miningRank, r.miningRank);
    if (!withResult) return se;

    se.number(SeField::bodyWeight, r.bodyWeight)
        .bytes(SeField::bodyWeightSign, r.bodyWeightChange > 0   ? "+"
                                        : r.bodyWeightChange < 0 ? "-"
                                                                 : " ")
        .number(SeField::bodyWeightChange, std::abs(r.bodyWeightChange));
    if (r.scratched) {
        se.number(SeField::abnormalityCode, 1)
            .number(SeField::arrivalOrder, 0)
            .number(SeField::finishingPosition, 0)
            .number(SeField::raceTime, 0)
            .number(SeField::finalWinOdds, 0)
            .number(SeField::finalWinPopularity, 0);
        return se;
    }
    const Runner* winner = nullptr;
    for (const auto& o : race.runners)
        if (o.arrival == 1) winner = &o;
    se.number(SeField::abnormalityCode, 0)
        .number(SeField::arrivalOrder, r.arrival)
        .number(SeField::finishingPosition, r.position);
    se.number(SeField::deadHeat, r.deadHeat ? 1 : 0).number(SeField::deadHeatCount, r.deadHeat ? 2 : 0);
    se.number(SeField::raceTime, raceTimeDigits(r.timeTenths));
    se.number(SeField::finalWinOdds, finalOdds).number(SeField::finalWinPopularity, finalPopularity);
    se.number(SeField::prizeMoney,
              r.position >= 1 && r.position <= 5 ? race.firstPrize * kPrizeShares[r.position - 1] / 100 : 0);
    se.number(SeField::addedPrizeMoney, 0);
    se.number(SeField::lastThreeFurlongs, r.lastThreeTenths);
    const int behind = winner ? r.timeTenths - winner->timeTenths : 0;
    se.bytes(SeField::timeDifferenceSign, behind > 0 ? "+" : " ")
        .number(SeField::timeDifference, std::min(behind, 999));
    se.number(SeField::timeDifferenceKind, 0);
    return se;
}

RecordBuilder RaceRecordWriter::timeMining(const Race& race, const RecordStamp& stamp) {
    RecordBuilder dm(DmField::type);
    writeRaceHeader(dm, stamp, race);
    dm.number(DmField::creationTime, hhmm(stamp.announced.hour, stamp.announced.minute));
    for (int k = 0; k < DmField::horseNumber.count; ++k) {
        const bool present = k < race.registered();
        const Runner* r = present ? &race.runners[static_cast<std::size_t>(k)] : nullptr;
        dm.number(DmField::horseNumber.at(k), r ? r->number : 0)
            .number(DmField::predictedTime.at(k), r ? r->miningTime : 0)
            .number(DmField::predictedErrorPlus.at(k), r ? 50 : 0)
            .number(DmField::predictedErrorMinus.at(k), r ? 50 : 0);
    }
    return dm;
}

RecordBuilder RaceRecordWriter::matchMining(const Race& race, const RecordStamp& stamp) {
    RecordBuilder tm(TmField::type);
    writeRaceHeader(tm, stamp, race);
    tm.number(TmField::creationTime, hhmm(stamp.announced.hour, stamp.announced.minute));
    for (int k = 0; k < TmField::horseNumber.count; ++k) {
        const bool present = k < race.registered();
        tm.number(TmField::horseNumber.at(k), present ? k + 1 : 0)
            .number(TmField::score.at(k), present ? race.runners[static_cast<std::size_t>(k)].matchScore : 0);
    }
    return tm;
}

}  // namespace marovix::feedgen
