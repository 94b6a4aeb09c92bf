#include "core/race/RaceCard.h"

#include <algorithm>
#include <cstdio>

#include "core/common/Format.h"
#include "core/common/Trim.h"
#include "core/race/JvRecord.h"
#include "core/race/KeibaFunc.h"
#include "core/race/RecordFields.h"

namespace marovix {
namespace {

constexpr const char* kFullWidthBlank = "　";

// Bracket colours 1..8.
Rgb bracketColor(int bracket) {
    static constexpr Rgb colors[] = {0xFFFFFF, 0x808080, 0xFF0000, 0x0000FF, 0xFFFF00, 0x00FF00, 0xFF8000, 0xFF00FF};
    return bracket >= 1 && bracket <= 8 ? colors[bracket - 1] : kWhite;
}

// Ranks: bold, red for 1, blue for 2 and 3, black otherwise.
void rankRule(CellStyle& style, const std::string& text) {
    const int value = lenientInt(text);
    style.bold = true;
    style.color = value == 1 ? kRed : (value == 2 || value == 3) ? kBlue : kBlack;
}

std::string sexAge(std::string_view runner) {
    return SexText(fieldUtf8(runner, SeField::sexCode)) + FixedWidthNumber(fieldUtf8(runner, SeField::age));
}

}  // namespace

std::string oddsText(double odds) {
    if (!(odds > 0)) return "     ";
    char text[32];
    std::snprintf(text, sizeof text, "%5.1f", odds);
    return text;
}

std::string rankText(int rank) { return rank < 1 ? kFullWidthBlank : formatted("%2d", rank); }

std::string dmTimeText(int time) {
    if (time == 0) return {};
    const std::string digits = formatted("%05d", time);
    return digits.substr(0, 1) + "." + digits.substr(1, 2) + "." + digits.substr(3, 2);
}

namespace {

std::string horseNumberText(std::string_view runner) {
    return formatted("%2d", fieldNumber(runner, SeField::horseNumber));
}

// The columns both cards show: bracket, number, name, sex and age, jockey, weight and the win odds.
template <class Col, class Grid>
void fillRunnerColumns(Grid& grid, int r, std::string_view runner, const CardOdds& odds) {
    const auto h = static_cast<std::size_t>(r);
    grid.setCell(Col::Waku, r, formatted("%2d", fieldNumber(runner, SeField::bracketNumber)));
    grid.setCell(Col::Uma, r, horseNumberText(runner));
    grid.setCell(Col::Bamei, r, fieldUtf8(runner, SeField::horseName));
    grid.setCell(Col::SeiRei, r, sexAge(runner));
    grid.setCell(Col::Kishu, r, fieldUtf8(runner, SeField::jockeyShortName));
    grid.setCell(Col::Kinryo, r, carriedWeightText(fieldText(runner, SeField::carriedWeight)));
    grid.setCell(Col::TanOz, r, oddsText(odds.win[h]));
}

// Rows 1.. of a card, one per runner slot.
int lastRunnerRow(int rowCount) { return std::min(rowCount - 1, kRunnerSlotCount); }

}  // namespace

void fillRaceCard(RaceCard26Grid& card26, RaceCard1Grid& card1, const RunnerRecords& runners,
                  const RunnerIndexes& indexes, const CardOdds& odds) {
    for (int r = 1; r <= lastRunnerRow(card26.rowCount()); ++r) {
        fillRunnerColumns<Card26Col>(card26, r, runners[static_cast<std::size_t>(r - 1)], odds);
        card26.setCell(Card26Col::TanJun, r, rankText(odds.winPop[static_cast<std::size_t>(r)]));
    }
    for (int r = 1; r <= lastRunnerRow(card1.rowCount()); ++r) {
        const std::string& runner = runners[static_cast<std::size_t>(r - 1)];
        const auto h = static_cast<std::size_t>(r);
        fillRunnerColumns<Card1Col>(card1, r, runner, odds);
        card1.setCell(Card1Col::Chokyoshi, r, fieldUtf8(runner, SeField::trainerShortName));
        card1.setCell(Card1Col::Compi, r,
                      indexes.CompiValue[h] < 1 ? "     " : formatted("%3d", indexes.CompiValue[h]));
        card1.setCell(Card1Col::CompiRank, r, rankText(indexes.CompiRank[h]));
        card1.setCell(Card1Col::TanPop, r, rankText(odds.winPop[h]));
        card1.setCell(Card1Col::FukOz, r, oddsText(odds.placeLow[h]));
        card1.setCell(Card1Col::FukPop, r, rankText(odds.placePop[h]));
        card1.setCell(Card1Col::DMTime, r, dmTimeText(indexes.DMTime[h]));
        card1.setCell(Card1Col::DMRank, r, rankText(indexes.DMRank[h]));
        card1.setCell(Card1Col::TMScore, r, indexes.TMRank[h] > 0 ? oddsText(indexes.TMScore[h] / 10.0) : "     ");
        card1.setCell(Card1Col::TMRank, r, rankText(indexes.TMRank[h]));
        card1.setCell(Card1Col::Own1, r, rankText(indexes.OwnIndex1[h]));
        card1.setCell(Card1Col::Own2, r, rankText(indexes.OwnIndex2[h]));
        card1.setCell(Card1Col::Chakujun, r, rankText(fieldNumber(runner, SeField::finishingPosition)));
        card1.setCell(Card1Col::Ninki, r, rankText(fieldNumber(runner, SeField::finalWinPopularity)));
        card1.setCell(Card1Col::KakuOdds, r, winOddsText(fieldText(runner, SeField::finalWinOdds)));
    }
}

void fillHorseNumbers(RaceCard26Grid& card26, const RunnerRecords& runners) {
    for (int r = 1; r <= lastRunnerRow(card26.rowCount()); ++r)
        card26.setCell(Card26Col::Uma, r, horseNumberText(runners[static_cast<std::size_t>(r - 1)]));
}

RaceHeader raceHeader(const RaceRecord& race, const RaceWork& work) {
    RaceHeader header;
    const std::string course = CourseName(fieldUtf8(race, RaField::courseCode));
    const std::string raceNumber = fieldUtf8(race, RaField::raceNumber);
    header.basho = course;
    header.race = trimmed(FixedWidthNumber(raceNumber), Blanks::Space);
    const int track = fieldNumber(race, RaField::trackCode);
    header.panelColor = track >= 10 && track <= 22 ? 0x008000 : 0xAAA66A;
    // Hour and minute cut from the record by byte position, like every field: a damaged post time (a NUL,
    // a multi-byte character) gives a short or odd text, never a cut outside it.
    constexpr RecordField postHour{RaField::postTime.position, 2};
    constexpr RecordField postMinute{RaField::postTime.position + 2, 2};
    const std::string weather = WeatherText(work.WeatherCode) + "　" + GoingText(work.TurfGoingCode, 1) + "　" +
                                GoingText(work.DirtGoingCode, 2);
    header.label1 = fieldUtf8(race, RaField::year) + "年" + fieldUtf8(race, RaField::month) + "月" +
                    fieldUtf8(race, RaField::dayOfMonth) + "日(" + WeekdayText(fieldUtf8(race, RaField::weekdayCode)) +
                    ")" + course + fieldUtf8(race, RaField::meetingNumber) + "回" +
                    fieldUtf8(race, RaField::dayNumber) + "日" + raceNumber + "R   " + fieldUtf8(race, postHour) + "." +
                    fieldUtf8(race, postMinute) + "発走  " + weather;
    header.label2 = trimmed(StripFullWidthSpaces(fieldUtf8(race, RaField::raceName)), Blanks::Space);
    header.label3 =
        formatted("%2d", fieldNumber(race, RaField::registeredRunners)) + "頭 " +
        formatted("%4d", fieldNumber(race, RaField::distance)) + "ﾒｰﾄﾙ " +
        TrackText(fieldUtf8(race, RaField::trackCode)) + " " + GradeText(fieldUtf8(race, RaField::gradeCode), 1) + " " +
        WeightRuleText(fieldUtf8(race, RaField::weightRuleCode)) + " " +
        AgeClassText(fieldUtf8(race, RaField::raceTypeCode), fieldUtf8(race, RaField::youngestConditionCode));
    return header;
}

CellStyle raceCard26Style(const RaceCard26Grid& grid, const RaceWork& work, int column, int row) {
    CellStyle style;
    if (row == 0) {
        style.background = 0xC0C0C0;
        return style;
    }
    if (column == RaceCard26Grid::index(Card26Col::Bamei)) style.align = CellStyle::Align::Left;
    const int horse = lenientInt(grid.cell(Card26Col::Uma, row));
    if (horse <= 0) return style;
    switch (static_cast<Card26Col>(column)) {
        case Card26Col::Waku: style.background = bracketColor(lenientInt(grid.cell(Card26Col::Waku, row))); break;
        case Card26Col::Uma: style.toolTipBackground = true; break;
        case Card26Col::Bamei:
            style.background = horse <= 18 && work.Scratched[static_cast<std::size_t>(horse)] ? 0xC0C0C0 : kWhite;
            break;
        case Card26Col::SeiRei:
        case Card26Col::Kishu:
        case Card26Col::Kinryo:
        case Card26Col::TanOz: style.background = kWhite; break;
        case Card26Col::TanJun:
            style.background = kWhite;
            rankRule(style, grid.cell(Card26Col::TanJun, row));
            break;
        case Card26Col::Mark1:
        case Card26Col::Mark2:
        case Card26Col::Mark3:
            style.background = 0xFFFF80;
            style.bold = true;
            break;
        default: break;
    }
    return style;
}

CellStyle raceCard1Style(const RaceCard1Grid& grid, int column, int row) {
    CellStyle style;
    if (row == 0) {
        style.background = 0xD3C7FE;
        return style;
    }
    const auto col = static_cast<Card1Col>(column);
    if (col == Card1Col::Bamei) style.align = CellStyle::Align::Left;
    const std::string& text = grid.text().cell(column, row);
    switch (col) {
        case Card1Col::Waku: style.background = bracketColor(lenientInt(text)); return style;
        case Card1Col::Uma:
        case Card1Col::Kishu: style.toolTipBackground = true; return style;
        case Card1Col::Bamei:
        case Card1Col::SeiRei:
        case Card1Col::Kinryo:
        case Card1Col::Chokyoshi: style.background = kWhite; return style;
        case Card1Col::Compi:
        case Card1Col::CompiRank: style.background = 0xACFFAC; break;
        case Card1Col::TanOz:
        case Card1Col::TanPop:
        case Card1Col::FukOz:
        case Card1Col::FukPop: style.background = 0xFFFF80; break;
        case Card1Col::DMTime:
        case Card1Col::DMRank:
        case Card1Col::TMScore:
        case Card1Col::TMRank: style.background = 0xFFB5FF; break;
        case Card1Col::Own1:
        case Card1Col::Own2: style.background = 0xCACAFF; break;
        default: style.background = 0xA2FFFF; break;
    }
    switch (col) {
        case Card1Col::CompiRank:
        case Card1Col::TanPop:
        case Card1Col::FukPop:
        case Card1Col::DMRank:
        case Card1Col::TMRank:
        case Card1Col::Own1:
        case Card1Col::Own2:
        case Card1Col::Chakujun:
        case Card1Col::Ninki: rankRule(style, text); break;
        default: break;
    }
    return style;
}

Rgb raceListBackground(bool selected, bool target) {
    if (selected) return 0x0000FF;
    return target ? 0xD4E6FC : kWhite;
}

std::string raceListText(const RaceRecord& race) {
    return CourseName(fieldUtf8(race, RaField::courseCode)) + FixedWidthNumber(fieldUtf8(race, RaField::raceNumber)) +
           "R";
}

}  // namespace marovix
