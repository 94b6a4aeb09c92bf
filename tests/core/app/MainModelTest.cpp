#include "core/app/MainModel.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include "core/common/Cp932.h"
#include "core/common/TextFile.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsTable.h"
#include "tests/support/FakeMainPorts.h"
#include "tests/support/FileModes.h"
#include "tests/support/TempFolder.h"

namespace marovix::main_model_test {
namespace {

const std::string kUninstall = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

class MainModelTest : public ::testing::Test {
protected:
    TempFolder folder;
    FakeMainPorts fakes;
    FakeClock& clock = fakes.clock;
    FakeDialogs& dialogs = fakes.dialogs;
    FakeRegistry& registry = fakes.registry;
    FakeDocumentOpener& opener = fakes.opener;

    std::unique_ptr<MainModel> makeModel() {
        return std::make_unique<MainModel>(folder.path(), folder.path() + "/share", fakes.ports());
    }
    // One run of the program: create, first show, close.
    void runOnce() {
        auto model = makeModel();
        ASSERT_TRUE(model->create());
        model->firstShow();
        clock.advance(60);
        model->closeRequest(model->state().placement);
    }
    // The settings file as another reader sees it.
    Settings stored() { return Settings(folder.path(), folder.path() + "/share", clock); }
    std::vector<std::string> lines(const std::string& name) {
        auto read = readTextLines(folder.file(name));
        EXPECT_TRUE(read.ok()) << name;
        return read.ok() ? *read : std::vector<std::string>{};
    }
};

TEST_F(MainModelTest, CreatesItsFoldersBelowTheApplicationFolder) {
    auto model = makeModel();
    ASSERT_TRUE(model->create());
    for (const char* name : {"Data", "kaime", "TCSV", "log", "CHG", "STAT", "CSV"})
        EXPECT_TRUE(directoryExists(folder.file(name))) << name;
}

TEST_F(MainModelTest, TwoRunsOnOneDayGiveTwoClosedBlocksInTheRunLog) {
    runOnce();
    clock.set(DateTime{2024, 1, 6, 13, 0, 0});
    runOnce();
    EXPECT_EQ(lines("log/20240106.log"),
              (std::vector<std::string>{"============================", "■利用開始 2024/01/06 09:30:00", "-----",
                                        "■利用終了 2024/01/06 09:31:00", "============================", "",
                                        "============================", "■利用開始 2024/01/06 13:00:00", "-----",
                                        "■利用終了 2024/01/06 13:01:00", "============================", ""}));
    auto bytes = readFileBytes(folder.file("log/20240106.log"));
    ASSERT_TRUE(bytes.ok());
    EXPECT_EQ(bytes->substr(0, 30), "============================\r\n");
    EXPECT_NE(bytes->find(utf8ToCp932("■利用開始 ")), std::string::npos);
}

TEST_F(MainModelTest, AnEntryAfterMidnightGoesToTheStartDaysLog) {
    auto model = makeModel();
    ASSERT_TRUE(model->create());
    clock.set(DateTime{2024, 1, 7, 0, 10, 0});
    model->appendDayLog({"-----", "■オッズ取得 "});
    EXPECT_EQ(lines("log/20240106.log").back(), "■オッズ取得 ");
    EXPECT_FALSE(fileExists(folder.file("log/20240107.log")));
    EXPECT_EQ(model->state().autoNaviList.size(), 4u);
    EXPECT_EQ(model->state().autoNaviSelected, 3);
}

TEST_F(MainModelTest, ErrorLogOf450LinesKeepsItsLast300AndGainsTheTwoStartLines) {
    std::vector<std::string> old;
    for (int i = 1; i <= 450; ++i) old.push_back("line " + std::to_string(i));
    ASSERT_TRUE(writeTextLines(folder.file("ErrorLog.txt"), old).ok());
    auto model = makeModel();
    ASSERT_TRUE(model->create());
    auto log = lines("ErrorLog.txt");
    ASSERT_EQ(log.size(), 302u);
    EXPECT_EQ(log.front(), "line 151");
    EXPECT_EQ(log[300], "ソフト起動：2024/01/06 09:30:00");
    EXPECT_EQ(log[301], folder.path());
}

TEST_F(MainModelTest, FetchErrorsBetweenStartsAreAddedWithoutTrimming) {
    std::vector<std::string> old(299, "x");
    ASSERT_TRUE(writeTextLines(folder.file("ErrorLog.txt"), old).ok());
    auto model = makeModel();
    ASSERT_TRUE(model->create());
    for (int i = 0; i < 3; ++i) model->appendErrorLog("中山11R:ｵｯｽﾞ取得エラー：(-1)");
    auto log = lines("ErrorLog.txt");
    ASSERT_EQ(log.size(), 304u);
    EXPECT_EQ(log.back(), "【エラー】09:30:00：中山11R:ｵｯｽﾞ取得エラー：(-1)");
    auto restarted = makeModel();
    ASSERT_TRUE(restarted->create());
    EXPECT_EQ(lines("ErrorLog.txt").size(), 302u);
}

TEST_F(MainModelTest, CompanionFoldersComeFromTheRegistryOnlyWhileTheirKeysAreEmpty) {
    registry.set(kUninstall + "LumidexQuick_is1", "Inno Setup: App Path", " /opt/lumidexquick ");
    registry.set(kUninstall + "Kalvora_is1", "Inno Setup: App Path", nativePath("/opt/kalvora"));
    registry.set(kUninstall + "VQM投票プラグイン２_is1", "Inno Setup: App Path", "/opt/vqm");
    ASSERT_TRUE(writeTextLines(folder.file("Marovix.ini"), {"[Dir]", "VQMTohyo2=/home/me/vqm"}).ok());
    auto model = makeModel();
    ASSERT_TRUE(model->create());
    EXPECT_EQ(stored().readText(settings::DirLumidex), "/opt/lumidexquick");
    EXPECT_EQ(stored().readText(settings::DirJikeiretu), nativePath("/opt/kalvora/Data"));
    EXPECT_EQ(stored().readText(settings::DirVQMTohyo2), "/home/me/vqm");  // never replaced

    registry.set(kUninstall + "Lumidex_is1", "Inno Setup: App Path", "/opt/lumidex");
    ASSERT_TRUE(stored().writeText(settings::DirLumidex, "").ok());
    auto again = makeModel();
    ASSERT_TRUE(again->create());
    EXPECT_EQ(stored().readText(settings::DirLumidex), "/opt/lumidex");  // the first program wins
}

TEST_F(MainModelTest, TheTimeSeriesDataFolderHasOneSeparatorWhenTheInstallersPathEndsInOne) {
    registry.set(kUninstall + "Kalvora_is1", "Inno Setup: App Path", nativePath("/opt/kalvora/"));
    auto model = makeModel();
    ASSERT_TRUE(model->create());
    EXPECT_EQ(stored().readText(settings::DirJikeiretu), nativePath("/opt/kalvora/Data"));
}

TEST_F(MainModelTest, MissingManualIsReportedAndAPresentOneIsOpened) {
    auto model = makeModel();
    ASSERT_TRUE(model->create());
    model->openManual();
    EXPECT_EQ(dialogs.beeps, 1);
    EXPECT_EQ(dialogs.informations, (std::vector<std::string>{"使用解説書[Marovix.pdf]が見つかりません。"}));
    ASSERT_TRUE(replaceFile(folder.file("Marovix.pdf"), "%PDF-1.4").ok());
    model->openManual();
    EXPECT_EQ(opener.opened, (std::vector<std::string>{folder.file("Marovix.pdf")}));
}

TEST_F(MainModelTest, AFolderThatCannotBeCreatedSkipsTheRemainingSteps) {
    ASSERT_TRUE(replaceFile(folder.file("CHG"), "a file where a folder belongs").ok());
    auto model = makeModel();
    EXPECT_FALSE(model->create());
    ASSERT_EQ(dialogs.informations.size(), 1u);
    EXPECT_NE(dialogs.informations[0].find("CHG"), std::string::npos);
    EXPECT_FALSE(fileExists(folder.file("ErrorLog.txt")));
    EXPECT_FALSE(directoryExists(folder.file("log")) && fileExists(folder.file("log/20240106.log")));
}

TEST_F(MainModelTest, OptionsAreReadAtCreateAndWrittenAtOnce) {
    ASSERT_TRUE(writeTextLines(folder.file("Marovix.ini"),
                               {"[Tohyo]", "SimMode=1", "[KaimeSet]", "TabIndex=3", "[OzSpan]", "URoz1B=5000.0"})
                    .ok());
    auto model = makeModel();
    ASSERT_TRUE(model->create());
    EXPECT_TRUE(model->state().options.on(MainOption::SimMode));
    EXPECT_EQ(model->state().labels[LabelId::SimModeLabel].color, 0x00FF00u);
    EXPECT_EQ(model->state().options.value(MainOption::TabIndex), 3);
    EXPECT_TRUE(model->state().options.on(MainOption::Sound1));  // default true
    EXPECT_EQ(model->state().ozSpan[7], "5000.0");
    EXPECT_EQ(model->state().ozSpan[15], "9999999.9");
    model->setOption(MainOption::DupOK, 1);
    auto ini = lines("Marovix.ini");
    // "tohyo"/"DupOK" lands in the existing "Tohyo" section.
    EXPECT_EQ(
        std::count_if(ini.begin(), ini.end(), [](const std::string& l) { return l == "[Tohyo]" || l == "[tohyo]"; }),
        1);
    EXPECT_TRUE(std::find(ini.begin(), ini.end(), "DupOK=1") != ini.end());
}

}  // namespace
}  // namespace marovix::main_model_test

namespace marovix::main_model_test {
namespace {

TEST_F(MainModelTest, ASettingsFileThatCannotBeReadIsReportedAtStart) {
    const std::string ini = folder.file("Marovix.ini");
    ASSERT_TRUE(makeDirectory(ini).ok());
    auto model = makeModel();
    ASSERT_TRUE(model->create());
    ASSERT_FALSE(dialogs.errors.empty());
    EXPECT_EQ(dialogs.errors[0], ini + " を読み込めません(ファイルではなくフォルダです)。既定の設定で動作します。");
    EXPECT_EQ(model->state().placement.width, 1100);  // the defaults
}

TEST_F(MainModelTest, AReadOnlySettingsFileIsReportedAndKeepsItsContent) {
    const std::string ini = folder.file("Marovix.ini");
    ASSERT_TRUE(writeTextLines(ini, {"[Play]", "Sound1=1"}).ok());
    auto model = makeModel();
    ASSERT_TRUE(model->create());
    auto before = readFileBytes(ini);
    ASSERT_TRUE(before.ok());
    ASSERT_TRUE(makeReadOnly(ini));
    model->setOption(MainOption::Sound1, 0);
    EXPECT_EQ(dialogs.errors, (std::vector<std::string>{ini + " に書き込めません"}));
    EXPECT_FALSE(model->state().options.on(MainOption::Sound1));  // the control keeps its new state
    EXPECT_EQ(*readFileBytes(ini), *before);
}

}  // namespace
}  // namespace marovix::main_model_test

namespace marovix::main_model_test {
namespace {

// What each control writes to the settings file when the user changes it, and what it must leave alone:
// the settings the main window only reads at start are never written.
TEST_F(MainModelTest, EachControlWritesItsOwnSettingOnly) {
    struct Action {
        const char* control;
        std::function<void(MainModel&)> act;
        std::vector<std::string> writes;        // lines that must appear
        std::vector<std::string> mustNotWrite;  // keys that must not appear
    };
    const Action actions[] = {
        {"KakesikiRadio3", [](MainModel& m) { m.setOption(MainOption::KaimemakeKakesiki, 3); }, {}, {"kakesiki="}},
        {"NotRefresh (read at start only)",
         [](MainModel& m) { m.setOption(MainOption::NotRefresh, 1); },
         {},
         {"NotRefresh="}},
        {"OzBakenRadio2",
         [](MainModel& m) { m.setOption(MainOption::OzViewKakesiki, 2); },
         {"[OzView]", "kakesiki=2"},
         {}},
        {"SimMode", [](MainModel& m) { m.setOption(MainOption::SimMode, 1); }, {"[Tohyo]", "SimMode=1"}, {"DupOK="}},
        {"UTKaikataRadio1",
         [](MainModel& m) { m.setOption(MainOption::KaikataUT, 1); },
         {"[Kaikata]", "UT=1"},
         {"WR=", "SRT="}},
        {"CheckMulti3T13",
         [](MainModel& m) { m.setOption(MainOption::MultiSRT13, 1); },
         {"[MultiSet]", "SRTmulti13=1"},
         {"SRTmulti="}},
        {"SRFCheckBox", [](MainModel& m) { m.setOption(MainOption::BuySRF, 1); }, {"[BuyBaken]", "SRF=1"}, {"SRT="}},
        {"PageControl4",
         [](MainModel& m) { m.setOption(MainOption::TabIndex, 5); },
         {"[KaimeSet]", "TabIndex=5"},
         {"ShihyoSet=", "HaibunSet="}},
        {"HaibunRadio3",
         [](MainModel& m) { m.setOption(MainOption::HaibunSet, 3); },
         {"[KaimeSet]", "HaibunSet=3"},
         {"TabIndex="}},
        {"URoz1editB", [](MainModel& m) { m.setOzSpanEdit(7, "500.0"); }, {"[OzSpan]", "URoz1B=500.0"}, {"URoz1A="}},
    };
    for (const Action& action : actions) {
        TempFolder fresh;
        MainModel model(fresh.path(), fresh.path() + "/share", fakes.ports());
        ASSERT_TRUE(model.create());
        std::remove(fresh.file("Marovix.ini").c_str());  // only the action's writes remain
        action.act(model);
        auto read = readTextLines(fresh.file("Marovix.ini"));
        const std::vector<std::string> ini = read.ok() ? *read : std::vector<std::string>{};
        for (const auto& line : action.writes)
            EXPECT_TRUE(std::find(ini.begin(), ini.end(), line) != ini.end()) << action.control << ": " << line;
        for (const auto& key : action.mustNotWrite)
            for (const auto& line : ini) EXPECT_NE(line.rfind(key, 0), 0u) << action.control << ": " << line;
        if (action.writes.empty()) {
            EXPECT_TRUE(ini.empty()) << action.control;
        }
    }
}

TEST_F(MainModelTest, EverySubscriberHearsWhichPartChanged) {
    auto model = makeModel();
    std::vector<StatePart> window, logWindow;
    auto a = model->subscribe([&](StatePart part) { window.push_back(part); });
    auto b = model->subscribe([&](StatePart part) { logWindow.push_back(part); });
    ASSERT_TRUE(model->create());
    window.clear();
    logWindow.clear();
    model->setOption(MainOption::Sound1, 0);
    EXPECT_EQ(window, (std::vector<StatePart>{StatePart::Options}));
    model->appendDayLog({"-----"});
    EXPECT_EQ(logWindow, (std::vector<StatePart>{StatePart::Options, StatePart::LogLines}));
    a.reset();
    model->setOption(MainOption::SimMode, 1);
    EXPECT_EQ(window.size(), 2u);  // no longer subscribed
    EXPECT_EQ(logWindow.back(), StatePart::Labels);
}

TEST_F(MainModelTest, TheDayListShowsTheRaceFilesNewestFirstWithNoDaySelected) {
    ASSERT_TRUE(makeDirectory(folder.file("Data")).ok());
    for (const char* day : {"2024年01月06日", "2024年01月13日", "2023年12月28日"})
        ASSERT_TRUE(replaceFile(folder.file(std::string("Data/") + day + ".jvRA"), "").ok());
    ASSERT_TRUE(replaceFile(folder.file("Data/notes.jvRA"), "").ok());
    ASSERT_TRUE(replaceFile(folder.file("Data/2024年01月20日.jvSE"), "").ok());
    auto model = makeModel();
    ASSERT_TRUE(model->create());
    EXPECT_EQ(model->state().dateCombo,
              (std::vector<std::string>{"2024年01月13日", "2024年01月06日", "2023年12月28日"}));
    EXPECT_FALSE(model->state().shownDay.has_value());
}

TEST_F(MainModelTest, TheRandomNumbersStartFromTheClock) {
    auto model = makeModel();
    ASSERT_TRUE(model->create());
    ASSERT_EQ(fakes.random.seeds.size(), 1u);
    EXPECT_EQ(fakes.random.seeds[0], static_cast<std::uint64_t>(clock.now().serial()));
}

}  // namespace
}  // namespace marovix::main_model_test
