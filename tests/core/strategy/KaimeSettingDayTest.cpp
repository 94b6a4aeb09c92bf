// The strategy window with a selected day: the targets of automatic operation from the tab's settings,
// the pre-marked horse table edited in the grid and imported from a CSV file, the CheckBox rule, and the
// opening refusal without a day.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/common/TextFile.h"
#include "core/race/RecordFields.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsTable.h"
#include "core/strategy/KaimeSettingModel.h"
#include "standins/records/RecordBuilder.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/TempFolder.h"

namespace marovix::kaime_setting_day_test {
namespace {

using Col = KaimeSettingCol;

// The day the main window holds, with what the window told it.
class FakeHost : public KaimeSettingHost {
public:
    RaceDay day;
    IndexRanks ranks{};
    std::array<bool, kRaceSlotCount> targets{};
    int umaSetChanges = 0;
    int strategyChanges = 0;

    RaceDay& umaSetDay() override { return day; }
    CardOdds cardOdds(RaceSlot) const override { return {}; }
    IndexRanks indexRanks(RaceSlot) const override { return ranks; }
    void setNaviTargets(const std::array<bool, kRaceSlotCount>& flags) override { targets = flags; }
    void umaSetChanged() override { ++umaSetChanges; }
    void strategyChanged(const MarkStrategy&) override { ++strategyChanges; }
};

constexpr const char* kDayText = "2024年05月26日";

class KaimeSettingDayTest : public ::testing::Test {
protected:
    TempFolder folder;
    FakeClock clock{DateTime{2024, 5, 26, 9, 0, 0}};
    std::unique_ptr<Settings> settings = std::make_unique<Settings>(folder.path(), folder.path(), clock);
    FakeDialogs dialogs;
    FakeHost host;

    // `races` races at Tokyo (race numbers 1..), 8 runners each, distances 1000, 1200, 1250, 1600, ...;
    // the ".Uset" file of blank lines when `usetFile`.
    std::unique_ptr<KaimeSettingModel> open(int races, bool usetFile = true) {
        const int distances[] = {1000, 1200, 1250, 1600, 1800, 2000};
        host.day.files.umaSet = folder.file("20240526.Uset");
        std::vector<RaceSlot> slots;
        std::vector<std::string> texts;
        for (int k = 0; k < races; ++k) {
            host.day.races[static_cast<std::size_t>(k)] = RecordBuilder("RA")
                                                              .field(RaField::year, "2024")
                                                              .field(RaField::monthDay, "0526")
                                                              .field(RaField::courseCode, "05")
                                                              .number(RaField::raceNumber, k + 1)
                                                              .number(RaField::trackCode, 11)
                                                              .field(RaField::raceTypeCode, "13")
                                                              .field(RaField::youngestConditionCode, "005")
                                                              .field(RaField::weightRuleCode, "3")
                                                              .number(RaField::registeredRunners, 8)
                                                              .number(RaField::distance, distances[k % 6])
                                                              .field(RaField::postTime, "1000")
                                                              .record();
            for (int h = 1; h <= 8; ++h)
                host.day.runners[static_cast<std::size_t>(k)][static_cast<std::size_t>(h - 1)] =
                    RecordBuilder("SE").number(SeField::horseNumber, h).number(SeField::bracketNumber, 1).record();
            host.day.umaSet[static_cast<std::size_t>(k)] = std::string(kUmaSetLineLength, ' ');
            slots.push_back(k);
            texts.push_back("東京" + std::to_string(k + 1) + "R");
        }
        if (usetFile) {
            const std::vector<std::string> blank(static_cast<std::size_t>(races), std::string(kUmaSetLineLength, ' '));
            EXPECT_TRUE(writeRawLines(host.day.files.umaSet, blank));
        }
        auto model = std::make_unique<KaimeSettingModel>(KaimeSettingPorts{*settings, dialogs, folder.path(), &host});
        model->setRaceDay(kDayText, slots, texts);
        return model;
    }
    std::string usetRecord(int k) {
        const std::string bytes = readFileBytes(host.day.files.umaSet).value();
        return bytes.substr(static_cast<std::size_t>(k) * 56, 54);
    }
    static std::string flags(const std::string& line, int horse) { return line.substr(3 * (horse - 1), 3); }
};

TEST_F(KaimeSettingDayTest, AFreshSettingsFileSelectsEveryItemAndTakesEveryRace) {
    auto model = open(6);
    for (const auto& list : model->state().targets.filter.selected)
        EXPECT_EQ(std::count(list.begin(), list.end(), false), 0);
    model->NaviSetBtnClick();
    EXPECT_EQ(std::count(host.targets.begin(), host.targets.end(), true), 6);
    EXPECT_EQ(model->state().navRListBox.size(), 6u);
}

TEST_F(KaimeSettingDayTest, AMissingListKeyTakesTheValueReadBeforeIt) {
    // bashoList 00-02 follow NaviQuit Sel (1), 03 is 0, and every key after it follows that 0; a value
    // other than 0 and 1 leaves its item unselected.
    ASSERT_TRUE(writeRawLines(folder.file("Marovix.ini"), {"[bashoList]", "03=0", "[TosuList]", "02=1", "04=7"}));
    settings = std::make_unique<Settings>(folder.path(), folder.path(), clock);
    auto model = open(1);
    const RaceFilter& filter = model->state().targets.filter;
    EXPECT_EQ(filter.list(FilterListId::BashoList0),
              (std::vector<bool>{true, true, true, false, false, false, false, false, false, false}));
    EXPECT_EQ(filter.list(FilterListId::TrackList0), (std::vector<bool>{false, false, false}));
    const std::vector<bool>& tosu = filter.list(FilterListId::TosuList0);
    EXPECT_TRUE(tosu[2] && tosu[3]);
    EXPECT_FALSE(tosu[1] || tosu[4] || tosu[5]);
}

TEST_F(KaimeSettingDayTest, TheTabsClicksAreStoredAndTheTargetsChangeOnlyByTheButton) {
    auto model = open(6);
    model->filterListContextPopup(FilterListId::ClassList0);  // every class cleared: no restriction
    EXPECT_EQ(settings->readList(settings::ClassList, 1), std::vector<std::int32_t>(10, 0));
    model->KyoriEditChange(true, 1000);
    model->KyoriEditChange(false, 1200);
    EXPECT_EQ(settings->readInt(settings::RaceFilterKyori2), 1200);
    EXPECT_EQ(std::count(host.targets.begin(), host.targets.end(), true), 0);
    model->NaviSetBtnClick();
    // 1000 m and 1200 m are in, 1250 m and the longer races are out.
    EXPECT_TRUE(host.targets[0] && host.targets[1]);
    EXPECT_FALSE(host.targets[2] || host.targets[3] || host.targets[4] || host.targets[5]);
    model->filterListClick(FilterListId::TrackList0, 0, false);  // turf deselected, dirt and jumps kept
    model->NaviSetBtnClick();
    EXPECT_EQ(std::count(host.targets.begin(), host.targets.end(), true), 0);
    EXPECT_EQ(settings->readList(settings::TrackList, 1), (std::vector<std::int32_t>{0, 1, 1}));
}

TEST_F(KaimeSettingDayTest, OneByOneRightAfterTheDaysSelectionTakesEveryRace) {
    auto model = open(6);
    model->filterListContextPopup(FilterListId::BashoList0);    // every course cleared ...
    model->filterListClick(FilterListId::BashoList0, 0, true);  // ... but 札幌: by attributes none
    model->NaviSetBtnClick();
    EXPECT_EQ(std::count(host.targets.begin(), host.targets.end(), true), 0);
    model->PickMethodGroupClick(1);
    EXPECT_EQ(settings->readInt(settings::TaishoRPickWay), 1);
    model->NaviSetBtnClick();
    EXPECT_EQ(std::count(host.targets.begin(), host.targets.end(), true), 6);
    model->RaceList0Click(2, false);
    model->NaviSetBtnClick();
    EXPECT_FALSE(host.targets[2]);
    EXPECT_EQ(std::count(host.targets.begin(), host.targets.end(), true), 5);
}

TEST_F(KaimeSettingDayTest, TheStopRuleFollowsTheTabAtOnce) {
    auto model = open(1);
    model->NaviQuitRadioClick(2);
    model->NaviQuitEditChange(0, "12000");
    EXPECT_EQ(settings->readInt(settings::NaviQuitSel), 2);
    EXPECT_EQ(settings->readInt(settings::NaviQuitZandaka1), 12000);
    EXPECT_FALSE(model->naviQuitFires(12000));
    EXPECT_TRUE(model->naviQuitFires(12001));
    model->NaviQuitEditChange(0, "");  // no digit: the goal stays
    EXPECT_EQ(model->state().naviQuit.goal, 12000);
    model->NaviQuitRadioClick(3);
    EXPECT_FALSE(model->naviQuitFires(5000));
    EXPECT_TRUE(model->naviQuitFires(4999));
}

TEST_F(KaimeSettingDayTest, OpeningWithoutADayIsRefused) {
    KaimeSettingModel model({*settings, dialogs, folder.path(), &host});
    EXPECT_FALSE(model.InputFormBtnClick());
    EXPECT_EQ(dialogs.beeps, 1);
    EXPECT_EQ(dialogs.informations, std::vector<std::string>{"開催日のデータを読み込んでください。"});
    auto opened = open(6);
    EXPECT_TRUE(opened->InputFormBtnClick());
    EXPECT_EQ(opened->state().datList.selected, 0);
    EXPECT_EQ(opened->state().stringGrid26.rowCount(), 9);
}

TEST_F(KaimeSettingDayTest, AMarkClickTogglesTheFlagAndSavesTheTableInItsPlace) {
    auto model = open(6);
    model->DatListClick(1);
    model->StringGrid26Click(static_cast<int>(Col::MarkHonmei) + 1, 3);  // ○ of horse 3 in race 2
    EXPECT_EQ(model->state().stringGrid26.cell(19, 3), "ν");
    EXPECT_EQ(flags(usetRecord(1), 3), " 1 ");
    EXPECT_EQ(usetRecord(0), std::string(54, ' '));
    EXPECT_EQ(host.umaSetChanges, 1);
    model->StringGrid26Click(19, 3);
    EXPECT_EQ(flags(usetRecord(1), 3), "   ");
    EXPECT_EQ(model->state().stringGrid26.cell(19, 3), "");
}

TEST_F(KaimeSettingDayTest, WithFourRacesOrFewerNothingIsSaved) {
    auto model = open(4);
    model->DatListClick(0);
    model->StringGrid26Click(18, 1);
    EXPECT_EQ(model->state().stringGrid26.cell(18, 1), "ν");
    EXPECT_EQ(flags(host.day.umaSet[0], 1), "1  ");
    EXPECT_EQ(usetRecord(0), std::string(54, ' '));
}

TEST_F(KaimeSettingDayTest, AMissingUsetFileIsToldAndTheTableStaysInMemory) {
    auto model = open(6, false);
    model->DatListClick(0);
    model->StringGrid26Click(18, 1);
    EXPECT_EQ(dialogs.informations, std::vector<std::string>{"[2024年05月26日.Uset]が見つかりません。"});
    EXPECT_EQ(flags(host.day.umaSet[0], 1), "1  ");
    EXPECT_FALSE(fileExists(host.day.files.umaSet));
}

TEST_F(KaimeSettingDayTest, TheCheckBoxShowsTheRankMarksAndKeepsTheStoredFlags) {
    auto model = open(6);
    model->DatListClick(0);
    model->StringGrid26Click(18, 2);  // horse 2 pre-marked ◎
    host.ranks[static_cast<std::size_t>(MarkIndex::TanPop)][5] = 1;
    model->NinListClick(0, 1, true);  // ◎ = rank 1 of 単人気: horse 5
    EXPECT_EQ(model->state().stringGrid26.cell(18, 5), "");
    model->CheckBoxClick(0, true);
    EXPECT_EQ(model->state().stringGrid26.cell(18, 5), "ν");
    EXPECT_EQ(model->state().stringGrid26.cell(18, 2), "");
    EXPECT_EQ(flags(usetRecord(0), 2), "1  ");
    model->CheckBoxClick(0, false);
    EXPECT_EQ(model->state().stringGrid26.cell(18, 2), "ν");
    EXPECT_EQ(model->state().stringGrid26.cell(18, 5), "");
    EXPECT_GE(host.strategyChanges, 3);
}

TEST_F(KaimeSettingDayTest, TheImportClearsTheMarkEverywhereAndSkipsLinesItCannotPlace) {
    auto model = open(6);
    host.day.umaSet[4] = std::string(54, ' ');
    host.day.umaSet[4][0] = '1';  // ◎ of horse 1 in race 5, not in the file
    host.day.umaSet[4][1] = '1';  // ○ of the same horse stays
    ASSERT_TRUE(makeDirectory(folder.file("CSV")));
    ASSERT_TRUE(writeTextLines(folder.file("CSV/picks.csv"), {
                                                                 "202405260502010103,x",  // 18 characters
                                                                 "20240526050104,x",      // 14, same race
                                                                 "20240526050107",        // 14, race 1
                                                                 "20240526050119",        // horse 19
                                                                 "20240526060101",        // another course
                                                                 "",
                                                             }));
    dialogs.setNextAnswer(true);
    dialogs.chosenPaths.push_back(folder.file("CSV/picks.csv"));
    model->ReadCSVBtnClick();
    EXPECT_EQ(dialogs.questions, std::vector<std::string>{
                                     "[picks.csv]より[◎]の指定馬を取り込みます。記録済みの[◎]指定馬はクリアされますが、"
                                     "実行してよろしいですか？"});
    EXPECT_EQ(flags(usetRecord(0), 3), "1  ");
    EXPECT_EQ(flags(usetRecord(0), 4), "1  ");
    EXPECT_EQ(flags(usetRecord(0), 7), "1  ");
    EXPECT_EQ(flags(usetRecord(4), 1), " 1 ");
    ASSERT_EQ(dialogs.informations.size(), 1u);
    EXPECT_NE(dialogs.informations[0].find("2行を読み飛ばしました"), std::string::npos) << dialogs.informations[0];
}

TEST_F(KaimeSettingDayTest, TheTwoKeyFormsMarkTheSameHorse) {
    auto model = open(6);
    ASSERT_TRUE(writeTextLines(folder.file("a.csv"), {"202405260503040402"}));
    ASSERT_TRUE(writeTextLines(folder.file("b.csv"), {"20240526050402"}));
    model->SirusiRadioClick(2);
    dialogs.setNextAnswer(true);
    model->importPreMarked(folder.file("a.csv"));
    const std::string fromLong = usetRecord(3);
    dialogs.setNextAnswer(true);
    model->importPreMarked(folder.file("b.csv"));
    EXPECT_EQ(usetRecord(3), fromLong);
    EXPECT_EQ(flags(fromLong, 2), "  1");
}

TEST_F(KaimeSettingDayTest, AnImportAnsweredNoChangesNothing) {
    auto model = open(6);
    host.day.umaSet[0][0] = '1';
    ASSERT_TRUE(writeTextLines(folder.file("a.csv"), {"20240526050102"}));
    model->importPreMarked(folder.file("a.csv"));
    EXPECT_EQ(host.day.umaSet[0][0], '1');
    EXPECT_EQ(host.umaSetChanges, 0);
}

}  // namespace
}  // namespace marovix::kaime_setting_day_test
