// The simulation over a generated month: each day loaded once and its races evaluated from memory gives
// the work file the window's own replay gives (select the day, click each race, build once more), byte for
// byte and on either thread count; its hit and return rates are those recomputed from the generated
// payouts and the selections the window shows. Then the edges of the run: today refused, a range with
// today replaying it without records, no selections, a cancel.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "core/app/MainModel.h"
#include "core/common/Format.h"
#include "core/common/SystemFiles.h"
#include "core/common/TextFile.h"
#include "core/common/Yen.h"
#include "core/results/PayoutRecord.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsTable.h"
#include "core/strategy/KenshoModel.h"
#include "core/strategy/Simulation.h"
#include "core/strategy/SimulationRecord.h"
#include "tests/support/DemoDay.h"
#include "tests/support/FakeMainPorts.h"
#include "tests/support/MainModelTestAccess.h"

namespace marovix::simulation_test {
namespace {

constexpr int kFrom = 20250301;
constexpr int kTo = 20250331;

// The rates as the verification shows them, from the races' records: count, stake and return.
struct Tally {
    long long data = 0, hits = 0, stakes = 0, returns = 0;
    void add(long long stake, long long back) {
        ++data;
        stakes += stake;
        returns += back;
        hits += back > 0;
    }
    std::string text() const {
        return formatted("%10lld", data) +
               formatted("%10.1f", static_cast<double>(hits) / static_cast<double>(data) * 100) +
               formatted("%10.1f", static_cast<double>(returns) / static_cast<double>(stakes) * 100);
    }
};

class SimulationTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        demo = new DemoDay(DemoDayOptions{DateTime{2025, 3, 1}, DateTime{2025, 3, 31}, 5, true, true});
        // Marks by popularity, mining and computer index; every bet type takes part with buying methods
        // other than the box; stakes by the payout-proportional method.
        using namespace settings;
        FakeClock clock(DateTime{2025, 4, 5, 10, 0, 0});
        Settings store(app(), app() + "/share", clock);
        for (const SettingKey& key : BuyBaken) (void)store.writeBool(key, true);
        const std::pair<const SettingKey*, int> numbers[] = {
            {&KaikataWR, 1},         {&KaikataUR, 1}, {&KaikataUT, 2}, {&KaikataSRF, 1}, {&KaikataSRT, 2},
            {&KaimeSetHaibunSet, 2}, {&SihyoSel1, 0}, {&SihyoSel2, 3}, {&SihyoSel3, 1}};
        for (const auto& [key, value] : numbers) (void)store.writeInt(*key, value);
        (void)store.writeText(OzSpanToz1B, "30.0");
        (void)writeTextLines(app() + "/selecteduma.dat",
                             {"110000000000000000", "011100000000000000", "111111000000000000"});
    }
    static void TearDownTestSuite() {
        delete demo;
        demo = nullptr;
    }
    static const std::string& app() { return demo->appFolder(); }

    void SetUp() override {
        ASSERT_TRUE(demo->problems().empty()) << demo->problems().front();
        std::filesystem::remove(app() + "/tmpData.dat");
        fakes.clock.set(DateTime{2025, 4, 5, 10, 0, 0});
    }
    std::unique_ptr<MainModel> makeModel() {
        auto model = std::make_unique<MainModel>(app(), app() + "/share", fakes.ports());
        EXPECT_TRUE(model->create());
        return model;
    }
    SimulationSetup setup(int page) {
        Settings store(app(), app() + "/share", fakes.clock);
        Result<SimulationSetup> read = readSimulationSetup(AppFolders(app()), store.snapshot());
        EXPECT_TRUE(read.ok());
        read->page = page;
        return *read;
    }

    static DemoDay* demo;
    FakeMainPorts fakes;
};
DemoDay* SimulationTest::demo = nullptr;

TEST_F(SimulationTest, TheFastReplayGivesTheWindowsWorkFileByteForByteAndItsRatesAreThePayoutsOfTheShownSelections) {
    auto model = makeModel();
    const std::vector<std::string> days = simulationDays(model->state().dateCombo, kFrom, kTo);
    ASSERT_GE(days.size(), 8u);
    // The window's replay: each day selected, each race clicked and built once more; the figures of two
    // pages read from the labels, and the return recomputed from the combined list and the payout record.
    const int pages[] = {0, 4, 8};
    std::array<std::vector<std::string>, 3> windowLines;
    Tally recomputed;
    int races = 0;
    for (const std::string& day : days) {
        model->DateComboChange(day);
        for (int entry = 0; entry < static_cast<int>(model->state().datList.size()); ++entry) {
            model->DatListClick(entry);
            MainModelTestAccess::KaimeMakeBtnClick(*model);
            ++races;
            const RaceSlot slot = model->state().currentRace;
            const std::string& payout = model->session().payout(slot);
            for (std::size_t p = 0; p < 3; ++p) {
                const RaceFigures figures = pageFigures(model->state().labels, pages[p]);
                if (firstWinPayout(payout) > 0 && figures.count > 0)
                    windowLines[p].push_back(simulationLine(model->session().race(slot), figures));
            }
            const KaimeGrid& all = model->state().allKaimeGrid;
            long long count = 0, stake = 0, back = 0;
            for (int row = 1; row < all.rowCount(); ++row) {
                const std::optional<BetType> bet = betTypeOfName(all.cell(KaimeCol::Baken, row));
                if (!bet) continue;
                ++count;
                const Yen rowStake = lenientYen(all.cell(KaimeCol::Stake, row));
                stake += rowStake;
                const std::string kaime = all.cell(KaimeCol::Kaime, row);
                for (const PayoutEntry& won : payoutEntries(payout, *bet))
                    if (hasWinner(won) && combinationText(won) == kaime) back += rowStake / 100 * won.payout;
            }
            if (firstWinPayout(payout) > 0 && count > 0) recomputed.add(stake, back);
        }
    }
    ASSERT_GT(races, 200);
    ASSERT_GT(recomputed.data, 100);
    ASSERT_GT(recomputed.hits, 0);

    for (std::size_t p = 0; p < 3; ++p) {
        const SimulationResult fast = runSimulation(setup(pages[p]), days, SimulationControl{{}, nullptr, 2});
        EXPECT_EQ(simulationFileBytes(fast.lines), simulationFileBytes(windowLines[p])) << "page " << pages[p];
        EXPECT_FALSE(fast.cancelled);
        EXPECT_EQ(fast.racesDone, races);
        EXPECT_EQ(fast.daysDone, static_cast<int>(days.size()));
        EXPECT_EQ(fast.lastDay, days.back());
    }
    const SimulationResult oneThread = runSimulation(setup(0), days, SimulationControl{{}, nullptr, 1});
    EXPECT_EQ(oneThread.lines, windowLines[0]);

    // The window's button: the same file, verified; the window left on the last race of the last day.
    model->PageControl4Change(0);
    fakes.dialogs.setNextAnswer(true);
    KenshoModel kensho(app() + "/tmpData.dat");
    int reports = 0;
    EXPECT_EQ(model->SimBtnClick(kFrom, kTo, kensho, [&](const SimulationProgress&) { ++reports; }),
              MainModel::SimulationOutcome::Verified);
    EXPECT_GT(reports, 0);
    EXPECT_EQ(*readFileBytes(app() + "/tmpData.dat"), simulationFileBytes(windowLines[0]));
    EXPECT_EQ(kensho.dataSuLabel() + kensho.tekichuRLabel() + kensho.kaishuRLabel(), recomputed.text());
    EXPECT_EQ(model->state().shownDay, days.back());
    EXPECT_EQ(model->state().currentEntry(), static_cast<int>(model->state().datList.size()) - 1);
    EXPECT_FALSE(model->quietFlag());
    EXPECT_FALSE(model->simulationRunning());
    EXPECT_TRUE(fakes.dialogs.informations.empty());
}

TEST_F(SimulationTest, TodaysDaySelectedIsRefusedAndARangeWithTodayReplaysItWithoutRecords) {
    auto model = makeModel();
    const std::vector<std::string> days = simulationDays(model->state().dateCombo, kFrom, kTo);
    const std::string today = days.back();
    fakes.clock.set(*DateTime::parseSlash("2025/03/" + today.substr(today.size() - 5, 2) + " 09:00:00"));
    KenshoModel kensho(app() + "/tmpData.dat");
    model->DateComboChange(today);
    EXPECT_EQ(model->SimBtnClick(kFrom, kTo, kensho), MainModel::SimulationOutcome::Refused);
    ASSERT_EQ(fakes.dialogs.informations.size(), 1u);
    EXPECT_EQ(fakes.dialogs.informations[0],
              "読み込まれているデータが開催当日のものです。\r\n馬券シミュレーションを行うときは過去開催日のデータを選択"
              "するか、開催日以外に実行してください。");
    EXPECT_TRUE(fakes.dialogs.questions.empty());
    EXPECT_FALSE(fileExists(app() + "/tmpData.dat"));

    // Today without its payouts yet: with another day selected the range replays it, and it gives no record.
    const std::string payouts = app() + "/Data/" + today + ".jvHR";
    const std::string kept = app() + "/today.jvHR";
    ASSERT_TRUE(renameOver(payouts, kept).ok());
    model->DateComboChange(days.front());
    fakes.dialogs.setNextAnswer(true);
    const auto outcome = model->SimBtnClick(kFrom, kTo, kensho);
    ASSERT_TRUE(renameOver(kept, payouts).ok());
    EXPECT_EQ(outcome, MainModel::SimulationOutcome::Verified);
    EXPECT_EQ(model->state().shownDay, today);  // the last day processed
    const std::string date = std::to_string(*dayTextDate(today));
    const std::string bytes = *readFileBytes(app() + "/tmpData.dat");
    ASSERT_FALSE(bytes.empty());
    for (const SimulationRecord& record : simulationRecords(bytes)) EXPECT_NE(record.line.substr(0, 8), date);
}

TEST_F(SimulationTest, NoSelectionsGiveNoRecordAndTheOldWorkFileStays) {
    {
        Settings store(app(), app() + "/share", fakes.clock);
        for (const SettingKey& key : settings::BuyBaken) ASSERT_TRUE(store.writeBool(key, false).ok());
    }
    ASSERT_TRUE(replaceFile(app() + "/tmpData.dat", "old").ok());
    auto model = makeModel();
    fakes.dialogs.setNextAnswer(true);
    KenshoModel kensho(app() + "/tmpData.dat");
    const auto outcome = model->SimBtnClick(kFrom, kTo, kensho);
    {
        Settings store(app(), app() + "/share", fakes.clock);
        for (const SettingKey& key : settings::BuyBaken) ASSERT_TRUE(store.writeBool(key, true).ok());
    }
    EXPECT_EQ(outcome, MainModel::SimulationOutcome::NoData);
    EXPECT_EQ(fakes.dialogs.informations, std::vector<std::string>{"対象データがありませんでした。"});
    EXPECT_EQ(*readFileBytes(app() + "/tmpData.dat"), "old");
    // Declining the question runs nothing.
    EXPECT_EQ(model->SimBtnClick(kFrom, kTo, kensho), MainModel::SimulationOutcome::Declined);
}

TEST_F(SimulationTest, ACancelStopsAfterTheCurrentRaceKeepingTheRecordsInOrder) {
    auto model = makeModel();
    const std::vector<std::string> days = simulationDays(model->state().dateCombo, kFrom, kTo);
    const SimulationResult whole = runSimulation(setup(0), days, SimulationControl{{}, nullptr, 2});
    std::atomic<bool> cancel{false};
    const SimulationResult part = runSimulation(setup(0), days,
                                                SimulationControl{[&](const SimulationProgress& done) {
                                                                      if (done.racesDone > 30) cancel.store(true);
                                                                  },
                                                                  &cancel, 2});
    EXPECT_TRUE(part.cancelled);
    EXPECT_LT(part.daysDone, static_cast<int>(days.size()));
    ASSERT_LT(part.lines.size(), whole.lines.size());
    EXPECT_TRUE(std::equal(part.lines.begin(), part.lines.end(), whole.lines.begin()));
    EXPECT_FALSE(part.lastDay.empty());
    EXPECT_GE(part.lastSlot, 0);
}

}  // namespace
}  // namespace marovix::simulation_test
