// The Win32 adapters of the ports on a Windows system (run under Wine on Linux): the registry read, the
// plug-in launcher with the real paper-trading plug-in, file names with Japanese characters, and JV-Link
// through COM against the stand-in COM server registered as "JVDTLab.JVLink".
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <mutex>
#include <thread>

#include "core/common/Cp932.h"
#include "core/common/SystemFiles.h"
#include "core/common/TextFile.h"
#include "core/vote/VotePluginFiles.h"
#include "platform/WindowsFolder.h"
#include "platform/win32/ComJvLink.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32DocumentOpener.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32VotePluginLauncher.h"
#include "standins/jvlink/FeedJvLink.h"
#include "standins/jvlink/FeedSettings.h"
#include "standins/voteplugin/PaperAccount.h"
#include "tests/support/DownloadRecords.h"
#include "tests/support/EnvironmentGuard.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FeedFolderBuilder.h"
#include "tests/support/TempFolder.h"

namespace marovix::win32_adapters_test {
namespace {

// ---- registry ----

// A key of the tests' own with a Japanese name, written and removed by the test: the user's own keys
// are never touched.
const wchar_t kTestKey[] = L"SOFTWARE\\Marovix tests\\VQM投票プラグイン２_is1";

TEST(Win32Registry, ReadsATextValueOfAKeyWithAJapaneseNameAndNothingElse) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kTestKey, 0, nullptr, 0, KEY_SET_VALUE | KEY_WOW64_32KEY, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        GTEST_SKIP() << "the local machine's keys cannot be written by this user";
    const std::wstring folder = L"C:\\Program Files\\VQM 投票プラグイン２\\";
    RegSetValueExW(key, L"Inno Setup: App Path", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                   static_cast<DWORD>((folder.size() + 1) * sizeof(wchar_t)));
    const DWORD number = 7;
    RegSetValueExW(key, L"Number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
    RegCloseKey(key);

    Win32Registry registry;
    const std::string keyPath = "SOFTWARE\\Marovix tests\\VQM投票プラグイン２_is1";
    EXPECT_EQ(registry.localMachineString(keyPath, "Inno Setup: App Path"),
              "C:\\Program Files\\VQM 投票プラグイン２\\");
    EXPECT_EQ(registry.localMachineString(keyPath, "Number"), "");
    EXPECT_EQ(registry.localMachineString(keyPath, "None"), "");
    EXPECT_EQ(registry.localMachineString("SOFTWARE\\Marovix tests\\none", "Inno Setup: App Path"), "");
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Marovix tests");
}

// The plug-in's own key as its installer writes it; the test script writes it into its Wine prefix and
// names the folder in MAROVIX_TEST_PLUGIN_FOLDER.
TEST(Win32Registry, FindsThePlugInFolderUnderTheInstallersKey) {
    const wchar_t* expected = _wgetenv(L"MAROVIX_TEST_PLUGIN_FOLDER");
    if (!expected) GTEST_SKIP() << "MAROVIX_TEST_PLUGIN_FOLDER names no folder written under the installer's key";
    EXPECT_EQ(
        Win32Registry().localMachineString(
            "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\VQM投票プラグイン２_is1", "Inno Setup: App Path"),
        utf8Text(expected));
}

// ---- file names ----

TEST(Win32Files, JapaneseNamesAreWrittenAndListedBackAsTheSystemShowsThem) {
    TempFolder folder;
    const std::string data = folder.file("データ 2024年");
    ASSERT_TRUE(makeDirectory(data).ok());
    const std::vector<std::string> names = {"2024年01月06日中山.jvSEr", "2024年01月06日.jvRA", "①～∥.txt"};
    for (const std::string& name : names) ASSERT_TRUE(writeRawLines(joinPath(data, name), {name}).ok()) << name;
    // Replaced once more: the safe replace keeps the name.
    ASSERT_TRUE(writeRawLines(joinPath(data, names[0]), {"again"}).ok());

    auto listed = listFolder(data);
    ASSERT_TRUE(listed.ok()) << listed.error();
    std::vector<std::string> found;
    for (const FolderEntry& entry : *listed) found.push_back(entry.name);
    std::sort(found.begin(), found.end());
    std::vector<std::string> written = names;
    std::sort(written.begin(), written.end());
    EXPECT_EQ(found, written);
    EXPECT_EQ(*readRawLines(joinPath(data, names[0])), std::vector<std::string>{"again"});

    // The wide name the shell shows is the name written.
    WIN32_FIND_DATAW entry{};
    const std::wstring pattern = L"\\データ 2024年\\2024年01月06日中山.jvSEr";
    HANDLE find = FindFirstFileW((std::wstring(folder.path().begin(), folder.path().end()) + pattern).c_str(), &entry);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    EXPECT_STREQ(entry.cFileName, L"2024年01月06日中山.jvSEr");
    FindClose(find);
}

// ---- the Windows folder and documents ----

TEST(Win32WindowsFolder, IsTheSystemsWindowsFolderWhateverTheProgramsFolder) {
    wchar_t folder[MAX_PATH + 1] = {};
    ASSERT_GT(GetWindowsDirectoryW(folder, MAX_PATH + 1), 0u);
    EXPECT_EQ(windowsFolder("C:\\elsewhere"), utf8Text(folder));
    EXPECT_TRUE(directoryExists(windowsFolder("")));
}

TEST(Win32DocumentOpener, AMissingDocumentIsNotOpened) {
    TempFolder folder;
    EXPECT_FALSE(Win32DocumentOpener().open(folder.file("説明書.pdf")));
}

// ---- the plug-in launcher ----

std::string today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_s(&local, &now);
    char text[16];
    std::strftime(text, sizeof text, "%Y%m%d", &local);
    return text;
}

TEST(Win32VotePluginLauncher, AVoteThroughThePaperTradingPlugInTakesItsStake) {
    TempFolder folder;
    const std::string plugin = folder.file("VQM 投票 plug in");
    ASSERT_TRUE(makeDirectory(plugin).ok());
    ASSERT_TRUE(makeDirectory(joinPath(plugin, VoteFileFolderName)).ok());
    auto program = readFileBytes(MAROVIX_VOTEPLUGIN_PATH);
    ASSERT_TRUE(program.ok()) << program.error();
    ASSERT_TRUE(replaceFile(VotePluginProgramPath(plugin), *program).ok());
    ASSERT_TRUE(PaperAccount(plugin).setBalance(10000).ok());
    const std::string voteFile = joinPath(joinPath(plugin, VoteFileFolderName), "250301.csv");
    ASSERT_TRUE(replaceFile(voteFile, "20250301,06,11,TAN,NORMAL,300,07,\r\n").ok());

    Win32VotePluginLauncher launcher;
    auto lock = launcher.tryLock(VoteLockPath(plugin));
    ASSERT_TRUE(lock.ok() && *lock) << (lock.ok() ? "held" : lock.error());
    // The vote file's path unquoted, blanks and Japanese characters in it, as the program hands it over.
    auto run = launcher.start(VotePluginProgramPath(plugin), voteFile, plugin, PluginWindow::Hidden, lock->get());
    ASSERT_TRUE(run.ok()) << run.error();
    lock->reset();
    PluginRunState state = (*run)->poll();
    for (int i = 0; i < 600 && state.running(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        state = (*run)->poll();
    }
    ASSERT_EQ(state, (PluginRunState{PluginRunState::Kind::Exited, 0}));
    EXPECT_EQ(PaperAccount(plugin).balance().value(), 9700);
    auto log = readFileBytes(PluginLogPath(plugin, today()));
    ASSERT_TRUE(log.ok()) << log.error();
    EXPECT_NE(cp932ToUtf8(*log).find("■結果 受付:1件 不可:0件 購入金額:300円 残高:9700円"), std::string::npos);
    // The lock passed on was held by the run: free again once it ended.
    auto again = launcher.tryLock(VoteLockPath(plugin));
    ASSERT_TRUE(again.ok());
    EXPECT_TRUE(*again);
}

TEST(Win32VotePluginLauncher, AMissingProgramIsAnErrorNamingIt) {
    TempFolder folder;
    Win32VotePluginLauncher launcher;
    const std::string program = folder.file("VQMTohyoPlugIn2.exe");
    auto run = launcher.start(program, "x", folder.path(), PluginWindow::Hidden);
    ASSERT_FALSE(run.ok());
    EXPECT_NE(run.error().find(program), std::string::npos) << run.error();
}

TEST(Win32VotePluginLauncher, ALockIsRefusedWhileHeld) {
    TempFolder folder;
    Win32VotePluginLauncher launcher;
    auto first = launcher.tryLock(folder.file("Marovix.lock"));
    ASSERT_TRUE(first.ok() && *first);
    auto second = launcher.tryLock(folder.file("Marovix.lock"));
    ASSERT_TRUE(second.ok());
    EXPECT_FALSE(*second);
    first->reset();
    auto third = launcher.tryLock(folder.file("Marovix.lock"));
    ASSERT_TRUE(third.ok());
    EXPECT_TRUE(*third);
    EXPECT_FALSE(launcher.tryLock(folder.file("missing/Marovix.lock")).ok());
}

// ---- JV-Link through COM ----

class ComJvLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        FeedFolderBuilder feed(folder.file("feed"));
        RaceId race;
        feed.addStoredFile("20240105180000", "RA0106", {raRecord(race), raRecord(RaceId{"20240106", "06", 12})});
        feed.addStoredFile("20240105190000", "SE0106", {seRecord(race, 1), seRecord(race, 2, "テスト～ホース")});
        FeedSettings settings;
        settings.feedFolder = feed.folder();
        ASSERT_TRUE(settings.save(folder.file("config")).ok());
        setVariable("MAROVIX_JVLINK_CONFIG", folder.file("config"));
        setVariable("MAROVIX_COMSTANDIN_RAISE", "");
        setVariable("MAROVIX_COMSTANDIN_JVOPEN_DELAY_MS", "");
    }
    void TearDown() override {
        setVariable("MAROVIX_COMSTANDIN_RAISE", "");
        setVariable("MAROVIX_COMSTANDIN_JVOPEN_DELAY_MS", "");
    }
    static void setVariable(const char* name, const std::string& value) { setEnvironment(name, value); }
    // Every record and file name a read loop sees, and the results that are no record.
    static std::vector<std::string> readAll(JvLink& link) {
        std::vector<std::string> seen;
        for (int i = 0; i < 100; ++i) {
            std::string record, fileName;
            const int r = link.JVRead(record, 110000, fileName);
            seen.push_back(std::to_string(r) + " " + fileName + " " + (r > 0 ? record : std::string()));
            if (r == 0 || r < -3) break;
        }
        return seen;
    }
    TempFolder folder;
    FakeClock clock{DateTime{2024, 2, 1, 10, 0, 0}};
};

TEST_F(ComJvLinkTest, ReadsWhatTheStandInServesByteForByte) {
    std::vector<std::string> faults;
    ComJvLink::Options options;
    options.report = [&](const std::string& text) { faults.push_back(text); };
    ComJvLink com(options);
    if (!com.isInstalled())
        GTEST_SKIP() << "no component registered as JVDTLab.JVLink (regsvr32 MarovixJvLinkStandIn.dll)";
    FeedJvLink direct(clock, folder.file("feed"));
    for (JvLink* link : {static_cast<JvLink*>(&com), static_cast<JvLink*>(&direct)})
        ASSERT_EQ(link->JVInit("UNKNOWN"), 0);
    int reads[2] = {}, downloads[2] = {};
    std::string stamps[2];
    ASSERT_EQ(com.JVOpen("RACE", "20240101000000", 1, reads[0], downloads[0], stamps[0]), 0);
    ASSERT_EQ(direct.JVOpen("RACE", "20240101000000", 1, reads[1], downloads[1], stamps[1]), 0);
    EXPECT_EQ(reads[0], reads[1]);
    EXPECT_EQ(downloads[0], downloads[1]);
    EXPECT_EQ(stamps[0], stamps[1]);
    const std::vector<std::string> overCom = readAll(com);
    EXPECT_EQ(overCom, readAll(direct));
    EXPECT_GE(overCom.size(), 5u);
    EXPECT_EQ(com.JVClose(), 0);
    EXPECT_TRUE(faults.empty()) << faults.front();
}

TEST_F(ComJvLinkTest, ACallThatRaisesIsAnErrorResultWithItsHresultReported) {
    std::vector<std::string> faults;
    ComJvLink::Options options;
    options.report = [&](const std::string& text) { faults.push_back(text); };
    ComJvLink com(options);
    if (!com.isInstalled()) GTEST_SKIP() << "no component registered as JVDTLab.JVLink";
    ASSERT_EQ(com.JVInit("UNKNOWN"), 0);
    setVariable("MAROVIX_COMSTANDIN_RAISE", "JVStatus");
    EXPECT_EQ(com.JVStatus(), ComJvLink::kCallFailed);
    ASSERT_EQ(faults.size(), 1u);
    EXPECT_NE(faults[0].find("JVStatus"), std::string::npos) << faults[0];
    EXPECT_NE(faults[0].find("0x80020009"), std::string::npos) << faults[0];  // DISP_E_EXCEPTION
    setVariable("MAROVIX_COMSTANDIN_RAISE", "");
    EXPECT_EQ(com.JVClose(), 0);
}

TEST_F(ComJvLinkTest, AJVOpenThatDoesNotReturnInTimeIsReportedOnceWhileItRuns) {
    std::vector<std::string> late;
    std::mutex mutex;
    ComJvLink::Options options;
    options.openWatchdog = std::chrono::milliseconds(200);
    options.late = [&](const std::string& text) {
        std::lock_guard<std::mutex> lock(mutex);
        late.push_back(text);
    };
    ComJvLink com(options);
    if (!com.isInstalled()) GTEST_SKIP() << "no component registered as JVDTLab.JVLink";
    ASSERT_EQ(com.JVInit("UNKNOWN"), 0);
    setVariable("MAROVIX_COMSTANDIN_JVOPEN_DELAY_MS", "1200");
    int reads = 0, downloads = 0;
    std::string stamp;
    EXPECT_EQ(com.JVOpen("RACE", "20240101000000", 1, reads, downloads, stamp), 0);
    std::lock_guard<std::mutex> lock(mutex);
    ASSERT_EQ(late.size(), 1u);
    EXPECT_NE(late[0].find("JVOpen"), std::string::npos) << late[0];
    com.JVClose();
}

}  // namespace
}  // namespace marovix::win32_adapters_test
