#include "core/app/MainModel.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/app/Settings.h"
#include "core/app/SettingsTable.h"
#include "core/common/Cp932.h"
#include "core/common/TextFile.h"
#include "tests/support/FakeMainPorts.h"
#include "tests/support/TempFolder.h"

namespace marovix {
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
        model->closeRequest(model->placement());
    }
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
    EXPECT_EQ(model->autoNaviList().size(), 4u);
    EXPECT_EQ(model->autoNaviSelected(), 3);
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
    registry.set(kUninstall + "Kalvora_is1", "Inno Setup: App Path", "/opt/kalvora");
    registry.set(kUninstall + "VQM投票プラグイン２_is1", "Inno Setup: App Path", "/opt/vqm");
    ASSERT_TRUE(writeTextLines(folder.file("Marovix.ini"), {"[Dir]", "VQMTohyo2=/home/me/vqm"}).ok());
    auto model = makeModel();
    ASSERT_TRUE(model->create());
    EXPECT_EQ(model->settings().readText(settings::DirLumidex), "/opt/lumidexquick");
    EXPECT_EQ(model->settings().readText(settings::DirJikeiretu), "/opt/kalvora/Data");
    EXPECT_EQ(model->settings().readText(settings::DirVQMTohyo2), "/home/me/vqm");  // never replaced

    registry.set(kUninstall + "Lumidex_is1", "Inno Setup: App Path", "/opt/lumidex");
    ASSERT_TRUE(model->settings().writeText(settings::DirLumidex, "").ok());
    auto again = makeModel();
    ASSERT_TRUE(again->create());
    EXPECT_EQ(again->settings().readText(settings::DirLumidex), "/opt/lumidex");  // the first program wins
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
    EXPECT_TRUE(model->options().on(MainOption::SimMode));
    EXPECT_EQ(model->simModeColor(), 0x00FF00u);
    EXPECT_EQ(model->options().value(MainOption::TabIndex), 3);
    EXPECT_TRUE(model->options().on(MainOption::Sound1));  // default true
    EXPECT_EQ(model->ozSpanEdits()[7], "5000.0");
    EXPECT_EQ(model->ozSpanEdits()[15], "9999999.9");
    model->setOption(MainOption::DupOK, 1);
    auto ini = lines("Marovix.ini");
    // "tohyo"/"DupOK" lands in the existing "Tohyo" section.
    EXPECT_EQ(
        std::count_if(ini.begin(), ini.end(), [](const std::string& l) { return l == "[Tohyo]" || l == "[tohyo]"; }),
        1);
    EXPECT_TRUE(std::find(ini.begin(), ini.end(), "DupOK=1") != ini.end());
}

}  // namespace
}  // namespace marovix

namespace marovix {
namespace {

TEST_F(MainModelTest, ASettingsFileThatCannotBeReadIsReportedAtStart) {
    const std::string ini = folder.file("Marovix.ini");
    ASSERT_TRUE(makeDirectory(ini).ok());
    auto model = makeModel();
    ASSERT_TRUE(model->create());
    ASSERT_FALSE(dialogs.errors.empty());
    EXPECT_EQ(dialogs.errors[0], ini + " を読み込めません(Is a directory)。既定の設定で動作します。");
    EXPECT_EQ(model->placement().width, 1100);  // the defaults
}

TEST_F(MainModelTest, AReadOnlySettingsFileIsReportedAndKeepsItsContent) {
    const std::string ini = folder.file("Marovix.ini");
    ASSERT_TRUE(writeTextLines(ini, {"[Play]", "Sound1=1"}).ok());
    auto model = makeModel();
    ASSERT_TRUE(model->create());
    auto before = readFileBytes(ini);
    ASSERT_TRUE(before.ok());
    ASSERT_EQ(::chmod(ini.c_str(), 0444), 0);
    model->setOption(MainOption::Sound1, 0);
    EXPECT_EQ(dialogs.errors, (std::vector<std::string>{ini + " に書き込めません"}));
    EXPECT_FALSE(model->options().on(MainOption::Sound1));  // the control keeps its new state
    EXPECT_EQ(*readFileBytes(ini), *before);
}

}  // namespace
}  // namespace marovix
