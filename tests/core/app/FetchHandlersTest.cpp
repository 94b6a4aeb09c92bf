// The real-time fetch handlers of the main model through the scripted JV-Link: "速報ｵｯｽﾞ", "結果情報",
// "ﾏｲﾆﾝｸﾞ", the fetches over the lists of automatic operation and the whole day's odds; what they call,
// show, beep, log and store, and what they read and show afterwards.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "core/app/MainModel.h"
#include "core/common/TextFile.h"
#include "core/jv/FetchQueue.h"
#include "core/jv/JvMessage.h"
#include "core/jv/StoredDataDownload.h"
#include "core/race/RecordFields.h"
#include "standins/records/RecordBuilder.h"
#include "tests/support/FakeMainPorts.h"
#include "tests/support/OddsRecords.h"
#include "tests/support/PayoutRecordBuilder.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestDayFiles.h"

namespace marovix::fetch_handlers_test {
namespace {

constexpr int kRaces = 6;
constexpr int kRunners = 10;
constexpr int kMark1 = 18;  // column ◎ of StringGrid26
const std::string kErrorPrefix = "【エラー】10:00:00：";

// An odds record of the test day's race `race` as the stream delivers it: data kind `kind`, made on the
// day; O1 with the win odds of horses 1..10 (horse 1 at 3.5).
std::string oddsOf(int kind, int race, char dataKind = '1') {
    RecordBuilder record = oddstest::oddsRecord(kind, "20240526", "05", race, "0208");
    record.bytes(IdField::kindAndCreationDate, std::string(1, dataKind) + "20240526");
    if (kind == 1) {
        for (int h = 1; h <= kRunners; ++h) {
            oddstest::setWin(record, h, oddstest::digits(35 + 10 * (h - 1), 4));
            oddstest::setPlace(record, h, "0011", "0020");
        }
    }
    return record.record();
}

std::string hrOf(int race, char dataKind) {
    std::string hr = PayoutRecordBuilder(testRaceKey(race)).entry(BetType::Tan, 0, {3}, 560, 2).record();
    hr.replace(2, 9, std::string(1, dataKind) + "20240526");
    return hr;
}

class FetchHandlersTest : public ::testing::Test {
protected:
    TempFolder folder;
    FakeMainPorts fakes;
    std::unique_ptr<MainModel> model;

    void SetUp() override {
        fakes.clock.set(DateTime{2024, 5, 26, 10, 0, 0});
        ASSERT_TRUE(makeDirectory(folder.file("Data")).ok());
        ASSERT_TRUE(writeTestDay(folder.file("Data"), kRaces, kRunners).ok());
    }
    std::string data(const std::string& extension) const { return folder.file("Data/" + kTestDayText + extension); }
    void writeSettings(const std::vector<std::string>& lines) {
        ASSERT_TRUE(writeTextLines(folder.file("Marovix.ini"), lines).ok());
    }
    MainModel& create() {
        model = std::make_unique<MainModel>(folder.path(), folder.path() + "/share", fakes.ports());
        EXPECT_TRUE(model->create());
        return *model;
    }
    MainModel& startOnRace(int index) {
        MainModel& m = create();
        m.DateComboChange(kTestDayText);
        m.DatListClick(index);
        return m;
    }
    const MainState& state() const { return model->state(); }
    const std::string& status() const { return state().labels[LabelId::DLlabel].text; }
    std::vector<std::string> errorLines() const {
        std::vector<std::string> errors;
        for (const std::string& line : model->errorLog().lines())
            if (line.rfind("【エラー】", 0) == 0) errors.push_back(line);
        return errors;
    }
    std::vector<std::string> rtOpens() const {
        std::vector<std::string> opens;
        for (const std::string& call : fakes.jvLink.callTexts())
            if (call.rfind("JVRTOpen", 0) == 0) opens.push_back(call);
        return opens;
    }
    std::vector<std::string> lines(const std::string& extension) const {
        auto read = readRawLines(data(extension));
        return read.ok() ? *read : std::vector<std::string>{};
    }
};

TEST_F(FetchHandlersTest, WithoutASelectedRaceTheButtonsCallNothingAndLogNothing) {
    MainModel& m = create();  // no day chosen, so no race either
    const std::size_t logLines = m.errorLog().lines().size();
    m.SokuhoOddsBtnClick();
    m.KekkaGetBtnClick();
    m.GetDMBtnClick();
    EXPECT_TRUE(fakes.jvLink.calls().empty());
    EXPECT_EQ(m.errorLog().lines().size(), logLines);
    EXPECT_EQ(status(), "");
    EXPECT_EQ(fakes.dialogs.beeps, 0);
}

TEST_F(FetchHandlersTest, AFailedOddsOpenForTokyoRace5ShowsItsRaceAndGoesToTheErrorLog) {
    MainModel& m = startOnRace(4);
    fakes.jvLink.queueRTOpen(-504);
    m.SokuhoOddsBtnClick();
    const std::string error = "東京 5R:ｵｯｽﾞ取得エラー：" + JVMessage("JVRTOpen", -504);
    EXPECT_EQ(error, "東京 5R:ｵｯｽﾞ取得エラー：サーバーがメンテナンス中です。(-504)");
    EXPECT_EQ(rtOpens(), std::vector<std::string>{"JVRTOpen 0B30 2024052605020805"});
    EXPECT_EQ(fakes.jvLink.callCount("JVClose"), 2);
    EXPECT_EQ(status(), error);
    EXPECT_EQ(errorLines(), std::vector<std::string>{kErrorPrefix + error});
    EXPECT_EQ(fakes.dialogs.beeps, 1);
    EXPECT_FALSE(m.session().ozFetched(4));
    EXPECT_TRUE(fakes.dialogs.informations.empty());
}

TEST_F(FetchHandlersTest, TheQuickOddsFetchStoresTheOddsIgnoresDataKinds9And0AndShowsTheRaceAgain) {
    MainModel& m = startOnRace(4);
    EXPECT_EQ(state().stringGrid26.cell(Card26Col::TanOz, 1), "     ");
    fakes.jvLink.queueRTOpen(0);
    fakes.jvLink.queueFile({oddsOf(1, 5), oddsOf(2, 5, '9'), oddsOf(3, 5, '0'), oddsOf(4, 5, '3')});
    m.SokuhoOddsBtnClick();
    EXPECT_EQ(fakes.jvLink.callTexts().at(1), "JVRead 100000");
    EXPECT_EQ(status(), "");
    EXPECT_TRUE(errorLines().empty());
    EXPECT_TRUE(m.session().ozFetched(4));
    EXPECT_FALSE(m.session().ozFetched(3));
    // The odds files hold the taken records, zeroed at 3-11; the cancelled and the deleted kinds made none.
    ASSERT_EQ(lines(".jvO1").size(), 1u);
    EXPECT_EQ(lines(".jvO1").front().substr(2, 9), "000000000");
    EXPECT_EQ(lines(".jvO4").size(), 1u);
    EXPECT_FALSE(fileExists(data(".jvO2")));
    EXPECT_FALSE(fileExists(data(".jvO3")));
    // Read into the race's slot and shown on its card.
    EXPECT_DOUBLE_EQ(m.session().odds().table(4).TanOdds[1], 3.5);
    EXPECT_EQ(state().currentRace, 4);
    EXPECT_EQ(state().stringGrid26.cell(Card26Col::TanOz, 1), "  3.5");
    EXPECT_EQ(state().stringGrid26.cell(Card26Col::TanJun, 1), " 1");
    // The flag belongs to the race for the whole run: loading its day again keeps it.
    m.DateComboChange(kTestDayText);
    EXPECT_TRUE(m.session().ozFetched(4));
    EXPECT_FALSE(m.session().ozFetched(3));
}

TEST_F(FetchHandlersTest, WithNotRefreshTheSelectionsAreRebuiltButTheCardIsNotRefreshed) {
    // Marks by clicks only: showing the race again (a click in DatList) takes them off.
    struct Case {
        bool notRefresh;
        const char* cardOdds;
        const char* mark;
        const char* winSelection;
        const char* winOdds;
    };
    for (const Case c : {Case{true, "     ", "ν", " 1", "   3.5"}, Case{false, "  3.5", "", "", ""}}) {
        std::filesystem::remove_all(folder.file("Data"));
        ASSERT_TRUE(makeDirectory(folder.file("Data")).ok());
        ASSERT_TRUE(writeTestDay(folder.file("Data"), kRaces, kRunners).ok());
        writeSettings({"[Disp]", c.notRefresh ? "NotRefresh=1" : "NotRefresh=0", "[KaimeSet]", "ShihyoSet=2",
                       "[BuyBaken]", "Tan=1"});
        MainModel& m = startOnRace(4);
        m.StringGrid26Click(kMark1, 1);  // ◎ on horse 1
        const KaimeGrid& win = state().kaimeGrid(BetType::Tan);
        EXPECT_EQ(win.cell(KaimeCol::Kaime, 1), "");  // without odds no win selection is made
        fakes.jvLink.queueRTOpen(0);
        fakes.jvLink.queueFile({oddsOf(1, 5)});
        m.SokuhoOddsBtnClick();
        EXPECT_DOUBLE_EQ(m.session().odds().table(4).TanOdds[1], 3.5);
        EXPECT_EQ(state().stringGrid26.cell(Card26Col::TanOz, 1), c.cardOdds) << c.notRefresh;
        EXPECT_EQ(state().stringGrid26.text().cell(kMark1, 1), c.mark) << c.notRefresh;
        EXPECT_EQ(win.cell(KaimeCol::Kaime, 1), c.winSelection) << c.notRefresh;
        EXPECT_EQ(win.cell(KaimeCol::Odds, 1), c.winOdds) << c.notRefresh;
    }
}

TEST_F(FetchHandlersTest, AResultFetchForADayWithoutARaceFileStoresPayoutsOnly) {
    MainModel& m = create();
    const std::string day = folder.file("Data/2024年06月01日");
    RecordBuilder ra("RA");
    ra.bytes(IdField::dataKind, "5")
        .field(IdField::raceKey16, "2024060105030101")
        .number(RaField::registeredRunners, 8);
    RecordBuilder se("SE");
    se.bytes(IdField::dataKind, "5").field(IdField::raceKey16, "2024060105030101").number(SeField::horseNumber, 2);
    RecordBuilder hr("HR");
    hr.bytes(IdField::dataKind, "1").field(IdField::raceKey16, "2024060105030101");
    m.setFetchQueueResults({fetchQueueLine(ra.record(), 0)});
    fakes.jvLink.queueRTOpen(0);
    fakes.jvLink.queueFile({ra.record(), se.record(), hr.record()});
    m.HRGetLoopBtnClick();
    EXPECT_EQ(rtOpens(), std::vector<std::string>{"JVRTOpen 0B12 2024060105030101"});
    EXPECT_EQ(fakes.jvLink.callTexts().at(1), "JVRead 60000");
    EXPECT_FALSE(fileExists(day + ".jvRA"));
    EXPECT_FALSE(fileExists(day + "東京.jvSEr"));
    auto payouts = readRawLines(day + ".jvHR");
    ASSERT_TRUE(payouts.ok());
    EXPECT_EQ(*payouts, std::vector<std::string>{hr.line()});
    EXPECT_EQ(fakes.dialogs.beeps, 0);  // the payout list never beeps on success
    EXPECT_EQ(status(), "");
}

TEST_F(FetchHandlersTest, AFetchedPayoutLineKeepsItsDataKindWhereTheDownloadedOneIsZeroed) {
    MainModel& m = create();
    // The download stores race 1's and race 2's payouts, zeroed.
    fakes.jvLink.queueOpen({0, 1, 0, "20240526180000"});
    fakes.jvLink.queueFile({hrOf(1, '2'), hrOf(2, '2')});
    auto download = m.JVBtnClick();
    ASSERT_EQ(download->runUnattended({}), StoredDataDownload::Outcome::Completed);
    ASSERT_EQ(lines(".jvHR").size(), 2u);
    EXPECT_EQ(lines(".jvHR")[0].substr(2, 9), "000000000");

    m.DateComboChange(kTestDayText);
    fakes.jvLink.queueRTOpen(0);
    fakes.jvLink.queueFile({hrOf(1, '1')});
    m.KekkaGetBtnClick();
    EXPECT_EQ(rtOpens().back(), "JVRTOpen 0B12 20240526");
    const auto hr = lines(".jvHR");
    ASSERT_EQ(hr.size(), 2u);  // one line per race key
    // Sorted by their whole text: the zeroed line of race 2 comes first.
    EXPECT_EQ(hr[0].substr(0, 27), "HR000000000" + testRaceKey(2));
    EXPECT_EQ(hr[1].substr(0, 27), "HR120240526" + testRaceKey(1));
    // Read again at once: race 1 has its payout.
    EXPECT_TRUE(m.session().payouts().payoutRead(0));
}

TEST_F(FetchHandlersTest, ACancelledDownloadDoesNotMakeALaterFetchStoreNothing) {
    MainModel& m = create();
    auto download = m.JVBtnClick();
    fakes.jvLink.queueOpen({0, 3, 3, "20240526180000"});
    download->ButtonStartClick();  // files still to fetch: the status is polled
    ASSERT_EQ(download->phase(), StoredDataDownload::Phase::Downloading);
    fakes.dialogs.setNextAnswer(true);
    download->ButtonCancelClick();  // raises ReadCancelled
    ASSERT_EQ(download->outcome(), StoredDataDownload::Outcome::Cancelled);

    m.DateComboChange(kTestDayText);
    m.DatListClick(4);
    fakes.jvLink.queueRTOpen(0);
    fakes.jvLink.queueFile({oddsOf(1, 5)});
    m.SokuhoOddsBtnClick();
    EXPECT_EQ(lines(".jvO1").size(), 1u);
    EXPECT_TRUE(m.session().ozFetched(4));
    EXPECT_EQ(state().stringGrid26.cell(Card26Col::TanOz, 1), "  3.5");
}

TEST_F(FetchHandlersTest, ResultAndMiningFetchesBeepOnBothClosesUnlessSilent) {
    MainModel& m = startOnRace(4);
    fakes.jvLink.queueRTOpen(0);
    m.KekkaGetBtnClick();
    EXPECT_EQ(fakes.dialogs.beeps, 2);  // the close and the second close

    fakes.dialogs.beeps = 0;
    fakes.jvLink.queueRTOpen(0);
    fakes.jvLink.queueRTOpen(0);
    m.GetDMBtnClick();
    EXPECT_EQ(fakes.dialogs.beeps, 4);  // twice for each stream

    fakes.dialogs.beeps = 0;
    m.setSilentFetch(true);
    fakes.jvLink.queueRTOpen(-504);
    fakes.jvLink.queueRTOpen(0);
    m.GetDMBtnClick();
    EXPECT_EQ(fakes.dialogs.beeps, 0);
    EXPECT_EQ(status(), "東京 5R:DMデータ取得エラー：" + JVMessage("JVRTOpen", -504));

    // The second close is handled like the first: a failure of it shows and beeps for odds.
    fakes.dialogs.beeps = 0;
    fakes.jvLink.queueRTOpen(0);
    fakes.jvLink.queueClose(0);
    fakes.jvLink.queueClose(-201);
    m.SokuhoOddsBtnClick();
    EXPECT_EQ(fakes.dialogs.beeps, 1);
    EXPECT_EQ(status(), "(-201)");
    EXPECT_EQ(errorLines().back(), kErrorPrefix + "(-201)");
}

TEST_F(FetchHandlersTest, TheMiningFetchTakesBothStreamsInTurnAndReadsTheMiningAgain) {
    MainModel& m = startOnRace(4);
    RecordBuilder dm("DM");
    dm.bytes(IdField::kindAndCreationDate, "120240526").field(IdField::raceKey16, testRaceKey(5));
    dm.number(DmField::horseNumber.at(0), 1).number(DmField::predictedTime.at(0), 13456);
    dm.number(DmField::horseNumber.at(1), 2).number(DmField::predictedTime.at(1), 13312);
    RecordBuilder tm("TM");
    tm.bytes(IdField::kindAndCreationDate, "120240526").field(IdField::raceKey16, testRaceKey(5));
    tm.number(TmField::horseNumber.at(0), 1).number(TmField::score.at(0), 870);
    fakes.jvLink.queueRTOpen(-1);  // no time-type mining yet: the match-type mining still comes
    fakes.jvLink.queueRTOpen(0);
    fakes.jvLink.queueFile({tm.record(), dm.record()});
    m.GetDMBtnClick();
    EXPECT_EQ(rtOpens(), (std::vector<std::string>{"JVRTOpen 0B13 20240526", "JVRTOpen 0B17 20240526"}));
    EXPECT_FALSE(fileExists(data(".jvDM")));  // a DM record in the match-type stream is not taken
    ASSERT_EQ(lines(".jvTM").size(), 1u);
    EXPECT_EQ(lines(".jvTM").front().substr(2, 9), "000000000");
    EXPECT_EQ(m.session().day().work[4].indexes.TMScore[1], 870);
    EXPECT_EQ(m.session().day().work[4].indexes.TMRank[1], 1);

    fakes.jvLink.queueRTOpen(0);
    fakes.jvLink.queueFile({dm.record()});
    fakes.jvLink.queueRTOpen(0);
    m.GetDMBtnClick();
    ASSERT_EQ(lines(".jvDM").size(), 1u);
    EXPECT_EQ(lines(".jvDM").front().substr(2, 9), "120240526");  // DM lines are not zeroed
    EXPECT_EQ(m.session().day().work[4].indexes.DMRank[2], 1);
    EXPECT_EQ(m.session().day().work[4].indexes.DMRank[1], 2);
}

TEST_F(FetchHandlersTest, TheOddsListLogsEachFetchedRaceReadsItsOddsAndShowsTheRaceAgain) {
    MainModel& m = startOnRace(0);
    int cardNotices = 0;
    auto subscription = m.subscribe([&](StatePart part) { cardNotices += part == StatePart::RaceCard; });
    const std::size_t dayLog = state().autoNaviList.size();
    m.setFetchQueueOdds({fetchQueueLine(m.session().day().race(1), 1), fetchQueueLine(m.session().day().race(4), 4)});
    fakes.jvLink.queueRTOpen(-1);  // race 2: nothing yet
    fakes.jvLink.queueRTOpen(0);
    fakes.jvLink.queueFile({oddsOf(1, 5)});
    m.OzGetLoopBtnClick();
    EXPECT_EQ(rtOpens(),
              (std::vector<std::string>{"JVRTOpen 0B30 2024052605020802", "JVRTOpen 0B30 2024052605020805"}));
    const std::string error = "東京 2R:" + JVMessage("JVRTOpen", -1);
    EXPECT_EQ(errorLines(), std::vector<std::string>{kErrorPrefix + error});
    EXPECT_EQ(status(), error);  // the run's last error stays in sight
    EXPECT_EQ(fakes.dialogs.beeps, 1);
    const std::vector<std::string> logged(state().autoNaviList.begin() + static_cast<std::ptrdiff_t>(dayLog),
                                          state().autoNaviList.end());
    EXPECT_EQ(logged, (std::vector<std::string>{"-----", "■オッズ取得 東京 5R 2024/05/26 10:00:00"}));
    EXPECT_DOUBLE_EQ(m.session().odds().table(4).TanOdds[1], 3.5);
    EXPECT_GT(cardNotices, 0);  // the current race shown again
    EXPECT_EQ(state().currentRace, 0);
}

TEST_F(FetchHandlersTest, ThePayoutListReadsThePayoutsAtTheEndAndAnEmptyListDoesNothing) {
    MainModel& m = startOnRace(2);
    m.HRGetLoopBtnClick();
    EXPECT_TRUE(fakes.jvLink.calls().empty());
    m.setFetchQueueResults(
        {fetchQueueLine(m.session().day().race(2), 2), fetchQueueLine(m.session().day().race(3), 3)});
    fakes.jvLink.queueRTOpen(0);
    fakes.jvLink.queueFile({hrOf(3, '1')});
    fakes.jvLink.queueRTOpen(-504);
    m.HRGetLoopBtnClick();
    EXPECT_EQ(rtOpens(),
              (std::vector<std::string>{"JVRTOpen 0B12 2024052605020803", "JVRTOpen 0B12 2024052605020804"}));
    EXPECT_EQ(fakes.dialogs.beeps, 0);  // never, not even for the failed open
    EXPECT_EQ(status(), "東京 4R:" + JVMessage("JVRTOpen", -504));
    EXPECT_TRUE(m.session().payouts().payoutRead(2));
    EXPECT_EQ(state().payoutPanel.of(BetType::Tan)[0].combination, " 3");  // the shown race has its result
}

TEST_F(FetchHandlersTest, TheWholeDaysOddsAreFetchedRaceByRace) {
    MainModel& m = startOnRace(0);
    for (int race = 1; race <= kRaces; ++race) {
        fakes.jvLink.queueRTOpen(0);
        fakes.jvLink.queueFile({oddsOf(1, race)});
    }
    m.N110Click();
    const auto opens = rtOpens();
    ASSERT_EQ(opens.size(), static_cast<std::size_t>(kRaces));
    for (int race = 1; race <= kRaces; ++race) {
        EXPECT_EQ(opens[static_cast<std::size_t>(race - 1)], "JVRTOpen 0B30 " + testRaceKey(race));
        EXPECT_TRUE(m.session().ozFetched(race - 1)) << race;
        EXPECT_DOUBLE_EQ(m.session().odds().table(race - 1).TanOdds[2], 4.5) << race;
    }
    EXPECT_EQ(lines(".jvO1").size(), static_cast<std::size_t>(kRaces));
    EXPECT_EQ(state().currentRace, kRaces - 1);
    EXPECT_EQ(state().stringGrid26.cell(Card26Col::TanOz, 2), "  4.5");
}

TEST_F(FetchHandlersTest, AFetchStartedWhileOneRunsIsIgnored) {
    MainModel& m = startOnRace(4);
    int clicks = 0;
    m.setEventPump([&] {
        if (clicks++ == 1) m.KekkaGetBtnClick();  // a timer's fetch arriving while the odds are read
    });
    fakes.jvLink.queueRTOpen(0);
    fakes.jvLink.queueFile({oddsOf(1, 5)});
    m.SokuhoOddsBtnClick();
    EXPECT_EQ(rtOpens(), std::vector<std::string>{"JVRTOpen 0B30 " + testRaceKey(5)});
    EXPECT_FALSE(m.fetchRunning());
    EXPECT_EQ(lines(".jvO1").size(), 1u);
}

}  // namespace
}  // namespace marovix::fetch_handlers_test
