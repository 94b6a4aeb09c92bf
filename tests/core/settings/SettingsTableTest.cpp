#include "core/settings/SettingsTable.h"

#include <algorithm>
#include <cctype>
#include <set>

#include <gtest/gtest.h>

namespace marovix::settings_table_test {
namespace {

std::string folded(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

TEST(SettingsTable, HoldsTheDefaultsTheProgramReliesOn) {
    using namespace settings;
    const struct {
        const SettingKey& row;
        std::int32_t number;
    } numbers[] = {
        {LocateTop, 10},
        {LocateLeft, 10},
        {LocateWidth, 1100},
        {LocateHeight, 750},
        {LocateDELeft, 700},
        {LocateKaiSetLeft, 700},
        {IpatLogLocateWidth, 600},
        {TimeAutoOzGet, 10},
        {TimeAutoOzGetSec, 0},
        {TimeAutoTohyoInterval, 5},
        {TimeAutoRdataGet, 10},
        {settings::NaviQuitSel, 1},
        {NaviQuitZandaka1, 10000},
        {NaviQuitZandaka2, 5000},
        {RaceFilterKyori1, 1000},
        {RaceFilterKyori2, 5000},
        {KaimeSetDefaultAmount[7], 3000},
        {PlaySound1, 1},
        {PlaySoundTohyo, 1},
        {JvDataGetKakuteiOzGet, 1},
        {TohyoSimMode, 0},
    };
    for (const auto& c : numbers) EXPECT_EQ(c.row.number, c.number) << c.row.section << "/" << c.row.key;

    EXPECT_EQ(OzSpanToz1A.key, "Toz1A");
    EXPECT_EQ(OzSpanToz1A.text, "1.0");
    EXPECT_EQ(OzSpanToz1B.text, "99999.9");
    EXPECT_EQ(OzSpanURoz1B.key, "URoz1B");
    EXPECT_EQ(OzSpanURoz1B.text, "999999.9");
    EXPECT_EQ(OzSpanSRToz1B.key, "SRToz1B");
    EXPECT_EQ(OzSpanSRToz1B.text, "9999999.9");
    EXPECT_EQ(OriginalSisu2.text, "SisuB");
    EXPECT_EQ(InfoSettingsOzAlarm.run, RunDefault::WindowsMedia);
    EXPECT_EQ(InfoSettingsOzAlarm.text, "Ring08.wav");
    EXPECT_EQ(InfoSettingsTohyoAlarm.text, "Alarm05.wav");
    EXPECT_EQ(JvDataGetLastTime.run, RunDefault::YearBeforeNow);
    EXPECT_EQ(DirLumidex.run, RunDefault::AppFolder);
    EXPECT_EQ(BuyBaken[5].key, "UT");
    EXPECT_EQ(KaimeSetDefaultAmount[1].key, "DefaultAmountFuk");
    EXPECT_EQ(TohyoDupOK.section, "tohyo");
}

TEST(SettingsTable, ListsEveryRowOnceWithADefaultOfItsType) {
    auto rows = settings::allKeys();
    EXPECT_EQ(rows.size(), 95u);
    std::set<std::string> seen;
    for (const SettingKey* row : rows) {
        ASSERT_NE(row, nullptr);
        std::string name = folded(row->section) + "/" + folded(row->key);
        EXPECT_TRUE(seen.insert(name).second) << "twice: " << name;
        if (row->type == SettingType::Bool) {
            EXPECT_TRUE(row->number == 0 || row->number == 1) << name;
        }
        if (row->type != SettingType::Text) {
            EXPECT_TRUE(row->text.empty()) << name;
            EXPECT_EQ(row->run, RunDefault::None) << name;
        }
        if (row->run == RunDefault::WindowsMedia) {
            EXPECT_FALSE(row->text.empty()) << name;
        }
    }
}

TEST(SettingsTable, RaceFilterListsInReadingOrderWithTwoDigitItemKeys) {
    const std::pair<std::string_view, int> expected[] = {
        {"bashoList", 10}, {"TrackList", 3}, {"ClassList", 10}, {"AgeList", 4}, {"JuryoList", 4}, {"TosuList", 14},
    };
    for (int i = 0; i < settings::RaceFilterListCount; ++i) {
        EXPECT_EQ(settings::RaceFilterLists[i]->section, expected[i].first);
        EXPECT_EQ(settings::RaceFilterLists[i]->itemCount, expected[i].second);
    }
    EXPECT_EQ(settings::listItemKey(0), "00");
    EXPECT_EQ(settings::listItemKey(7), "07");
    EXPECT_EQ(settings::listItemKey(13), "13");
}

}  // namespace
}  // namespace marovix::settings_table_test
