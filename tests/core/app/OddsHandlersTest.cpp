// The odds of the loaded day in the main model: read for every slot when the day is chosen, shown on the
// race card, and imported from the time-series viewer's folder.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/app/MainModel.h"
#include "core/common/TextFile.h"
#include "core/race/JvRecord.h"
#include "core/race/RecordFields.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsTable.h"
#include "tests/support/DemoDay.h"
#include "tests/support/FakeMainPorts.h"

namespace marovix::odds_handlers_test {
namespace {

class OddsHandlersTest : public ::testing::Test {
protected:
    static DemoDay& demo(bool finalOdds) {
        static DemoDay withOdds(DemoDayOptions{DateTime{2025, 3, 1}, DateTime{2025, 3, 2}, 11, true, true});
        static DemoDay withoutOdds(DemoDayOptions{DateTime{2025, 3, 1}, DateTime{2025, 3, 2}, 11, false, true});
        return finalOdds ? withOdds : withoutOdds;
    }
    FakeMainPorts fakes;
    std::unique_ptr<MainModel> model;
    MainModel& start(DemoDay& day) {
        fakes.clock.set(DateTime{2025, 3, 3, 9, 0, 0});
        model = std::make_unique<MainModel>(day.appFolder(), day.appFolder() + "/share", fakes.ports());
        EXPECT_TRUE(model->create());
        return *model;
    }
};

TEST_F(OddsHandlersTest, ChoosingADayReadsTheOddsOfEveryRaceAndTheCardShowsThem) {
    MainModel& m = start(demo(true));
    m.DateComboChange(demo(true).days()[1]);
    const int races = static_cast<int>(m.state().datList.size());
    ASSERT_GT(races, 0);
    for (int slot = 0; slot < races; ++slot) {
        const OddsTable& table = m.session().odds().table(slot);
        EXPECT_GT(table.TanPop[1] + table.TanPop[2], 0) << slot;  // ranks computed
        EXPECT_TRUE(std::any_of(table.SRTOdds.begin(), table.SRTOdds.end(), [](double o) { return o > 0; })) << slot;
    }
    m.DatListClick(2);
    const OddsTable& shown = m.session().odds().table(2);
    const int runners = fieldNumber(m.session().day().race(2), RaField::registeredRunners);
    for (int h = 1; h <= runners; ++h) {
        char odds[16];
        if (shown.TanOdds[static_cast<std::size_t>(h)] > 0) {
            std::snprintf(odds, sizeof odds, "%5.1f", shown.TanOdds[static_cast<std::size_t>(h)]);
            EXPECT_EQ(m.state().stringGrid26.cell(Card26Col::TanOz, h), odds) << h;
            EXPECT_EQ(m.state().stringGrid1.cell(Card1Col::TanOz, h), odds) << h;
        } else {
            EXPECT_EQ(m.state().stringGrid26.cell(Card26Col::TanOz, h), "     ") << h;
        }
    }
}

TEST_F(OddsHandlersTest, WithoutOddsFilesEveryEntryIsEmptyAndNoHorseIsRanked) {
    MainModel& m = start(demo(false));
    m.DateComboChange(demo(false).days()[1]);
    const OddsTable& table = m.session().odds().table(0);
    EXPECT_EQ(table.TanPop[1], 0);
    EXPECT_EQ(m.state().stringGrid26.cell(Card26Col::TanJun, 1), "　");
    EXPECT_EQ(m.state().labels[LabelId::OzGetTimeLabel].text, "  :  ");
}

TEST_F(OddsHandlersTest, TheTimeSeriesImportIsRefusedWithoutItsFolderOrADay) {
    MainModel& m = start(demo(false));
    EXPECT_FALSE(m.T1Click());
    EXPECT_EQ(fakes.dialogs.informations, (std::vector<std::string>{"時系列ｵｯｽﾞﾌｫﾙﾀﾞ指定をしてください。"}));
    Settings settings(demo(false).appFolder(), demo(false).appFolder() + "/share", fakes.clock);
    ASSERT_TRUE(settings.writeText(settings::DirJikeiretu, demo(false).feedFolder() + "/companions/Kalvora/Data").ok());
    EXPECT_FALSE(m.T1Click());
    EXPECT_EQ(fakes.dialogs.informations.back(), "ｵｯｽﾞを読み込みたい当日の開催日ﾃﾞｰﾀを読み込んでください。");
    EXPECT_EQ(fakes.dialogs.beeps, 2);
    ASSERT_TRUE(settings.writeText(settings::DirJikeiretu, "").ok());
}

TEST_F(OddsHandlersTest, TheTimeSeriesImportFillsTheDayFilesAndReloadsTheDay) {
    DemoDay fresh(DemoDayOptions{DateTime{2025, 3, 1}, DateTime{2025, 3, 1}, 13, false, true});
    MainModel& m = start(fresh);
    Settings settings(fresh.appFolder(), fresh.appFolder() + "/share", fakes.clock);
    ASSERT_TRUE(settings.writeText(settings::DirJikeiretu, fresh.feedFolder() + "/companions/Kalvora/Data").ok());
    const std::string day = fresh.days()[0];
    m.DateComboChange(day);
    EXPECT_EQ(m.session().odds().table(0).TanPop[1], 0);
    EXPECT_TRUE(m.T1Click());
    ASSERT_FALSE(fakes.dialogs.informations.empty());
    const std::string races = std::to_string(m.state().datList.size());
    EXPECT_EQ(fakes.dialogs.informations.back(),
              races + "ﾚｰｽ分の単複枠ｵｯｽﾞ\n" + races + "ﾚｰｽ分の馬連ｵｯｽﾞ\nを取りこみました。");
    EXPECT_TRUE(fileExists(fresh.appFolder() + "/Data/" + day + ".jvO1"));
    EXPECT_GT(m.session().odds().table(0).TanPop[1] + m.session().odds().table(0).TanPop[2],
              0);  // read again by the reload
    EXPECT_EQ(m.state().currentRace, 0);

    m.setQuietFlag(true);  // the closing message is not shown under QuietFlag
    const std::size_t shown = fakes.dialogs.informations.size();
    m.T1Click();
    EXPECT_EQ(fakes.dialogs.informations.size(), shown);
}

TEST_F(OddsHandlersTest, TheWholeDayFetchNeedsADay) {
    MainModel& m = start(demo(false));
    m.N110Click();
    EXPECT_EQ(fakes.dialogs.informations, (std::vector<std::string>{"開催日ﾃﾞｰﾀを読み込んでください。"}));
}

}  // namespace
}  // namespace marovix::odds_handlers_test
