// On a generated past day, the combined list's hits and returns of every race agree with a recomputation
// from what the generator decided: its finishing orders and its payouts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>

#include "core/app/MainModel.h"
#include "core/race/JvRecord.h"
#include "core/race/RecordFields.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsTable.h"
#include "standins/feedgen/Calendar.h"
#include "standins/feedgen/OddsModel.h"
#include "standins/feedgen/PayoutModel.h"
#include "standins/feedgen/RaceModel.h"
#include "tests/support/DemoDay.h"
#include "tests/support/FakeMainPorts.h"

namespace marovix::past_day_hits_test {
namespace {

using feedgen::BetKind;

constexpr unsigned kSeed = 23;
const DateTime kDay{2025, 3, 8};

std::string pairText(const char* format, int a, int b) {
    char text[16];
    std::snprintf(text, sizeof text, format, a, b);
    return text;
}

// The winning combinations of a race as the selection grids write them (bet type name, combination),
// each with its payout per 100 yen, in the order of the payout record; a dead heat gives several.
std::vector<std::tuple<std::string, std::string, long long>> winners(const feedgen::Race& race) {
    const feedgen::OddsModel market(race, kSeed, race.date.dayNumber());
    const feedgen::OddsBook finalBook = market.book(market.snapshotMinutes().size() - 1);
    const feedgen::Payout payout = feedgen::PayoutModel::payout(race, finalBook);
    std::vector<std::tuple<std::string, std::string, long long>> out;
    const char* names[] = {"単勝", "複勝", "枠連", "馬連", "ワイド", "馬単", "３連複", "３連単"};
    for (int k = 0; k < feedgen::kBetKinds; ++k) {
        for (const auto& entry : payout.of(static_cast<BetKind>(k))) {
            const auto& n = entry.numbers;
            std::string text;
            if (k <= 1)
                text = pairText("%2d", n[0], 0);
            else if (k <= 5)
                text = pairText("%2d-%2d", n[0], n[1]);
            else
                text = pairText("%2d-", n[0], 0) + pairText("%2d-%2d", n[1], n[2]);
            out.emplace_back(names[k], text, entry.yen);
        }
    }
    return out;
}

TEST(PastDayHits, TheCombinedListsHitsAndReturnsAreThoseOfTheGeneratorsResults) {
    DemoDay demo(DemoDayOptions{kDay, kDay, kSeed, true, false});
    ASSERT_TRUE(demo.problems().empty()) << demo.problems().front();
    const auto meeting = feedgen::Calendar(kSeed, {kDay, kDay}).meetingDays(kDay, kDay);
    ASSERT_EQ(meeting.size(), 1u);
    const feedgen::DayPlan plan = feedgen::RaceModel(kSeed).planDay(meeting[0]);

    FakeMainPorts fakes;
    fakes.clock.set(DateTime{2025, 3, 10, 9, 0, 0});
    {
        Settings settings(demo.appFolder(), demo.appFolder() + "/share", fakes.clock);
        for (const auto& key : settings::BuyBaken) ASSERT_TRUE(settings.writeBool(key, true).ok());
        ASSERT_TRUE(settings.writeInt(settings::KaimeSetShihyoSet, 2).ok());  // marks by clicks
        ASSERT_TRUE(settings.writeInt(settings::KaikataSRF, 3).ok());         // trio formation
        ASSERT_TRUE(settings.writeInt(settings::KaikataSRT, 3).ok());         // trifecta formation
        ASSERT_TRUE(settings.writeInt(settings::KaimeSetHaibunSet, 1).ok());  // "比例"
    }
    MainModel model(demo.appFolder(), demo.appFolder() + "/share", fakes.ports());
    ASSERT_TRUE(model.create());
    model.DateComboChange(demo.days()[0]);
    const int races = static_cast<int>(model.state().datList.size());
    ASSERT_EQ(races, static_cast<int>(plan.races.size()));

    int racesWithHits = 0;
    for (int slot = 0; slot < races; ++slot) {
        const feedgen::Race& race = plan.races[static_cast<std::size_t>(slot)];
        ASSERT_EQ(fieldNumber(model.session().day().race(slot), IdField::raceNumber), race.number);
        model.DatListClick(slot);
        // ◎ on the three favourites by the generator's strength, ○ and ▲ on the next ones: enough hits.
        std::vector<int> order;
        for (const auto& runner : race.runners)
            if (!runner.scratched) order.push_back(runner.number);
        std::sort(order.begin(), order.end(), [&race](int a, int b) {
            return race.runners[static_cast<std::size_t>(a - 1)].strength >
                   race.runners[static_cast<std::size_t>(b - 1)].strength;
        });
        for (std::size_t i = 0; i < order.size() && i < 6; ++i) {
            const int column = i < 3 ? 18 : i < 5 ? 19 : 20;
            model.StringGrid26Click(column, order[i]);
            if (i < 2) model.StringGrid26Click(19, order[i]);  // the two best are ○ as well
        }
        const KaimeGrid& all = model.state().allKaimeGrid;
        const auto results = winners(race);
        long long total = 0;
        for (int row = 1; row < all.rowCount(); ++row) {
            const std::string& bet = all.cell(KaimeCol::Baken, row);
            if (bet.empty()) continue;
            const std::string& kaime = all.cell(KaimeCol::Kaime, row);
            const long long stake = lenientInt(all.cell(KaimeCol::Stake, row));
            long long lastPayout = -1, lastReturn = 0;
            for (const auto& [name, combination, yen] : results) {
                if (name != bet || combination != kaime) continue;
                lastPayout = yen;
                lastReturn = yen * stake / 100;
                if (stake > 0) total += lastReturn;
            }
            if (lastPayout < 0 || stake <= 0) {
                EXPECT_TRUE(lenientInt(all.cell(KaimeCol::ResultPayout, row)) == 0 || stake <= 0)
                    << "race " << slot << " row " << row << " " << bet << kaime;
                continue;
            }
            EXPECT_EQ(lenientInt(all.cell(KaimeCol::ResultPayout, row)), lastPayout)
                << "race " << slot << " " << bet << kaime;
            if (lastReturn > 0 || bet != "枠連") {
                EXPECT_EQ(lenientInt(all.cell(KaimeCol::ResultReturn, row)), lastReturn)
                    << "race " << slot << " " << bet << kaime;
            }
        }
        EXPECT_EQ(lenientInt(model.state().labels[LabelId::KaishuLabel].text), total) << "race " << slot;
        racesWithHits += total > 0;
    }
    EXPECT_GT(racesWithHits, races / 2);
}

}  // namespace
}  // namespace marovix::past_day_hits_test
