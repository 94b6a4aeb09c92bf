// A generated meeting day loaded into a day session and every race evaluated with no main model and no
// window: the selections, stakes, totals and hits are those the main window shows for the same races and
// settings. A new load starts every race afresh.
#include <gtest/gtest.h>

#include "core/app/MainModel.h"
#include "core/common/TextFile.h"
#include "core/kaime/SelectionControls.h"
#include "core/race/JvRecord.h"
#include "core/race/RecordFields.h"
#include "core/session/DayLoad.h"
#include "core/session/RaceEvaluation.h"
#include "core/settings/Settings.h"
#include "tests/support/DemoDay.h"
#include "tests/support/FakeMainPorts.h"

namespace marovix::day_session_test {
namespace {

class DaySessionTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(demo.problems().empty()) << demo.problems().front();
        // A strategy that fills every grid: marks by popularity, time-type mining and computer index,
        // every bet type taking part with buying methods other than the box, proportional stakes.
        using namespace settings;
        Settings store(app(), app() + "/share", fakes.clock);
        for (const SettingKey& key : BuyBaken) ASSERT_TRUE(store.writeBool(key, true).ok());
        const std::pair<const SettingKey*, int> numbers[] = {
            {&KaikataWR, 1},  {&KaikataWD, 1},         {&KaikataUT, 1}, {&KaikataSRF, 2},
            {&KaikataSRT, 3}, {&KaimeSetHaibunSet, 1}, {&SihyoSel2, 1}, {&SihyoSel3, 3}};
        for (const auto& [key, value] : numbers) ASSERT_TRUE(store.writeInt(*key, value).ok());
        ASSERT_TRUE(store.writeBool(MultiSetUmatan, true).ok());
        ASSERT_TRUE(store.writeText(OzSpanToz1B, "50.0").ok());
        ASSERT_TRUE(writeTextLines(app() + "/selecteduma.dat",
                                   {"100000000000000000", "111000000000000000", "111110000000000000"})
                        .ok());
    }
    const std::string& app() const { return demo.appFolder(); }

    // Two days with their final odds, so that selections have odds, stakes and returns.
    DemoDay demo{DemoDayOptions{DateTime{2025, 3, 1}, DateTime{2025, 3, 2}, 11, true, true}};
    FakeMainPorts fakes;
};

TEST_F(DaySessionTest, EveryRaceOfAGeneratedDayEvaluatesAsTheMainWindowShowsIt) {
    fakes.clock.set(DateTime{2025, 3, 5, 10, 0, 0});
    // The session's side: the settings read once, the day loaded, each race shown and evaluated in a view.
    Settings store(app(), app() + "/share", fakes.clock);
    const SettingsSnapshot settings = store.snapshot();
    const MainOptions options = readMainOptions(settings);
    const std::array<std::string, 16> ozSpan = readOzSpan(settings);
    MarkStrategy marks;
    ASSERT_TRUE(readMarkStrategy(settings, app() + "/selecteduma.dat", marks).ok());
    const RaceStrategy strategy{options, ozSpan, marks};
    const DayLoadSettings loadSettings = DayLoadSettings::read(settings);

    MainModel model(app(), app() + "/share", fakes.ports());
    ASSERT_TRUE(model.create());
    // One view from day to day, as the window keeps its grids and labels.
    RaceView view;
    int rows = 0, hits = 0;
    for (const std::string& day : demo.days()) {
        DayLoad load = loadDay(DayFiles::of(app() + "/Data", day), app() + "/TCSV", loadSettings);
        ASSERT_TRUE(load.raceFileFound) << day;
        EXPECT_EQ(load.notes, LoadNotes{}) << day;
        const DaySession& session = load.session;
        model.DateComboChange(day);
        ASSERT_EQ(session.usedSlots(), model.state().datListSlots) << day;
        RaceSlot previous = -1;
        for (std::size_t entry = 0; entry < model.state().datListSlots.size(); ++entry) {
            const RaceSlot slot = model.state().datListSlots[entry];
            ASSERT_GT(fieldNumber(session.day().runners[static_cast<std::size_t>(slot)][0], SeField::horseNumber), 0);
            showRaceCards(session, slot, previous == slot, view);
            evaluateRace(session, slot, strategy, view);
            previous = slot;

            model.DatListClick(static_cast<int>(entry));
            const MainState& shown = model.state();
            const std::string race = day + " " + shown.datList[entry];
            EXPECT_EQ(view.stringGrid26.text(), shown.stringGrid26.text()) << race;
            EXPECT_EQ(view.stringGrid1.text(), shown.stringGrid1.text()) << race;
            for (const BetTypeInfo& bet : kBetTypes) {
                EXPECT_EQ(view.kaimeGrid(bet.type).text(), shown.kaimeGrid(bet.type).text()) << race << bet.name;
                for (int label = 0; label < static_cast<int>(BetLabel::Count); ++label) {
                    const std::pair<BetType, BetLabel> id{bet.type, static_cast<BetLabel>(label)};
                    EXPECT_EQ(view.labels[id], shown.labels[id]) << race << bet.name << label;
                }
            }
            EXPECT_EQ(view.allKaimeGrid.text(), shown.allKaimeGrid.text()) << race;
            for (LabelId id : {LabelId::SoTensuLabel, LabelId::SoTohyoGakuLabel, LabelId::YosoKaisyuLabel,
                               LabelId::SoGOLabel, LabelId::KaishuLabel})
                EXPECT_EQ(view.labels[id], shown.labels[id]) << race << labelName(id);
            rows += view.allKaimeGrid.rowCount() - 1;
            hits += !view.labels[LabelId::KaishuLabel].text.empty();
        }
    }
    // The strategy selected something, and some of it won.
    EXPECT_GT(rows, 100);
    EXPECT_GT(hits, 0);
}

TEST_F(DaySessionTest, ANewLoadStartsEveryRaceAfreshAndADayWithoutItsRaceFileIsBlank) {
    Settings store(app(), app() + "/share", fakes.clock);
    const DayLoadSettings loadSettings = DayLoadSettings::read(store.snapshot());
    const std::string day = demo.days().front();
    DayLoad first = loadDay(DayFiles::of(app() + "/Data", day), app() + "/TCSV", loadSettings);
    ASSERT_FALSE(first.session.usedSlots().empty());
    const RaceSlot slot = first.session.usedSlots().back();
    first.session.slot(slot).TohyoDone = true;
    first.session.slot(slot).OzFetched = true;
    first.session.setStake(BetType::UR, slot, 700);
    EXPECT_EQ(first.session.stake(BetType::UR, slot), 700);
    EXPECT_EQ(first.session.stake(BetType::Tan, slot), 3000);
    EXPECT_TRUE(first.session.payouts().payoutRead(slot));  // a past day: its payouts are there

    DayLoad again = loadDay(DayFiles::of(app() + "/Data", day), app() + "/TCSV", loadSettings);
    EXPECT_FALSE(again.session.tohyoDone(slot));
    EXPECT_FALSE(again.session.ozFetched(slot));
    EXPECT_EQ(again.session.stake(BetType::UR, slot), 3000);
    EXPECT_EQ(again.session.race(slot), first.session.race(slot));
    EXPECT_EQ(again.session.odds().table(slot).TanOdds, first.session.odds().table(slot).TanOdds);

    // No race file: nothing read, every race blank.
    DayLoad none = loadDay(DayFiles::of(app() + "/Data", "2025年03月04日"), app() + "/TCSV", loadSettings);
    EXPECT_FALSE(none.raceFileFound);
    EXPECT_TRUE(none.session.usedSlots().empty());
}

}  // namespace
}  // namespace marovix::day_session_test
