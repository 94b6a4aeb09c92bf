#pragma once
// The fields of every JV-Data record type the program reads or the demo-data generator writes: one table
// per type, each field by name with its 1-based byte position and length. Readers cut fields with
// fieldText / fieldNumber / fieldUtf8 (core/race/JvRecord.h); the generator writes them with
// RecordBuilder. Nobody else spells a position.
//
//   fieldNumber(record, RaField::registeredRunners)       // RA 882-883
//   fieldNumber(record, DmField::predictedTime.at(k))     // DM entry k (horse k + 1)
//
// Each table inherits the identification block (IdField, or MeetingIdField for WE; the odds records also
// OddsField), so RaField::raceNumber is the race number of an RA record. Every table's `fields` lists its
// own fields only; kFieldTables gathers the lists of each type, so that tests can check that each field
// lies inside its record and that no two fields share a byte.
#include <array>
#include <span>
#include <string_view>

#include "core/race/RecordField.h"

namespace marovix {

// The identification block of a day-and-course record (WE): type, data kind, creation date and meeting.
struct MeetingIdField {
    static constexpr RecordField recordType{1, 2};           // "RA", "SE", ...
    static constexpr RecordField dataKind{3, 1};             // data kind of the delivery (card, result, ...)
    static constexpr RecordField creationDate{4, 8};         // yyyymmdd the record was made
    static constexpr RecordField year{12, 4};                // meeting date: yyyy
    static constexpr RecordField monthDay{16, 4};            // meeting date: mmdd
    static constexpr RecordField month{16, 2};               // meeting date: mm
    static constexpr RecordField dayOfMonth{18, 2};          // meeting date: dd
    static constexpr RecordField courseCode{20, 2};          // course code "01".."10", code table
    static constexpr RecordField meetingNumber{22, 2};       // the meeting of the year at the course ("回")
    static constexpr RecordField dayNumber{24, 2};           // the day of the meeting ("日")
    static constexpr RecordField dayKey8{12, 8};             // DayKey8: yyyymmdd of the meeting
    static constexpr RecordField kindAndCreationDate{3, 9};  // data kind and creation date together

    static constexpr NamedField fields[] = {
        {"recordType", recordType},       {"dataKind", dataKind},
        {"creationDate", creationDate},   {"year", year},
        {"monthDay", monthDay, true},     {"month", month},
        {"dayOfMonth", dayOfMonth},       {"courseCode", courseCode},
        {"meetingNumber", meetingNumber}, {"dayNumber", dayNumber},
        {"dayKey8", dayKey8, true},       {"kindAndCreationDate", kindAndCreationDate, true},
    };
};

// The identification block every race record starts with: the meeting block and the race number.
struct IdField : MeetingIdField {
    static constexpr RecordField raceNumber{26, 2};  // 1..12
    static constexpr RecordField raceKey16{12, 16};  // RaceKey16: date, course, meeting, day, race number

    static constexpr NamedField fields[] = {
        {"raceNumber", raceNumber},
        {"raceKey16", raceKey16, true},
    };
};

// RA, race details (1272 bytes).
struct RaField : IdField {
    static constexpr std::string_view type = "RA";
    static constexpr RecordField weekdayCode{28, 1};              // code table of weekdays
    static constexpr RecordField specialRaceNumber{29, 4};        // number of a special (named) race
    static constexpr RecordField raceName{33, 60};                // main title, full-width
    static constexpr RecordField raceShortName10{573, 20};        // short name of up to 10 characters
    static constexpr RecordField raceShortName6{593, 12};         // short name of up to 6 characters
    static constexpr RecordField raceShortName3{605, 6};          // short name of up to 3 characters
    static constexpr RecordField raceNameKind{611, 1};            // kind of the race name (0 in the demo data)
    static constexpr RecordField gradedRunning{612, 3};           // the how-manieth running of a graded race
    static constexpr RecordField gradeCode{615, 1};               // grade, code table style 1
    static constexpr RecordField previousGradeCode{616, 1};       // grade before a change
    static constexpr RecordField raceTypeCode{617, 2};            // race type (age groups), code table
    static constexpr RecordField raceSymbolCode{619, 3};          // race symbols, code table
    static constexpr RecordField weightRuleCode{622, 1};          // weight rule, code table
    static constexpr RepeatedField conditionCodes{623, 3, 3, 4};  // condition of 2yo, 3yo, 4yo, 5yo and up
    static constexpr RecordField youngestConditionCode{635, 3};   // condition of the youngest age group
    static constexpr RecordField distance{698, 4};                // metres
    static constexpr RecordField previousDistance{702, 4};        // metres before a change, 0 when none
    static constexpr RecordField trackCode{706, 2};               // track (turf, dirt, direction), code table
    static constexpr RecordField previousTrackCode{708, 2};       // track before a change, 0 when none
    static constexpr RepeatedField prizeMoney{714, 8, 8, 7};      // prize money of places 1..7
    static constexpr RecordField postTime{874, 4};                // hhmm
    static constexpr RecordField previousPostTime{878, 4};        // hhmm before a change, 0 when none
    static constexpr RecordField registeredRunners{882, 2};       // 登録頭数, 0..18
    static constexpr RecordField starters{884, 2};                // horses that start
    static constexpr RecordField finishers{886, 2};               // horses that finished (0 before the race)
    static constexpr RecordField weatherCode{888, 1};             // weather, code table
    static constexpr RecordField turfGoingCode{889, 1};           // going of the turf, code table
    static constexpr RecordField dirtGoingCode{890, 1};           // going of the dirt, code table
    static constexpr RecordField courseRecordKind{1270, 1};       // course-record update kind (0: none)

    static constexpr NamedField fields[] = {
        {"weekdayCode", weekdayCode},
        {"specialRaceNumber", specialRaceNumber},
        {"raceName", raceName},
        {"raceShortName10", raceShortName10},
        {"raceShortName6", raceShortName6},
        {"raceShortName3", raceShortName3},
        {"raceNameKind", raceNameKind},
        {"gradedRunning", gradedRunning},
        {"gradeCode", gradeCode},
        {"previousGradeCode", previousGradeCode},
        {"raceTypeCode", raceTypeCode},
        {"raceSymbolCode", raceSymbolCode},
        {"weightRuleCode", weightRuleCode},
        {"conditionCodes", conditionCodes},
        {"youngestConditionCode", youngestConditionCode},
        {"distance", distance},
        {"previousDistance", previousDistance},
        {"trackCode", trackCode},
        {"previousTrackCode", previousTrackCode},
        {"prizeMoney", prizeMoney},
        {"postTime", postTime},
        {"previousPostTime", previousPostTime},
        {"registeredRunners", registeredRunners},
        {"starters", starters},
        {"finishers", finishers},
        {"weatherCode", weatherCode},
        {"turfGoingCode", turfGoingCode},
        {"dirtGoingCode", dirtGoingCode},
        {"courseRecordKind", courseRecordKind},
    };
};

// SE, one runner of a race (555 bytes).
struct SeField : IdField {
    static constexpr std::string_view type = "SE";
    static constexpr RecordField bracketNumber{28, 1};            // 枠番 1..8
    static constexpr RecordField horseNumber{29, 2};              // 馬番 1..18
    static constexpr RecordField registrationNumber{31, 10};      // pedigree registration number of the horse
    static constexpr RecordField horseName{41, 36};               // full-width, as delivered
    static constexpr RecordField horseSymbolCode{77, 2};          // horse symbols, code table
    static constexpr RecordField sexCode{79, 1};                  // sex, code table
    static constexpr RecordField breedCode{80, 1};                // breed, code table
    static constexpr RecordField coatCode{81, 2};                 // coat colour, code table
    static constexpr RecordField age{83, 2};                      // years
    static constexpr RecordField regionCode{85, 1};               // east or west stable, code table
    static constexpr RecordField trainerCode{86, 5};              // trainer
    static constexpr RecordField trainerShortName{91, 8};         // trainer's short name, full-width
    static constexpr RecordField carriedWeight{289, 3};           // 0.1 kg
    static constexpr RecordField previousCarriedWeight{292, 3};   // 0.1 kg before a change, 0 when none
    static constexpr RecordField blinkers{295, 1};                // 1: wears blinkers
    static constexpr RecordField jockeyCode{297, 5};              // jockey
    static constexpr RecordField previousJockeyCode{302, 5};      // jockey before a change, 0 when none
    static constexpr RecordField jockeyShortName{307, 8};         // jockey's short name, full-width
    static constexpr RecordField apprenticeCode{323, 1};          // apprentice allowance, code table
    static constexpr RecordField previousApprenticeCode{324, 1};  // apprentice allowance before a change
    static constexpr RecordField bodyWeight{325, 3};              // kg
    static constexpr RecordField bodyWeightSign{328, 1};          // "+", "-" or blank
    static constexpr RecordField bodyWeightChange{329, 3};        // kg against the last race
    static constexpr RecordField abnormalityCode{332, 1};         // 0 none, 1 scratched, ...
    static constexpr RecordField arrivalOrder{333, 2};            // order of crossing the line
    static constexpr RecordField finishingPosition{335, 2};       // confirmed finishing position
    static constexpr RecordField deadHeat{337, 1};                // 1: finished in a dead heat
    static constexpr RecordField deadHeatCount{338, 1};           // horses in the dead heat
    static constexpr RecordField raceTime{339, 4};                // "mssf": minutes, seconds, tenths
    static constexpr RecordField finalWinOdds{360, 4};            // confirmed win odds, 0.1 units
    static constexpr RecordField finalWinPopularity{364, 2};      // confirmed win popularity
    static constexpr RecordField prizeMoney{366, 8};              // prize money won
    static constexpr RecordField addedPrizeMoney{374, 8};         // added prize money won
    static constexpr RecordField lastThreeFurlongs{391, 3};       // time of the last 600 m, 0.1 s
    static constexpr RecordField timeDifferenceSign{532, 1};      // "+" behind the winner, else blank
    static constexpr RecordField timeDifference{533, 3};          // 0.1 s behind the winner
    static constexpr RecordField timeDifferenceKind{536, 1};      // kind of the time difference (0 normal)
    static constexpr RecordField miningKind{537, 1};              // kind of the mining prediction
    static constexpr RecordField miningTime{538, 5};              // mining predicted time "mssff"
    static constexpr RecordField miningErrorPlus{543, 4};         // margin of the predicted time, later
    static constexpr RecordField miningErrorMinus{547, 4};        // margin of the predicted time, earlier
    static constexpr RecordField miningRank{551, 2};              // rank by the predicted time

    static constexpr NamedField fields[] = {
        {"bracketNumber", bracketNumber},
        {"horseNumber", horseNumber},
        {"registrationNumber", registrationNumber},
        {"horseName", horseName},
        {"horseSymbolCode", horseSymbolCode},
        {"sexCode", sexCode},
        {"breedCode", breedCode},
        {"coatCode", coatCode},
        {"age", age},
        {"regionCode", regionCode},
        {"trainerCode", trainerCode},
        {"trainerShortName", trainerShortName},
        {"carriedWeight", carriedWeight},
        {"previousCarriedWeight", previousCarriedWeight},
        {"blinkers", blinkers},
        {"jockeyCode", jockeyCode},
        {"previousJockeyCode", previousJockeyCode},
        {"jockeyShortName", jockeyShortName},
        {"apprenticeCode", apprenticeCode},
        {"previousApprenticeCode", previousApprenticeCode},
        {"bodyWeight", bodyWeight},
        {"bodyWeightSign", bodyWeightSign},
        {"bodyWeightChange", bodyWeightChange},
        {"abnormalityCode", abnormalityCode},
        {"arrivalOrder", arrivalOrder},
        {"finishingPosition", finishingPosition},
        {"deadHeat", deadHeat},
        {"deadHeatCount", deadHeatCount},
        {"raceTime", raceTime},
        {"finalWinOdds", finalWinOdds},
        {"finalWinPopularity", finalWinPopularity},
        {"prizeMoney", prizeMoney},
        {"addedPrizeMoney", addedPrizeMoney},
        {"lastThreeFurlongs", lastThreeFurlongs},
        {"timeDifferenceSign", timeDifferenceSign},
        {"timeDifference", timeDifference},
        {"timeDifferenceKind", timeDifferenceKind},
        {"miningKind", miningKind},
        {"miningTime", miningTime},
        {"miningErrorPlus", miningErrorPlus},
        {"miningErrorMinus", miningErrorMinus},
        {"miningRank", miningRank},
    };
};

// DM, time-type mining of a race (303 bytes): one entry per horse, entry k for horse k + 1.
struct DmField : IdField {
    static constexpr std::string_view type = "DM";
    static constexpr RecordField creationTime{28, 4};                   // hhmm the prediction was made
    static constexpr RepeatedField horseNumber{32, 2, 15, 18};          // horse number of the entry (0: none)
    static constexpr RepeatedField predictedTime{34, 5, 15, 18};        // "mssff"
    static constexpr RepeatedField predictedErrorPlus{39, 4, 15, 18};   // margin of the time, later
    static constexpr RepeatedField predictedErrorMinus{43, 4, 15, 18};  // margin of the time, earlier

    static constexpr NamedField fields[] = {
        {"creationTime", creationTime},
        {"horseNumber", horseNumber},
        {"predictedTime", predictedTime},
        {"predictedErrorPlus", predictedErrorPlus},
        {"predictedErrorMinus", predictedErrorMinus},
    };
};

// TM, match-type mining of a race (141 bytes): one entry per horse, entry k for horse k + 1.
struct TmField : IdField {
    static constexpr std::string_view type = "TM";
    static constexpr RecordField creationTime{28, 4};          // hhmm the prediction was made
    static constexpr RepeatedField horseNumber{32, 2, 6, 18};  // horse number of the entry (0: none)
    static constexpr RepeatedField score{34, 4, 6, 18};        // 0..1000

    static constexpr NamedField fields[] = {
        {"creationTime", creationTime},
        {"horseNumber", horseNumber},
        {"score", score},
    };
};

// The entries of one bet type in the payout record; entries without a winner are blank or zero.
struct PayoutList {
    // Win and place: the horse number; bracket quinella: one digit per bracket ("36"); the others: two
    // digits per horse ("0512").
    RepeatedField combination;
    RepeatedField payout;  // yen per 100 yen
    RepeatedField popularity;
};

// HR, payouts of a race (719 bytes). Flag lists hold one byte per bet type in the order win, place,
// bracket quinella, quinella, quinella place, (spare), exacta, trio, trifecta.
struct HrField : IdField {
    static constexpr std::string_view type = "HR";
    static constexpr RecordField registeredRunners{28, 2};
    static constexpr RecordField starters{30, 2};
    static constexpr RepeatedField notEstablishedFlags{32, 1, 1, 9};  // 1: the pool was not established
    static constexpr RepeatedField specialPayoutFlags{41, 1, 1, 9};   // 1: a special payout
    static constexpr RepeatedField refundFlags{50, 1, 1, 9};          // 1: the pool has refunds
    static constexpr RepeatedField refundedHorses{59, 1, 1, 28};      // 1: horse k + 1 is refunded
    static constexpr RepeatedField refundedBrackets{87, 1, 1, 8};     // 1: bracket k + 1 is refunded
    static constexpr RepeatedField refundedSameBrackets{95, 1, 1,
                                                        8};  // 1: the pair of bracket k + 1 with itself is refunded
    static constexpr PayoutList win{{103, 2, 13, 3}, {105, 9, 13, 3}, {114, 2, 13, 3}};
    static constexpr PayoutList place{{142, 2, 13, 5}, {144, 9, 13, 5}, {153, 2, 13, 5}};
    static constexpr PayoutList bracketQuinella{{207, 2, 13, 3}, {209, 9, 13, 3}, {218, 2, 13, 3}};
    static constexpr PayoutList quinella{{246, 4, 16, 3}, {250, 9, 16, 3}, {259, 3, 16, 3}};
    static constexpr PayoutList quinellaPlace{{294, 4, 16, 7}, {298, 9, 16, 7}, {307, 3, 16, 7}};
    static constexpr RecordField spare{406, 48};  // three unused entries of the quinella-place size (zeros)
    static constexpr PayoutList exacta{{454, 4, 16, 6}, {458, 9, 16, 6}, {467, 3, 16, 6}};
    static constexpr PayoutList trio{{550, 6, 18, 3}, {556, 9, 18, 3}, {565, 3, 18, 3}};
    static constexpr PayoutList trifecta{{604, 6, 19, 6}, {610, 9, 19, 6}, {619, 4, 19, 6}};
    // The lists in the system's bet-type order (win, place, bracket quinella, quinella, quinella place,
    // exacta, trio, trifecta).
    static constexpr std::array<PayoutList, 8> inBetTypeOrder = {
        win, place, bracketQuinella, quinella, quinellaPlace, exacta, trio, trifecta};

    static constexpr NamedField fields[] = {
        {"registeredRunners", registeredRunners},
        {"starters", starters},
        {"notEstablishedFlags", notEstablishedFlags},
        {"specialPayoutFlags", specialPayoutFlags},
        {"refundFlags", refundFlags},
        {"refundedHorses", refundedHorses},
        {"refundedBrackets", refundedBrackets},
        {"refundedSameBrackets", refundedSameBrackets},
        {"win.combination", win.combination},
        {"win.payout", win.payout},
        {"win.popularity", win.popularity},
        {"place.combination", place.combination},
        {"place.payout", place.payout},
        {"place.popularity", place.popularity},
        {"bracketQuinella.combination", bracketQuinella.combination},
        {"bracketQuinella.payout", bracketQuinella.payout},
        {"bracketQuinella.popularity", bracketQuinella.popularity},
        {"quinella.combination", quinella.combination},
        {"quinella.payout", quinella.payout},
        {"quinella.popularity", quinella.popularity},
        {"quinellaPlace.combination", quinellaPlace.combination},
        {"quinellaPlace.payout", quinellaPlace.payout},
        {"quinellaPlace.popularity", quinellaPlace.popularity},
        {"spare", spare},
        {"exacta.combination", exacta.combination},
        {"exacta.payout", exacta.payout},
        {"exacta.popularity", exacta.popularity},
        {"trio.combination", trio.combination},
        {"trio.payout", trio.payout},
        {"trio.popularity", trio.popularity},
        {"trifecta.combination", trifecta.combination},
        {"trifecta.payout", trifecta.payout},
        {"trifecta.popularity", trifecta.popularity},
    };
};

// One list of entries of an odds record: entry k is horse k + 1 (win, place) or combination number
// k + 1. Odds are in 0.1 units; "-" or "*" across the odds field marks a scratched horse, blanks an entry
// that does not exist.
struct OddsList {
    // Horse number (win, place) or the combination: one digit per bracket ("12"), two per horse
    // ("0102", "010203").
    RepeatedField combination;
    RepeatedField odds;        // the lower end where the list has an upper end
    RepeatedField oddsHigh;    // the upper end (place, quinella place); count 0 where the list has none
    RepeatedField popularity;  // 1 = most popular
    RecordField voteTotal;     // votes of the pool, 11 digits
};

// The head all six odds records share after the identification block.
struct OddsField : IdField {
    static constexpr RecordField announced{28, 8};          // announcement "mmddhhmm"
    static constexpr RecordField announcedMonthDay{28, 4};  // announcement mmdd
    static constexpr RecordField announcedHour{32, 2};      // announcement hh
    static constexpr RecordField announcedMinute{34, 2};    // announcement nn
    static constexpr RecordField registeredRunners{36, 2};
    static constexpr RecordField starters{38, 2};
    static constexpr RecordField saleFlag{40, 1};  // sale of the record's (first) pool: 7 on sale, 0 not sold

    static constexpr NamedField fields[] = {
        {"announced", announced, true},
        {"announcedMonthDay", announcedMonthDay},
        {"announcedHour", announcedHour},
        {"announcedMinute", announcedMinute},
        {"registeredRunners", registeredRunners},
        {"starters", starters},
        {"saleFlag", saleFlag},
    };
};

// O1, win, place and bracket quinella odds (962 bytes); `saleFlag` is the win pool's.
struct O1Field : OddsField {
    static constexpr std::string_view type = "O1";
    static constexpr RecordField placeSaleFlag{41, 1};
    static constexpr RecordField bracketQuinellaSaleFlag{42, 1};
    static constexpr RecordField placePayingPlaces{43, 1};  // places the place bets pay (2 or 3)
    static constexpr OddsList win{{44, 2, 8, 28}, {46, 4, 8, 28}, {}, {50, 2, 8, 28}, {928, 11}};
    static constexpr OddsList place{{268, 2, 12, 28}, {270, 4, 12, 28}, {274, 4, 12, 28}, {278, 2, 12, 28}, {939, 11}};
    static constexpr OddsList bracketQuinella{{604, 2, 9, 36}, {606, 5, 9, 36}, {}, {611, 2, 9, 36}, {950, 11}};

    static constexpr NamedField fields[] = {
        {"placeSaleFlag", placeSaleFlag},
        {"bracketQuinellaSaleFlag", bracketQuinellaSaleFlag},
        {"placePayingPlaces", placePayingPlaces},
        {"win.combination", win.combination},
        {"win.odds", win.odds},
        {"win.popularity", win.popularity},
        {"win.voteTotal", win.voteTotal},
        {"place.combination", place.combination},
        {"place.odds", place.odds},
        {"place.oddsHigh", place.oddsHigh},
        {"place.popularity", place.popularity},
        {"place.voteTotal", place.voteTotal},
        {"bracketQuinella.combination", bracketQuinella.combination},
        {"bracketQuinella.odds", bracketQuinella.odds},
        {"bracketQuinella.popularity", bracketQuinella.popularity},
        {"bracketQuinella.voteTotal", bracketQuinella.voteTotal},
    };
};

// O2, quinella odds (2042 bytes).
struct O2Field : OddsField {
    static constexpr std::string_view type = "O2";
    static constexpr OddsList quinella{{41, 4, 13, 153}, {45, 6, 13, 153}, {}, {51, 3, 13, 153}, {2030, 11}};

    static constexpr NamedField fields[] = {
        {"quinella.combination", quinella.combination},
        {"quinella.odds", quinella.odds},
        {"quinella.popularity", quinella.popularity},
        {"quinella.voteTotal", quinella.voteTotal},
    };
};

// O3, quinella place odds (2654 bytes).
struct O3Field : OddsField {
    static constexpr std::string_view type = "O3";
    static constexpr OddsList quinellaPlace{
        {41, 4, 17, 153}, {45, 5, 17, 153}, {50, 5, 17, 153}, {55, 3, 17, 153}, {2642, 11}};

    static constexpr NamedField fields[] = {
        {"quinellaPlace.combination", quinellaPlace.combination},
        {"quinellaPlace.odds", quinellaPlace.odds},
        {"quinellaPlace.oddsHigh", quinellaPlace.oddsHigh},
        {"quinellaPlace.popularity", quinellaPlace.popularity},
        {"quinellaPlace.voteTotal", quinellaPlace.voteTotal},
    };
};

// O4, exacta odds (4031 bytes).
struct O4Field : OddsField {
    static constexpr std::string_view type = "O4";
    static constexpr OddsList exacta{{41, 4, 13, 306}, {45, 6, 13, 306}, {}, {51, 3, 13, 306}, {4019, 11}};

    static constexpr NamedField fields[] = {
        {"exacta.combination", exacta.combination},
        {"exacta.odds", exacta.odds},
        {"exacta.popularity", exacta.popularity},
        {"exacta.voteTotal", exacta.voteTotal},
    };
};

// O5, trio odds (12293 bytes).
struct O5Field : OddsField {
    static constexpr std::string_view type = "O5";
    static constexpr OddsList trio{{41, 6, 15, 816}, {47, 6, 15, 816}, {}, {53, 3, 15, 816}, {12281, 11}};

    static constexpr NamedField fields[] = {
        {"trio.combination", trio.combination},
        {"trio.odds", trio.odds},
        {"trio.popularity", trio.popularity},
        {"trio.voteTotal", trio.voteTotal},
    };
};

// O6, trifecta odds (83285 bytes).
struct O6Field : OddsField {
    static constexpr std::string_view type = "O6";
    static constexpr OddsList trifecta{{41, 6, 17, 4896}, {47, 7, 17, 4896}, {}, {54, 4, 17, 4896}, {83273, 11}};

    static constexpr NamedField fields[] = {
        {"trifecta.combination", trifecta.combination},
        {"trifecta.odds", trifecta.odds},
        {"trifecta.popularity", trifecta.popularity},
        {"trifecta.voteTotal", trifecta.voteTotal},
    };
};

// WE, weather and going of a course (42 bytes); no race number: the announcement follows the meeting.
struct WeField : MeetingIdField {
    static constexpr std::string_view type = "WE";
    static constexpr RecordField announced{26, 8};              // announcement "mmddhhmm"
    static constexpr RecordField announcedMonthDay{26, 4};      // announcement mmdd
    static constexpr RecordField announcedTime{30, 4};          // announcement hhmm
    static constexpr RecordField changeKind{34, 1};             // 1 initial state, 2 weather, 3 going
    static constexpr RecordField weatherCode{35, 1};            // weather, code table
    static constexpr RecordField turfGoingCode{36, 1};          // going of the turf, code table
    static constexpr RecordField dirtGoingCode{37, 1};          // going of the dirt, code table
    static constexpr RecordField previousWeatherCode{38, 1};    // before the change
    static constexpr RecordField previousTurfGoingCode{39, 1};  // before the change
    static constexpr RecordField previousDirtGoingCode{40, 1};  // before the change
    static constexpr RecordField lineKey{12, 23};               // key of a line of the change file: 12-34

    static constexpr NamedField fields[] = {
        {"announced", announced, true},
        {"announcedMonthDay", announcedMonthDay},
        {"announcedTime", announcedTime},
        {"changeKind", changeKind},
        {"weatherCode", weatherCode},
        {"turfGoingCode", turfGoingCode},
        {"dirtGoingCode", dirtGoingCode},
        {"previousWeatherCode", previousWeatherCode},
        {"previousTurfGoingCode", previousTurfGoingCode},
        {"previousDirtGoingCode", previousDirtGoingCode},
        {"lineKey", lineKey, true},
    };
};

// AV, a scratched runner (78 bytes).
struct AvField : IdField {
    static constexpr std::string_view type = "AV";
    static constexpr RecordField announced{28, 8};    // announcement "mmddhhmm"
    static constexpr RecordField horseNumber{36, 2};  // 1..18
    static constexpr RecordField horseName{38, 36};   // full-width
    static constexpr RecordField reasonCode{74, 3};   // reason of the scratch

    static constexpr NamedField fields[] = {
        {"announced", announced},
        {"horseNumber", horseNumber},
        {"horseName", horseName},
        {"reasonCode", reasonCode},
    };
};

// TC, a post-time change (45 bytes).
struct TcField : IdField {
    static constexpr std::string_view type = "TC";
    static constexpr RecordField announced{28, 8};         // announcement "mmddhhmm"
    static constexpr RecordField newPostTime{36, 4};       // hhmm
    static constexpr RecordField previousPostTime{40, 4};  // hhmm

    static constexpr NamedField fields[] = {
        {"announced", announced},
        {"newPostTime", newPostTime},
        {"previousPostTime", previousPostTime},
    };
};

// JC, a jockey change (161 bytes): the runner, then the riding after and before the change.
struct JcField : IdField {
    static constexpr std::string_view type = "JC";
    static constexpr RecordField announced{28, 8};                // announcement "mmddhhmm"
    static constexpr RecordField horseNumber{36, 2};              // 1..18
    static constexpr RecordField horseName{38, 36};               // full-width
    static constexpr RecordField carriedWeight{74, 3};            // 0.1 kg
    static constexpr RecordField jockeyCode{77, 5};               // jockey
    static constexpr RecordField jockeyName{82, 34};              // full-width
    static constexpr RecordField apprenticeCode{116, 1};          // apprentice allowance, code table
    static constexpr RecordField previousCarriedWeight{117, 3};   // 0.1 kg
    static constexpr RecordField previousJockeyCode{120, 5};      // jockey
    static constexpr RecordField previousJockeyName{125, 34};     // full-width
    static constexpr RecordField previousApprenticeCode{159, 1};  // apprentice allowance, code table

    static constexpr NamedField fields[] = {
        {"announced", announced},
        {"horseNumber", horseNumber},
        {"horseName", horseName},
        {"carriedWeight", carriedWeight},
        {"jockeyCode", jockeyCode},
        {"jockeyName", jockeyName},
        {"apprenticeCode", apprenticeCode},
        {"previousCarriedWeight", previousCarriedWeight},
        {"previousJockeyCode", previousJockeyCode},
        {"previousJockeyName", previousJockeyName},
        {"previousApprenticeCode", previousApprenticeCode},
    };
};

// CC, a course change of a race (50 bytes).
struct CcField : IdField {
    static constexpr std::string_view type = "CC";
    static constexpr RecordField announced{28, 8};          // announcement "mmddhhmm"
    static constexpr RecordField distance{36, 4};           // metres after the change
    static constexpr RecordField trackCode{40, 2};          // track after the change, code table
    static constexpr RecordField previousDistance{42, 4};   // metres before the change
    static constexpr RecordField previousTrackCode{46, 2};  // track before the change
    static constexpr RecordField reasonCode{48, 1};         // reason of the change

    static constexpr NamedField fields[] = {
        {"announced", announced},
        {"distance", distance},
        {"trackCode", trackCode},
        {"previousDistance", previousDistance},
        {"previousTrackCode", previousTrackCode},
        {"reasonCode", reasonCode},
    };
};

// Every table by record type: the identification block's fields, the odds head where the type has one,
// and the type's own fields.
struct FieldTable {
    std::string_view type;
    std::array<std::span<const NamedField>, 4> lists;
};

inline constexpr FieldTable kFieldTables[] = {
    {RaField::type, {MeetingIdField::fields, IdField::fields, RaField::fields}},
    {SeField::type, {MeetingIdField::fields, IdField::fields, SeField::fields}},
    {DmField::type, {MeetingIdField::fields, IdField::fields, DmField::fields}},
    {TmField::type, {MeetingIdField::fields, IdField::fields, TmField::fields}},
    {HrField::type, {MeetingIdField::fields, IdField::fields, HrField::fields}},
    {O1Field::type, {MeetingIdField::fields, IdField::fields, OddsField::fields, O1Field::fields}},
    {O2Field::type, {MeetingIdField::fields, IdField::fields, OddsField::fields, O2Field::fields}},
    {O3Field::type, {MeetingIdField::fields, IdField::fields, OddsField::fields, O3Field::fields}},
    {O4Field::type, {MeetingIdField::fields, IdField::fields, OddsField::fields, O4Field::fields}},
    {O5Field::type, {MeetingIdField::fields, IdField::fields, OddsField::fields, O5Field::fields}},
    {O6Field::type, {MeetingIdField::fields, IdField::fields, OddsField::fields, O6Field::fields}},
    {WeField::type, {MeetingIdField::fields, WeField::fields}},
    {AvField::type, {MeetingIdField::fields, IdField::fields, AvField::fields}},
    {TcField::type, {MeetingIdField::fields, IdField::fields, TcField::fields}},
    {JcField::type, {MeetingIdField::fields, IdField::fields, JcField::fields}},
    {CcField::type, {MeetingIdField::fields, IdField::fields, CcField::fields}},
};

}  // namespace marovix
