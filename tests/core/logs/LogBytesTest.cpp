// The logs keep every byte of their lines: a user's own edits with bytes that are no valid CP932 survive
// start, append and close.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "core/common/Cp932.h"
#include "core/common/SystemFiles.h"
#include "core/common/TextFile.h"
#include "core/logs/DayLog.h"
#include "core/logs/ErrorLog.h"
#include "tests/support/TempFolder.h"

namespace marovix::log_bytes_test {
namespace {

const std::string kOddLine = "bad \x80\xa0\xfd\xff x";  // no valid CP932 between the blanks
const DateTime kNow{2024, 1, 6, 9, 30, 0};

std::string bytesOf(const std::string& path) {
    auto bytes = readFileBytes(path);
    EXPECT_TRUE(bytes.ok()) << path;
    return bytes.ok() ? *bytes : std::string();
}

TEST(LogBytes, BothLogsKeepBytesThatAreNoCp932) {
    struct Case {
        const char* name;
        std::function<Status(const std::string& path)> run;
    };
    const Case cases[] = {
        {"error log start", [](const std::string& p) { return ErrorLog(p).start(kNow, "/app"); }},
        {"error log append", [](const std::string& p) { return ErrorLog(p).append("ｵｯｽﾞ取得エラー", kNow); }},
        {"day log start and close",
         [](const std::string& p) {
             DayLog log(p);
             if (Status s = log.start(kNow); !s) return s;
             if (Status s = log.append({"-----", "■投票"}); !s) return s;
             return log.close(kNow);
         }},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        const std::string path = folder.file("log.txt");
        ASSERT_TRUE(replaceFile(path, "first\r\n" + kOddLine + "\r\n" + utf8ToCp932("■利用開始 前回") + "\r\n").ok());
        ASSERT_TRUE(c.run(path).ok()) << c.name;
        const std::string bytes = bytesOf(path);
        EXPECT_EQ(bytes.substr(0, 7 + kOddLine.size() + 2), "first\r\n" + kOddLine + "\r\n") << c.name;
        EXPECT_NE(bytes.find(utf8ToCp932("■利用開始 前回")), std::string::npos) << c.name;
    }
}

TEST(LogBytes, ADayLogRunTwiceKeepsTheOddLineByteForByte) {
    TempFolder folder;
    const std::string path = folder.file("20240106.log");
    ASSERT_TRUE(replaceFile(path, kOddLine + "\r\n").ok());
    for (int run = 0; run < 2; ++run) {
        DayLog log(path);
        ASSERT_TRUE(log.start(kNow).ok());
        ASSERT_TRUE(log.close(kNow).ok());
    }
    EXPECT_EQ(bytesOf(path).substr(0, kOddLine.size() + 2), kOddLine + "\r\n");
}

TEST(LogBytes, TheErrorLogTrimmedAtStartKeepsTheBytesOfTheLinesItKeeps) {
    TempFolder folder;
    const std::string path = folder.file("ErrorLog.txt");
    std::string content;
    for (int i = 0; i < 299; ++i) content += "line\r\n";
    content += kOddLine + "\r\n";
    for (int i = 0; i < 100; ++i) content += "more\r\n";
    ASSERT_TRUE(replaceFile(path, content).ok());
    ErrorLog log(path);
    ASSERT_TRUE(log.start(kNow, "/app").ok());
    EXPECT_EQ(log.lines().size(), 302u);
    EXPECT_EQ(bytesOf(path).substr(199 * 6, kOddLine.size()), kOddLine);
}

TEST(DayLogSaving, EachSaveAddsOnlyItsNewLinesAndAFailedSaveGoesWithTheNext) {
    TempFolder folder;
    const std::string path = folder.file("20240106.log");
    DayLog log(path);
    ASSERT_TRUE(log.start(kNow).ok());
    ASSERT_TRUE(log.append({"-----", "■開催日選択 [2024年01月06日]"}).ok());
    ASSERT_TRUE(log.append({"kept for the next save"}, false).ok());
    EXPECT_EQ(bytesOf(path), utf8ToCp932("============================\r\n■利用開始 2024/01/06 09:30:00\r\n-----\r\n"
                                         "■開催日選択 [2024年01月06日]\r\n"));
    // A line another program added stays; a save that fails is made up by the next one.
    ASSERT_TRUE(replaceFile(path, bytesOf(path) + "by hand\r\n").ok());
    ASSERT_TRUE(makeDirectory(folder.file("moved")).ok());
    ASSERT_TRUE(renameOver(path, folder.file("moved/log")).ok());
    ASSERT_TRUE(makeDirectory(path).ok());  // a folder where the log belongs: the save fails
    EXPECT_FALSE(log.append({"a"}).ok());
    ASSERT_TRUE(std::filesystem::remove(filesystemPath(path)));
    ASSERT_TRUE(renameOver(folder.file("moved/log"), path).ok());
    ASSERT_TRUE(log.close(kNow).ok());
    const std::string text = cp932ToUtf8(bytesOf(path));
    EXPECT_TRUE(
        text.ends_with("by hand\r\nkept for the next save\r\na\r\n-----\r\n■利用終了 2024/01/06 09:30:00\r\n"
                       "============================\r\n\r\n"))
        << text;
}

}  // namespace
}  // namespace marovix::log_bytes_test
